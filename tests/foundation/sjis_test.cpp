#include "sjis.h"

#include <QStringDecoder>

#include <gtest/gtest.h>

namespace {

// Each character decoded on its own: ASCII as it is, a well-formed double-byte or half-width
// character through the converter, any other byte as U+FFFD.
QString characterByCharacter(const QByteArray &bytes)
{
    const auto lead = [](unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); };
    const auto trail = [](unsigned char b) { return b >= 0x40 && b <= 0xFC && b != 0x7F; };
    QString text;
    for (qsizetype i = 0; i < bytes.size();) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        qsizetype length = 0;
        if (b >= 0xA1 && b <= 0xDF)
            length = 1;
        else if (lead(b) && i + 1 < bytes.size() && trail(static_cast<unsigned char>(bytes[i + 1])))
            length = 2;
        if (b < 0x80)
            text += QChar(b);
        else if (length == 0)
            text += QChar::ReplacementCharacter;
        else
            text += QStringDecoder("windows-31j").decode(bytes.mid(i, length));
        i += length == 0 ? 1 : length;
    }
    return text;
}

class ShiftJisDecode : public testing::TestWithParam<QByteArray>
{
};

TEST_P(ShiftJisDecode, GivesEveryCharacterAsDecodedAlone)
{
    EXPECT_EQ(sjis::decode(GetParam()), characterByCharacter(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ShiftJisDecode,
    testing::Values(QByteArray(), QByteArray("plain ascii, 12,34\r\n"),
                    // A scrambled question line: ASCII and kanji every few characters.
                    sjis::encode(QStringLiteral("1史,2人x物3,説a明b／ｅｎｄ／c歴d史e")),
                    sjis::encode(QStringLiteral("ｱｲｳ半角ｶﾅ,①Ⅲ～髙﨑")),
                    // A lead byte at the end, a lone trail byte, a lead byte before ASCII.
                    QByteArray("ab\x82"), QByteArray("\x82\xa0" "a\x80" "b"), QByteArray("\x82" "a\x82\xa0"),
                    // A well-formed pair that code page 932 does not assign, between kanji.
                    QByteArray("\x82\xa0\x85\x40\x82\xa2"),
                    // Control codes, which are taken as they are.
                    QByteArray("\x1a\x1c\x7f\x82\xa0\x1a")));

TEST(ShiftJis, RoundTripsALongMixedText)
{
    QString text;
    for (int i = 0; i < 1000; ++i)
        text += QStringLiteral("%1,歴史%1,ｶﾅ,x").arg(i);
    EXPECT_EQ(sjis::decode(sjis::encode(text)), text);
}

} // namespace
