#include "namechangescreen.h"

#include "installation.h"
#include "fitlabel.h"
#include "fontfaces.h"
#include "messagepresenter.h"
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
    , m_host(host)
    , m_messages(messages)
    , m_editor(RosterFile::path(install.folders))
{
    setWindowTitle(QStringLiteral("名前変更"));
    auto *layout = new TwipLayout(this);
    layout->setBackground(install.screenBackColour);
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
    for (int i = 0; i < namechange::kEditableEntries; ++i) {
        const int top = 2250 + i * 1350;
        auto *year = new QLineEdit(canvas);
        year->setInputMethodHints(Qt::ImhDigitsOnly);
        layout->place(year, QRect(600, top, 3600, 1050), gothic(36));
        // No length limit on the box: a name too long for the roster is refused with a message
        // when it is saved, never cut while typing.
        auto *name = new QLineEdit(canvas);
        layout->place(name, QRect(4500, top, 10260, 1050), gothic(36));
        m_birthYearBoxes.at(i) = year;
        m_nameBoxes.at(i) = name;
        connect(name, &QLineEdit::textChanged, this, [this, i](const QString &text) { m_editor.setName(i, text); });
        connect(year, &QLineEdit::textChanged, this, [this, i](const QString &text) { m_editor.setBirthYear(i, text); });
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
    m_editor.load();
    render();
}

void NameChangeScreen::render()
{
    const NameChangeView &v = m_editor.view();
    for (std::size_t i = 0; i < v.rows.size(); ++i) {
        const NameChangeView::Row &row = v.rows[i];
        for (const auto &[box, text] : {std::pair{m_nameBoxes[i], row.name}, std::pair{m_birthYearBoxes[i], row.birthYear}}) {
            // What the pupil typed is already there; only text the editor put in place is set.
            if (box->text() != text)
                box->setText(text);
            box->setEnabled(row.enabled);
        }
    }
    m_status->setText(v.status);
}

void NameChangeScreen::saveNames()
{
    const std::optional<NameChangeEditor::Refusal> refusal = m_editor.save();
    render();
    if (!refusal)
        return;
    m_messages.show(MessagePresenter::Icon::Warning, QStringLiteral("名前変更"), refusal->message, this);
    if (refusal->row) {
        QLineEdit *box = refusal->birthYear ? birthYearBox(*refusal->row + 1) : nameBox(*refusal->row + 1);
        box->setFocus();
        box->selectAll();
    }
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
