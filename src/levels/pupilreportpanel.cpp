#include "pupilreportpanel.h"

#include "pupildirectory.h"
#include "installation.h"
#include "fontfaces.h"
#include "reportcanvas.h"
#include "twiplayout.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

QFont pGothic(double points, bool bold = false)
{
    return fontfaces::make(fontfaces::pGothic(), points, bold);
}

std::vector<int> selectedRows(const QListWidget *list)
{
    std::vector<int> rows;
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->isSelected())
            rows.push_back(row);
    }
    return rows;
}

void selectRows(QListWidget *list, const std::vector<int> &rows)
{
    const QSignalBlocker quiet(list);
    list->clearSelection();
    for (const int row : rows) {
        if (QListWidgetItem *item = list->item(row))
            item->setSelected(true);
    }
}

} // namespace

PupilReportPanel::PupilReportPanel(Sources sources, RunReader readRuns, WeakReader readWeak, PrintDialogs &dialogs,
                                   QWidget *parent, ReportPrinter::PrinterLookup defaultPrinter)
    : QWidget(parent)
    , m_sources(std::move(sources))
    , m_readRuns(std::move(readRuns))
    , m_readWeak(std::move(readWeak))
    , m_printer(dialogs, std::move(defaultPrinter))
{
    m_layout = new TwipLayout(this, kDesignTwips);
    m_layout->setBackground(QColor(255, 128, 0));
    QWidget *area = m_layout->canvas();

    m_canvas = new ReportCanvas(area);
    m_layout->place(m_canvas, QRect(120, 120, 10500, 9390));

    auto *levelHeading = new QLabel(QStringLiteral("ﾚﾍﾞﾙ"), area);
    levelHeading->setAlignment(Qt::AlignCenter);
    m_layout->place(levelHeading, QRect(10740, 120, 1200, 330), pGothic(9.75, true));
    m_levelList = new QListWidget(area);
    m_levelList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_layout->place(m_levelList, QRect(10740, 480, 1200, 7800), pGothic(9.75));

    m_othersButton = new QPushButton(QStringLiteral("他の人のデータを見る"), area);
    m_layout->place(m_othersButton, QRect(12060, 480, 2940, 600), pGothic(9.75, true));
    m_pupilList = new QListWidget(area);
    m_pupilList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // A long name goes onto a second line rather than past the list's edge.
    m_pupilList->setWordWrap(true);
    m_pupilList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_layout->place(m_pupilList, QRect(12060, 480, 2940, 4920), pGothic(9.75));
    m_pupilList->hide();

    // Below the pupils: what the report's pupil misses most, for the teacher.
    m_weakHeading = new QLabel(weaklist::heading(), area);
    m_weakHeading->setAlignment(Qt::AlignCenter);
    m_layout->place(m_weakHeading, QRect(12060, 5520, 2940, 330), pGothic(9.75, true));
    m_weakText = new QLabel(area);
    m_weakText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_weakText->setWordWrap(true);
    m_weakText->setAutoFillBackground(true);
    m_weakText->setMargin(4);
    m_layout->place(m_weakText, QRect(12060, 5880, 2940, 2400), pGothic(9));

    m_drawButton = new QPushButton(QStringLiteral("表示"), area);
    m_layout->place(m_drawButton, QRect(10740, 8520, 1320, 660), pGothic(11.25, true));
    m_printButton = new QPushButton(QStringLiteral("印刷"), area);
    m_layout->place(m_printButton, QRect(12150, 8520, 1320, 660), pGothic(11.25, true));
    m_closeButton = new QPushButton(QStringLiteral("戻る"), area);
    m_layout->place(m_closeButton, QRect(13560, 8520, 1440, 660), pGothic(11.25, true));
    for (QWidget *w : {static_cast<QWidget *>(m_levelList), static_cast<QWidget *>(m_pupilList),
                       static_cast<QWidget *>(m_othersButton), static_cast<QWidget *>(m_drawButton),
                       static_cast<QWidget *>(m_printButton), static_cast<QWidget *>(m_closeButton)})
        w->setFocusPolicy(Qt::NoFocus);

    connect(m_drawButton, &QPushButton::clicked, this, &PupilReportPanel::drawReport);
    connect(m_printButton, &QPushButton::clicked, this, [this] { printReport(); });
    connect(m_othersButton, &QPushButton::clicked, this, &PupilReportPanel::showOthers);
    connect(m_closeButton, &QPushButton::clicked, this, &PupilReportPanel::closePanel);
    connect(m_levelList, &QListWidget::itemSelectionChanged, this, &PupilReportPanel::levelsClicked);
    connect(m_pupilList, &QListWidget::itemSelectionChanged, this, &PupilReportPanel::pupilsClicked);
    hide();
}

void PupilReportPanel::open()
{
    const ListSources sources = m_sources();
    m_report.open(sources.pupils, sources.state.levelCount, sources.currentPupil, sources.pupils.name(sources.currentPupil));
    const PupilReportView &view = m_report.view();
    {
        const QSignalBlocker quietLevels(m_levelList);
        const QSignalBlocker quietPupils(m_pupilList);
        m_levelList->clear();
        m_levelList->addItems(view.levelRows);
        m_pupilList->clear();
        m_pupilList->addItems(view.pupilRows);
    }
    m_pages.clear();
    m_canvas->clear();
    m_weakPupil = 0;
    render();
}

void PupilReportPanel::showGraph()
{
    layOut(m_report.showGraph());
}

void PupilReportPanel::drawReport()
{
    layOut(m_report.request());
}

ReportPrinter::Outcome PupilReportPanel::printReport()
{
    if (!m_report.view().printVisible)
        return ReportPrinter::Outcome::Declined;
    const ReportRequest request = m_report.request();
    const ListSources sources = m_sources();
    const std::optional<std::vector<ReportPage>> pages = pagesFor(sources, request);
    if (!pages)
        return ReportPrinter::Outcome::Failed;
    const ReportPrinter::Outcome outcome = m_printer.print(*pages, sources.state.productTitle);
    render();
    return outcome;
}

void PupilReportPanel::showOthers()
{
    m_report.showOthers();
    render();
}

void PupilReportPanel::closePanel()
{
    m_report.hide();
    render();
}

void PupilReportPanel::levelsClicked()
{
    m_report.selectLevels([this] {
        std::vector<int> levels;
        for (const int row : selectedRows(m_levelList))
            levels.push_back(row + 1);
        return levels;
    }());
    if (m_report.view().panelVisible)
        drawReport();
}

void PupilReportPanel::pupilsClicked()
{
    m_report.selectPupilRows(selectedRows(m_pupilList));
    drawReport();
}

std::optional<std::vector<ReportPage>> PupilReportPanel::pagesFor(const ListSources &sources,
                                                                  const ReportRequest &request) const
{
    ReportRuns runs(sources.now, request.pupils, request.levels);
    if (!m_readRuns([&runs](const RunRow &row) { runs.add(row); }))
        return std::nullopt;
    return reportPages(sources, runs, request.pupils, request.levels);
}

void PupilReportPanel::layOut(const ReportRequest &request)
{
    std::optional<std::vector<ReportPage>> pages = pagesFor(m_sources(), request);
    if (!pages)
        return;
    m_pages = std::move(*pages);
    // The canvas holds one page: each new page replaces the one before, so the last one stays.
    if (m_pages.empty())
        m_canvas->clear();
    else
        m_canvas->showPage(m_pages.back());
    updateWeakFigures();
    render();
}

void PupilReportPanel::updateWeakFigures()
{
    const PupilReportView &view = m_report.view();
    if (!view.printVisible || !m_readWeak)
        return;
    m_weakPupil = view.reportPupil;
    const std::optional<std::vector<WeakListEntry>> entries = m_readWeak(m_weakPupil, kWeakFigures);
    if (!entries) {
        m_weakText->setText(QStringLiteral("解答の記録を読めませんでした。"));
        return;
    }
    if (entries->empty()) {
        m_weakText->setText(QStringLiteral("まちがえた問題の記録はまだありません。"));
        return;
    }
    m_weakText->setText(weaklist::panelLines(*entries).join(u'\n'));
}

void PupilReportPanel::render()
{
    const PupilReportView &view = m_report.view();
    selectRows(m_levelList, [&] {
        std::vector<int> rows;
        for (const int level : view.selectedLevels)
            rows.push_back(level - 1);
        return rows;
    }());
    selectRows(m_pupilList, view.selectedPupilRows);
    m_pupilList->setVisible(view.pupilListVisible);
    m_othersButton->setVisible(view.othersButtonVisible);
    m_printButton->setVisible(view.printVisible);
    m_weakHeading->setVisible(view.printVisible);
    m_weakText->setVisible(view.printVisible && m_weakPupil != 0);
    setVisible(view.panelVisible);
    if (view.panelVisible)
        raise();
}
