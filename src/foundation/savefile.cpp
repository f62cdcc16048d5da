#include "savefile.h"

#include "systemerror.h"

#include <QSaveFile>

#include <cerrno>

namespace savefile {

Outcome replace(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return {false, systemerror::describe(file, errno)};
    errno = 0;
    const bool written = file.write(bytes) == bytes.size() && file.flush() && file.error() == QFileDevice::NoError;
    if (!written) {
        // A failed flush leaves only "Unknown error" in errorString(); the system's own reason
        // (a full disk, a file-size limit) is still in errno.
        const QString error = systemerror::describe(file, errno);
        file.cancelWriting();
        return {false, error};
    }
    errno = 0;
    if (!file.commit())
        return {false, systemerror::describe(file, errno)};
    return {true, QString()};
}

} // namespace savefile
