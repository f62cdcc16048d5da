#include "levelscreen.h"

#include "installation.h"
#include "pupilsession.h"
#include "clicklabel.h"
#include "fitlabel.h"
#include "fontfaces.h"
#include "labelframe.h"
#include "levelscroll.h"
#include "pupilreportpanel.h"
#include "twiplayout.h"
#include "windowpaint.h"

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

LevelScreen::LevelScreen(const Installation &install, const PupilSession &session, const Clock &clock,
                         const RunStats &stats, LevelHost &host, QWidget *parent)
    : QWidget(parent)
    , m_install(install)
    , m_host(host)
    , m_selection(install, session, clock, stats, host, *this)
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

    m_reportPanel = new PupilReportPanel([this] { return m_selection.listSources(); },
                                         [this](const std::function<void(const RunRow &)> &visit) {
                                             return m_host.readEveryRun(visit);
                                         },
                                         [this](int pupil, int top) { return m_host.pupilWeakFigures(pupil, top); },
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
    m_coverProgress->setRange(0, m_install.levelCount);
    m_layout->place(m_coverProgress, QRect(4050, 6000, 7005, 300));
    m_cover->hide();
    render();
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

    // Three options side by side; `option(i, button)` files the i-th and connects it.
    const auto optionStrip = [&](const QRect &r, const QStringList &captions, const auto &option) {
        auto *strip = new QWidget(canvas);
        strip->setAutoFillBackground(true);
        QPalette pal = strip->palette();
        pal.setColor(QPalette::Window, QColor(0, 192, 192));
        strip->setPalette(pal);
        m_layout->place(strip, r);
        auto *group = new QButtonGroup(this);
        const int width = (r.width() - 60) / static_cast<int>(captions.size());
        for (int i = 0; i < captions.size(); ++i) {
            auto *button = new QRadioButton(captions[i], strip);
            button->setFocusPolicy(Qt::NoFocus);
            m_layout->place(button, QRect(45 + i * width, 45, width, r.height() - 90), pGothic(9.75, true));
            group->addButton(button);
            option(i, button);
        }
        return strip;
    };
    constexpr std::array<DisplayOption, 3> displayOptions{DisplayOption::Time, DisplayOption::Points,
                                                          DisplayOption::PersonalTimes};
    optionStrip(QRect(11100, 120, 4110, 450), {QStringLiteral("ﾀｲﾑ表示"), QStringLiteral("ﾎﾟｲﾝﾄ表示"), QStringLiteral("個人ﾀｲﾑ")},
                [&](std::size_t i, QRadioButton *button) {
                    const DisplayOption shown = displayOptions.at(i);
                    m_displayButtons.at(i) = {shown, button};
                    connect(button, &QRadioButton::clicked, this, [this, shown] {
                        if (shown == DisplayOption::PersonalTimes)
                            showPersonalTimes();
                        else
                            chooseDisplayMode(shown == DisplayOption::Time ? DisplayMode::Time : DisplayMode::Points);
                    });
                });
    constexpr std::array<ListChoice, 3> listChoices{ListChoice::First, ListChoice::Second, ListChoice::All};
    m_listChoiceStrip = optionStrip(QRect(11100, 630, 4110, 450),
                                    {QStringLiteral("BEST表示"), QStringLiteral("本日のみ"), QStringLiteral("すべて")},
                                    [&](std::size_t i, QRadioButton *button) {
                                        const ListChoice choice = listChoices.at(i);
                                        m_listButtons.at(i) = {choice, button};
                                        connect(button, &QRadioButton::clicked, this, [this, choice] { chooseList(choice); });
                                    });

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
    m_columns.resize(std::max(0, levels));
    for (int level = 1; level <= levels; ++level) {
        Column &c = m_columns.at(level - 1);
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
}

int LevelScreen::columnLeft(int level) const
{
    return levelscroll::columnLeft(level, m_selection.view().firstVisibleLevel, m_columnWidth, kMargin, kFormWidth);
}

void LevelScreen::placeColumns(int firstVisible)
{
    const int w = m_columnWidth;
    const int numberWidth = w / 5;
    for (int level = 1; level <= static_cast<int>(m_columns.size()); ++level) {
        const Column &c = column(level);
        const int x = levelscroll::columnLeft(level, firstVisible, w, kMargin, kFormWidth);
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
    return column(level).captionLabel;
}

void LevelScreen::paintNow()
{
    render();
    paintWindowNow(this);
}

void LevelScreen::render()
{
    const LevelSelectionView &v = m_selection.view();
    if (v.titlePoints != m_titlePoints) {
        m_titlePoints = v.titlePoints;
        m_layout->setDesignFont(m_titleLabel, pGothic(v.titlePoints, true));
    }
    m_titleLabel->setText(v.title);
    m_pupilLine->setText(v.pupilLine);
    m_minutesLabel->setText(v.minutesText);
    m_todayTotal->setText(v.todayTotalText);
    m_heading->setText(v.heading);
    for (const auto &[option, button] : m_displayButtons) {
        if (option == v.displayOption)
            button->setChecked(true);
    }
    const std::array<QString, 3> captions{v.listChoiceCaptions.first, v.listChoiceCaptions.second,
                                          v.listChoiceCaptions.third};
    for (std::size_t i = 0; i < m_listButtons.size(); ++i) {
        const auto &[choice, button] = m_listButtons[i];
        button->setText(captions[i]);
        if (choice == v.listChoice)
            button->setChecked(true);
    }
    m_graphButton->setVisible(v.graphOffered);
    if (v.graphOffered)
        m_graphButton->raise();

    if (v.firstVisibleLevel != m_placedFirst) {
        m_placedFirst = v.firstVisibleLevel;
        const QSignalBlocker quiet(m_scrollBar);
        m_scrollBar->setValue(v.firstVisibleLevel);
        placeColumns(v.firstVisibleLevel);
    }
    const bool newLists = v.listsChanged != m_listsShown;
    m_listsShown = v.listsChanged;
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        const Column &c = m_columns[i];
        const LevelColumnView &shown = v.columns.at(i);
        const LevelColumnTexts &t = shown.texts;
        c.numberLabel->setText(t.number);
        c.captionLabel->setText(t.caption);
        c.captionLabel->setToolTip(t.caption);
        c.startButton->setText(t.startCaption);
        c.todayHeading->setText(t.todayHeading);
        c.allHeading->setText(t.allHeading);
        c.todayCounts->setText(t.todayCounts);
        c.allCounts->setText(t.allCounts);
        c.recentLine->setText(t.recentLine);
        c.targetLine->setText(t.targetLine);
        for (QWidget *part : {static_cast<QWidget *>(c.targetLine), static_cast<QWidget *>(c.recentLine),
                              static_cast<QWidget *>(c.todayCounts), static_cast<QWidget *>(c.allCounts),
                              static_cast<QWidget *>(c.todayHeading), static_cast<QWidget *>(c.allHeading)})
            part->setVisible(!t.practice);
        c.resultList->setVisible(!t.practice && !v.listWorkShown);
        if (newLists)
            showLines(c, shown.list);
    }

    m_backButton->setEnabled(!v.listWorkShown);
    m_listChoiceStrip->setEnabled(!v.listWorkShown);
    m_listWaitPanel->setVisible(v.listWorkShown);
    if (v.listWorkShown)
        m_listWaitPanel->raise();
    m_cover->setVisible(v.coverShown);
    if (v.coverShown)
        m_cover->raise();
}

void LevelScreen::showLines(const Column &column, const ResultList &list)
{
    column.resultList->clearSelection();
    column.resultLines->setStringList(list.lines);
    if (list.selectedRow >= 0)
        column.resultList->setCurrentIndex(column.resultLines->index(list.selectedRow));
    else
        column.resultList->setCurrentIndex(QModelIndex());
}

QStringList LevelScreen::listLines(int level) const
{
    return column(level).resultLines->stringList();
}

void LevelScreen::closeReport()
{
    m_reportPanel->closePanel();
}

void LevelScreen::activate()
{
    closeReport();
    m_selection.activate();
    render();
}

void LevelScreen::putAway()
{
    hide();
    // Shown again, it is maximised as a new window is, not left at the size it was given.
    setWindowState(Qt::WindowNoState);
    closeReport();
    m_selection.putAway();
    render();
}

void LevelScreen::showPersonalTimes()
{
    closeReport();
    // The report panel belongs to the personal-times view: it opens only when the view is listed.
    if (m_selection.showPersonalTimes())
        m_reportPanel->open();
    render();
}

void LevelScreen::showGraph()
{
    m_reportPanel->showGraph();
}

void LevelScreen::chooseDisplayMode(DisplayMode mode)
{
    closeReport();
    m_selection.chooseDisplayMode(mode);
    render();
}

void LevelScreen::chooseList(ListChoice choice)
{
    m_selection.chooseList(choice);
    render();
}

void LevelScreen::scrollTo(int value)
{
    m_selection.scrollTo(value);
    render();
}

void LevelScreen::startLevel(int level)
{
    m_selection.startLevel(level);
    render();
}

void LevelScreen::practiseLevel(int level)
{
    m_selection.practiseLevel(level);
    render();
}

void LevelScreen::backToStart()
{
    m_selection.backToStart();
    render();
}

void LevelScreen::keyPressEvent(QKeyEvent *event)
{
    // Only typed characters act: with Alt or Ctrl held a key types nothing.
    const bool typed = !(event->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier));
    if (m_selection.pressKey(typed ? event->text() : QString())) {
        render();
        return;
    }
    QWidget::keyPressEvent(event);
}

void LevelScreen::closeEvent(QCloseEvent *event)
{
    event->ignore();
    backToStart();
}
