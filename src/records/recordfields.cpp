#include "recordfields.h"

#include "sjis.h"

namespace recordfields {

void putInt16(char *at, std::int16_t value)
{
    const auto v = static_cast<std::uint16_t>(value);
    at[0] = static_cast<char>(v & 0xFF);
    at[1] = static_cast<char>(v >> 8);
}

void putInt32(char *at, std::int32_t value)
{
    const auto v = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

void putDouble(char *at, double value)
{
    const auto v = std::bit_cast<std::uint64_t>(value);
    for (int i = 0; i < 8; ++i)
        at[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

void putText(char *at, int width, const std::optional<QString> &text)
{
    if (!text) {
        std::memset(at, 0, static_cast<std::size_t>(width));
        return;
    }
    const QByteArray bytes = sjis::encodeTruncated(*text, width);
    std::memcpy(at, bytes.constData(), static_cast<std::size_t>(bytes.size()));
    std::memset(at + bytes.size(), ' ', static_cast<std::size_t>(width - bytes.size()));
}

std::optional<QString> textAt(const char *at, int width)
{
    bool allZero = true;
    for (int i = 0; i < width && allZero; ++i)
        allZero = at[i] == 0;
    if (allZero)
        return std::nullopt;
    int end = width;
    while (end > 0 && at[end - 1] == ' ')
        --end;
    return sjis::decode(QByteArrayView(at, end));
}

} // namespace recordfields
