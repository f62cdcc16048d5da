#include "systemerror.h"

#include <QFileDevice>

#include <cerrno>
#include <cstring>

namespace systemerror {

QString describe(int code)
{
    switch (code) {
    case ENOENT: return QStringLiteral("ファイルまたはフォルダがありません");
    case EACCES:
    case EPERM: return QStringLiteral("使う権限がありません");
    case ENOSPC: return QStringLiteral("ディスクに空きがありません");
    case EDQUOT: return QStringLiteral("使えるディスク容量を超えました");
    case EFBIG: return QStringLiteral("ファイルが大きすぎます");
    case EROFS: return QStringLiteral("書き込みのできない場所です");
    case EISDIR: return QStringLiteral("ファイルではなくフォルダです");
    case ENOTDIR: return QStringLiteral("途中の名前がフォルダではありません");
    case ENAMETOOLONG: return QStringLiteral("名前が長すぎます");
    case EEXIST: return QStringLiteral("同じ名前がすでにあります");
    case EMFILE:
    case ENFILE: return QStringLiteral("開いているファイルが多すぎます");
    case EBUSY:
    case ETXTBSY: return QStringLiteral("ほかのプログラムが使っています");
    case EIO: return QStringLiteral("読み書きの途中で装置のエラーが起きました");
    case ENOMEM: return QStringLiteral("メモリが足りません");
    case ESTALE:
    case ETIMEDOUT:
    case EHOSTDOWN:
    case EHOSTUNREACH:
    case ENETDOWN:
    case ENETUNREACH: return QStringLiteral("ネットワークの共有フォルダにつながりません");
    default: break;
    }
    return QStringLiteral("システムのエラー %1: %2").arg(code).arg(QString::fromLocal8Bit(std::strerror(code)));
}

QString describe(const QFileDevice &file, int code)
{
    if (code != 0)
        return describe(code);
    switch (file.error()) {
    case QFileDevice::NoError: break;
    case QFileDevice::ReadError: return QStringLiteral("読み込めませんでした");
    case QFileDevice::WriteError: return QStringLiteral("書き込めませんでした");
    case QFileDevice::FatalError: return QStringLiteral("読み書きできなくなりました");
    case QFileDevice::ResourceError: return QStringLiteral("ディスクかメモリが足りません");
    case QFileDevice::OpenError: return QStringLiteral("開けませんでした");
    case QFileDevice::AbortError: return QStringLiteral("途中でやめました");
    case QFileDevice::TimeOutError: return QStringLiteral("時間切れになりました");
    case QFileDevice::UnspecifiedError: return QStringLiteral("原因のわからないエラーが起きました");
    case QFileDevice::RemoveError: return QStringLiteral("消せませんでした");
    case QFileDevice::RenameError: return QStringLiteral("名前を変えられませんでした");
    case QFileDevice::PositionError: return QStringLiteral("読み書きの位置を移せませんでした");
    case QFileDevice::ResizeError: return QStringLiteral("大きさを変えられませんでした");
    case QFileDevice::PermissionsError: return QStringLiteral("権限を変えられませんでした");
    case QFileDevice::CopyError: return QStringLiteral("写せませんでした");
    }
    return QStringLiteral("原因のわからないエラーが起きました");
}

} // namespace systemerror
