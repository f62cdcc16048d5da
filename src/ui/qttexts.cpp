#include "qttexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace qttexts {

bool installJapanese(QCoreApplication &app)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    translator->setParent(&app);
    return QCoreApplication::installTranslator(translator.release());
}

} // namespace qttexts
