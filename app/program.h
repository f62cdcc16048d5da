#pragma once

#include "installation.h"
#include "instancelock.h"
#include "services.h"

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
    // The services must outlive the program object.
    Program(QString programFolder, Services services, MessagePresenter &messages);
    ~Program();

    // Returns 0 when the start screen is up; otherwise the exit status, after the message.
    int start();

    const Installation &installation() const { return m_install; }
    StartScreen *startScreen() const;
    ScreenFlow *flow() const { return m_flow.get(); }

    static QString secondCopyMessage();

private:
    QString m_programFolder;
    MessagePresenter &m_messages;
    Services m_services;
    Installation m_install;
    std::unique_ptr<InstanceLock> m_lock;
    std::unique_ptr<ScreenFlow> m_flow;
};
