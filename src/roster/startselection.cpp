#include "startselection.h"

#include "roster.h"
#include "screenpainter.h"
#include "showroster.h"
#include "starthost.h"

StartSelection::StartSelection(const Folders &folders, bool printEnabled, Roster &roster, StartHost &host,
                               ScreenPainter &painter)
    : m_folders(folders)
    , m_roster(roster)
    , m_host(host)
    , m_painter(painter)
{
    m_view.printOffered = printEnabled;
}

QStringList StartSelection::activate()
{
    const RosterRestore restore = RestoreRoster(m_folders);
    m_view.confirmOffered = true;
    const QStringList problems = rebuild(kStartFigureMode);

    const bool noRoster = restore.state == RosterFileState::Missing || restore.state == RosterFileState::RestoreFailed;
    m_view.rosterMessage = restore.message;
    m_view.rosterMessageShown = noRoster;
    m_view.listShown = !noRoster;
    setChoice(NameChoice::none());
    m_view.waitShown = false;
    return problems;
}

QStringList StartSelection::chooseMode(FigureMode mode)
{
    return rebuild(mode);
}

QStringList StartSelection::rebuild(FigureMode mode)
{
    m_view.mode = mode;
    if (!m_host.showRoster(mode))
        return {};
    m_view.lines = m_roster.listItems();
    ++m_view.listBuilds;
    setChoice(NameChoice::none());
    return m_roster.takeNewProblems();
}

void StartSelection::setChoice(NameChoice choice)
{
    m_choice = std::move(choice);
    m_view.choiceCaption = m_choice.caption;
}

void StartSelection::chooseRow(int row)
{
    setChoice(m_roster.click(row));
}

void StartSelection::confirmRow(int row)
{
    setChoice(m_roster.doubleClick(row));
    confirm();
}

void StartSelection::confirm()
{
    if (!m_view.confirmOffered)
        return;
    if (!m_host.confirmPupil(m_choice)) {
        m_host.wrongAnswerSound();
        return;
    }
    m_view.confirmOffered = false;
    m_view.waitShown = true;
    m_painter.paintNow();
    m_host.pupilConfirmed();
}

void StartSelection::leave()
{
    m_host.leaveProgram();
}

bool StartSelection::pressKey(QChar key, bool listHasFocus)
{
    switch (startScreenKey(key, listHasFocus, m_view.confirmOffered, true)) {
    case StartKeyAction::Confirm:
        confirm();
        return true;
    case StartKeyAction::Leave:
        leave();
        return true;
    case StartKeyAction::None:
        return false;
    }
    return false;
}
