#include "gradefilter.h"

#include <array>

namespace {

const std::array<QString, 6> &primaryLabels()
{
    static const std::array<QString, 6> labels{QStringLiteral("小１"), QStringLiteral("小２"), QStringLiteral("小３"),
                                               QStringLiteral("小４"), QStringLiteral("小５"), QStringLiteral("小６")};
    return labels;
}

const std::array<QString, 3> &secondaryLabels()
{
    static const std::array<QString, 3> labels{QStringLiteral("中１"), QStringLiteral("中２"), QStringLiteral("中３")};
    return labels;
}

} // namespace

QString GradeMark(int grade)
{
    static const std::array<QString, 9> marks{QStringLiteral("①"), QStringLiteral("②"), QStringLiteral("③"), QStringLiteral("④"), QStringLiteral("⑤"),
                                              QStringLiteral("⑥"), QStringLiteral("Ⅰ"), QStringLiteral("Ⅱ"), QStringLiteral("Ⅲ")};
    if (grade >= 1 && grade <= 9)
        return marks[static_cast<std::size_t>(grade - 1)];
    return QStringLiteral("　");
}

bool GradePasses(int grade, const QString &filter)
{
    if (filter == QStringLiteral("全学年") || filter == QStringLiteral("家族"))
        return true;
    if (filter == QStringLiteral("小学生全体"))
        return grade >= 1 && grade <= 6;
    if (filter == QStringLiteral("中学生全体"))
        return grade >= 7 && grade <= 9;
    for (std::size_t i = 0; i < primaryLabels().size(); ++i) {
        if (filter == primaryLabels()[i])
            return grade == static_cast<int>(i) + 1;
    }
    for (std::size_t i = 0; i < secondaryLabels().size(); ++i) {
        if (filter == secondaryLabels()[i])
            return grade == static_cast<int>(i) + 7;
    }
    return false;
}

QStringList gradeFilterChoices()
{
    return {QStringLiteral("全学年"), QStringLiteral("中学生全体"), QStringLiteral("小学生全体"), QStringLiteral("中３"), QStringLiteral("中２"), QStringLiteral("中１"),
            QStringLiteral("小６"),   QStringLiteral("小５"),       QStringLiteral("小４"),       QStringLiteral("小３"), QStringLiteral("小２"), QStringLiteral("小１")};
}
