// The help page: loaded from its folder (which also holds a picture, a pipe and a link to
// /dev/zero that a page may name) and laid out, as the help window shows it.
#include "fuzzinput.h"
#include "helpdocument.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QImage>

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString helpFolder()
{
    static const QString folder = [] {
        const QString help = fuzzinput::scratchFolder() + QStringLiteral("help");
        QDir().mkpath(help);
        QImage picture(3, 2, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        picture.save(help + QStringLiteral("/a.png"));
        ::symlink("/dev/zero", QFile::encodeName(help + QStringLiteral("/zero.png")).constData());
        ::mkfifo(QFile::encodeName(help + QStringLiteral("/pipe.png")).constData(), 0600);
        return help;
    }();
    return folder;
}

} // namespace

// fontconfig keeps what it looks up for the process's life and never frees it; that is no finding.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString page = helpFolder() + QStringLiteral("/page.html");
    fuzzinput::writeFile(page, fuzzinput::bytes(data, size));
    HelpDocument document;
    if (!document.loadPage(page).isEmpty())
        std::abort();
    document.setTextWidth(600);
    document.documentLayout()->documentSize();
    return 0;
}
