#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>

#include <cstddef>
#include <cstdint>

// Helpers shared by the fuzz targets: the input as bytes, and a scratch folder (in memory where
// the system has one) for readers that take a path.
namespace fuzzinput {

inline QByteArray bytes(const std::uint8_t *data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
}

// A folder of this process that lives as long as the process.
inline QString scratchFolder()
{
    static const QString folder = [] {
        const QString base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
        const QString path = base + QStringLiteral("/tavrel-fuzz-") + QString::number(QCoreApplication::applicationPid());
        QDir().mkpath(path);
        return path + u'/';
    }();
    return folder;
}

inline void writeFile(const QString &path, const QByteArray &content)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(content);
}

} // namespace fuzzinput
