#pragma once

#include "question.h"

#include <QList>
#include <QString>

// Questions 1 to n of one group with texts that name their number ("人物3", "よみ3", "説明3",
// "補足3") and years firstYear + step × number, so every year differs.
inline QList<Question> numberedQuestions(int n, int firstYear = 500, int step = 37, std::int16_t group = 1)
{
    QList<Question> questions;
    for (int i = 1; i <= n; ++i) {
        Question q;
        q.group = group;
        q.year = static_cast<std::int16_t>(firstYear + step * i);
        q.name = QStringLiteral("人物%1").arg(i);
        q.nameSub = QStringLiteral("よみ%1").arg(i);
        q.explain = QStringLiteral("説明%1").arg(i);
        q.explainSub = QStringLiteral("補足%1").arg(i);
        questions.append(q);
    }
    return questions;
}
