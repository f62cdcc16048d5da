#pragma once

#include "listline.h"
#include "namechoice.h"

#include <QChar>
#include <QString>
#include <QStringList>

struct Folders;
class Roster;
class ScreenPainter;
class StartHost;

// Everything the start screen shows.
struct StartView
{
    FigureMode mode = kStartFigureMode; // the figures the list shows
    QStringList lines;                  // the list: the header line, then one line per listed pupil
    int listBuilds = 0;                 // how often the list was built: a new build shows from its top, nothing chosen
    bool listShown = true;
    bool rosterMessageShown = false;    // in place of the list when there is no roster
    QString rosterMessage;
    QString choiceCaption = NameChoice::prompt();
    bool confirmOffered = true; // "O.K."; gone from a confirmation until the screen comes back
    bool printOffered = false;  // "印刷"
    bool waitShown = false;     // "Just a moment, please." over everything

    bool operator==(const StartView &) const = default;
};

// The start screen apart from any widget: the roster list in one of four figure modes, the name
// picked from it, its confirmation and the way out. The screen forwards intents and renders
// view(). The roster is the program's; the host rebuilds it.
class StartSelection
{
public:
    StartSelection(const Folders &folders, bool printEnabled, Roster &roster, StartHost &host, ScreenPainter &painter);

    // Each time the screen comes to the front: restores a missing roster from its backup,
    // rebuilds the list in the starting mode and clears the choice. Returns the roster's problems
    // (damaged lines, repeated numbers) not shown before, for a message.
    QStringList activate();
    // A figure mode chosen: the list is built again in it, the choice cleared. Returns the new
    // problems as activate() does.
    QStringList chooseMode(FigureMode mode);
    // A click on a list row (or the row made current by the keyboard), and a double click,
    // which confirms at once.
    void chooseRow(int row);
    void confirmRow(int row);
    // "O.K.": the chosen pupil goes on to level selection, the wait panel painted first; a choice
    // the roster does not know plays the wrong-answer sound. Nothing while O.K. is not offered.
    void confirm();
    // "終了" and close requests.
    void leave();
    // A key typed on the screen ("1" confirms, "0" leaves; Enter and space confirm from the
    // list); true when it did something.
    bool pressKey(QChar key, bool listHasFocus);

    const StartView &view() const { return m_view; }
    const NameChoice &choice() const { return m_choice; }

private:
    QStringList rebuild(FigureMode mode);
    void setChoice(NameChoice choice);

    const Folders &m_folders;
    Roster &m_roster;
    StartHost &m_host;
    ScreenPainter &m_painter;
    NameChoice m_choice = NameChoice::none();
    StartView m_view;
};
