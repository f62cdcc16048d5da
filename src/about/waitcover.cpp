#include "waitcover.h"

#include "fitlabel.h"
#include "fontfaces.h"
#include "labelframe.h"
#include "twiplayout.h"
#include "windowpaint.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QScreen>

WaitCover::WaitCover(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setWindowTitle(QStringLiteral("Just a moment, please."));
    auto *layout = new TwipLayout(this);
    layout->setBackground(QColor(0, 128, 128));
    m_textLabel = new FitLabel(QStringLiteral("Just a moment, please."), layout->canvas());
    m_textLabel->setAlignment(Qt::AlignCenter);
    labelframe::textColour(m_textLabel, Qt::white);
    layout->place(m_textLabel, QRect(4050, 5460, 7005, 690), fontfaces::make(fontfaces::gothic(), 26.25));
}

void WaitCover::showCover()
{
    if (const QScreen *s = screen())
        setGeometry(s->geometry());
    showFullScreen();
    raise();
    // The cover must be on screen before the slow step that follows it starts.
    paintWindowNow(this);
}

void WaitCover::closeCover()
{
    hide();
}

void WaitCover::closeEvent(QCloseEvent *event)
{
    event->ignore();
}
