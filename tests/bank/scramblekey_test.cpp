#include "scramblekey.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// A key string from entries 0 to 197 (two digits each); entries not given are "00".
QString keyString(const std::vector<std::pair<int, int>> &entries, int fill = 0)
{
    std::vector<int> values(198, fill);
    for (const auto &[index, value] : entries)
        values[index] = value;
    QString key;
    for (int v : values)
        key += QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
    return key;
}

// Entries 1 to 99 all naming their own position: every swap leaves the line as it is.
std::vector<std::pair<int, int>> identity()
{
    std::vector<std::pair<int, int>> entries;
    for (int i = 1; i <= 99; ++i)
        entries.emplace_back(i, i);
    return entries;
}

QString sampleLine(int length)
{
    QString line;
    for (int i = 0; i < length; ++i)
        line += QChar(i % 3 == 0 ? u'あ' + i : u'A' + i % 26);
    return line;
}

TEST(ScrambleKey, ProgramKeyHasTheRequiredForm)
{
    const ScrambleKey &key = ScrambleKey::program();
    EXPECT_EQ(key.requiredLength(), 99);
    for (int i = 1; i <= 99; ++i) {
        EXPECT_GE(key.swapA(i), 1);
        EXPECT_LE(key.swapA(i), 99);
        EXPECT_GE(key.swapB(i), 1);
        EXPECT_LE(key.swapB(i), 99);
    }
    EXPECT_EQ(key.swapA(198), 0);
    EXPECT_EQ(key.swapB(-1), 0);
}

TEST(ScrambleKey, UnscrambleUndoesScrambleForEveryLength)
{
    const ScrambleKey &key = ScrambleKey::program();
    for (int length : {99, 100, 150, 1000}) {
        const QString plain = sampleLine(length);
        const auto stored = key.scramble(plain);
        ASSERT_TRUE(stored) << length;
        EXPECT_NE(*stored, plain) << "scrambling left the line readable, length " << length;
        EXPECT_EQ(stored->size(), plain.size());
        EXPECT_EQ(key.unscramble(*stored), plain) << length;
        // Characters past the largest position are never moved.
        EXPECT_EQ(stored->mid(99), plain.mid(99));
    }
}

TEST(ScrambleKey, LinesShorterThanTheLargestPositionAreRefused)
{
    const ScrambleKey &key = ScrambleKey::program();
    EXPECT_FALSE(key.scramble(sampleLine(98)));
    EXPECT_FALSE(key.unscramble(sampleLine(98)));
    EXPECT_FALSE(key.unscramble(QString()));
}

TEST(ScrambleKey, SwapsRunUpwardToScrambleAndDownwardToUnscramble)
{
    // Swap 1 exchanges positions 1 and 2, swap 2 positions 2 and 3; all other swaps do nothing.
    auto a = identity();
    auto b = identity();
    a[0].second = 1;
    b[0].second = 2;
    a[1].second = 2;
    b[1].second = 3;
    const ScrambleKey key(keyString(a), keyString(b));
    const QString rest(96, u'x');
    EXPECT_EQ(key.scramble(QStringLiteral("abc") + rest), QStringLiteral("bca") + rest);
    EXPECT_EQ(key.unscramble(QStringLiteral("bca") + rest), QStringLiteral("abc") + rest);
}

TEST(ScrambleKey, RequiredLengthIsTheLargestPositionUsed)
{
    auto a = identity();
    for (auto &entry : a)
        entry.second = std::min(entry.second, 40);
    const ScrambleKey key(keyString(a), keyString(a));
    EXPECT_EQ(key.requiredLength(), 40);
    EXPECT_TRUE(key.unscramble(sampleLine(40)));
    EXPECT_FALSE(key.unscramble(sampleLine(39)));
}

TEST(ScrambleKey, MalformedKeyStringsAreRejected)
{
    const QString good = keyString(identity());
    auto zeroEntry = identity();
    zeroEntry[49].second = 0;
    QString fullWidth = good;
    fullWidth[10] = u'５';
    QString letter = good;
    letter[395] = u'a';

    const std::vector<std::pair<const char *, QString>> cases = {
        {"too short", good.left(394)},
        {"too long", good + QStringLiteral("00")},
        {"used entry 00", keyString(zeroEntry)},
        {"full-width digit", fullWidth},
        {"letter in an unused entry", letter},
    };
    for (const auto &[name, key] : cases) {
        EXPECT_THROW(ScrambleKey(key, good), std::invalid_argument) << name;
        EXPECT_THROW(ScrambleKey(good, key), std::invalid_argument) << name;
    }
    // Entry 0 and the entries past 99 are not positions and may hold any two digits.
    std::vector<std::pair<int, int>> unused = identity();
    unused.emplace_back(0, 0);
    unused.emplace_back(150, 0);
    EXPECT_NO_THROW(ScrambleKey(keyString(unused), good));
}

} // namespace
