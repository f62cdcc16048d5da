#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The one place where the program's text crosses the file boundary: every data file is
// code page 932 (Shift-JIS with the vendor extensions such as ①, Ⅲ and ～).
namespace sjis {

// Invalid or truncated byte sequences decode to U+FFFD; decoding never fails.
QString decode(QByteArrayView bytes);

// The text of bytes that are code page 932 throughout; nothing when a byte sequence is malformed
// or names no character (a file in another encoding).
std::optional<QString> decodeStrict(QByteArrayView bytes);

// Characters that code page 932 cannot hold are written as '?'.
QByteArray encode(QStringView text);

// Encodes text and cuts it to at most maxBytes without splitting a double-byte character.
QByteArray encodeTruncated(QStringView text, qsizetype maxBytes);

} // namespace sjis
