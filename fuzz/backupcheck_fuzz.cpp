// backup --check on a backup folder whose manifest is the input. Besides regular files the folder
// holds a link to a folder outside it, a link to /dev/zero and a pipe: a check must neither hang,
// nor read them, nor fail on what any manifest lists.
#include "fuzzinput.h"
#include "schoolbackup.h"

#include <QDir>

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString backupFolder()
{
    static const QString folder = [] {
        const QString root = fuzzinput::scratchFolder();
        const QString backup = root + QStringLiteral("backup");
        QDir().mkpath(backup + QStringLiteral("/tavrel"));
        QDir().mkpath(root + QStringLiteral("outside"));
        fuzzinput::writeFile(backup + QStringLiteral("/tavrel/設定.txt"), QByteArray("1,0,0,0,0,0,0,0,0,0\r\n"));
        fuzzinput::writeFile(root + QStringLiteral("outside/shadow"), QByteArray("root:secret\n"));
        ::symlink(QFile::encodeName(root + QStringLiteral("outside")).constData(),
                  QFile::encodeName(backup + QStringLiteral("/linked")).constData());
        ::symlink("/dev/zero", QFile::encodeName(backup + QStringLiteral("/zero")).constData());
        ::mkfifo(QFile::encodeName(backup + QStringLiteral("/pipe")).constData(), 0600);
        return backup;
    }();
    return folder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString folder = backupFolder();
    fuzzinput::writeFile(folder + u'/' + schoolbackup::kManifest, fuzzinput::bytes(data, size));
    const schoolbackup::Checked checked = schoolbackup::check(folder);
    // At most one file per line is verified, and only the one regular file can be.
    if (checked.verified < 0 || checked.verified > static_cast<int>(size))
        std::abort();
    if (checked.verified == 0 && checked.problems.isEmpty())
        std::abort();
    return 0;
}
