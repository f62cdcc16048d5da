#pragma once

#include "question.h"

#include <QString>

#include <cstdint>
#include <optional>

class QuestionBank;

// How the answer log names a question: its group, its line in the question file and a short hash
// of its name, so that a question file that was re-ordered or edited since does not put one
// figure's answers on another.
namespace questionidentity {

// The first 4 bytes of the SHA-1 of the name in Shift-JIS, read as a little-endian number.
std::uint32_t nameHash(const QString &name);

// The question the answer log names: the row at `line` when its group and name hash match;
// otherwise the first row of the group whose name has that hash (the file was re-ordered);
// otherwise nothing (the figure is no longer in the file). Rows whose year cannot be read count
// with year 0.
std::optional<Question> find(const QuestionBank &bank, int group, int line, std::uint32_t hash);

} // namespace questionidentity
