#pragma once

#include <QColor>

class QAbstractItemView;
class QLabel;

// Colours and frames drawn from a widget's palette rather than a style sheet: a screen built
// afresh at each visit with dozens of framed labels would otherwise parse and apply a style
// sheet per label. The results look as the matching style sheets do.
namespace labelframe {

// Text in `text` on `ground` inside a frame of `borderWidth` pixels in `border`
// ("background: …; color: …; border: Npx solid …").
void frame(QLabel *label, const QColor &ground, const QColor &text = Qt::black, const QColor &border = Qt::black,
           int borderWidth = 1);

// Text in `text` on the label's own ground ("color: …").
void textColour(QLabel *label, const QColor &text);

// A list's lines in `text` on `ground` ("QListView { background: …; color: … }").
void listColours(QAbstractItemView *list, const QColor &ground, const QColor &text = Qt::black);

} // namespace labelframe
