#pragma once

#include "installation.h"
#include "printhandover.h"
#include "recordcallbacks.h"
#include "weaksheet.h"
#include "worksheettable.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class Clock;
class QuestionBank;
class RandomSource;

// Where a worksheet's questions come from: the chosen levels, or the figures a pupil or a class
// misses most ("苦手な問題").
enum class SheetSource { Groups, Weak };

// Everything the print settings screen shows.
struct PrintSettingsView
{
    QStringList groupEntries;     // "1".."10"; entry i chooses question group i
    QList<int> selectedGroups;    // ascending
    HideMode mode = HideMode::ShowAll;
    bool shuffle = true;
    int selectedCount = 0;        // questions of the chosen groups, or of the weak sheet
    bool printable = false;       // the table holds what was asked for: 印刷へ may open the preview
    QString problem;              // why the question file or the answer log could not be read
    bool problemIsNew = false;    // the problem differs from the one the last build reported

    SheetSource source = SheetSource::Groups;
    // The installation's records are known and the user is a teacher: 苦手な問題 can be chosen.
    bool weakOffered = false;
    QStringList weakEntries;      // the picker: the classes, then the pupils
    int weakEntry = -1;           // the chosen entry; -1 while there is none
    // With 苦手な問題: why there is nothing to print (no answer records yet, nothing missed), said
    // once with the ordinary sheet offered; empty when the sheet holds figures.
    QString weakNotice;
    bool weakNoticeIsNew = false;
};

// The print settings screen's logic: every change rebuilds the worksheet table from the question
// file, read afresh each time. The hand-over keeps the last build and is what the preview draws;
// its address stays the same for the life of this object.
class PrintSettings
{
public:
    // appFolder ends with a separator; random is the program's one source and must outlive this.
    // Without the installation's folders there is no 苦手な問題.
    PrintSettings(QString appFolder, RandomSource &random);
    // With the folders of the roster, the class map and the answer log, and the clock that says
    // what "today" is; clock and random must outlive this. userName is the name chosen on the
    // start screen: 苦手な問題 lists every pupil's weak figures, so it is offered only to a teacher,
    // a name containing "先生" (as the pupil report's printing is).
    PrintSettings(const Folders &folders, const Clock &clock, RandomSource &random, RecordCallbacks callbacks,
                  const QString &userName);

    // Whether the user of this name is a teacher, to whom 苦手な問題 is offered.
    static bool offersWeakTo(const QString &userName);

    void load();                            // the list, group 1 chosen, the first build
    void selectGroups(QList<int> groups);   // a click in the list
    void chooseMode(HideMode mode);
    void setShuffle(bool shuffle);
    void shuffleAgain();                    // 再並べ替え: build again with the same settings
    void chooseSource(SheetSource source);  // the levels' questions or 苦手な問題
    void chooseWeakEntry(int entry);        // a pupil or a class of the picker

    const PrintSettingsView &view() const { return m_view; }
    const PrintHandover &handover() const { return m_handover; }

private:
    void build();
    QList<int> weakRows(const QuestionBank &bank, QString *problem, QString *notice) const;

    QString m_appFolder;
    std::optional<Folders> m_folders;
    bool m_teacher = false;
    const Clock *m_clock = nullptr;
    RecordCallbacks m_callbacks;
    RandomSource &m_random;
    std::vector<weaksheet::Target> m_targets;
    bool m_announce = false; // the next build's notice is said even when it is the last one again
    PrintSettingsView m_view;
    PrintHandover m_handover;
};
