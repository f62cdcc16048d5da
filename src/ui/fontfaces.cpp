#include "fontfaces.h"

#include <QFontDatabase>
#include <QHash>
#include <QStringList>

namespace fontfaces {

namespace {
QString firstInstalled(const QStringList &candidates)
{
    const QStringList installed = QFontDatabase::families();
    for (const QString &c : candidates) {
        if (installed.contains(c))
            return c;
    }
    return candidates.isEmpty() ? QString() : candidates.constLast();
}
} // namespace

QString resolve(const QString &family)
{
    static QHash<QString, QString> cache;
    if (const auto it = cache.constFind(family); it != cache.constEnd())
        return *it;

    QString chosen;
    if (QFontDatabase::families().contains(family)) {
        chosen = family;
    } else if (family.contains(u'明') || family.contains(QStringLiteral("Mincho"))) {
        chosen = firstInstalled({QStringLiteral("MS Mincho"), QStringLiteral("Noto Serif CJK JP"),
                                 QStringLiteral("IPAMincho"), QStringLiteral("Noto Sans CJK JP")});
    } else if (family.contains(u'Ｐ') || family.contains(QStringLiteral("PGothic"))) {
        chosen = firstInstalled({QStringLiteral("MS PGothic"), QStringLiteral("Noto Sans CJK JP"),
                                 QStringLiteral("IPAPGothic")});
    } else {
        chosen = firstInstalled({QStringLiteral("MS Gothic"), QStringLiteral("Noto Sans Mono CJK JP"),
                                 QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans CJK JP")});
    }
    cache.insert(family, chosen);
    return chosen;
}

QFont make(const QString &family, double pointSize, bool bold, bool italic, bool underline)
{
    QFont font(resolve(family));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    // Bold is the regular face drawn heavier, as Windows draws it for its own Japanese faces,
    // which have no bold face: a screen maps one font file per face, not two.
    if (bold)
        font.setStyleName(QStringLiteral("Regular"));
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}

} // namespace fontfaces
