#include "messagecatalogue.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace messagecatalogue {

namespace {

// Built into the library as a resource by the build (lrelease of translations/tavrel_ja.ts).
const char *const kCatalogue = ":/tavrel/translations/tavrel_ja.qm";

std::unique_ptr<QTranslator> &installed()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

} // namespace

bool isJapanese(const QLocale &locale)
{
    return locale.language() == QLocale::Japanese;
}

bool installJapanese()
{
    if (installed())
        return true;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QString::fromLatin1(kCatalogue)) || !QCoreApplication::installTranslator(translator.get()))
        return false;
    installed() = std::move(translator);
    return true;
}

void removeJapanese()
{
    if (!installed())
        return;
    QCoreApplication::removeTranslator(installed().get());
    installed().reset();
}

bool japaneseInstalled()
{
    return installed() != nullptr;
}

} // namespace messagecatalogue
