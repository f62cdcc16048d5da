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

namespace {

// ASCII is taken as it is (the converter swaps some control codes); runs of well-formed
// double-byte and half-width characters go through the converter; anything malformed becomes
// U+FFFD, one per bad byte.
QString decodeByRuns(QByteArrayView bytes)
{
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

} // namespace

QString decode(QByteArrayView bytes)
{
    // The same text as decodeByRuns, with one call of the converter for the whole input: text
    // that alternates ASCII and kanji (a scrambled question line changes every few characters)
    // would otherwise call it for every run. Every well-formed character of code page 932 is one
    // UTF-16 unit, so a second pass puts the converted characters back between the ASCII ones;
    // should the converter report an error or give another count, the text is decoded run by
    // run instead.
    enum class Kind { Ascii, Single, Double, Bad };
    const auto kindAt = [&bytes](qsizetype i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80)
            return Kind::Ascii;
        if (isHalfWidthKana(b))
            return Kind::Single;
        if (isLead(b) && i + 1 < bytes.size() && isTrail(static_cast<unsigned char>(bytes[i + 1])))
            return Kind::Double;
        return Kind::Bad;
    };

    QByteArray wide(bytes.size(), Qt::Uninitialized);
    char *w = wide.data();
    qsizetype characters = 0;
    qsizetype wideCharacters = 0;
    for (qsizetype i = 0; i < bytes.size(); ++characters) {
        switch (kindAt(i)) {
        case Kind::Double:
            *w++ = bytes[i];
            *w++ = bytes[i + 1];
            ++wideCharacters;
            i += 2;
            break;
        case Kind::Single:
            *w++ = bytes[i];
            ++wideCharacters;
            ++i;
            break;
        case Kind::Ascii:
        case Kind::Bad:
            ++i;
            break;
        }
    }
    wide.truncate(w - wide.data());
    QString converted;
    if (!wide.isEmpty()) {
        QStringDecoder decoder(kCodec);
        converted = decoder.decode(wide);
        if (decoder.hasError() || converted.size() != wideCharacters)
            return decodeByRuns(bytes);
    }

    QString text(characters, Qt::Uninitialized);
    QChar *out = text.data();
    const QChar *next = converted.constData();
    for (qsizetype i = 0; i < bytes.size();) {
        switch (kindAt(i)) {
        case Kind::Ascii:
            *out++ = QChar(static_cast<unsigned char>(bytes[i]));
            ++i;
            break;
        case Kind::Single:
            *out++ = *next++;
            ++i;
            break;
        case Kind::Double:
            *out++ = *next++;
            i += 2;
            break;
        case Kind::Bad:
            *out++ = QChar::ReplacementCharacter;
            ++i;
            break;
        }
    }
    return text;
}

std::optional<QString> decodeStrict(QByteArrayView bytes)
{
    // Code page 932 has no U+FFFD: it only stands for a byte sequence that decodes to nothing.
    QString text = decode(bytes);
    if (text.contains(QChar::ReplacementCharacter))
        return std::nullopt;
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
