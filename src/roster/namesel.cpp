#include "namesel.h"

#include "appstate.h"
#include "twiplayout.h"

NameSel::NameSel(AppState &state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
{
    setWindowTitle(QStringLiteral("quenda"));
    m_layout = new TwipLayout(this);
    m_layout->setBackground(m_state.screenBackColour);
}
