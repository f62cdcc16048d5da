#include "levelscreen.h"

#include "appstate.h"
#include "clicklabel.h"
#include "fitlabel.h"
#include "fontfaces.h"
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
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
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

QString framed(const QColor &back)
{
    return QStringLiteral("QLabel { background: %1; color: black; border: 1px solid black; }").arg(back.name());
}

QLabel *framedLabel(QWidget *parent, const QColor &back)
{
    auto *l = new FitLabel(parent);
    l->setAlignment(Qt::AlignCenter);
    l->setStyleSheet(framed(back));
    return l;
}

} // namespace

LevelScreen::LevelScreen(AppState &state, const RunStats &stats, LevelHost &host, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_stats(stats)
    , m_host(host)
{
    setWindowTitle(m_state.productTitle);
    m_layout = new TwipLayout(this);
    m_layout->setBackground(m_state.screenBackColour);
    buildHeader();
    buildColumns();

    // The wait panel over the columns while lists are rebuilt, and the cover of the whole screen.
    m_picture6 = new QWidget(m_layout->canvas());
    m_picture6->setAutoFillBackground(true);
    QPalette listPalette = m_picture6->palette();
    listPalette.setColor(QPalette::Window, QColor(0, 128, 128));
    m_picture6->setPalette(listPalette);
    m_layout->place(m_picture6, QRect(0, kHeadingTop, kFormWidth, kScrollTop - kHeadingTop));
    auto *label21 = new QLabel(QStringLiteral("Just a momento, please."), m_picture6);
    label21->setAlignment(Qt::AlignCenter);
    label21->setStyleSheet(QStringLiteral("color: white;"));
    m_layout->place(label21, QRect(3600, 1800, 8160, 690), pGothic(27.75));
    m_progressBar2 = new QProgressBar(m_picture6);
    m_progressBar2->setTextVisible(false);
    m_layout->place(m_progressBar2, QRect(3600, 2700, 8160, 300));
    m_picture6->hide();

    m_reportPanel = new PupilReportPanel([this] { return listSources(); }, m_printDialogs, m_layout->canvas());
    m_layout->place(m_reportPanel, QRect(QPoint(120, 1860), PupilReportPanel::kDesignTwips));

    m_picture2 = new QWidget(m_layout->canvas());
    m_picture2->setAutoFillBackground(true);
    QPalette coverPalette = m_picture2->palette();
    coverPalette.setColor(QPalette::Window, m_state.screenBackColour);
    m_picture2->setPalette(coverPalette);
    m_layout->place(m_picture2, QRect(0, 0, kFormWidth, 11520));
    auto *label19 = new QLabel(QStringLiteral("Just a moment, please."), m_picture2);
    label19->setAlignment(Qt::AlignCenter);
    label19->setStyleSheet(QStringLiteral("color: white;"));
    m_layout->place(label19, QRect(4050, 5130, 7005, 690), pGothic(26.25));
    m_progressBar1 = new QProgressBar(m_picture2);
    m_progressBar1->setTextVisible(false);
    m_layout->place(m_progressBar1, QRect(4050, 6000, 7005, 300));
    m_picture2->hide();
}

void LevelScreen::buildHeader()
{
    QWidget *canvas = m_layout->canvas();
    auto *label2 = framedLabel(canvas, QColor(0, 192, 0));
    m_layout->place(label2, QRect(150, 120, 4650, 960));
    m_label11 = framedLabel(canvas, QColor(0, 192, 0));
    m_label11->setStyleSheet(QStringLiteral("QLabel { color: yellow; border: 1px solid black; background: rgb(0,128,0); }"));
    m_layout->place(m_label11, QRect(225, 195, 4500, 810), pGothic(24, true));

    auto *label16 = framedLabel(canvas, QColor(255, 255, 192));
    m_layout->place(label16, QRect(4950, 120, 3450, 960));
    m_label12 = framedLabel(canvas, QColor(255, 255, 192));
    m_layout->place(m_label12, QRect(5025, 195, 3300, 810), pGothic(11.25, true));

    m_label17 = framedLabel(canvas, QColor(224, 224, 224));
    m_layout->place(m_label17, QRect(8550, 120, 2400, 450), pGothic(11.25, true));
    m_label18 = framedLabel(canvas, QColor(224, 224, 224));
    m_layout->place(m_label18, QRect(8550, 630, 2400, 450), pGothic(11.25, true));

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
    optionStrip(QRect(11100, 120, 4110, 450), m_option2,
                {QStringLiteral("ﾀｲﾑ表示"), QStringLiteral("ﾎﾟｲﾝﾄ表示"), QStringLiteral("個人ﾀｲﾑ")});
    m_picture1 = optionStrip(QRect(11100, 630, 4110, 450), m_option1,
                             {QStringLiteral("BEST表示"), QStringLiteral("本日のみ"), QStringLiteral("すべて")});
    connect(m_option2, &QButtonGroup::idClicked, this, [this](int id) {
        if (id == 3)
            showPersonalTimes();
        else
            chooseDisplayMode(id == 1 ? DisplayMode::Time : DisplayMode::Points);
    });
    connect(m_option1, &QButtonGroup::idClicked, this, [this](int id) { chooseList(static_cast<ListChoice>(id)); });

    m_command1 = new QPushButton(QStringLiteral("戻る(&0)"), canvas);
    m_command1->setFocusPolicy(Qt::NoFocus);
    m_layout->place(m_command1, QRect(150, kHeadingTop, 1950, kHeadingHeight), pGothic(14.25, true));
    connect(m_command1, &QPushButton::clicked, this, &LevelScreen::Command1_Click);

    m_label5 = framedLabel(canvas, QColor(255, 255, 192));
    m_label5->setText(QStringLiteral("ベスト成績"));
    m_layout->place(m_label5, QRect(2250, kHeadingTop, 10860, kHeadingHeight), pGothic(20.25, true));

    m_graphButton = new QPushButton(QStringLiteral("グラフ"), canvas);
    m_graphButton->setFocusPolicy(Qt::NoFocus);
    m_layout->place(m_graphButton, QRect(13230, kHeadingTop, 1980, kHeadingHeight), pGothic(14.25, true));
    m_graphButton->hide();
    connect(m_graphButton, &QPushButton::clicked, this, &LevelScreen::showGraph);

    m_hScroll1 = new QScrollBar(Qt::Horizontal, canvas);
    m_hScroll1->setFocusPolicy(Qt::NoFocus);
    m_layout->place(m_hScroll1, QRect(kMargin, kScrollTop, kFormWidth - 2 * kMargin, 330));
    connect(m_hScroll1, &QScrollBar::valueChanged, this, &LevelScreen::scrollTo);
}

void LevelScreen::buildColumns()
{
    const int levels = m_state.levelCount;
    m_columnWidth = levelscroll::columnWidth(levels);
    m_hScroll1->setVisible(levelscroll::scrollBarShown(levels));
    m_hScroll1->setRange(1, levelscroll::scrollMaximum(levels));

    QWidget *canvas = m_layout->canvas();
    m_columns.resize(static_cast<std::size_t>(levels) + 1);
    for (int level = 1; level <= levels; ++level) {
        Column &c = m_columns[static_cast<std::size_t>(level)];
        c.label1 = framedLabel(canvas, QColor(0, 192, 0));
        c.label3 = new ClickLabel(canvas);
        c.label3->setAlignment(Qt::AlignCenter);
        c.label3->setStyleSheet(framed(QColor(0, 255, 0)));
        c.command4 = new QPushButton(canvas);
        c.command4->setFocusPolicy(Qt::NoFocus);
        c.command4->setToolTip(QStringLiteral("クリックしてスタートします。番号を押してもよろしい"));
        c.label9 = framedLabel(canvas, QColor(224, 224, 224));
        c.label10 = framedLabel(canvas, QColor(224, 224, 224));
        c.label14 = framedLabel(canvas, QColor(224, 224, 224));
        c.label15 = framedLabel(canvas, QColor(224, 224, 224));
        c.label8 = framedLabel(canvas, QColor(224, 224, 224));
        c.list5 = new QListWidget(canvas);
        c.list5->setFocusPolicy(Qt::NoFocus);
        c.list5->setStyleSheet(QStringLiteral("QListWidget { background: rgb(255,255,192); color: black; }"));
        c.label7 = framedLabel(canvas, QColor(224, 224, 224));
        connect(c.command4, &QPushButton::clicked, this, [this, level] { Command4_Click(level); });
        connect(c.label3, &ClickLabel::clicked, this, [this, level] { Label3_Click(level); });
    }
    placeColumns();
}

int LevelScreen::columnLeft(int level) const
{
    return levelscroll::columnLeft(level, std::max(1, m_state.firstVisibleLevel), m_columnWidth, kMargin, kFormWidth);
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
        row(c.label1, c.label3, numberWidth, kCaptionHeight, pGothic(12, true));
        row(c.command4, nullptr, w, kButtonHeight, pGothic(13.5, true));
        row(c.label9, c.label10, w / 2, kLineHeight, pGothic(9.75, true));
        row(c.label14, c.label15, w / 2, kLineHeight, pGothic(9.75, true));
        row(c.label8, nullptr, w, kLineHeight, pGothic(9.75, true));
        row(c.list5, nullptr, w, kListHeight, fontfaces::make(fontfaces::gothic(), 9));
        row(c.label7, nullptr, w, kLineHeight, pGothic(9, true));
    }
}

QLabel *LevelScreen::caption(int level) const
{
    return m_columns.at(static_cast<std::size_t>(level)).label3;
}

void LevelScreen::activate()
{
    m_keysActive = false;
    m_picture2->show();
    m_picture2->raise();
    m_host.letEventsRun();

    hideReport();
    m_host.computeStats();
    m_state.todayTotalAttempts = todayTotalAttempts(m_stats, m_state.pupilNo);
    m_progressBar1->setRange(0, m_state.levelCount);

    // The screen opens on the points ranking until now.
    m_inActivation = true;
    m_displayMode = DisplayMode::Points;
    m_option2->button(2)->setChecked(true);
    m_option1->button(1)->setChecked(true);
    const ListChoiceCaptions captions = activationListChoiceCaptions();
    setListChoiceCaptions(captions.first, captions.second, captions.third);
    m_inActivation = false;

    setPracticeTimes(m_state);
    const ListSources sources{m_state, m_stats, m_host.pupils(), m_state.gradeFilterText, QDateTime::currentDateTime()};
    showLists(sources, DisplayMode::Points, ListChoice::First);

    const LevelScreenHeader header = levelScreenHeader(m_state, m_state.pupilGrade, m_state.todayTotalAttempts,
                                                       QTime::currentTime().msecsSinceStartOfDay() / 1000.0);
    m_label11->setText(header.title);
    m_layout->setDesignFont(m_label11, pGothic(header.titlePointSize, true));
    m_label12->setText(header.pupilLine);
    m_label17->setText(header.minutesText);
    m_label18->setText(header.todayTotalText);

    m_state.firstVisibleLevel = levelscroll::activationFirstVisible(m_state.firstVisibleLevel, m_state.levelCount);
    {
        const QSignalBlocker quiet(m_hScroll1);
        m_hScroll1->setValue(m_state.firstVisibleLevel);
    }
    placeColumns();

    for (const LevelColumnTexts &t : levelColumns(m_state, m_stats)) {
        Column &c = m_columns[static_cast<std::size_t>(t.level)];
        c.practice = t.practice;
        c.label1->setText(t.number);
        c.label3->setText(t.caption);
        c.label3->setToolTip(t.caption);
        c.command4->setText(t.startCaption);
        c.command4->setEnabled(true);
        c.label9->setText(t.todayHeading);
        c.label10->setText(t.allHeading);
        c.label14->setText(t.todayCounts);
        c.label15->setText(t.allCounts);
        c.label8->setText(t.recentLine);
        c.label7->setText(t.targetLine);
        for (QWidget *part : {static_cast<QWidget *>(c.list5), static_cast<QWidget *>(c.label7),
                              static_cast<QWidget *>(c.label8), static_cast<QWidget *>(c.label14),
                              static_cast<QWidget *>(c.label15), static_cast<QWidget *>(c.label9),
                              static_cast<QWidget *>(c.label10)})
            part->setVisible(!t.practice);
    }

    m_state.finalCleared = finalCleared(m_state, m_stats) ? 1 : 0;
    m_picture2->hide();
    m_host.letEventsRun();
    m_keysActive = true;
}

void LevelScreen::setListChoiceCaptions(const QString &first, const QString &second, const QString &third)
{
    m_option1->button(1)->setText(first);
    m_option1->button(2)->setText(second);
    m_option1->button(3)->setText(third);
}

void LevelScreen::beginListWork()
{
    m_command1->setEnabled(false);
    for (std::size_t level = 1; level < m_columns.size(); ++level)
        m_columns[level].list5->hide();
    m_picture6->show();
    m_picture6->raise();
    m_picture1->setEnabled(false);
    m_host.letEventsRun();
}

void LevelScreen::endListWork()
{
    m_picture1->setEnabled(true);
    m_command1->setEnabled(true);
    m_state.finalCleared = finalCleared(m_state, m_stats) ? 1 : 0;
    for (std::size_t level = 1; level < m_columns.size(); ++level)
        m_columns[level].list5->setVisible(!m_columns[level].practice);
    m_picture6->hide();
}

void LevelScreen::showLists(const ListSources &sources, DisplayMode mode, ListChoice choice)
{
    const ResultListsView view = buildResultLists(sources, mode, choice);
    m_label5->setText(view.heading);
    for (std::size_t level = 1; level < m_columns.size(); ++level) {
        QListWidget *list = m_columns[level].list5;
        const ResultList &lines = view.lists[level];
        list->clear();
        list->addItems(lines.lines);
        list->setCurrentRow(lines.selectedRow);
        if (lines.selectedRow < 0)
            list->clearSelection();
    }
}

void LevelScreen::hideReport()
{
    m_graphButton->hide();
    m_reportPanel->closePanel();
}

ListSources LevelScreen::listSources() const
{
    return {m_state, m_stats, m_host.pupils(), m_state.gradeFilterText, QDateTime::currentDateTime()};
}

void LevelScreen::showPersonalTimes()
{
    hideReport();
    beginListWork();
    const ListSources sources = listSources();
    m_reportPanel->open();
    const PersonalTimesView view = personalTimeLists(sources);
    m_label5->setText(view.heading);
    for (std::size_t level = 1; level < m_columns.size(); ++level) {
        QListWidget *list = m_columns[level].list5;
        list->clear();
        list->addItems(view.lists[level].lines);
    }
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
    const int checked = m_option1->checkedId() > 0 ? m_option1->checkedId() : 1;
    const ListSources sources{m_state, m_stats, m_host.pupils(), m_state.gradeFilterText, QDateTime::currentDateTime()};
    showLists(sources, mode, static_cast<ListChoice>(checked));
    endListWork();
}

void LevelScreen::chooseList(ListChoice choice)
{
    beginListWork();
    const ListSources sources{m_state, m_stats, m_host.pupils(), m_state.gradeFilterText, QDateTime::currentDateTime()};
    showLists(sources, m_displayMode, choice);
    endListWork();
}

void LevelScreen::scrollTo(int value)
{
    m_state.firstVisibleLevel = levelscroll::scrolledFirstVisible(value, m_state.levelCount);
    placeColumns();
}

void LevelScreen::Command4_Click(int level)
{
    if (!m_columns.at(static_cast<std::size_t>(level)).command4->isEnabled())
        return;
    m_picture2->show();
    m_picture2->raise();
    m_state.runLevel = static_cast<std::int16_t>(level);
    m_host.letEventsRun();
    m_keysActive = false;
    m_host.startLevel(true);
}

void LevelScreen::Label3_Click(int level)
{
    m_state.runLevel = static_cast<std::int16_t>(level);
    m_host.startLevel(false);
}

void LevelScreen::Command1_Click()
{
    if (!m_command1->isEnabled())
        return;
    m_picture2->show();
    m_picture2->raise();
    m_host.letEventsRun();
    m_host.backToStart();
}

void LevelScreen::keyPressEvent(QKeyEvent *event)
{
    const LevelKeyAction action = levelKeyAction(event->text(), m_state.levelCount, m_keysActive, m_command1->isEnabled());
    switch (action.kind) {
    case LevelKeyAction::Kind::StartLevel:
        Command4_Click(action.level);
        return;
    case LevelKeyAction::Kind::Back:
        Command1_Click();
        return;
    case LevelKeyAction::Kind::None:
        break;
    }
    QWidget::keyPressEvent(event);
}
