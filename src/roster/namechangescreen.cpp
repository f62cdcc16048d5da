#include "namechangescreen.h"

#include "installation.h"
#include "fitlabel.h"
#include "fontfaces.h"
#include "messagepresenter.h"
#include "namechange.h"
#include "namecheck.h"
#include "rosterfile.h"
#include "starthost.h"
#include "twiplayout.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QFont gothic(double points, bool bold = false)
{
    return fontfaces::make(fontfaces::gothic(), points, bold);
}

} // namespace

NameChangeScreen::NameChangeScreen(const Installation &install, StartHost &host, MessagePresenter &messages, QWidget *parent)
    : QWidget(parent)
    , m_install(install)
    , m_host(host)
    , m_messages(messages)
{
    setWindowTitle(QStringLiteral("名前変更"));
    auto *layout = new TwipLayout(this);
    layout->setBackground(m_install.screenBackColour);
    QWidget *canvas = layout->canvas();

    const auto label = [&](const QString &text, const QRect &r, double points, bool bold, Qt::Alignment align) {
        auto *l = new FitLabel(text, canvas);
        l->setAlignment(align);
        l->setStyleSheet(QStringLiteral("color: white;"));
        layout->place(l, r, gothic(points, bold));
        return l;
    };
    auto *heading = label(QStringLiteral("名前変更"), QRect(600, 300, 14160, 900), 36, true, Qt::AlignCenter);
    heading->setStyleSheet(QStringLiteral("color: yellow; background: rgb(0,64,64); border: 1px solid black;"));
    label(QStringLiteral("生まれた年"), QRect(600, 1500, 3600, 600), 18, true, Qt::AlignCenter);
    label(QStringLiteral("名前"), QRect(4500, 1500, 10260, 600), 18, true, Qt::AlignCenter);
    for (int i = 0; i < 3; ++i) {
        const int top = 2250 + i * 1350;
        auto *year = new QLineEdit(canvas);
        year->setInputMethodHints(Qt::ImhDigitsOnly);
        layout->place(year, QRect(600, top, 3600, 1050), gothic(36));
        // No length limit on the box: a name too long for the roster is refused with a message
        // when it is saved, never cut while typing.
        auto *name = new QLineEdit(canvas);
        layout->place(name, QRect(4500, top, 10260, 1050), gothic(36));
        m_birthYearBoxes[static_cast<std::size_t>(i)] = year;
        m_nameBoxes[static_cast<std::size_t>(i)] = name;
    }
    label(QStringLiteral("※生まれた年は早生まれの場合は1年引いてください"), QRect(600, 6450, 14160, 600), 15, true,
          Qt::AlignCenter);

    m_saveButton = new QPushButton(QStringLiteral("変更"), canvas);
    layout->place(m_saveButton, QRect(3600, 7500, 3600, 1050), gothic(24, true));
    connect(m_saveButton, &QPushButton::clicked, this, &NameChangeScreen::saveNames);
    m_backButton = new QPushButton(QStringLiteral("もどる"), canvas);
    layout->place(m_backButton, QRect(8160, 7500, 3600, 1050), gothic(24, true));
    connect(m_backButton, &QPushButton::clicked, this, &NameChangeScreen::backToStart);

    m_status = label(QString(), QRect(600, 8850, 14160, 600), 15, true, Qt::AlignCenter);
    loadNames();
}

void NameChangeScreen::loadNames()
{
    m_loaded = namechange::load(RosterFile::path(m_install.folders));
    const std::vector<namechange::Boxes> &boxes = m_loaded;
    for (std::size_t i = 0; i < 3; ++i) {
        const bool present = i < boxes.size();
        m_nameBoxes[i]->setText(present ? boxes[i].name : QString());
        m_birthYearBoxes[i]->setText(present ? boxes[i].birthYear : QString());
        m_nameBoxes[i]->setEnabled(present);
        m_birthYearBoxes[i]->setEnabled(present);
    }
}

void NameChangeScreen::saveNames()
{
    std::vector<namechange::Boxes> boxes;
    for (std::size_t i = 0; i < m_loaded.size(); ++i)
        boxes.push_back({m_nameBoxes[i]->text(), m_birthYearBoxes[i]->text()});
    if (const auto problem = namecheck::firstProblem(boxes)) {
        m_status->clear();
        m_messages.show(MessagePresenter::Icon::Warning, QStringLiteral("名前変更"), problem->message, this);
        QLineEdit *box = problem->birthYear ? birthYearBox(problem->row) : nameBox(problem->row);
        box->setFocus();
        box->selectAll();
        return;
    }
    const namechange::SaveResult result = namechange::save(RosterFile::path(m_install.folders), m_loaded, boxes);
    if (!result.saved) {
        m_status->setText(result.changed ? QStringLiteral("変更しました。") : QString());
        m_messages.show(MessagePresenter::Icon::Warning, QStringLiteral("名前変更"), result.message, this);
        if (!result.changedElsewhere.empty())
            loadNames();
        return;
    }
    m_status->setText(result.changed ? QStringLiteral("変更しました。") : QStringLiteral("変更はありません。"));
    loadNames();
}

void NameChangeScreen::backToStart()
{
    m_host.nameChangeDone();
}

void NameChangeScreen::closeEvent(QCloseEvent *event)
{
    event->ignore();
    backToStart();
}
