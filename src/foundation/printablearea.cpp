#include "printablearea.h"

#include <QMarginsF>
#include <QPageSize>

namespace printablearea {

QPageLayout a4Portrait()
{
    const QMarginsF border(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres);
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, border, QPageLayout::Millimeter);
}

QPageLayout a4Landscape()
{
    const QMarginsF border(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres);
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, border, QPageLayout::Millimeter);
}

} // namespace printablearea
