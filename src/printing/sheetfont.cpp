#include "sheetfont.h"

#include "printfaces.h"

#include <QFontDatabase>
#include <QStringList>

namespace sheetfont {

QString family()
{
    static const QString chosen = [] {
        const QStringList installed = QFontDatabase::families();
        for (const QString &face : printfaces::gothicFamilies()) {
            if (installed.contains(face))
                return face;
        }
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }();
    return chosen;
}

QFont inTwips(double twips)
{
    QFont font;
    // The print face first; the installed face behind it draws what the print face leaves out.
    QStringList families = printfaces::gothicFamilies();
    families.removeAll(family());
    families.prepend(family());
    font.setFamilies(families);
    font.setPixelSize(qMax(1, qRound(twips)));
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

} // namespace sheetfont
