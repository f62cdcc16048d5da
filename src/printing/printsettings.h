#pragma once

#include "printhandover.h"
#include "worksheettable.h"

#include <QList>
#include <QString>
#include <QStringList>

class RandomSource;

// Everything the print settings screen shows.
struct PrintSettingsView
{
    QStringList groupEntries;     // "1".."10"; entry i chooses question group i
    QList<int> selectedGroups;    // ascending
    HideMode mode = HideMode::ShowAll;
    bool shuffle = true;
    int selectedCount = 0;        // questions of the chosen groups
    bool printable = false;       // the question file was read: 印刷へ may open the preview
    QString problem;              // why the question file could not be read; empty when it was
    bool problemIsNew = false;    // the problem differs from the one the last build reported
};

// The print settings screen's logic: every change rebuilds the worksheet table from the question
// file, read afresh each time. The hand-over keeps the last build and is what the preview draws;
// its address stays the same for the life of this object.
class PrintSettings
{
public:
    // appFolder ends with a separator; random is the program's one source and must outlive this.
    PrintSettings(QString appFolder, RandomSource &random);

    void load();                            // the list, group 1 chosen, the first build
    void selectGroups(QList<int> groups);   // a click in the list
    void chooseMode(HideMode mode);
    void setShuffle(bool shuffle);
    void shuffleAgain();                    // 再並べ替え: build again with the same settings

    const PrintSettingsView &view() const { return m_view; }
    const PrintHandover &handover() const { return m_handover; }

private:
    void build();

    QString m_appFolder;
    RandomSource &m_random;
    PrintSettingsView m_view;
    PrintHandover m_handover;
};
