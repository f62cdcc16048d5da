#include "startscreen.h"

#include "installation.h"
#include "clicklabel.h"
#include "fititemdelegate.h"
#include "fitlabel.h"
#include "fontfaces.h"
#include "labelframe.h"
#include "messagepresenter.h"
#include "starthost.h"
#include "twiplayout.h"
#include "windowpaint.h"

#include <QButtonGroup>
#include <QCloseEvent>
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

StartScreen::StartScreen(const Installation &install, Roster &roster, StartHost &host, MessagePresenter &messages,
                         QWidget *parent)
    : QMainWindow(parent)
    , m_install(install)
    , m_host(host)
    , m_messages(messages)
    , m_selection(install.folders, install.printEnabled, roster, host, *this)
{
    setWindowTitle(QStringLiteral("quenda"));
    auto *central = new QWidget(this);
    setCentralWidget(central);
    m_layout = new TwipLayout(central);
    m_layout->setBackground(m_install.screenBackColour);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, m_install.screenBackColour);
    setPalette(pal);
    QWidget *canvas = m_layout->canvas();
    buildMenus();

    // Banner: the icon box and the title.
    auto *banner = new QWidget(canvas);
    m_layout->place(banner, QRect(60, 45, 13170, 1275));
    auto *bannerFrame = new FitLabel(banner);
    labelframe::frame(bannerFrame, QColor(0, 64, 64));
    m_layout->place(bannerFrame, QRect(30, 0, 13140, 1290));
    auto *icon = new FitLabel(banner);
    icon->setAlignment(Qt::AlignCenter);
    icon->setText(QStringLiteral("史"));
    labelframe::frame(icon, QColor(192, 255, 255), QColor(0, 96, 96));
    m_layout->place(icon, QRect(75, 75, 945, 990), fontfaces::make(fontfaces::mincho(), 36, true));
    m_titleLabel = new ClickLabel(banner);
    m_titleLabel->setAlignment(Qt::AlignCenter);
    labelframe::frame(m_titleLabel, QColor(0, 128, 128), Qt::yellow);
    m_layout->place(m_titleLabel, QRect(1140, 90, 11940, 1020), gothic(48));
    m_titleLabel->setText(m_install.productTitle);
    connect(m_titleLabel, &ClickLabel::clicked, this, [this] { m_host.showVersion(true); });

    m_leaveButton = new QPushButton(QStringLiteral("終了"), canvas);
    m_layout->place(m_leaveButton, QRect(13320, 90, 1860, 1200), gothic(20.25, true));
    connect(m_leaveButton, &QPushButton::clicked, this, &StartScreen::leaveProgram);

    m_printButton = new QPushButton(QStringLiteral("印刷"), canvas);
    m_layout->place(m_printButton, QRect(11610, 180, 1545, 420), gothic(11.25, true));
    m_printButton->raise();
    connect(m_printButton, &QPushButton::clicked, this, [this] { m_host.showPrintSelection(m_selection.choice()); });

    // The chosen name and its confirmation.
    m_choiceLabel = new FitLabel(NameChoice::prompt(), canvas);
    m_choiceLabel->setAlignment(Qt::AlignCenter);
    labelframe::frame(m_choiceLabel, QColor(0, 255, 255));
    m_layout->place(m_choiceLabel, QRect(90, 1410, 13830, 990), fontfaces::make(fontfaces::mincho(), 39.75));
    m_okButton = new QPushButton(QStringLiteral("O.K."), canvas);
    m_layout->place(m_okButton, QRect(13950, 1395, 1185, 1005), gothic(18, true));
    connect(m_okButton, &QPushButton::clicked, this, &StartScreen::confirmPupil);

    // The figures the list shows.
    auto *modeStrip = new QWidget(canvas);
    modeStrip->setAutoFillBackground(true);
    QPalette stripPalette = modeStrip->palette();
    stripPalette.setColor(QPalette::Window, QColor(0, 192, 192));
    modeStrip->setPalette(stripPalette);
    m_layout->place(modeStrip, QRect(90, 2430, 15060, 375));
    auto *modeGroup = new QButtonGroup(this);
    const std::array<FigureMode, kFigureModeCount> modes{FigureMode::RunsTodayAndAll, FigureMode::PointsTodayAndAll,
                                                         FigureMode::TodayPointsAndRuns, FigureMode::AllPointsAndRuns};
    for (std::size_t i = 0; i < modes.size(); ++i) {
        const FigureMode mode = modes[i];
        auto *option = new QRadioButton(listline::modeCaption(mode), modeStrip);
        option->setFocusPolicy(Qt::NoFocus);
        m_layout->place(option, QRect(120 + 3735 * static_cast<int>(i), 15, 3700, 345), gothic(10.5, true));
        modeGroup->addButton(option);
        m_modeButtons[i] = {mode, option};
        connect(option, &QRadioButton::clicked, this, [this, mode] {
            showProblems(m_selection.chooseMode(mode));
            render();
        });
    }

    m_list = new QListWidget(canvas);
    // Every line is one line of one font: measuring the first stands for all of a large school's.
    m_list->setUniformItemSizes(true);
    // A long name leaves its figures their room: the line is condensed, not cut off.
    m_list->setItemDelegate(new FitItemDelegate(m_list));
    labelframe::listColours(m_list, QColor(255, 192, 128));
    m_layout->place(m_list, QRect(585, 3330, 14010, 3990), gothic(24));
    m_list->installEventFilter(this);
    connect(m_list, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) { chooseRow(m_list->row(item)); });
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            chooseRow(row);
    });
    connect(m_list, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *item) { confirmRow(m_list->row(item)); });

    // Shown in place of the list when there is no roster to show.
    m_rosterMessage = new FitLabel(canvas);
    m_rosterMessage->setAlignment(Qt::AlignCenter);
    m_rosterMessage->setWordWrap(true);
    labelframe::frame(m_rosterMessage, Qt::white, QColor(160, 0, 0), QColor(160, 0, 0), 2);
    m_layout->place(m_rosterMessage, QRect(585, 3330, 14010, 3990), gothic(18, true));
    m_rosterMessage->hide();

    // The wait panel over everything while the list is built.
    m_waitPanel = new QWidget(canvas);
    m_waitPanel->setAutoFillBackground(true);
    QPalette waitPalette = m_waitPanel->palette();
    waitPalette.setColor(QPalette::Window, m_install.screenBackColour);
    m_waitPanel->setPalette(waitPalette);
    m_layout->place(m_waitPanel, QRect(0, 0, 15360, 11520));
    auto *waitText = new FitLabel(QStringLiteral("Just a moment, please."), m_waitPanel);
    waitText->setAlignment(Qt::AlignCenter);
    labelframe::textColour(waitText, Qt::white);
    m_layout->place(waitText, QRect(4080, 5130, 7005, 690), gothic(26.25));
    m_waitPanel->hide();
}

void StartScreen::buildMenus()
{
    // The bar is part of the screen: on a desktop with a global menu (a menu bar in the panel)
    // it stays in the window, where the screen's layout has its row.
    menuBar()->setNativeMenuBar(false);
    QMenu *file = menuBar()->addMenu(QStringLiteral("file"));
    file->addAction(QStringLiteral("名前の変更"), this, [this] { m_host.showNameChange(); });
    file->addAction(QStringLiteral("終了"), this, &StartScreen::leaveProgram);
    QMenu *help = menuBar()->addMenu(QStringLiteral("ヘルプ"));
    help->addAction(QStringLiteral("目次"), this, [this] { m_host.showHelp(); });
    help->addAction(QStringLiteral("バージョン情報"), this, [this] { m_host.showVersion(false); });
    // The bar and its menus grow with the screen like everything on the canvas, in the screen's
    // Gothic, so that the start screen maps no other face for them.
    for (QWidget *w : {static_cast<QWidget *>(menuBar()), static_cast<QWidget *>(file), static_cast<QWidget *>(help)})
        m_layout->scaleWithWindow(w, gothic(10.5));
}

QRadioButton *StartScreen::modeButton(FigureMode mode) const
{
    for (const auto &[shown, button] : m_modeButtons) {
        if (shown == mode)
            return button;
    }
    return nullptr;
}

void StartScreen::activate()
{
    m_list->clearSelection();
    showProblems(m_selection.activate());
    render();
    m_list->setFocus();
}

void StartScreen::paintNow()
{
    render();
    paintWindowNow(this);
}

void StartScreen::render()
{
    const StartView &v = m_selection.view();
    if (v.listBuilds != m_listBuildShown) {
        // A list built anew shows from its top with nothing chosen.
        m_listBuildShown = v.listBuilds;
        const QSignalBlocker quiet(m_list);
        m_list->clear();
        m_list->addItems(v.lines);
        m_list->setCurrentRow(0);
        m_list->clearSelection();
    }
    m_list->setVisible(v.listShown);
    m_rosterMessage->setText(v.rosterMessage);
    m_rosterMessage->setVisible(v.rosterMessageShown);
    m_choiceLabel->setText(v.choiceCaption);
    m_okButton->setVisible(v.confirmOffered);
    m_printButton->setVisible(v.printOffered);
    for (const auto &[mode, button] : m_modeButtons) {
        if (mode == v.mode)
            button->setChecked(true);
    }
    m_waitPanel->setVisible(v.waitShown);
    if (v.waitShown)
        m_waitPanel->raise();
}

void StartScreen::showProblems(const QStringList &problems)
{
    if (!problems.isEmpty())
        m_messages.show(MessagePresenter::Icon::Warning, m_install.productTitle,
                        QStringLiteral("名簿の次の行は読めなかったため、表示していません。\n\n") + problems.join(u'\n'), this);
}

void StartScreen::chooseRow(int row)
{
    m_selection.chooseRow(row);
    render();
}

void StartScreen::confirmRow(int row)
{
    m_selection.confirmRow(row);
    render();
}

void StartScreen::confirmPupil()
{
    m_selection.confirm();
    render();
}

void StartScreen::leaveProgram()
{
    m_selection.leave();
}

bool StartScreen::handleKey(QKeyEvent *event, bool fromList)
{
    const QString text = event->text();
    QChar key = text.isEmpty() ? QChar() : text.front();
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        key = u'\r';
    const bool handled = m_selection.pressKey(key, fromList);
    if (handled)
        render();
    return handled;
}

bool StartScreen::eventFilter(QObject *watched, QEvent *event)
{
    // The screen sees keys before the list does.
    if (watched == m_list && event->type() == QEvent::KeyPress && handleKey(static_cast<QKeyEvent *>(event), true))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

void StartScreen::keyPressEvent(QKeyEvent *event)
{
    if (!handleKey(event, false))
        QMainWindow::keyPressEvent(event);
}

void StartScreen::closeEvent(QCloseEvent *event)
{
    event->ignore();
    leaveProgram();
}
