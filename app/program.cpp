#include "program.h"

#include "datafileerror.h"
#include "messagepresenter.h"
#include "screenflow.h"
#include "startup.h"

#include <cstdlib>

Program::Program(QString programFolder, Services services, MessagePresenter &messages)
    : m_programFolder(std::move(programFolder))
    , m_messages(messages)
    , m_services(services)
{
}

Program::~Program() = default;

QString Program::secondCopyMessage()
{
    return QStringLiteral("このプログラムと同じプログラムがすでに起動され、完全に終了されていません。"
                          "同じプログラムを完全に終了させてから実行してください。");
}

int Program::start()
{
    try {
        runStartup(m_install, m_programFolder);
    } catch (const DataFileError &e) {
        m_messages.show(MessagePresenter::Icon::Critical, QStringLiteral("Tavrel"), e.text());
        return 1;
    }

    m_lock = std::make_unique<InstanceLock>(m_programFolder);
    if (!m_lock->acquire()) {
        m_messages.show(MessagePresenter::Icon::Critical, QStringLiteral("注意"), secondCopyMessage());
        return 1;
    }

    m_flow = std::make_unique<ScreenFlow>(m_install, m_services, m_messages, [] { std::exit(EXIT_FAILURE); });
    m_flow->appendPendingRuns();
    m_flow->showStartScreen();
    return 0;
}

StartScreen *Program::startScreen() const
{
    return m_flow ? m_flow->startScreen() : nullptr;
}
