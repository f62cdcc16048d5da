#include "textframe.h"

#include "pagemapping.h"
#include "sheetfont.h"

#include <QTextLayout>
#include <QTextOption>

#include <algorithm>

namespace textframe {

namespace {
// Twips per point of font size.
constexpr double kTwipsPerPoint = 20.0;
} // namespace

QStringList wrap(const QString &text, int fontSize, double widthTwips)
{
    if (text.isEmpty())
        return {QString()};
    QTextLayout layout(text, sheetfont::inTwips(fontSize * kTwipsPerPoint));
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.setCacheEnabled(false);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(widthTwips);
        lines.append(text.mid(line.textStart(), line.textLength()));
    }
    layout.endLayout();
    if (lines.isEmpty())
        lines.append(QString());
    return lines;
}

FrameLayout layOut(const QStringList &paragraphs, const TextFrame &frame, const PageMapping &mapping)
{
    const double widthTwips = frame.width * mapping.printerPage().width();
    const double room = mapping.targetHeight() * frame.height;
    FrameLayout result;
    for (int size = std::max(frame.startSize, kSmallestSize);; --size) {
        QList<QStringList> wrapped;
        int total = 0;
        for (const QString &paragraph : paragraphs) {
            wrapped.append(wrap(paragraph, size, widthTwips));
            total += static_cast<int>(wrapped.constLast().size());
        }
        const double pitch = mapping.linePitch(size);
        const bool fits = !frame.fitCheck || (total + 1) * pitch < room;
        if (!fits && size > kSmallestSize)
            continue;
        result.fontSize = size;
        result.overflow = !fits;
        int counter = 0;
        for (const QStringList &lines : wrapped) {
            for (const QString &line : lines) {
                ++counter;
                result.lines.append({10000.0 * frame.left,
                                     frame.top + 10000.0 * (counter - 1) * pitch / mapping.targetHeight(), line});
            }
        }
        return result;
    }
}

} // namespace textframe
