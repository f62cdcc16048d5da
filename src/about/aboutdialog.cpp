#include "aboutdialog.h"

#include "fitlabel.h"
#include "fontfaces.h"
#include "twiplayout.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {
QLabel *centredLabel(QWidget *parent)
{
    auto *label = new FitLabel(parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}
} // namespace

AboutDialog::AboutDialog(const QString &productTitle, QWidget *parent)
    : QDialog(parent)
    , m_productTitle(productTitle)
{
    setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_layout = new TwipLayout(this, QSize(4605, 6075));
    m_layout->setBackground(QColor(0, 192, 192));
    QWidget *canvas = m_layout->canvas();

    auto *shape1 = new QFrame(canvas);
    shape1->setFrameShape(QFrame::Box);
    shape1->setLineWidth(2);
    shape1->setStyleSheet(QStringLiteral("QFrame { border: 2px solid rgb(128,255,255); background: transparent; }"));
    m_layout->place(shape1, QRect(180, 225, 4200, 3840));

    const QString gothic = fontfaces::gothic();
    m_label1 = centredLabel(canvas);
    m_layout->place(m_label1, QRect(390, 720, 3840, 465), fontfaces::make(gothic, 18));
    m_label2 = centredLabel(canvas);
    m_layout->place(m_label2, QRect(390, 1200, 3840, 270), fontfaces::make(gothic, 9));
    m_label4 = centredLabel(canvas);
    m_layout->place(m_label4, QRect(510, 2130, 3480, 630),
                    fontfaces::make(fontfaces::pGothic(), 24, true, true));
    m_label5 = centredLabel(canvas);
    m_layout->place(m_label5, QRect(540, 2760, 3480, 420), fontfaces::make(gothic, 15.75));

    m_command1 = new QPushButton(QStringLiteral("O.K."), canvas);
    m_layout->place(m_command1, QRect(1260, 3375, 2085, 555), fontfaces::make(gothic, 20.25, true));
    connect(m_command1, &QPushButton::clicked, this, &AboutDialog::accept);

    m_label6 = centredLabel(canvas);
    m_label6->setText(QStringLiteral("お問い合わせは下記まで"));
    m_layout->place(m_label6, QRect(240, 4320, 4080, 420), fontfaces::make(gothic, 15.75));

    // The contact address is shown, not opened: clicking it does nothing.
    m_label3 = centredLabel(canvas);
    m_label3->setText(contactAddress());
    m_label3->setStyleSheet(QStringLiteral("color: rgb(0,0,255);"));
    m_layout->place(m_label3, QRect(600, 4800, 3480, 420), fontfaces::make(gothic, 15.75, false, false, true));

    m_layout->fixHostSize(TwipLayout::screenScale(screen()));
}

QString AboutDialog::versionText()
{
    return QStringLiteral("Version%1.%2.%3").arg(kMajor).arg(kMinor).arg(kRevision);
}

QString AboutDialog::makerName()
{
    return QStringLiteral("タヴレル工房");
}

QString AboutDialog::rightsNotice()
{
    return QStringLiteral("© 2026 タヴレル工房");
}

QString AboutDialog::contactAddress()
{
    return QStringLiteral("info@tavrel.example");
}

void AboutDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    Form_Activate();
}

void AboutDialog::Form_Activate()
{
    QApplication::processEvents();
    QApplication::processEvents();
    m_label1->setText(m_productTitle);
    m_label2->setText(versionText());
    m_label4->setText(makerName());
    m_label5->setText(rightsNotice());
}
