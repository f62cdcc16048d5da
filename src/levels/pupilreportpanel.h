#pragma once

#include "listsources.h"
#include "pupilreport.h"
#include "reportlayout.h"
#include "reportprinter.h"

#include <QWidget>

#include <functional>

class PrintDialogs;
class QLabel;
class QListWidget;
class QPushButton;
class ReportCanvas;
class TwipLayout;

// The pupil report panel of the level screen's personal-times view: the canvas, the level and
// pupil lists, and the buttons to draw, print, show other pupils and close. It renders what
// PupilReport says and asks `sources` for the figures each time it draws.
class PupilReportPanel : public QWidget
{
public:
    static constexpr QSize kDesignTwips{15120, 9630};

    using Sources = std::function<ListSources()>;

    PupilReportPanel(Sources sources, PrintDialogs &dialogs, QWidget *parent = nullptr,
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
    const std::vector<ReportPage> &pages() const { return m_pages; }

private:
    void render();
    void layOut(const ReportRequest &request);
    void levelsClicked();
    void pupilsClicked();

    Sources m_sources;
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
};
