#pragma once

#include <QString>

#include <optional>

// School grades of the roster. A pupil's grade number is D = schoolYear − birthYear − 6, so that
// D = 1 is the first year of primary school, 0 the last year of kindergarten and 7 the first
// year of middle school.
namespace gradelabels {

int gradeNumber(int schoolYear, int birthYear);

// The full-width label the results screens show ("幼３", "小１".."小６", "中１".."中３", "高１");
// nothing for grades outside 0 to 10.
std::optional<QString> fullWidthLabel(int grade);

// The two-character label of the start screen's list, defined for every grade: "幼-" below −2,
// "幼1", "幼2", "幼3", "小1".."小6", "中1".."中3", "高1".."高3", and "大+" above 12.
QString listLabel(int grade);

// List labels of kindergarten grades start with this character; their lines are padded wider.
inline constexpr char16_t kKindergartenMark = u'幼';

} // namespace gradelabels
