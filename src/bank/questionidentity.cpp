#include "questionidentity.h"

#include "questionbank.h"
#include "questionline.h"
#include "sjis.h"

#include <QCryptographicHash>

namespace questionidentity {

namespace {

Question rowAt(const QuestionBank &bank, int row, int group)
{
    Question q;
    q.group = group;
    q.year = questionline::yearOf(bank.cell(row, questionline::kYearColumn)).value_or(0);
    q.name = bank.cell(row, 4);
    q.nameSub = bank.cell(row, 5);
    q.explain = bank.cell(row, 6);
    q.explainSub = bank.cell(row, 7);
    q.line = row;
    return q;
}

bool matches(const QuestionBank &bank, int row, int group, std::uint32_t hash)
{
    return questionline::groupOf(bank.cell(row, questionline::kGroupColumn)) == group
        && nameHash(bank.cell(row, 4)) == hash;
}

} // namespace

std::uint32_t nameHash(const QString &name)
{
    const QByteArray digest = QCryptographicHash::hash(sjis::encode(name), QCryptographicHash::Sha1);
    const auto *b = reinterpret_cast<const unsigned char *>(digest.constData());
    return static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8)
         | (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
}

std::optional<Question> find(const QuestionBank &bank, int group, int line, std::uint32_t hash)
{
    if (line >= 1 && line <= bank.rowCount() && matches(bank, line, group, hash))
        return rowAt(bank, line, group);
    for (int row = 1; row <= bank.rowCount(); ++row) {
        if (matches(bank, row, group, hash))
            return rowAt(bank, row, group);
    }
    return std::nullopt;
}

} // namespace questionidentity
