#include "gradelabels.h"

namespace gradelabels {

namespace {
constexpr char16_t kFullWidthDigitOne = u'１';
} // namespace

int gradeNumber(int schoolYear, int birthYear)
{
    return schoolYear - birthYear - 6;
}

std::optional<QString> fullWidthLabel(int grade)
{
    auto label = [](char16_t stage, int year) {
        return QString(QChar(stage)) + QChar(static_cast<char16_t>(kFullWidthDigitOne + year - 1));
    };
    if (grade == 0)
        return label(u'幼', 3);
    if (grade >= 1 && grade <= 6)
        return label(u'小', grade);
    if (grade >= 7 && grade <= 9)
        return label(u'中', grade - 6);
    if (grade == 10)
        return label(u'高', 1);
    return std::nullopt;
}

QString listLabel(int grade)
{
    auto label = [](char16_t stage, int year) { return QString(QChar(stage)) + QString::number(year); };
    if (grade < -2)
        return QStringLiteral("幼-");
    if (grade <= 0)
        return label(u'幼', grade + 3);
    if (grade <= 6)
        return label(u'小', grade);
    if (grade <= 9)
        return label(u'中', grade - 6);
    if (grade <= 12)
        return label(u'高', grade - 9);
    return QStringLiteral("大+");
}

} // namespace gradelabels
