#pragma once

#include "appstate.h"
#include "instancelock.h"

#include <QString>

#include <memory>

class MessagePresenter;
class StartScreen;
class ScreenFlow;

// The program from start-up to the first screen: reads the data files, refuses a second copy on
// the same program folder and shows the start screen. Failures are reported through the
// presenter before any screen is shown.
class Program
{
public:
    Program(QString programFolder, MessagePresenter &messages);
    ~Program();

    // Returns 0 when the start screen is up; otherwise the exit status, after the message.
    int start();

    AppState &state() { return m_state; }
    StartScreen *startScreen() const;
    ScreenFlow *flow() const { return m_flow.get(); }

    static QString secondCopyMessage();

private:
    QString m_programFolder;
    MessagePresenter &m_messages;
    AppState m_state;
    std::unique_ptr<InstanceLock> m_lock;
    std::unique_ptr<ScreenFlow> m_flow;
};
