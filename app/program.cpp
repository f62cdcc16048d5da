#include "program.h"

#include "datafileerror.h"
#include "messagepresenter.h"
#include "namesel.h"
#include "screenflow.h"
#include "screenshow.h"
#include "startup.h"

#include <cstdlib>

Program::Program(QString programFolder, MessagePresenter &messages)
    : m_programFolder(std::move(programFolder))
    , m_messages(messages)
{
}

Program::~Program()
{
    // Screens shown by the flow go before the start screen they return to.
    m_flow.reset();
}

QString Program::secondCopyMessage()
{
    return QStringLiteral("このプログラムと同じプログラムがすでに起動され、完全に終了されていません。"
                          "同じプログラムを完全に終了させてから実行してください。");
}

int Program::start()
{
    try {
        runStartup(m_state, m_programFolder);
    } catch (const DataFileError &e) {
        m_messages.show(MessagePresenter::Icon::Critical, QStringLiteral("Tavrel"), e.text());
        return 1;
    }

    m_lock = std::make_unique<InstanceLock>(m_programFolder);
    if (!m_lock->acquire()) {
        m_messages.show(MessagePresenter::Icon::Critical, QStringLiteral("注意"), secondCopyMessage());
        return 1;
    }

    m_startScreen = std::make_unique<NameSel>(m_state);
    m_flow = std::make_unique<ScreenFlow>(m_state, m_messages, *m_startScreen, [] { std::exit(EXIT_FAILURE); });
    showMaximisedScreen(m_startScreen.get());
    return 0;
}
