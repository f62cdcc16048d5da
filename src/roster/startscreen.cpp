#include "startscreen.h"

#include "appstate.h"
#include "clicklabel.h"
#include "fitlabel.h"
#include "fontfaces.h"
#include "messagepresenter.h"
#include "roster.h"
#include "showroster.h"
#include "starthost.h"
#include "twiplayout.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

namespace {

QFont gothic(double points, bool bold = false)
{
    return fontfaces::make(fontfaces::gothic(), points, bold);
}

} // namespace

StartScreen::StartScreen(AppState &state, Roster &roster, StartHost &host, MessagePresenter &messages, QWidget *parent)
    : QMainWindow(parent)
    , m_state(state)
    , m_roster(roster)
    , m_host(host)
    , m_messages(messages)
{
    setWindowTitle(QStringLiteral("quenda"));
    auto *central = new QWidget(this);
    setCentralWidget(central);
    m_layout = new TwipLayout(central);
    m_layout->setBackground(m_state.screenBackColour);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, m_state.screenBackColour);
    setPalette(pal);
    QWidget *canvas = m_layout->canvas();
    buildMenus();

    // Banner: the icon box and the title.
    auto *picture4 = new QWidget(canvas);
    m_layout->place(picture4, QRect(60, 45, 13170, 1275));
    auto *label6 = new QLabel(picture4);
    label6->setStyleSheet(QStringLiteral("background: rgb(0,64,64); border: 1px solid black;"));
    m_layout->place(label6, QRect(30, 0, 13140, 1290));
    auto *picture3 = new QLabel(picture4);
    picture3->setAlignment(Qt::AlignCenter);
    picture3->setText(QStringLiteral("史"));
    picture3->setStyleSheet(QStringLiteral("background: rgb(192,255,255); color: rgb(0,96,96); border: 1px solid black;"));
    m_layout->place(picture3, QRect(75, 75, 945, 990), fontfaces::make(fontfaces::mincho(), 36, true));
    m_label4 = new ClickLabel(picture4);
    m_label4->setAlignment(Qt::AlignCenter);
    m_label4->setStyleSheet(QStringLiteral("background: rgb(0,128,128); color: yellow; border: 1px solid black;"));
    m_layout->place(m_label4, QRect(1140, 90, 11940, 1020), gothic(48));
    m_label4->setText(m_state.productTitle);
    connect(m_label4, &ClickLabel::clicked, this, [this] { m_host.showVersion(this); });

    m_command7 = new QPushButton(QStringLiteral("終了"), canvas);
    m_layout->place(m_command7, QRect(13320, 90, 1860, 1200), gothic(20.25, true));
    connect(m_command7, &QPushButton::clicked, this, &StartScreen::Command7_Click);

    m_command1 = new QPushButton(QStringLiteral("印刷"), canvas);
    m_layout->place(m_command1, QRect(11610, 180, 1545, 420), gothic(11.25, true));
    m_command1->raise();
    connect(m_command1, &QPushButton::clicked, this, [this] { m_host.showPrintSelection(); });

    // The chosen name and its confirmation.
    m_label1 = new FitLabel(NameChoice::prompt(), canvas);
    m_label1->setAlignment(Qt::AlignCenter);
    m_label1->setStyleSheet(QStringLiteral("background: rgb(0,255,255); border: 1px solid black; color: black;"));
    m_layout->place(m_label1, QRect(90, 1410, 13830, 990), fontfaces::make(fontfaces::mincho(), 39.75));
    m_command14 = new QPushButton(QStringLiteral("O.K."), canvas);
    m_layout->place(m_command14, QRect(13950, 1395, 1185, 1005), gothic(18, true));
    connect(m_command14, &QPushButton::clicked, this, &StartScreen::Command14_Click);

    // The figures the list shows.
    auto *picture7 = new QWidget(canvas);
    picture7->setAutoFillBackground(true);
    QPalette stripPalette = picture7->palette();
    stripPalette.setColor(QPalette::Window, QColor(0, 192, 192));
    picture7->setPalette(stripPalette);
    m_layout->place(picture7, QRect(90, 2430, 15060, 375));
    m_option1 = new QButtonGroup(this);
    for (int mode = 0; mode < kFigureModeCount; ++mode) {
        auto *option = new QRadioButton(listline::modeCaption(static_cast<FigureMode>(mode)), picture7);
        option->setFocusPolicy(Qt::NoFocus);
        m_layout->place(option, QRect(120 + 3735 * mode, 15, 3700, 345), gothic(10.5, true));
        m_option1->addButton(option, mode);
    }
    connect(m_option1, &QButtonGroup::idClicked, this, [this](int mode) { rebuildList(static_cast<FigureMode>(mode)); });

    m_list1 = new QListWidget(canvas);
    m_list1->setStyleSheet(QStringLiteral("QListWidget { background: rgb(255,192,128); color: black; }"));
    m_layout->place(m_list1, QRect(585, 3330, 14010, 3990), gothic(24));
    m_list1->installEventFilter(this);
    connect(m_list1, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) { List1_Click(m_list1->row(item)); });
    connect(m_list1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            List1_Click(row);
    });
    connect(m_list1, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *item) { List1_DblClick(m_list1->row(item)); });

    // Shown in place of the list when there is no roster to show.
    m_rosterMessage = new QLabel(canvas);
    m_rosterMessage->setAlignment(Qt::AlignCenter);
    m_rosterMessage->setWordWrap(true);
    m_rosterMessage->setStyleSheet(QStringLiteral("background: white; color: rgb(160,0,0); border: 2px solid rgb(160,0,0);"));
    m_layout->place(m_rosterMessage, QRect(585, 3330, 14010, 3990), gothic(18, true));
    m_rosterMessage->hide();

    // The wait panel over everything while the list is built.
    m_picture5 = new QWidget(canvas);
    m_picture5->setAutoFillBackground(true);
    QPalette waitPalette = m_picture5->palette();
    waitPalette.setColor(QPalette::Window, m_state.screenBackColour);
    m_picture5->setPalette(waitPalette);
    m_layout->place(m_picture5, QRect(0, 0, 15360, 11520));
    auto *label19 = new QLabel(QStringLiteral("Just a moment, please."), m_picture5);
    label19->setAlignment(Qt::AlignCenter);
    label19->setStyleSheet(QStringLiteral("color: white;"));
    m_layout->place(label19, QRect(4080, 5130, 7005, 690), gothic(26.25));
    m_picture5->hide();
}

void StartScreen::buildMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("file"));
    file->addAction(QStringLiteral("名前の変更"), this, [this] { m_host.showNameChange(); });
    file->addAction(QStringLiteral("終了"), this, &StartScreen::Command7_Click);
    QMenu *help = menuBar()->addMenu(QStringLiteral("ヘルプ"));
    help->addAction(QStringLiteral("目次"), this, [this] { m_host.showHelp(); });
    help->addAction(QStringLiteral("バージョン情報"), this, [this] { m_host.showVersion(nullptr); });
}

void StartScreen::activate()
{
    const RosterRestore restore = RestoreRoster(m_state.folders);
    m_list1->clearSelection();
    m_command1->setVisible(m_state.printEnabled == 1);
    m_command14->show();
    m_command7->show();
    m_host.letEventsRun();
    m_option1->button(static_cast<int>(kStartFigureMode))->setChecked(true);
    rebuildList(kStartFigureMode);

    const bool noRoster = restore.state == RosterFileState::Missing || restore.state == RosterFileState::RestoreFailed;
    m_rosterMessage->setText(restore.message);
    m_rosterMessage->setVisible(noRoster);
    m_list1->setVisible(!noRoster);

    m_choice = NameChoice::none();
    m_label1->setText(m_choice.caption);
    m_label1->show();
    m_host.letEventsRun();
    m_picture5->hide();
    m_list1->setFocus();
}

void StartScreen::rebuildList(FigureMode mode)
{
    if (!m_host.showRoster(mode))
        return;
    {
        const QSignalBlocker quiet(m_list1);
        m_list1->clear();
        m_list1->addItems(m_roster.listItems());
        m_list1->setCurrentRow(0);
        m_list1->clearSelection();
    }
    m_choice = NameChoice::none();
    m_label1->setText(m_choice.caption);
    if (const QStringList problems = m_roster.takeNewProblems(); !problems.isEmpty())
        m_messages.show(MessagePresenter::Icon::Warning, m_state.productTitle,
                        QStringLiteral("名簿の次の行は読めなかったため、表示していません。\n\n") + problems.join(u'\n'), this);
}

void StartScreen::List1_Click(int row)
{
    m_choice = m_roster.click(row);
    m_label1->setText(m_choice.caption);
}

void StartScreen::List1_DblClick(int row)
{
    m_choice = m_roster.doubleClick(row);
    m_label1->setText(m_choice.caption);
    Command14_Click();
}

void StartScreen::Command14_Click()
{
    if (!m_command14->isVisible())
        return;
    if (!m_roster.confirm(m_choice, m_state, QTime::currentTime())) {
        m_host.wrongAnswerSound();
        return;
    }
    m_command14->hide();
    m_picture5->show();
    m_picture5->raise();
    m_host.letEventsRun();
    m_host.pupilConfirmed();
}

void StartScreen::Command7_Click()
{
    m_host.leaveProgram();
}

bool StartScreen::handleKey(QKeyEvent *event, bool fromList)
{
    const QString text = event->text();
    QChar key = text.isEmpty() ? QChar() : text.front();
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        key = u'\r';
    switch (startScreenKey(key, fromList, m_command14->isVisible(), m_command7->isVisible())) {
    case StartKeyAction::Confirm:
        Command14_Click();
        return true;
    case StartKeyAction::Leave:
        Command7_Click();
        return true;
    case StartKeyAction::None:
        return false;
    }
    return false;
}

bool StartScreen::eventFilter(QObject *watched, QEvent *event)
{
    // The screen sees keys before the list does.
    if (watched == m_list1 && event->type() == QEvent::KeyPress && handleKey(static_cast<QKeyEvent *>(event), true))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

void StartScreen::keyPressEvent(QKeyEvent *event)
{
    if (!handleKey(event, false))
        QMainWindow::keyPressEvent(event);
}
