#include "sheetpreview.h"

#include "printplatform.h"
#include "sheetoutput.h"

SheetPreview::SheetPreview(const PrintHandover &handover, PrintPlatform &platform)
    : m_handover(handover)
    , m_platform(platform)
{
}

void SheetPreview::activate(double pixelsPerTwip)
{
    m_pixelsPerTwip = pixelsPerTwip;
    m_view.sheet = sheetoutput::preview(m_handover, m_pixelsPerTwip);
}

void SheetPreview::print()
{
    const QString printer = m_platform.defaultPrinter();
    if (printer.isEmpty()) {
        if (m_platform.offerPdfInstead(kNoPrinter))
            savePdf();
        else
            m_view.status = QStringLiteral("印刷しませんでした。");
        return;
    }
    const QString error = m_platform.printOnDefault(m_handover);
    if (!error.isEmpty()) {
        m_view.status = error;
        m_platform.tell(error);
    } else {
        m_view.status = QStringLiteral("プリンター「%1」に送りました。").arg(printer);
    }
    // The preview shows the same sheet again.
    activate(m_pixelsPerTwip);
}

void SheetPreview::savePdf()
{
    const QString path = m_platform.choosePdfPath(kPdfName);
    if (path.isEmpty()) {
        m_view.status = QStringLiteral("保存しませんでした。");
        return;
    }
    const QString error = sheetoutput::writePdf(m_handover, path);
    if (!error.isEmpty()) {
        m_view.status = error;
        m_platform.tell(error);
        return;
    }
    m_view.status = QStringLiteral("%1 に保存しました。").arg(path);
}

void SheetPreview::stop()
{
    m_view.open = false;
}
