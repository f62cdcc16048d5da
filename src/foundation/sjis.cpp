#include "sjis.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace sjis {

namespace {
constexpr const char *kCodec = "windows-31j";

bool isLead(unsigned char b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

bool isTrail(unsigned char b)
{
    return b >= 0x40 && b <= 0xFC && b != 0x7F;
}

bool isHalfWidthKana(unsigned char b)
{
    return b >= 0xA1 && b <= 0xDF;
}

// The converter leaves a "\xFC\xFC" pair for a character code page 932 cannot hold.
void replaceUnmappable(QByteArray &bytes)
{
    QByteArray out;
    out.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size();) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (isLead(b) && i + 1 < bytes.size()) {
            if (b == 0xFC && static_cast<unsigned char>(bytes[i + 1]) == 0xFC)
                out += '?';
            else
                out += bytes.mid(i, 2);
            i += 2;
        } else {
            out += bytes[i];
            ++i;
        }
    }
    bytes = out;
}
} // namespace

QString decode(QByteArrayView bytes)
{
    // ASCII is taken as it is (the converter swaps some control codes); runs of well-formed
    // double-byte and half-width characters go through the converter; anything malformed becomes
    // U+FFFD, one per bad byte.
    QString text;
    text.reserve(bytes.size());
    QStringDecoder decoder(kCodec);
    qsizetype runStart = -1;
    auto flush = [&](qsizetype end) {
        if (runStart >= 0)
            text += decoder.decode(bytes.sliced(runStart, end - runStart));
        runStart = -1;
    };
    for (qsizetype i = 0; i < bytes.size();) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            flush(i);
            text += QChar(b);
            ++i;
        } else if (isHalfWidthKana(b)) {
            if (runStart < 0)
                runStart = i;
            ++i;
        } else if (isLead(b) && i + 1 < bytes.size() && isTrail(static_cast<unsigned char>(bytes[i + 1]))) {
            if (runStart < 0)
                runStart = i;
            i += 2;
        } else {
            flush(i);
            text += QChar::ReplacementCharacter;
            ++i;
        }
    }
    flush(bytes.size());
    return text;
}

QByteArray encode(QStringView text)
{
    QStringEncoder encoder(kCodec);
    QByteArray bytes = encoder.encode(text);
    replaceUnmappable(bytes);
    return bytes;
}

QByteArray encodeTruncated(QStringView text, qsizetype maxBytes)
{
    QByteArray out;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype len = (text[i].isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const QByteArray piece = encode(text.mid(i, len));
        if (out.size() + piece.size() > maxBytes)
            break;
        out += piece;
        i += len;
    }
    return out;
}

} // namespace sjis
