#include "scramblekey.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>

namespace {

// This program's own pair. Entries 1 to 99 of each are a permutation of 1 to 99, and the two
// never name the same position for one i, so every swap moves two characters. Changing either
// string makes every question file already issued unreadable.
constexpr char16_t kProgramKeyA[] =
    u"92732380454958406716382703522439195620892126658807846870933292135479724482426914064712761195"
    u"34187808314686601041629615877775484383558504903517306694362298050902502957535964377161975125"
    u"74810199639133281409155603964665358255844342607899990371876512855240582571197739989946973478"
    u"91540874722105335261796530723380230683997738857469397474843736186768741152221424567814023612"
    u"3260042253953005640661958735";
constexpr char16_t kProgramKeyB[] =
    u"09873857552201758372174635653356770827209334664380053994616709194124371678116284917158506889"
    u"82214506520264690329740785107023254936972896260498535188864015126344904795311418489932541373"
    u"81599230604279769094718218348457040431921643777835128491584435835732724207711618610433851738"
    u"90491482965151625723669673288242239516226480067124674016639681033276889397752610704874252689"
    u"5549308889752863804095499132";

std::array<int, ScrambleKey::kEntryCount> buildTable(QStringView key, const char *which)
{
    if (key.size() != ScrambleKey::kKeyLength)
        throw std::invalid_argument(std::string("scramble key ") + which + " is not 396 characters long");
    std::array<int, ScrambleKey::kEntryCount> table{};
    for (int i = 0; 2 * i + 1 < key.size(); ++i) {
        const QChar tens = key[2 * i];
        const QChar units = key[2 * i + 1];
        if (tens < u'0' || tens > u'9' || units < u'0' || units > u'9')
            throw std::invalid_argument(std::string("scramble key ") + which + " holds a character that is not a digit");
        table[i] = (tens.unicode() - u'0') * 10 + (units.unicode() - u'0');
    }
    for (int i = 1; i <= ScrambleKey::kSwapCount; ++i) {
        if (table[i] < 1 || table[i] > ScrambleKey::kSwapCount)
            throw std::invalid_argument(std::string("scramble key ") + which + " names a position outside 01 to 99");
    }
    return table;
}

} // namespace

ScrambleKey::ScrambleKey(QStringView keyA, QStringView keyB)
    : m_a(buildTable(keyA, "A"))
    , m_b(buildTable(keyB, "B"))
{
    for (int i = 1; i <= kSwapCount; ++i)
        m_requiredLength = std::max({m_requiredLength, m_a[i], m_b[i]});
}

const ScrambleKey &ScrambleKey::program()
{
    static const ScrambleKey key{QStringView(kProgramKeyA), QStringView(kProgramKeyB)};
    return key;
}

int ScrambleKey::swapA(int i) const
{
    return (i >= 0 && i < kEntryCount) ? m_a[i] : 0;
}

int ScrambleKey::swapB(int i) const
{
    return (i >= 0 && i < kEntryCount) ? m_b[i] : 0;
}

std::optional<QString> ScrambleKey::scramble(QString plainLine) const
{
    if (plainLine.size() < m_requiredLength)
        return std::nullopt;
    QChar *text = plainLine.data();
    for (int i = 1; i <= kSwapCount; ++i)
        std::swap(text[m_a[i] - 1], text[m_b[i] - 1]);
    return plainLine;
}

std::optional<QString> ScrambleKey::unscramble(QString storedLine) const
{
    if (storedLine.size() < m_requiredLength)
        return std::nullopt;
    QChar *text = storedLine.data();
    for (int i = kSwapCount; i >= 1; --i)
        std::swap(text[m_a[i] - 1], text[m_b[i] - 1]);
    return storedLine;
}
