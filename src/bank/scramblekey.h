#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

// The pair of swap tables that hides the question file's text. Each table is built from a key
// string of 396 decimal digits: entry i is the two-digit number at characters 2i+1 and 2i+2, so
// entries 0 to 197 come from the string and entry 198 is empty (0). Only entries 1 to 99 are
// used, each a character position from 1 to 99.
//
// Unscrambling swaps the characters at positions swapA(i) and swapB(i) for i from 99 down to 1;
// scrambling makes the same swaps for i from 1 up to 99, so each undoes the other. Positions count
// characters of the decoded text (a full-width character is one position), from 1.
class ScrambleKey
{
public:
    static constexpr int kKeyLength = 396;
    static constexpr int kEntryCount = 199;
    static constexpr int kSwapCount = 99;

    // Throws std::invalid_argument when a string is not 396 digits or a used entry is not 01 to 99.
    ScrambleKey(QStringView keyA, QStringView keyB);

    // The key this program's question files are scrambled with.
    static const ScrambleKey &program();

    // Entry i (0 to 198) of either table; 0 outside.
    int swapA(int i) const;
    int swapB(int i) const;

    // The largest position the swaps touch: every stored and plain line must be at least this long.
    int requiredLength() const { return m_requiredLength; }

    // Nothing when the line is shorter than requiredLength(); the line is otherwise returned with
    // its characters moved and its length unchanged.
    std::optional<QString> scramble(QString plainLine) const;
    std::optional<QString> unscramble(QString storedLine) const;

private:
    std::array<int, kEntryCount> m_a{};
    std::array<int, kEntryCount> m_b{};
    int m_requiredLength = 0;
};
