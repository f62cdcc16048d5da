#pragma once

#include "listsources.h"
#include "pupilreport.h"
#include "reportlayout.h"
#include "reportprinter.h"
#include "weaklist.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class PrintDialogs;
class QLabel;
class QListWidget;
class QPushButton;
class ReportCanvas;
class TwipLayout;

// The pupil report panel of the level screen's personal-times view: the canvas, the level and
// pupil lists, and the buttons to draw, print, show other pupils and close. It renders what
// PupilReport says and asks `sources` for the figures and `readRuns` for the runs of the log each
// time it draws or prints.
class PupilReportPanel : public QWidget
{
public:
    static constexpr QSize kDesignTwips{15120, 9630};

    using Sources = std::function<ListSources()>;
    // Hands every run of the log to the visitor in file order; false when the log could not be
    // read (the failure has been reported).
    using RunReader = std::function<bool(const std::function<void(const RunRow &)> &visit)>;

    // The figures a pupil missed most (at most `top`); nothing when the answer log could not be
    // read.
    using WeakReader = std::function<std::optional<std::vector<WeakListEntry>>(int pupil, int top)>;
    // How many figures the "苦手な人物" block lists.
    static constexpr int kWeakFigures = 5;

    PupilReportPanel(Sources sources, RunReader readRuns, WeakReader readWeak, PrintDialogs &dialogs,
                     QWidget *parent = nullptr,
                     ReportPrinter::PrinterLookup defaultPrinter = &QPrinterInfo::defaultPrinter);

    // Entering the personal-times view: fills the lists; the panel stays hidden.
    void open();
    // The level screen's graph button: the current pupil, levels 1 to 3.
    void showGraph();
    void drawReport();
    ReportPrinter::Outcome printReport();
    void showOthers();
    void closePanel();

    // Controls and state, for tests.
    ReportCanvas *canvas() const { return m_canvas; }
    QListWidget *levelList() const { return m_levelList; }
    QListWidget *pupilList() const { return m_pupilList; }
    QPushButton *drawButton() const { return m_drawButton; }
    QPushButton *printButton() const { return m_printButton; }
    QPushButton *othersButton() const { return m_othersButton; }
    QPushButton *closeButton() const { return m_closeButton; }
    // The "苦手な人物" block: shown to teachers (as printing is), for the pupil of the report.
    QLabel *weakHeading() const { return m_weakHeading; }
    QLabel *weakText() const { return m_weakText; }
    const std::vector<ReportPage> &pages() const { return m_pages; }

private:
    void render();
    void layOut(const ReportRequest &request);
    // The pages of a request, from the runs read afresh; nothing when they could not be read.
    std::optional<std::vector<ReportPage>> pagesFor(const ListSources &sources, const ReportRequest &request) const;
    void levelsClicked();
    void pupilsClicked();
    // Reads the weak figures of the report's pupil afresh for the block.
    void updateWeakFigures();

    Sources m_sources;
    RunReader m_readRuns;
    WeakReader m_readWeak;
    int m_weakPupil = 0; // whose figures the block holds
    ReportPrinter m_printer;
    PupilReport m_report;
    std::vector<ReportPage> m_pages;
    TwipLayout *m_layout = nullptr;
    ReportCanvas *m_canvas = nullptr;
    QListWidget *m_levelList = nullptr;
    QListWidget *m_pupilList = nullptr;
    QPushButton *m_othersButton = nullptr;
    QPushButton *m_drawButton = nullptr;
    QPushButton *m_printButton = nullptr;
    QPushButton *m_closeButton = nullptr;
    QLabel *m_weakHeading = nullptr;
    QLabel *m_weakText = nullptr;
};
