#include "printpreview.h"

#include "fontfaces.h"
#include "pagemapping.h"
#include "twiplayout.h"

#include <QEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include <cmath>

namespace {

constexpr int kSheetLeft = 3690;
constexpr int kSheetTop = 315;

QFont gothic(double points)
{
    return fontfaces::make(fontfaces::pGothic(), points);
}

} // namespace

PrintPreview::PrintPreview(const PrintHandover &handover, PrintPlatform &platform, QWidget *parent)
    : QWidget(parent)
    , m_logic(handover, platform)
{
    setWindowTitle(QStringLiteral("印刷プレビュー"));
    m_layout = new TwipLayout(this);
    m_layout->setBackground(QColor(255, 192, 128));
    QWidget *canvas = m_layout->canvas();

    m_print = new QPushButton(QStringLiteral("印刷"), canvas);
    m_layout->place(m_print, QRect(135, 1575, 870, 420), gothic(9));
    connect(m_print, &QPushButton::clicked, this, &PrintPreview::printSheet);
    m_stop = new QPushButton(QStringLiteral("印刷中止"), canvas);
    m_layout->place(m_stop, QRect(135, 2115, 870, 420), gothic(9));
    connect(m_stop, &QPushButton::clicked, this, &PrintPreview::stop);
    m_pdf = new QPushButton(QStringLiteral("PDF保存"), canvas);
    m_layout->place(m_pdf, QRect(135, 2655, 870, 420), gothic(9));
    connect(m_pdf, &QPushButton::clicked, this, &PrintPreview::savePdf);

    m_status = new QLabel(canvas);
    m_status->setWordWrap(true);
    m_status->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_layout->place(m_status, QRect(135, 3300, 3400, 3000), gothic(9));

    const QSizeF box = PageMapping(OutputMode::Preview).previewBox();
    m_sheet = new QLabel(canvas);
    m_sheet->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_sheet->setStyleSheet(QStringLiteral("background: white;"));
    m_layout->place(m_sheet, QRect(kSheetLeft, kSheetTop, static_cast<int>(std::ceil(box.width())),
                                   static_cast<int>(std::ceil(box.height()))));
}

bool PrintPreview::event(QEvent *event)
{
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Resize)
        activate();
    return handled;
}

void PrintPreview::activate()
{
    m_logic.activate(m_layout->scale() / TwipLayout::kTwipsPerPixel);
    render();
}

void PrintPreview::printSheet()
{
    m_logic.print();
    render();
}

void PrintPreview::stop()
{
    m_logic.stop();
    render();
}

void PrintPreview::savePdf()
{
    m_logic.savePdf();
    render();
}

void PrintPreview::render()
{
    const PreviewView &view = m_logic.view();
    m_sheet->setPixmap(QPixmap::fromImage(view.sheet));
    m_status->setText(view.status);
    if (!view.open)
        close();
}
