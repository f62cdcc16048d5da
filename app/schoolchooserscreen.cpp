#include "schoolchooserscreen.h"

#include "fontfaces.h"
#include "schoolchooser.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

SchoolChooserScreen::SchoolChooserScreen(SchoolChooser &chooser, QWidget *parent)
    : QDialog(parent)
    , m_chooser(chooser)
{
    setFont(fontfaces::make(fontfaces::pGothic(), 12));
    auto *layout = new QVBoxLayout(this);
    m_heading = new QLabel(this);
    m_heading->setWordWrap(true);
    layout->addWidget(m_heading);
    m_list = new QListWidget(this);
    m_list->setFont(fontfaces::make(fontfaces::pGothic(), 14));
    layout->addWidget(m_list, 1);
    m_note = new QLabel(this);
    m_note->setWordWrap(true);
    m_note->setStyleSheet(QStringLiteral("color: #a00000;"));
    layout->addWidget(m_note);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    m_openButton = new QPushButton(QStringLiteral("開く"), this);
    m_openButton->setDefault(true);
    m_quitButton = new QPushButton(QStringLiteral("終了"), this);
    buttons->addWidget(m_openButton);
    buttons->addWidget(m_quitButton);
    layout->addLayout(buttons);
    resize(640, 420);

    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_rendering) {
            m_chooser.select(row);
            render();
        }
    });
    connect(m_list, &QListWidget::itemActivated, this, [this] { openSelected(); });
    connect(m_openButton, &QPushButton::clicked, this, [this] { openSelected(); });
    connect(m_quitButton, &QPushButton::clicked, this, [this] { reject(); });
    render();
}

void SchoolChooserScreen::render()
{
    m_rendering = true;
    const SchoolChooserView &view = m_chooser.view();
    setWindowTitle(view.title);
    m_heading->setText(view.heading);
    if (m_list->count() != view.lines.size()) {
        m_list->clear();
        m_list->addItems(view.lines);
    }
    m_list->setCurrentRow(view.selected);
    m_note->setText(view.note);
    m_note->setVisible(!view.note.isEmpty());
    m_openButton->setEnabled(view.openEnabled);
    m_rendering = false;
}

void SchoolChooserScreen::openSelected()
{
    m_chooser.open();
    render();
    if (m_chooser.chosen())
        accept();
}

void SchoolChooserScreen::reject()
{
    m_chooser.giveUp();
    render();
    QDialog::reject();
}
