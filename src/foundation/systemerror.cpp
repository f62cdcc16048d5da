#include "systemerror.h"

#include <QCoreApplication>
#include <QFileDevice>

#include <cerrno>
#include <cstring>

namespace systemerror {

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(SystemError)
};

} // namespace

QString describe(int code)
{
    switch (code) {
    case ENOENT: return Text::tr("no such file or folder");
    case EACCES:
    case EPERM: return Text::tr("permission denied");
    case ENOSPC: return Text::tr("no space left on the disk");
    case EDQUOT: return Text::tr("the disk quota is used up");
    case EFBIG: return Text::tr("file too large");
    case EROFS: return Text::tr("a place that cannot be written");
    case EISDIR: return Text::tr("a folder, not a file");
    case ENOTDIR: return Text::tr("a name on the way is not a folder");
    case ENAMETOOLONG: return Text::tr("name too long");
    case EEXIST: return Text::tr("the name is taken already");
    case EMFILE:
    case ENFILE: return Text::tr("too many open files");
    case EBUSY:
    case ETXTBSY: return Text::tr("in use by another program");
    case EIO: return Text::tr("a device error while reading or writing");
    case ENOMEM: return Text::tr("not enough memory");
    case ESTALE:
    case ETIMEDOUT:
    case EHOSTDOWN:
    case EHOSTUNREACH:
    case ENETDOWN:
    case ENETUNREACH: return Text::tr("the network share cannot be reached");
    default: break;
    }
    return Text::tr("system error %1: %2").arg(code).arg(QString::fromLocal8Bit(std::strerror(code)));
}

QString describe(const QFileDevice &file, int code)
{
    if (code != 0)
        return describe(code);
    switch (file.error()) {
    case QFileDevice::NoError: break;
    case QFileDevice::ReadError: return Text::tr("reading failed");
    case QFileDevice::WriteError: return Text::tr("writing failed");
    case QFileDevice::FatalError: return Text::tr("the file became unusable");
    case QFileDevice::ResourceError: return Text::tr("not enough disk space or memory");
    case QFileDevice::OpenError: return Text::tr("opening failed");
    case QFileDevice::AbortError: return Text::tr("stopped part-way");
    case QFileDevice::TimeOutError: return Text::tr("timed out");
    case QFileDevice::UnspecifiedError: return Text::tr("an error of unknown cause");
    case QFileDevice::RemoveError: return Text::tr("removing failed");
    case QFileDevice::RenameError: return Text::tr("renaming failed");
    case QFileDevice::PositionError: return Text::tr("moving within the file failed");
    case QFileDevice::ResizeError: return Text::tr("resizing failed");
    case QFileDevice::PermissionsError: return Text::tr("changing the permissions failed");
    case QFileDevice::CopyError: return Text::tr("copying failed");
    }
    return Text::tr("an error of unknown cause");
}

} // namespace systemerror
