#include "sheetfont.h"

#include <QFontDatabase>
#include <QStringList>

namespace sheetfont {

QString family()
{
    static const QString chosen = [] {
        const QStringList installed = QFontDatabase::families();
        for (const QString &face : {QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Noto Sans JP"),
                                    QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")}) {
            if (installed.contains(face))
                return face;
        }
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }();
    return chosen;
}

QFont inTwips(double twips)
{
    QFont font(family());
    font.setPixelSize(qMax(1, qRound(twips)));
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

} // namespace sheetfont
