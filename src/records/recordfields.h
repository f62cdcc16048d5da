#pragma once

#include <QByteArray>
#include <QString>

#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>
#include <type_traits>

// Building blocks of the fixed-width record formats shared with copies of the program on other
// platforms: little-endian two's-complement integers, IEEE-754 doubles stored little-endian, and
// Shift-JIS text fields padded with spaces. The readers are inline because the statistics decode
// every record of a run log with them.
namespace recordfields {

// On little-endian hosts the bytes are the value; elsewhere they are assembled byte by byte.
template <typename T>
T littleEndianAt(const char *at)
{
    if constexpr (std::endian::native == std::endian::little) {
        T v;
        std::memcpy(&v, at, sizeof v);
        return v;
    } else {
        using U = std::make_unsigned_t<std::conditional_t<std::is_floating_point_v<T>, std::int64_t, T>>;
        const auto *b = reinterpret_cast<const unsigned char *>(at);
        U v = 0;
        for (int i = static_cast<int>(sizeof(T)) - 1; i >= 0; --i)
            v = static_cast<U>((v << 8) | b[i]);
        return std::bit_cast<T>(v);
    }
}

inline std::int16_t int16At(const char *at)
{
    return littleEndianAt<std::int16_t>(at);
}

inline std::int32_t int32At(const char *at)
{
    return littleEndianAt<std::int32_t>(at);
}

inline double doubleAt(const char *at)
{
    return littleEndianAt<double>(at);
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
