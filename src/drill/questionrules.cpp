#include "questionrules.h"

#include "randomsource.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace questionrules {

int maxDistractorUse(int questionCount)
{
    if (questionCount > 9)
        return 1;
    const int others = questionCount - 1;
    if (others <= 0)
        return 0;
    return std::max(2, (9 + others - 1) / others);
}

QList<int> drawDistractors(int questionCount, int current, RandomSource &random)
{
    QList<int> chosen;
    const int maxUse = maxDistractorUse(questionCount);
    std::vector<int> use(static_cast<std::size_t>(std::max(questionCount, 0)) + 1, 0);
    for (int slot = 1; slot <= 9; ++slot) {
        if (maxUse == 0) {
            chosen.append(0);
            continue;
        }
        int j = 0;
        do {
            j = random.choose(questionCount);
        } while (j == current || use[static_cast<std::size_t>(j)] >= maxUse);
        ++use[static_cast<std::size_t>(j)];
        chosen.append(j);
    }
    return chosen;
}

QString yearText(int year)
{
    return (QStringLiteral("    ") + QString::number(year)).right(4);
}

QStringList drawCandidateYears(int y, RandomSource &random)
{
    QStringList years;
    for (int i = 0; i < 4; ++i) {
        int far = 0;
        do {
            far = static_cast<int>(std::floor(random.next() * 2000.0));
        } while (!(far < y - 100 || far > y + 100));
        years.append(yearText(far));
    }
    int near = 0;
    do {
        near = static_cast<int>(std::floor(random.next() * 200.0 - 100.0)) + y;
    } while (std::abs(near - y) <= 20);
    years.append(yearText(near));
    years.append(yearText(y));
    sortYearTexts(years);
    return years;
}

void sortYearTexts(QStringList &texts)
{
    // Places: 0 for the years 0 to 99, 1 for negative years, 2 from 100 on. Within a place the
    // right-aligned texts compare as texts, which for negative years is by distance from 0
    // once the one-digit ones are padded like the others.
    const auto key = [](const QString &text) {
        const QString t = text.trimmed();
        if (t.startsWith(u'-'))
            return std::pair{1, t.mid(1).rightJustified(4, u' ')};
        return std::pair{t.size() <= 2 ? 0 : 2, text};
    };
    std::stable_sort(texts.begin(), texts.end(), [&](const QString &a, const QString &b) { return key(a) < key(b); });
}

} // namespace questionrules
