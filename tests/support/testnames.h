#pragma once

// Names for the cases of parameterised tests, so ctest and failure reports say which case ran
// ("Cases/RunScoreTable.FollowsTheFormulaAndItsSteps/time_50_pass_100") instead of an index.
// GoogleTest accepts only ASCII letters, digits and underscores in a case name and stops the
// test program when two cases of a suite share one, so every name goes through fromText and
// each suite builds its names from the fields that tell its cases apart.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <sstream>
#include <string>
#include <string_view>

namespace testname {

// Any UTF-8 text as a valid name: ASCII letters and digits are kept, a minus sign opening a
// number becomes "minus" and a point between digits "p" (so -5 and 1.5 stay readable as minus5 and
// 1p5), each other character is written as its code point ("uFF11" for a full-width 1), and
// runs of anything else become one underscore. Text with nothing left in it is "empty".
inline std::string fromText(std::string_view text)
{
    const auto isDigit = [](char ch) { return ch >= '0' && ch <= '9'; };
    const auto isAsciiAlnum = [&](char ch) { return isDigit(ch) || (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z'); };
    std::string out;
    const auto separate = [&out] {
        if (!out.empty() && out.back() != '_')
            out += '_';
    };
    for (std::size_t i = 0; i < text.size();) {
        const char ch = text[i];
        const bool digitFollows = i + 1 < text.size() && isDigit(text[i + 1]);
        if (isAsciiAlnum(ch)) {
            out += ch;
            ++i;
        } else if (ch == '-' && digitFollows && (i == 0 || !isAsciiAlnum(text[i - 1]))) {
            separate();
            out += "minus";
            ++i;
        } else if (ch == '.' && digitFollows && !out.empty() && isDigit(out.back())) {
            out += 'p';
            ++i;
        } else if (static_cast<unsigned char>(ch) >= 0x80) {
            // One UTF-8 sequence: its lead byte says how many continuation bytes follow.
            const auto lead = static_cast<unsigned char>(ch);
            const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
            std::uint32_t codePoint = length == 4 ? lead & 0x07U : length == 3 ? lead & 0x0FU : lead & 0x1FU;
            for (std::size_t k = 1; k < length && i + k < text.size(); ++k)
                codePoint = (codePoint << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3FU);
            char written[16];
            std::snprintf(written, sizeof written, "u%04X", static_cast<unsigned>(codePoint));
            separate();
            out += written;
            out += '_';
            i += length;
        } else {
            separate();
            ++i;
        }
    }
    while (!out.empty() && out.back() == '_')
        out.pop_back();
    return out.empty() ? std::string("empty") : out;
}

// The parts written one after another and joined by underscores: of("time", 50, "pass", -5)
// is "time_50_pass_minus5". Booleans are written true/false.
template <typename... Parts>
std::string of(const Parts &...parts)
{
    std::string name;
    const auto add = [&name](const auto &part) {
        std::ostringstream written;
        written << std::boolalpha << part;
        if (!name.empty())
            name += '_';
        name += fromText(written.str());
    };
    (add(parts), ...);
    return name;
}

// Generator for INSTANTIATE_TEST_SUITE_P whose cases carry a `name` field.
struct ByName
{
    template <typename Case>
    std::string operator()(const testing::TestParamInfo<Case> &info) const
    {
        return fromText(info.param.name);
    }
};

// Generator naming each case by nameOf(case), for tables whose fields already tell the cases
// apart: INSTANTIATE_TEST_SUITE_P(Cases, X, values, testname::from([](const XCase &c) {...})).
template <typename NameOf>
auto from(NameOf nameOf)
{
    return [nameOf](const auto &info) { return fromText(nameOf(info.param)); };
}

} // namespace testname
