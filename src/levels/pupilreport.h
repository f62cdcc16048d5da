#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class PupilDirectory;

// Which pupils and levels a report covers.
struct ReportRequest
{
    std::vector<int> pupils;
    std::vector<int> levels; // ascending

    bool operator==(const ReportRequest &) const = default;
};

// What the report panel shows.
struct PupilReportView
{
    bool panelVisible = false;
    QStringList levelRows;          // "1" to levelCount
    std::vector<int> selectedLevels; // ascending
    QStringList pupilRows;          // "小６ /  山田太郎/1": grade label, name, roster number
    std::vector<int> selectedPupilRows;
    bool pupilListVisible = false;
    bool othersButtonVisible = true;
    bool printVisible = false; // only for a user whose name contains "先生"
    int reportPupil = 0;       // whose report is drawn when no pupil row is selected
};

// The report panel of the personal-times view: levels and pupils to report on, and whose report
// the next drawing covers. Intents come from the panel's controls; view() is what it shows.
class PupilReport
{
public:
    // Entering the personal-times view: the level rows 1 to levelCount, the pupil rows from the
    // directory's report pupils (in roster order), and the current pupil as the report's pupil.
    void open(const PupilDirectory &pupils, int levelCount, int currentPupil, const QString &currentName);

    // The graph button: the current pupil's report for levels 1 to 3 (as far as they exist), the
    // pupil list hidden and cleared. Returns what to draw.
    ReportRequest showGraph();
    // "他の人のデータを見る".
    void showOthers();
    void selectLevels(std::vector<int> levels);
    void selectPupilRows(std::vector<int> rows);
    // "表示" and "印刷": the selected pupils in list order, or the report's pupil when none is
    // selected; the last of them becomes the report's pupil.
    ReportRequest request();
    // "戻る", and any change of display mode.
    void hide();

    const PupilReportView &view() const { return m_view; }

private:
    PupilReportView m_view;
    std::vector<int> m_rowPupils; // roster number of each pupil row
    int m_currentPupil = 0;
};
