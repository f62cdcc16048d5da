#include "pendingfile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QtEndian>

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(PendingFile)
};

constexpr QByteArrayView kMagic = "tavrel-pending-1";
constexpr qsizetype kChecksumSize = 32;
// No entry holds more: a record is tens of bytes, a name or reason a line.
constexpr std::uint32_t kMaxField = 1 << 20;

void putUint32(QByteArray &out, std::uint32_t value)
{
    char b[4];
    qToLittleEndian(value, b);
    out.append(b, 4);
}

void putInt64(QByteArray &out, std::int64_t value)
{
    char b[8];
    qToLittleEndian(value, b);
    out.append(b, 8);
}

void putBytes(QByteArray &out, const QByteArray &bytes)
{
    putUint32(out, static_cast<std::uint32_t>(bytes.size()));
    out.append(bytes);
}

// Reads the fields in order; any read past the end leaves it failed for good.
class Reader
{
public:
    explicit Reader(QByteArrayView bytes) : m_bytes(bytes) {}

    bool failed() const { return m_failed; }
    qsizetype left() const { return m_bytes.size() - m_at; }

    QByteArrayView take(qsizetype count)
    {
        if (m_failed || count < 0 || count > left()) {
            m_failed = true;
            return {};
        }
        const QByteArrayView part = m_bytes.sliced(m_at, count);
        m_at += count;
        return part;
    }
    std::uint32_t uint32()
    {
        const QByteArrayView b = take(4);
        return m_failed ? 0 : qFromLittleEndian<std::uint32_t>(b.data());
    }
    std::int64_t int64()
    {
        const QByteArrayView b = take(8);
        return m_failed ? 0 : qFromLittleEndian<std::int64_t>(b.data());
    }
    QByteArray bytes()
    {
        const std::uint32_t size = uint32();
        if (size > kMaxField) {
            m_failed = true;
            return {};
        }
        return take(static_cast<qsizetype>(size)).toByteArray();
    }
    QString text() { return QString::fromUtf8(bytes()); }

private:
    QByteArrayView m_bytes;
    qsizetype m_at = 0;
    bool m_failed = false;
};

} // namespace

QByteArray PendingFile::encode() const
{
    QByteArray out = kMagic.toByteArray();
    putUint32(out, static_cast<std::uint32_t>(entries.size()));
    putBytes(out, programFolder.toUtf8());
    for (const PendingEntry &e : entries) {
        putBytes(out, e.log.toUtf8());
        putBytes(out, e.record);
        putInt64(out, e.placedAt);
        putInt64(out, e.keptAt.isValid() ? e.keptAt.toMSecsSinceEpoch() : 0);
        putBytes(out, e.reason.toUtf8());
    }
    out += QCryptographicHash::hash(out, QCryptographicHash::Sha256);
    return out;
}

std::optional<PendingFile> PendingFile::decode(QByteArrayView bytes, QString *problem)
{
    const auto refuse = [&](const QString &why) -> std::optional<PendingFile> {
        if (problem)
            *problem = why;
        return std::nullopt;
    };
    if (!bytes.startsWith(kMagic))
        return refuse(Text::tr("not a pending file"));
    if (bytes.size() < kMagic.size() + kChecksumSize)
        return refuse(Text::tr("cut short"));
    const QByteArrayView body = bytes.first(bytes.size() - kChecksumSize);
    if (QCryptographicHash::hash(body, QCryptographicHash::Sha256) != bytes.last(kChecksumSize))
        return refuse(Text::tr("the checksum differs"));

    Reader in(body.sliced(kMagic.size()));
    const std::uint32_t count = in.uint32();
    PendingFile file;
    file.programFolder = in.text();
    // Every entry takes at least 28 bytes, so a count beyond that is no file this system wrote.
    if (in.failed() || count > static_cast<std::uint64_t>(in.left()) / 28)
        return refuse(Text::tr("the number of entries runs past the end"));
    for (std::uint32_t i = 0; i < count && !in.failed(); ++i) {
        PendingEntry e;
        e.log = in.text();
        e.record = in.bytes();
        e.placedAt = in.int64();
        const std::int64_t kept = in.int64();
        e.keptAt = QDateTime::fromMSecsSinceEpoch(kept, Qt::UTC);
        e.reason = in.text();
        file.entries.push_back(std::move(e));
    }
    if (in.failed())
        return refuse(Text::tr("an entry runs past the end"));
    if (in.left() != 0)
        return refuse(Text::tr("bytes after the last entry"));
    return file;
}
