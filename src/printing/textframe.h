#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class PageMapping;

// A box on the page that a cell's text is laid out in. left, width and height are fractions of
// the page width and height, top is in page units (0..10000).
struct TextFrame
{
    double left = 0;
    double width = 0;
    double top = 0;
    double height = 0;
    int startSize = 13;   // points tried first
    bool fitCheck = true; // shrink until the lines fit the height
};

struct FrameLine
{
    double x = 0; // page units
    double y = 0;
    QString text;
};

struct FrameLayout
{
    int fontSize = 0;      // points the lines are drawn at (before the surface's text scale)
    bool overflow = false; // still too tall at the smallest size
    QList<FrameLine> lines;
};

namespace textframe {

// The smallest size tried: a text that does not fit even then is drawn at it, overflowing.
inline constexpr int kSmallestSize = 1;

// Where the sheet's face wraps a text at a size in points in a width in twips: the lines in
// order, breaking between words or between Japanese characters. An empty text is one empty line.
// The width is always the printer-scale width, so the preview breaks where the printout does.
QStringList wrap(const QString &text, int fontSize, double widthTwips);

// Lays the paragraphs out from frame.startSize down, one point at a time, until all their lines
// (each paragraph from a new line) and one line more fit the frame's height at the surface's
// line pitch; stops at kSmallestSize. Never grows the font.
FrameLayout layOut(const QStringList &paragraphs, const TextFrame &frame, const PageMapping &mapping);

} // namespace textframe
