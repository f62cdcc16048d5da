#include "printsettingsscreen.h"

#include "fontfaces.h"
#include "messagepresenter.h"
#include "printpreview.h"
#include "twiplayout.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {

QFont gothic(double points, bool bold = false)
{
    return fontfaces::make(fontfaces::pGothic(), points, bold);
}

const QString kPanelStyle = QStringLiteral("background: rgb(255,128,0);");

} // namespace

PrintSettingsScreen::PrintSettingsScreen(const QString &appFolder, RandomSource &random, MessagePresenter &messages,
                                         PrintPlatform &platform, QWidget *parent)
    : PrintSettingsScreen(PrintSettings(appFolder, random), messages, platform, parent)
{
}

PrintSettingsScreen::PrintSettingsScreen(const Folders &folders, const Clock &clock, const QString &userName,
                                         RandomSource &random, MessagePresenter &messages, PrintPlatform &platform,
                                         QWidget *parent)
    : PrintSettingsScreen(PrintSettings(folders, clock, random, {letEventsRunForOneSecond, {}}, userName), messages,
                          platform, parent)
{
}

PrintSettingsScreen::PrintSettingsScreen(PrintSettings settings, MessagePresenter &messages, PrintPlatform &platform,
                                         QWidget *parent)
    : QWidget(parent)
    , m_settings(std::move(settings))
    , m_messages(messages)
    , m_platform(platform)
{
    setWindowTitle(QStringLiteral("印刷設定"));
    m_layout = new TwipLayout(this);
    m_layout->setBackground(QColor(255, 192, 128));
    QWidget *canvas = m_layout->canvas();

    auto *title = new QLabel(QStringLiteral("印刷設定"), canvas);
    title->setAlignment(Qt::AlignCenter);
    title->setStyleSheet(kPanelStyle);
    m_layout->place(title, QRect(2835, 1530, 9240, 690), gothic(27.75));

    // The panels' controls are placed on the canvas at the panel's position plus their own.
    constexpr int listLeft = 2790;
    constexpr int modesLeft = 7515;
    constexpr int panelTop = 2790;
    auto *listPanel = new QWidget(canvas);
    listPanel->setStyleSheet(kPanelStyle);
    m_layout->place(listPanel, QRect(listLeft, panelTop, 4605, 5280));
    auto *listCaption = new QLabel(QStringLiteral("レベルを選んでください"), canvas);
    listCaption->setAlignment(Qt::AlignCenter);
    listCaption->setStyleSheet(kPanelStyle);
    m_layout->place(listCaption, QRect(listLeft + 720, panelTop + 90, 3165, 330), gothic(9));
    m_groups = new QListWidget(canvas);
    m_groups->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_layout->place(m_groups, QRect(listLeft + 720, panelTop + 405, 3165, 4020), gothic(18));
    auto *hint = new QLabel(QStringLiteral("Shiftを押しながら選ぶと複数選択できます(そのうち20問が印刷されます)"), canvas);
    hint->setWordWrap(true);
    hint->setStyleSheet(kPanelStyle);
    m_layout->place(hint, QRect(listLeft + 720, panelTop + 4455, 3255, 510), gothic(9));

    auto *modePanel = new QWidget(canvas);
    modePanel->setStyleSheet(kPanelStyle);
    m_layout->place(modePanel, QRect(modesLeft, panelTop, 4605, 5280));
    auto *modeGroup = new QButtonGroup(this);
    const std::pair<HideMode, QString> modes[] = {{HideMode::ShowAll, QStringLiteral("すべて印刷")},
                                                  {HideMode::HideName, QStringLiteral("名前を消す")},
                                                  {HideMode::HideYear, QStringLiteral("年代を消す")},
                                                  {HideMode::HideRandom, QStringLiteral("ランダム")}};
    int top = 585;
    for (const auto &[mode, caption] : modes) {
        auto *option = new QRadioButton(caption, canvas);
        option->setStyleSheet(kPanelStyle);
        m_layout->place(option, QRect(modesLeft + 315, panelTop + top, 3885, 420), gothic(15.75));
        modeGroup->addButton(option);
        m_modes[mode] = option;
        connect(option, &QRadioButton::clicked, this, [this, m = mode] {
            m_settings.chooseMode(m);
            render();
        });
        top += 960;
    }

    m_shuffle = new QCheckBox(QStringLiteral("順序を変える"), canvas);
    m_layout->place(m_shuffle, QRect(7560, 8145, 3930, 330), gothic(9));
    connect(m_shuffle, &QCheckBox::clicked, this, [this](bool checked) {
        m_settings.setShuffle(checked);
        render();
    });
    m_shuffleAgain = new QPushButton(QStringLiteral("再並べ替え"), canvas);
    m_layout->place(m_shuffleAgain, QRect(7560, 8730, 2220, 690), gothic(9));
    connect(m_shuffleAgain, &QPushButton::clicked, this, [this] {
        m_settings.shuffleAgain();
        render();
    });
    m_toPrint = new QPushButton(QStringLiteral("印刷へ"), canvas);
    m_layout->place(m_toPrint, QRect(9810, 8730, 2310, 690), gothic(9));
    connect(m_toPrint, &QPushButton::clicked, this, &PrintSettingsScreen::openPreview);
    m_back = new QPushButton(QStringLiteral("もどる"), canvas);
    m_layout->place(m_back, QRect(13095, 270, 1950, 690), gothic(9));
    connect(m_back, &QPushButton::clicked, this, &PrintSettingsScreen::goBack);

    // Below: where the questions come from, the levels of the list or 苦手な問題 of a pupil or a
    // class chosen in the picker.
    constexpr int sourceTop = 9600;
    auto *sourcePanel = new QWidget(canvas);
    sourcePanel->setStyleSheet(kPanelStyle);
    m_layout->place(sourcePanel, QRect(listLeft, sourceTop, 12120 - listLeft, 1530));
    auto *sourceGroup = new QButtonGroup(this);
    const std::pair<SheetSource, QString> sources[] = {{SheetSource::Groups, QStringLiteral("レベルの問題")},
                                                       {SheetSource::Weak, QStringLiteral("苦手な問題")}};
    int sourceRow = sourceTop + 150;
    for (const auto &[source, caption] : sources) {
        auto *option = new QRadioButton(caption, canvas);
        option->setStyleSheet(kPanelStyle);
        m_layout->place(option, QRect(listLeft + 315, sourceRow, 2700, 540), gothic(14.25));
        sourceGroup->addButton(option);
        m_sources[source] = option;
        connect(option, &QRadioButton::clicked, this, [this, s = source] {
            m_settings.chooseSource(s);
            render();
        });
        sourceRow += 660;
    }
    // The picker is wide enough for a class or a roster number and a name of 20 characters.
    constexpr int pickerLeft = 6100;
    constexpr int pickerWidth = 12120 - 120 - pickerLeft;
    auto *pickerCaption = new QLabel(QStringLiteral("生徒またはクラス"), canvas);
    pickerCaption->setStyleSheet(kPanelStyle);
    m_layout->place(pickerCaption, QRect(pickerLeft, sourceTop + 150, pickerWidth, 420), gothic(10.5));
    m_weakPicker = new QComboBox(canvas);
    m_weakPicker->setMaxVisibleItems(20);
    m_layout->place(m_weakPicker, QRect(pickerLeft, sourceTop + 660, pickerWidth, 600), gothic(10.5));

    m_settings.load();
    m_groups->addItems(m_settings.view().groupEntries);
    m_weakPicker->addItems(m_settings.view().weakEntries);
    connect(m_groups, &QListWidget::itemSelectionChanged, this, &PrintSettingsScreen::groupsClicked);
    connect(m_weakPicker, &QComboBox::activated, this, [this](int entry) {
        m_settings.chooseWeakEntry(entry);
        render();
    });
    if (!m_settings.view().weakOffered) {
        sourcePanel->hide();
        pickerCaption->hide();
        m_weakPicker->hide();
        for (const auto &[source, option] : m_sources)
            option->hide();
    }
    render();
}

void PrintSettingsScreen::groupsClicked()
{
    QList<int> groups;
    for (int row = 0; row < m_groups->count(); ++row) {
        if (m_groups->item(row)->isSelected())
            groups.append(row + 1);
    }
    m_settings.selectGroups(groups);
    render();
}

void PrintSettingsScreen::render()
{
    const PrintSettingsView &view = m_settings.view();
    {
        const QSignalBlocker blocker(m_groups);
        for (int row = 0; row < m_groups->count(); ++row)
            m_groups->item(row)->setSelected(view.selectedGroups.contains(row + 1));
        if (m_groups->currentRow() < 0 && !view.selectedGroups.isEmpty())
            m_groups->setCurrentRow(view.selectedGroups.constFirst() - 1, QItemSelectionModel::NoUpdate);
    }
    m_modes.at(view.mode)->setChecked(true);
    m_sources.at(view.source)->setChecked(true);
    m_sources.at(SheetSource::Weak)->setEnabled(!view.weakEntries.isEmpty());
    m_weakPicker->setEnabled(!view.weakEntries.isEmpty());
    if (view.weakEntry >= 0 && m_weakPicker->currentIndex() != view.weakEntry) {
        const QSignalBlocker blocker(m_weakPicker);
        m_weakPicker->setCurrentIndex(view.weakEntry);
    }
    m_shuffle->setChecked(view.shuffle);
    m_toPrint->setEnabled(view.printable);
    if (view.problemIsNew)
        m_messages.show(MessagePresenter::Icon::Warning, windowTitle(), view.problem, this);
    if (view.weakNoticeIsNew && view.source == SheetSource::Weak) {
        // Nothing to print for this pupil or class yet: the ordinary sheet of the levels instead?
        if (m_messages.ask(windowTitle(), view.weakNotice + QStringLiteral("\nレベルの問題の用紙にしますか？"),
                           MessagePresenter::Answer::Yes, this)) {
            m_settings.chooseSource(SheetSource::Groups);
            render();
        }
    }
}

void PrintSettingsScreen::openPreview()
{
    if (!m_settings.view().printable)
        return;
    if (!m_preview) {
        m_preview = new PrintPreview(m_settings.handover(), m_platform, this);
        m_preview->setWindowFlag(Qt::Window);
        m_preview->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_preview->setGeometry(geometry());
    m_preview->showMaximized();
    m_preview->raise();
    m_preview->activateWindow();
    m_preview->activate();
}

PrintPreview *PrintSettingsScreen::preview() const
{
    return m_preview.data();
}

void PrintSettingsScreen::goBack()
{
    if (m_preview)
        m_preview->close();
    close();
}
