#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// One line of the chooser: a school this machine knows, or the demo that comes with the program.
struct SchoolChoice
{
    QString name;
    QString programFolder; // empty for the demo, which is laid out when it is chosen
    bool demo = false;
    bool available = true; // the folder is there (a share that is not mounted is not)
};

// Everything the chooser window shows.
struct SchoolChooserView
{
    QString title;       // the window's title
    QString heading;     // above the list
    QStringList lines;   // one per choice, in order
    int selected = -1;   // the line chosen, -1 for none
    QString note;        // under the list: why nothing can be opened, or a name that was not found
    bool openEnabled = false;
    bool finished = false; // opened or given up: the window closes
};

// The chooser that `tavrel` shows when it is started without a folder and none is beside it:
// the schools this machine knows and the demo, the one chosen last time selected. Takes the
// window's intents and keeps what the window shows in one view; reads no files itself.
class SchoolChooser
{
public:
    // lastChoice is the program folder chosen last time (or "demo"); note is shown from the start.
    SchoolChooser(std::vector<SchoolChoice> choices, const QString &lastChoice, const QString &note = QString());

    void select(int row);
    // Opens the selected line, when it can be opened.
    void open();
    void giveUp();

    const SchoolChooserView &view() const { return m_view; }
    // The line opened, once open() finished the chooser.
    std::optional<SchoolChoice> chosen() const;

    // What lastChoice holds when the demo was chosen.
    static QString demoChoice() { return QStringLiteral("demo"); }

private:
    void refresh();

    std::vector<SchoolChoice> m_choices;
    QString m_givenNote;
    SchoolChooserView m_view;
    bool m_opened = false;
};
