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

    auto *border = new QFrame(canvas);
    border->setFrameShape(QFrame::Box);
    border->setLineWidth(2);
    border->setStyleSheet(QStringLiteral("QFrame { border: 2px solid rgb(128,255,255); background: transparent; }"));
    m_layout->place(border, QRect(180, 225, 4200, 3840));

    const QString gothic = fontfaces::gothic();
    m_titleLabel = centredLabel(canvas);
    m_layout->place(m_titleLabel, QRect(390, 720, 3840, 465), fontfaces::make(gothic, 18));
    m_versionLabel = centredLabel(canvas);
    m_layout->place(m_versionLabel, QRect(390, 1200, 3840, 270), fontfaces::make(gothic, 9));
    m_makerLabel = centredLabel(canvas);
    m_layout->place(m_makerLabel, QRect(510, 2130, 3480, 630),
                    fontfaces::make(fontfaces::pGothic(), 24, true, true));
    m_rightsLabel = centredLabel(canvas);
    m_layout->place(m_rightsLabel, QRect(540, 2760, 3480, 420), fontfaces::make(gothic, 15.75));

    m_okButton = new QPushButton(QStringLiteral("O.K."), canvas);
    m_layout->place(m_okButton, QRect(1260, 3375, 2085, 555), fontfaces::make(gothic, 20.25, true));
    connect(m_okButton, &QPushButton::clicked, this, &AboutDialog::accept);

    m_contactHeading = centredLabel(canvas);
    m_contactHeading->setText(QStringLiteral("お問い合わせは下記まで"));
    m_layout->place(m_contactHeading, QRect(240, 4320, 4080, 420), fontfaces::make(gothic, 15.75));

    // The contact address is shown, not opened: clicking it does nothing.
    m_contactLabel = centredLabel(canvas);
    m_contactLabel->setText(contactAddress());
    m_contactLabel->setStyleSheet(QStringLiteral("color: rgb(0,0,255);"));
    m_layout->place(m_contactLabel, QRect(600, 4800, 3480, 420), fontfaces::make(gothic, 15.75, false, false, true));

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
    fillTexts();
}

void AboutDialog::fillTexts()
{
    m_titleLabel->setText(m_productTitle);
    m_versionLabel->setText(versionText());
    m_makerLabel->setText(makerName());
    m_rightsLabel->setText(rightsNotice());
}
