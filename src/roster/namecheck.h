#pragma once

#include "namechange.h"

#include <QString>

#include <optional>
#include <vector>

// The rules the name-change screen's boxes must keep before anything is written: every name and
// every birth year is checked, so that nothing is cut, guessed or stored as 0 without a word.
namespace namecheck {

// Which box is at fault and the message that names it and its rule.
struct BoxProblem
{
    int row = 0; // 1 to 3, as the boxes are shown
    bool birthYear = false; // the birth-year box, else the name box
    QString message;
};

// The longest name the roster holds, in characters.
inline constexpr int kMaxNameLength = 20;

// The first box, in screen order (name, then birth year, row by row), that breaks its rule:
// - a name must not be empty, must have at most kMaxNameLength characters once surrounding
//   blanks are dropped, and must hold only characters the roster's code page can store;
// - a birth year is empty (stored as 0, the year of staff, who show no grade) or one to four
//   digits (full-width digits count), blanks around it allowed.
std::optional<BoxProblem> firstProblem(const std::vector<namechange::Boxes> &boxes);

} // namespace namecheck
