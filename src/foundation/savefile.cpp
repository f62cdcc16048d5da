#include "savefile.h"

#include <QSaveFile>

#include <cerrno>
#include <cstring>

namespace savefile {

Outcome replace(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, file.errorString()};
    errno = 0;
    const bool written = file.write(bytes) == bytes.size() && file.flush() && file.error() == QFileDevice::NoError;
    if (!written) {
        // A failed flush leaves only "Unknown error" in errorString(); the system's own reason
        // (a full disk, a file-size limit) is still in errno.
        const int code = errno;
        const QString error = code != 0 ? QString::fromLocal8Bit(std::strerror(code)) : file.errorString();
        file.cancelWriting();
        return {false, error};
    }
    if (!file.commit())
        return {false, file.errorString()};
    return {true, QString()};
}

} // namespace savefile
