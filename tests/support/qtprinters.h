#pragma once

// How GoogleTest shows Qt values in failure messages and parameter listings. Without these it
// prints a QString as a list of QChar code units and a QDate as its raw bytes; with them a
// failing comparison reads "山田太郎　" against "山田太郎", in UTF-8, quoted so that trailing
// and full-width spaces show. The test build force-includes this header into every test
// translation unit, so no comparison anywhere falls back to raw bytes.
//
// The PrintTo overloads live in the global namespace, beside the Qt classes, where
// GoogleTest's argument-dependent lookup finds them.

#include <QByteArray>
#include <QColor>
#include <QDate>
#include <QDateTime>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTime>

#include <cstdio>
#include <ostream>
#include <string>
#include <string_view>

namespace testprint {

// The UTF-8 text in double quotes. Quotes, backslashes and control characters are escaped so a
// line end or a tab is seen rather than acted on; everything else, Japanese included, is kept.
inline std::string quoted(std::string_view utf8)
{
    std::string out = "\"";
    for (const char ch : utf8) {
        const auto byte = static_cast<unsigned char>(ch);
        switch (ch) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        default:
            if (byte < 0x20 || byte == 0x7F) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
                out += escaped;
            } else {
                out += ch;
            }
        }
    }
    out += '"';
    return out;
}

// A null C string is shown as such instead of being read.
inline std::string quoted(const char *utf8)
{
    return utf8 == nullptr ? std::string("nullptr") : quoted(std::string_view(utf8));
}

inline std::string quoted(const QString &text)
{
    return quoted(std::string_view(text.toUtf8().toStdString()));
}

inline std::string quoted(const char16_t *utf16)
{
    return utf16 == nullptr ? std::string("nullptr") : quoted(QString::fromUtf16(utf16));
}

inline std::string quoted(const QStringList &texts)
{
    std::string out = "{";
    for (qsizetype i = 0; i < texts.size(); ++i)
        out += (i == 0 ? " " : ", ") + quoted(texts[i]);
    out += texts.isEmpty() ? "}" : " }";
    return out;
}

// Bytes as they are stored: printable ASCII kept, every other byte as \xNN (data files are
// Shift-JIS, which a terminal would show as mojibake), with the length.
inline std::string bytes(const QByteArray &data)
{
    std::string out = "\"";
    for (const char ch : data) {
        const auto byte = static_cast<unsigned char>(ch);
        if (ch == '"' || ch == '\\') {
            out += '\\';
            out += ch;
        } else if (byte >= 0x20 && byte < 0x7F) {
            out += ch;
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            out += escaped;
        }
    }
    out += "\" (" + std::to_string(data.size()) + " bytes)";
    return out;
}

} // namespace testprint

inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << testprint::quoted(text);
}

inline void PrintTo(const QStringList &texts, std::ostream *os)
{
    *os << testprint::quoted(texts);
}

inline void PrintTo(const QByteArray &data, std::ostream *os)
{
    *os << testprint::bytes(data);
}

inline void PrintTo(const QDate &date, std::ostream *os)
{
    *os << (date.isValid() ? date.toString(Qt::ISODate).toStdString() : std::string("invalid QDate"));
}

inline void PrintTo(const QTime &time, std::ostream *os)
{
    *os << (time.isValid() ? time.toString(Qt::ISODateWithMs).toStdString() : std::string("invalid QTime"));
}

inline void PrintTo(const QDateTime &dateTime, std::ostream *os)
{
    *os << (dateTime.isValid() ? dateTime.toString(Qt::ISODateWithMs).toStdString()
                               : std::string("invalid QDateTime"));
}

inline void PrintTo(const QRect &rect, std::ostream *os)
{
    *os << "QRect(" << rect.x() << ", " << rect.y() << ", " << rect.width() << " x " << rect.height() << ")";
}

inline void PrintTo(const QColor &colour, std::ostream *os)
{
    *os << (colour.isValid() ? colour.name(QColor::HexArgb).toStdString() : std::string("invalid QColor"));
}
