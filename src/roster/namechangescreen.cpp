#include "namechangescreen.h"

#include "appstate.h"
#include "fontfaces.h"
#include "messagepresenter.h"
#include "namechange.h"
#include "rosterfile.h"
#include "starthost.h"
#include "twiplayout.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QFont gothic(double points, bool bold = false)
{
    return fontfaces::make(fontfaces::gothic(), points, bold);
}

} // namespace

NameChangeScreen::NameChangeScreen(AppState &state, StartHost &host, MessagePresenter &messages, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_host(host)
    , m_messages(messages)
{
    setWindowTitle(QStringLiteral("名前変更"));
    auto *layout = new TwipLayout(this);
    layout->setBackground(m_state.screenBackColour);
    QWidget *canvas = layout->canvas();

    const auto label = [&](const QString &text, const QRect &r, double points, bool bold, Qt::Alignment align) {
        auto *l = new QLabel(text, canvas);
        l->setAlignment(align);
        l->setStyleSheet(QStringLiteral("color: white;"));
        layout->place(l, r, gothic(points, bold));
        return l;
    };
    auto *label4 = label(QStringLiteral("名前変更"), QRect(600, 300, 14160, 900), 36, true, Qt::AlignCenter);
    label4->setStyleSheet(QStringLiteral("color: yellow; background: rgb(0,64,64); border: 1px solid black;"));
    label(QStringLiteral("生まれた年"), QRect(600, 1500, 3600, 600), 18, true, Qt::AlignCenter);
    label(QStringLiteral("名前"), QRect(4500, 1500, 10260, 600), 18, true, Qt::AlignCenter);
    for (int i = 0; i < 3; ++i) {
        const int top = 2250 + i * 1350;
        auto *year = new QLineEdit(canvas);
        year->setInputMethodHints(Qt::ImhDigitsOnly);
        layout->place(year, QRect(600, top, 3600, 1050), gothic(36));
        auto *name = new QLineEdit(canvas);
        name->setMaxLength(20);
        layout->place(name, QRect(4500, top, 10260, 1050), gothic(36));
        m_text2[static_cast<std::size_t>(i)] = year;
        m_text1[static_cast<std::size_t>(i)] = name;
    }
    label(QStringLiteral("※生まれた年は早生まれの場合は1年引いてください"), QRect(600, 6450, 14160, 600), 15, true,
          Qt::AlignCenter);

    m_command1 = new QPushButton(QStringLiteral("変更"), canvas);
    layout->place(m_command1, QRect(3600, 7500, 3600, 1050), gothic(24, true));
    connect(m_command1, &QPushButton::clicked, this, &NameChangeScreen::Command1_Click);
    m_command2 = new QPushButton(QStringLiteral("もどる"), canvas);
    layout->place(m_command2, QRect(8160, 7500, 3600, 1050), gothic(24, true));
    connect(m_command2, &QPushButton::clicked, this, &NameChangeScreen::Command2_Click);

    m_status = label(QString(), QRect(600, 8850, 14160, 600), 15, true, Qt::AlignCenter);
    Form_Load();
}

void NameChangeScreen::Form_Load()
{
    const std::vector<namechange::Boxes> boxes = namechange::load(RosterFile::path(m_state.folders));
    m_rows = static_cast<int>(boxes.size());
    for (std::size_t i = 0; i < 3; ++i) {
        const bool present = i < boxes.size();
        m_text1[i]->setText(present ? boxes[i].name : QString());
        m_text2[i]->setText(present ? boxes[i].birthYear : QString());
        m_text1[i]->setEnabled(present);
        m_text2[i]->setEnabled(present);
    }
}

void NameChangeScreen::Command1_Click()
{
    std::vector<namechange::Boxes> boxes;
    for (std::size_t i = 0; i < static_cast<std::size_t>(m_rows); ++i)
        boxes.push_back({m_text1[i]->text(), m_text2[i]->text()});
    const namechange::SaveResult result = namechange::save(RosterFile::path(m_state.folders), boxes);
    if (!result.saved) {
        m_status->clear();
        m_messages.show(MessagePresenter::Icon::Warning, QStringLiteral("名前変更"), result.message, this);
        return;
    }
    m_status->setText(result.changed ? QStringLiteral("変更しました。") : QStringLiteral("変更はありません。"));
    Form_Load();
}

void NameChangeScreen::Command2_Click()
{
    m_host.nameChangeDone();
}
