#include "fititemdelegate.h"

#include "fitlabel.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QStyle>

#include <algorithm>
#include <cmath>

int FitItemDelegate::stretchFor(double textWidth, double room)
{
    if (textWidth <= room || textWidth <= 0.0)
        return 100;
    return std::max(FitLabel::kNarrowestStretch, static_cast<int>(std::floor(100.0 * room / textWidth)));
}

void FitItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem row = option;
    initStyleOption(&row, index);
    const QWidget *widget = row.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    const QRect text = style->subElementRect(QStyle::SE_ItemViewItemText, &row, widget);
    // The style keeps a margin inside the text rectangle on either side.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const int stretch = stretchFor(QFontMetricsF(row.font).horizontalAdvance(row.text), text.width() - 2 * margin);
    if (stretch != 100)
        row.font.setStretch(stretch);
    style->drawControl(QStyle::CE_ItemViewItem, &row, painter, widget);
}
