#include "levelscreen.h"

#include "clock.h"
#include "installation.h"
#include "pupilsession.h"
#include "clicklabel.h"
#include "fitlabel.h"
#include "fontfaces.h"
#include "labelframe.h"
#include "levelactivation.h"
#include "levelcolumns.h"
#include "levelhost.h"
#include "levelkeys.h"
#include "levelscroll.h"
#include "personaltimes.h"
#include "pupilreportpanel.h"
#include "resultlists.h"
#include "runstats.h"
#include "twiplayout.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QStringListModel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTime>

namespace {

constexpr int kFormWidth = 15360;
constexpr int kMargin = kFormWidth * 2 / 100;
constexpr int kHeadingTop = 1230;
constexpr int kHeadingHeight = 600;
constexpr int kColumnsTop = kHeadingTop + kHeadingHeight * 105 / 100;
constexpr int kScrollTop = 6540;

// Rows of a column, top to bottom: caption, start button, headings, counts, recent line, list,
// target line.
constexpr int kCaptionHeight = 450;
constexpr int kButtonHeight = 540;
constexpr int kLineHeight = 330;
constexpr int kListHeight = 2205;

QFont pGothic(double points, bool bold = false)
{
    return fontfaces::make(fontfaces::pGothic(), points, bold);
}

QLabel *framedLabel(QWidget *parent, const QColor &back)
{
    auto *l = new FitLabel(parent);
    l->setAlignment(Qt::AlignCenter);
    labelframe::frame(l, back);
    return l;
}

} // namespace

LevelScreen::LevelScreen(const Installation &install, PupilSession &session, const Clock &clock, const RunStats &stats,
                         LevelHost &host, QWidget *parent)
    : QWidget(parent)
    , m_install(install)
    , m_session(session)
    , m_clock(clock)
    , m_stats(stats)
    , m_host(host)
{
    setWindowTitle(m_install.productTitle);
    m_layout = new TwipLayout(this);
    m_layout->setBackground(m_install.screenBackColour);
    buildHeader();
    buildColumns();

    // The wait panel over the columns while lists are rebuilt, and the cover of the whole screen.
    m_listWaitPanel = new QWidget(m_layout->canvas());
    m_listWaitPanel->setAutoFillBackground(true);
    QPalette listPalette = m_listWaitPanel->palette();
    listPalette.setColor(QPalette::Window, QColor(0, 128, 128));
    m_listWaitPanel->setPalette(listPalette);
    m_layout->place(m_listWaitPanel, QRect(0, kHeadingTop, kFormWidth, kScrollTop - kHeadingTop));
    auto *listWaitText = new FitLabel(QStringLiteral("Just a momento, please."), m_listWaitPanel);
    listWaitText->setAlignment(Qt::AlignCenter);
    listWaitText->setStyleSheet(QStringLiteral("color: white;"));
    m_layout->place(listWaitText, QRect(3600, 1800, 8160, 690), pGothic(27.75));
    m_listWaitProgress = new QProgressBar(m_listWaitPanel);
    m_listWaitProgress->setTextVisible(false);
    m_layout->place(m_listWaitProgress, QRect(3600, 2700, 8160, 300));
    m_listWaitPanel->hide();

    m_reportPanel = new PupilReportPanel([this] { return listSources(); },
                                         [this](const std::function<void(const RunRow &)> &visit) {
                                             return m_host.readEveryRun(visit);
                                         },
                                         m_printDialogs, m_layout->canvas());
    m_layout->place(m_reportPanel, QRect(QPoint(120, 1860), PupilReportPanel::kDesignTwips));

    m_cover = new QWidget(m_layout->canvas());
    m_cover->setAutoFillBackground(true);
    QPalette coverPalette = m_cover->palette();
    coverPalette.setColor(QPalette::Window, m_install.screenBackColour);
    m_cover->setPalette(coverPalette);
    m_layout->place(m_cover, QRect(0, 0, kFormWidth, 11520));
    auto *coverText = new FitLabel(QStringLiteral("Just a moment, please."), m_cover);
    coverText->setAlignment(Qt::AlignCenter);
    coverText->setStyleSheet(QStringLiteral("color: white;"));
    m_layout->place(coverText, QRect(4050, 5130, 7005, 690), pGothic(26.25));
    m_coverProgress = new QProgressBar(m_cover);
    m_coverProgress->setTextVisible(false);
    m_layout->place(m_coverProgress, QRect(4050, 6000, 7005, 300));
    m_cover->hide();
}

void LevelScreen::buildHeader()
{
    QWidget *canvas = m_layout->canvas();
    auto *titleFrame = framedLabel(canvas, QColor(0, 192, 0));
    m_layout->place(titleFrame, QRect(150, 120, 4650, 960));
    m_titleLabel = framedLabel(canvas, QColor(0, 192, 0));
    m_titleLabel->setStyleSheet(QStringLiteral("QLabel { color: yellow; border: 1px solid black; background: rgb(0,128,0); }"));
    m_layout->place(m_titleLabel, QRect(225, 195, 4500, 810), pGothic(24, true));

    auto *pupilFrame = framedLabel(canvas, QColor(255, 255, 192));
    m_layout->place(pupilFrame, QRect(4950, 120, 3450, 960));
    m_pupilLine = framedLabel(canvas, QColor(255, 255, 192));
    m_layout->place(m_pupilLine, QRect(5025, 195, 3300, 810), pGothic(11.25, true));

    m_minutesLabel = framedLabel(canvas, QColor(224, 224, 224));
    m_layout->place(m_minutesLabel, QRect(8550, 120, 2400, 450), pGothic(11.25, true));
    m_todayTotal = framedLabel(canvas, QColor(224, 224, 224));
    m_layout->place(m_todayTotal, QRect(8550, 630, 2400, 450), pGothic(11.25, true));

    const auto optionStrip = [&](const QRect &r, QButtonGroup *&group, const QStringList &captions) {
        auto *strip = new QWidget(canvas);
        strip->setAutoFillBackground(true);
        QPalette pal = strip->palette();
        pal.setColor(QPalette::Window, QColor(0, 192, 192));
        strip->setPalette(pal);
        m_layout->place(strip, r);
        group = new QButtonGroup(this);
        const int width = (r.width() - 60) / static_cast<int>(captions.size());
        for (int i = 0; i < captions.size(); ++i) {
            auto *option = new QRadioButton(captions[i], strip);
            option->setFocusPolicy(Qt::NoFocus);
            m_layout->place(option, QRect(45 + i * width, 45, width, r.height() - 90), pGothic(9.75, true));
            group->addButton(option, i + 1);
        }
        return strip;
    };
    optionStrip(QRect(11100, 120, 4110, 450), m_displayModeButtons,
                {QStringLiteral("ﾀｲﾑ表示"), QStringLiteral("ﾎﾟｲﾝﾄ表示"), QStringLiteral("個人ﾀｲﾑ")});
    m_listChoiceStrip = optionStrip(QRect(11100, 630, 4110, 450), m_listChoiceButtons,
                             {QStringLiteral("BEST表示"), QStringLiteral("本日のみ"), QStringLiteral("すべて")});
    connect(m_displayModeButtons, &QButtonGroup::idClicked, this, [this](int id) {
        if (id == 3)
            showPersonalTimes();
        else
            chooseDisplayMode(id == 1 ? DisplayMode::Time : DisplayMode::Points);
    });
    connect(m_listChoiceButtons, &QButtonGroup::idClicked, this, [this](int id) { chooseList(static_cast<ListChoice>(id)); });

    m_backButton = new QPushButton(QStringLiteral("戻る(0)"), canvas);
    m_backButton->setFocusPolicy(Qt::NoFocus);
    m_layout->place(m_backButton, QRect(150, kHeadingTop, 1950, kHeadingHeight), pGothic(14.25, true));
    connect(m_backButton, &QPushButton::clicked, this, &LevelScreen::backToStart);

    m_heading = framedLabel(canvas, QColor(255, 255, 192));
    m_heading->setText(QStringLiteral("ベスト成績"));
    m_layout->place(m_heading, QRect(2250, kHeadingTop, 10860, kHeadingHeight), pGothic(20.25, true));

    m_graphButton = new QPushButton(QStringLiteral("グラフ"), canvas);
    m_graphButton->setFocusPolicy(Qt::NoFocus);
    m_layout->place(m_graphButton, QRect(13230, kHeadingTop, 1980, kHeadingHeight), pGothic(14.25, true));
    m_graphButton->hide();
    connect(m_graphButton, &QPushButton::clicked, this, &LevelScreen::showGraph);

    m_scrollBar = new QScrollBar(Qt::Horizontal, canvas);
    m_scrollBar->setFocusPolicy(Qt::NoFocus);
    m_layout->place(m_scrollBar, QRect(kMargin, kScrollTop, kFormWidth - 2 * kMargin, 330));
}

void LevelScreen::buildColumns()
{
    const int levels = m_install.levelCount;
    m_columnWidth = levelscroll::columnWidth(levels);
    m_scrollBar->setVisible(levelscroll::scrollBarShown(levels));
    // The range is set before the bar reports changes: a new bar's value clamps to the range, and
    // that must not overwrite the first visible level kept from the last visit.
    m_scrollBar->setRange(1, levelscroll::scrollMaximum(levels));
    connect(m_scrollBar, &QScrollBar::valueChanged, this, &LevelScreen::scrollTo);

    QWidget *canvas = m_layout->canvas();
    m_columns.resize(static_cast<std::size_t>(levels) + 1);
    for (int level = 1; level <= levels; ++level) {
        Column &c = m_columns[static_cast<std::size_t>(level)];
        c.numberLabel = framedLabel(canvas, QColor(0, 192, 0));
        c.captionLabel = new ClickLabel(canvas);
        c.captionLabel->setAlignment(Qt::AlignCenter);
        labelframe::frame(c.captionLabel, QColor(0, 255, 0));
        c.startButton = new QPushButton(canvas);
        c.startButton->setFocusPolicy(Qt::NoFocus);
        c.startButton->setToolTip(QStringLiteral("クリックしてスタートします。番号を押してもよろしい"));
        c.todayHeading = framedLabel(canvas, QColor(224, 224, 224));
        c.allHeading = framedLabel(canvas, QColor(224, 224, 224));
        c.todayCounts = framedLabel(canvas, QColor(224, 224, 224));
        c.allCounts = framedLabel(canvas, QColor(224, 224, 224));
        c.recentLine = framedLabel(canvas, QColor(224, 224, 224));
        // A view of the lines as they are: a large school's 18 lists of 2,000 lines are shown
        // without an item per line.
        c.resultList = new QListView(canvas);
        c.resultLines = new QStringListModel(c.resultList);
        c.resultList->setModel(c.resultLines);
        c.resultList->setEditTriggers(QAbstractItemView::NoEditTriggers);
        c.resultList->setFocusPolicy(Qt::NoFocus);
        // Every line is one line of one font: measuring the first stands for all of a large school's.
        c.resultList->setUniformItemSizes(true);
        labelframe::listColours(c.resultList, QColor(255, 255, 192));
        c.targetLine = framedLabel(canvas, QColor(224, 224, 224));
        connect(c.startButton, &QPushButton::clicked, this, [this, level] { startLevel(level); });
        connect(c.captionLabel, &ClickLabel::clicked, this, [this, level] { practiseLevel(level); });
    }
    placeColumns();
}

int LevelScreen::columnLeft(int level) const
{
    return levelscroll::columnLeft(level, std::max(1, m_session.firstVisibleLevel), m_columnWidth, kMargin, kFormWidth);
}

void LevelScreen::placeColumns()
{
    const int w = m_columnWidth;
    const int numberWidth = w / 5;
    for (int level = 1; level < static_cast<int>(m_columns.size()); ++level) {
        Column &c = m_columns[static_cast<std::size_t>(level)];
        const int x = columnLeft(level);
        int top = kColumnsTop;
        const auto row = [&](QWidget *left, QWidget *right, int leftWidth, int height, const QFont &font) {
            m_layout->place(left, QRect(x, top, leftWidth, height), font);
            if (right)
                m_layout->place(right, QRect(x + leftWidth, top, w - leftWidth, height), font);
            top += height;
        };
        row(c.numberLabel, c.captionLabel, numberWidth, kCaptionHeight, pGothic(12, true));
        row(c.startButton, nullptr, w, kButtonHeight, pGothic(13.5, true));
        row(c.todayHeading, c.allHeading, w / 2, kLineHeight, pGothic(9.75, true));
        row(c.todayCounts, c.allCounts, w / 2, kLineHeight, pGothic(9.75, true));
        row(c.recentLine, nullptr, w, kLineHeight, pGothic(9.75, true));
        row(c.resultList, nullptr, w, kListHeight, fontfaces::make(fontfaces::gothic(), 9));
        row(c.targetLine, nullptr, w, kLineHeight, pGothic(9, true));
    }
}

QLabel *LevelScreen::caption(int level) const
{
    return m_columns.at(static_cast<std::size_t>(level)).captionLabel;
}

void LevelScreen::activate()
{
    m_keysActive = false;
    m_cover->show();
    m_cover->raise();
    m_host.letEventsRun();

    hideReport();
    m_host.computeStats();
    m_session.todayTotalAttempts = todayTotalAttempts(m_stats, m_session.pupilNo);
    m_coverProgress->setRange(0, m_install.levelCount);

    // The screen opens on the points ranking until now.
    m_inActivation = true;
    m_displayMode = DisplayMode::Points;
    m_displayModeButtons->button(2)->setChecked(true);
    m_listChoiceButtons->button(1)->setChecked(true);
    const ListChoiceCaptions captions = activationListChoiceCaptions();
    setListChoiceCaptions(captions.first, captions.second, captions.third);
    m_inActivation = false;

    const ListSources sources = listSources();
    showLists(sources, DisplayMode::Points, ListChoice::First);

    const LevelScreenHeader header = levelScreenHeader(m_install, m_session, m_session.pupilGrade, m_session.todayTotalAttempts,
                                                       m_clock.now().time().msecsSinceStartOfDay() / 1000.0);
    m_titleLabel->setText(header.title);
    m_layout->setDesignFont(m_titleLabel, pGothic(header.titlePointSize, true));
    m_pupilLine->setText(header.pupilLine);
    m_minutesLabel->setText(header.minutesText);
    m_todayTotal->setText(header.todayTotalText);

    m_session.firstVisibleLevel = levelscroll::activationFirstVisible(m_session.firstVisibleLevel, m_install.levelCount);
    {
        const QSignalBlocker quiet(m_scrollBar);
        m_scrollBar->setValue(m_session.firstVisibleLevel);
    }
    placeColumns();

    for (const LevelColumnTexts &t : levelColumns(m_install, m_stats, m_session.pupilNo)) {
        Column &c = m_columns[static_cast<std::size_t>(t.level)];
        c.practice = t.practice;
        c.numberLabel->setText(t.number);
        c.captionLabel->setText(t.caption);
        c.captionLabel->setToolTip(t.caption);
        c.startButton->setText(t.startCaption);
        c.startButton->setEnabled(true);
        c.todayHeading->setText(t.todayHeading);
        c.allHeading->setText(t.allHeading);
        c.todayCounts->setText(t.todayCounts);
        c.allCounts->setText(t.allCounts);
        c.recentLine->setText(t.recentLine);
        c.targetLine->setText(t.targetLine);
        for (QWidget *part : {static_cast<QWidget *>(c.resultList), static_cast<QWidget *>(c.targetLine),
                              static_cast<QWidget *>(c.recentLine), static_cast<QWidget *>(c.todayCounts),
                              static_cast<QWidget *>(c.allCounts), static_cast<QWidget *>(c.todayHeading),
                              static_cast<QWidget *>(c.allHeading)})
            part->setVisible(!t.practice);
    }

    m_session.finalCleared = finalCleared(m_install, m_stats, m_session.pupilNo);
    m_cover->hide();
    m_host.letEventsRun();
    m_keysActive = true;
}

void LevelScreen::setListChoiceCaptions(const QString &first, const QString &second, const QString &third)
{
    m_listChoiceButtons->button(1)->setText(first);
    m_listChoiceButtons->button(2)->setText(second);
    m_listChoiceButtons->button(3)->setText(third);
}

void LevelScreen::beginListWork()
{
    m_backButton->setEnabled(false);
    for (std::size_t level = 1; level < m_columns.size(); ++level)
        m_columns[level].resultList->hide();
    m_listWaitPanel->show();
    m_listWaitPanel->raise();
    m_listChoiceStrip->setEnabled(false);
    m_host.letEventsRun();
}

void LevelScreen::endListWork()
{
    m_listChoiceStrip->setEnabled(true);
    m_backButton->setEnabled(true);
    m_session.finalCleared = finalCleared(m_install, m_stats, m_session.pupilNo);
    for (std::size_t level = 1; level < m_columns.size(); ++level)
        m_columns[level].resultList->setVisible(!m_columns[level].practice);
    m_listWaitPanel->hide();
}

void LevelScreen::showLists(const ListSources &sources, DisplayMode mode, ListChoice choice)
{
    // Runs recorded since the statistics were rebuilt, here or on another machine sharing the
    // log, belong in the run lists: those read the log again at every switch.
    std::vector<RunRow> runs;
    if (const std::int64_t records = runLogRecordsRead(mode, choice); records > 0 && !m_host.readNewestRuns(records, runs))
        return;
    const ResultListsView view = buildResultLists(sources, mode, choice, runs);
    m_heading->setText(view.heading);
    for (std::size_t level = 1; level < m_columns.size(); ++level)
        showLines(m_columns[level], view.lists[level].lines, view.lists[level].selectedRow);
}

void LevelScreen::showLines(const Column &column, const QStringList &lines, int selectedRow)
{
    column.resultList->clearSelection();
    column.resultLines->setStringList(lines);
    if (selectedRow >= 0)
        column.resultList->setCurrentIndex(column.resultLines->index(selectedRow));
    else
        column.resultList->setCurrentIndex(QModelIndex());
}

QStringList LevelScreen::listLines(int level) const
{
    return m_columns.at(static_cast<std::size_t>(level)).resultLines->stringList();
}

void LevelScreen::hideReport()
{
    m_graphButton->hide();
    m_reportPanel->closePanel();
}

ListSources LevelScreen::listSources() const
{
    return {m_install, m_session.pupilNo, m_stats, m_host.pupils(), m_session.gradeFilterText, m_clock.now()};
}

void LevelScreen::showPersonalTimes()
{
    hideReport();
    beginListWork();
    const ListSources sources = listSources();
    // The newest runs are read again, as for the run lists: a run recorded since the screen
    // opened is listed, as the report's graph counts it.
    std::vector<RunRow> runs;
    if (!m_host.readNewestRuns(kPersonalTimesRecords, runs)) {
        endListWork();
        return;
    }
    m_reportPanel->open();
    const PersonalTimesView view = personalTimeLists(sources, runs);
    m_heading->setText(view.heading);
    for (std::size_t level = 1; level < m_columns.size(); ++level)
        showLines(m_columns[level], view.lists[level].lines, -1);
    m_graphButton->show();
    m_graphButton->raise();
    endListWork();
}

void LevelScreen::showGraph()
{
    m_reportPanel->showGraph();
}

void LevelScreen::chooseDisplayMode(DisplayMode mode)
{
    hideReport();
    beginListWork();
    m_displayMode = mode;
    const ListChoiceCaptions captions = listChoiceCaptions(mode);
    setListChoiceCaptions(captions.first, captions.second, captions.third);
    const int checked = m_listChoiceButtons->checkedId() > 0 ? m_listChoiceButtons->checkedId() : 1;
    const ListSources sources = listSources();
    showLists(sources, mode, static_cast<ListChoice>(checked));
    endListWork();
}

void LevelScreen::chooseList(ListChoice choice)
{
    beginListWork();
    const ListSources sources = listSources();
    showLists(sources, m_displayMode, choice);
    endListWork();
}

void LevelScreen::scrollTo(int value)
{
    m_session.firstVisibleLevel = levelscroll::scrolledFirstVisible(value, m_install.levelCount);
    placeColumns();
}

void LevelScreen::startLevel(int level)
{
    if (!m_columns.at(static_cast<std::size_t>(level)).startButton->isEnabled())
        return;
    m_cover->show();
    m_cover->raise();
    m_session.runLevel = static_cast<std::int16_t>(level);
    m_host.letEventsRun();
    m_keysActive = false;
    m_host.startLevel(true);
}

void LevelScreen::practiseLevel(int level)
{
    m_session.runLevel = static_cast<std::int16_t>(level);
    m_host.startLevel(false);
}

void LevelScreen::backToStart()
{
    if (!m_backButton->isEnabled())
        return;
    m_cover->show();
    m_cover->raise();
    m_host.letEventsRun();
    m_host.backToStart();
}

void LevelScreen::keyPressEvent(QKeyEvent *event)
{
    // Only typed characters act: with Alt or Ctrl held a key types nothing.
    const bool typed = !(event->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier));
    const LevelKeyAction action =
        levelKeyAction(typed ? event->text() : QString(), m_install.levelCount, m_keysActive, m_backButton->isEnabled());
    switch (action.kind) {
    case LevelKeyAction::Kind::StartLevel:
        startLevel(action.level);
        return;
    case LevelKeyAction::Kind::Back:
        backToStart();
        return;
    case LevelKeyAction::Kind::None:
        break;
    }
    QWidget::keyPressEvent(event);
}

void LevelScreen::closeEvent(QCloseEvent *event)
{
    event->ignore();
    backToStart();
}
