#include "wavheader.h"

namespace wavheader {

namespace {

constexpr std::uint16_t kPcm = 1;
constexpr std::uint16_t kFloat = 3;
constexpr std::uint16_t kExtensible = 0xFFFE;

std::uint32_t le32(QByteArrayView b, qsizetype at)
{
    return static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at]))
           | static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at + 1])) << 8
           | static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at + 2])) << 16
           | static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at + 3])) << 24;
}

std::uint16_t le16(QByteArrayView b, qsizetype at)
{
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(b[at])
                                      | static_cast<std::uint8_t>(b[at + 1]) << 8);
}

Check refuse(const QString &problem)
{
    return {false, problem, {}};
}

} // namespace

std::int64_t Format::lengthMs() const
{
    const std::int64_t bytesPerSecond = static_cast<std::int64_t>(sampleRate) * channels * (bitsPerSample / 8);
    return bytesPerSecond > 0 ? dataBytes * 1000 / bytesPerSecond : 0;
}

Check check(QByteArrayView file)
{
    if (file.size() < 12 || file.first(4) != "RIFF" || file.sliced(8, 4) != "WAVE")
        return refuse(QStringLiteral("RIFF/WAVE ファイルではありません"));
    bool haveFormat = false;
    Format format;
    qsizetype at = 12;
    while (file.size() - at >= 8) {
        const QByteArrayView id = file.sliced(at, 4);
        const std::int64_t size = le32(file, at + 4);
        const qsizetype body = at + 8;
        const std::int64_t left = file.size() - body;
        if (id == "fmt ") {
            if (size < 16 || size > left)
                return refuse(QStringLiteral("形式の情報が壊れています"));
            std::uint16_t tag = le16(file, body);
            if (tag == kExtensible && size >= 40)
                tag = le16(file, body + 24);
            const std::uint16_t channels = le16(file, body + 2);
            const std::uint32_t rate = le32(file, body + 4);
            const std::uint16_t blockAlign = le16(file, body + 12);
            const std::uint16_t bits = le16(file, body + 14);
            if (tag != kPcm && tag != kFloat)
                return refuse(QStringLiteral("対応していない形式です（%1）").arg(tag));
            if (channels < 1 || channels > 8)
                return refuse(QStringLiteral("チャンネル数 %1 は使えません").arg(channels));
            if (rate < 8000 || rate > 192000)
                return refuse(QStringLiteral("サンプリング周波数 %1 Hz は使えません").arg(rate));
            const bool bitsOk = tag == kFloat ? bits == 32 : (bits == 8 || bits == 16 || bits == 24 || bits == 32);
            if (!bitsOk)
                return refuse(QStringLiteral("量子化ビット数 %1 は使えません").arg(bits));
            if (blockAlign != channels * (bits / 8))
                return refuse(QStringLiteral("ブロックの大きさ %1 が形式と合いません").arg(blockAlign));
            format.sampleRate = static_cast<int>(rate);
            format.channels = channels;
            format.bitsPerSample = bits;
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat)
                return refuse(QStringLiteral("音のデータが形式の情報より前にあります"));
            if (size > left)
                return refuse(QStringLiteral("音のデータ（%1 バイト）がファイルの終わりを越えています").arg(size));
            if (size == 0 || size % (format.channels * (format.bitsPerSample / 8)) != 0)
                return refuse(QStringLiteral("音のデータの長さ %1 バイトが形式と合いません").arg(size));
            format.dataBytes = size;
            if (format.lengthMs() > static_cast<std::int64_t>(kMaxSeconds * 1000))
                return refuse(QStringLiteral("音が長すぎます（%1 秒）").arg(format.lengthMs() / 1000));
            return {true, QString(), format};
        }
        // Chunks are padded to an even length.
        const std::int64_t next = body + size + (size & 1);
        if (next > file.size())
            break;
        at = static_cast<qsizetype>(next);
    }
    return refuse(haveFormat ? QStringLiteral("音のデータがありません") : QStringLiteral("形式の情報がありません"));
}

} // namespace wavheader
