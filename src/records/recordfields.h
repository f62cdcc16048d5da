#pragma once

#include <QByteArray>
#include <QString>

#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>

// Building blocks of the fixed-width record formats shared with copies of the program on other
// platforms: little-endian two's-complement integers, IEEE-754 doubles stored little-endian, and
// Shift-JIS text fields padded with spaces. The readers are inline because the statistics decode
// every record of a run log with them.
namespace recordfields {

inline std::int16_t int16At(const char *at)
{
    const auto *b = reinterpret_cast<const unsigned char *>(at);
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(b[0] | (b[1] << 8)));
}

inline std::int32_t int32At(const char *at)
{
    const auto *b = reinterpret_cast<const unsigned char *>(at);
    const std::uint32_t v = std::uint32_t{b[0]} | (std::uint32_t{b[1]} << 8) | (std::uint32_t{b[2]} << 16)
                            | (std::uint32_t{b[3]} << 24);
    return static_cast<std::int32_t>(v);
}

inline double doubleAt(const char *at)
{
    const auto *b = reinterpret_cast<const unsigned char *>(at);
    std::uint64_t v = 0;
    for (int i = 7; i >= 0; --i)
        v = (v << 8) | b[i];
    return std::bit_cast<double>(v);
}

void putInt16(char *at, std::int16_t value);
void putInt32(char *at, std::int32_t value);
void putDouble(char *at, double value);

// A text field of `width` bytes. An unassigned field (nullopt) is written as zero bytes; text
// is encoded, cut at `width` bytes on a character boundary and filled with spaces.
void putText(char *at, int width, const std::optional<QString> &text);

// Reads a text field back: all zero bytes give nullopt; otherwise the decoded text without the
// filling spaces on the right.
std::optional<QString> textAt(const char *at, int width);

} // namespace recordfields
