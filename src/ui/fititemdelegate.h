#pragma once

#include <QStyledItemDelegate>

// Draws each row of a list on its one line, as FitLabel draws a label: a row wider than the list
// is drawn condensed (narrower glyphs, down to FitLabel::kNarrowestStretch) instead of being cut
// off with "…", so that a long name leaves the figures after it their room. Rows keep their
// height, so a list of uniform rows stays one.
class FitItemDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The stretch (per cent) a row of textWidth pixels is drawn with in room pixels: 100 when it
    // fits, else the widest that fits, no narrower than FitLabel::kNarrowestStretch.
    static int stretchFor(double textWidth, double room);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
