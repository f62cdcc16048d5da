#include "weakfigures.h"

#include "clock.h"
#include "oadate.h"

#include <algorithm>
#include <bit>

namespace {

void setBit(std::vector<std::uint64_t> &bits, int n)
{
    bits[static_cast<std::size_t>(n) / 64] |= std::uint64_t{1} << (static_cast<unsigned>(n) % 64);
}

int bitCount(const std::vector<std::uint64_t> &bits)
{
    int n = 0;
    for (const std::uint64_t w : bits)
        n += std::popcount(w);
    return n;
}

} // namespace

WeakFilter WeakFilter::pupilRange(int first, int last)
{
    WeakFilter f;
    for (int p = std::max(first, 1); p <= std::min(last, kMaxPupil); ++p)
        f.pupils.push_back(p);
    return f;
}

bool missedBefore(const WeakFigure &a, const WeakFigure &b)
{
    if (a.missed() != b.missed())
        return a.missed() > b.missed();
    // a.pupilsMissed / a.pupilsSeen against b's, without rounding.
    const std::int64_t shareA = std::int64_t{a.pupilsMissed} * b.pupilsSeen;
    const std::int64_t shareB = std::int64_t{b.pupilsMissed} * a.pupilsSeen;
    if (shareA != shareB)
        return shareA > shareB;
    return a.key.packed() < b.key.packed();
}

WeakFigures::WeakFigures(const WeakFilter &filter, double today)
    : m_pupilsCounted(kWords, 0)
{
    if (!filter.pupils.empty()) {
        m_pupils.assign(kMaxPupil + 1, false);
        for (const int p : filter.pupils) {
            if (p >= 1 && p <= kMaxPupil)
                m_pupils[static_cast<std::size_t>(p)] = true;
        }
    }
    if (!filter.levels.empty()) {
        m_levels.assign(kLevelSlots, false);
        for (const int l : filter.levels) {
            if (l >= 1 && l < kLevelSlots)
                m_levels[static_cast<std::size_t>(l)] = true;
        }
    }
    m_firstDay = filter.days > 0 ? today - (filter.days - 1) : -1.0e300;
}

void WeakFigures::add(const AnswerRow &row)
{
    if (!answerlog::isListedAnswer(row))
        return;
    if (!m_pupils.empty() && !m_pupils[static_cast<std::size_t>(row.pupil)])
        return;
    if (!m_levels.empty() && !m_levels[static_cast<std::size_t>(row.level)])
        return;
    // A record's date is a whole day number; its time of day is apart.
    if (row.date < m_firstDay)
        return;

    const QuestionKey key = QuestionKey::of(row);
    const auto [it, added] = m_index.try_emplace(key.packed(), m_entries.size());
    if (added)
        m_entries.push_back(Entry{WeakFigure{key, 0, 0, 0, 0, 0}, std::vector<std::uint64_t>(kWords, 0),
                                  std::vector<std::uint64_t>(kWords, 0)});
    Entry &e = m_entries[it->second];
    e.figure.wrongChoices += std::max<int>(row.wrongChoices, 0);
    e.figure.wrongYears += std::max<int>(row.wrongYears, 0);
    ++e.figure.timesSeen;
    setBit(e.seen, row.pupil);
    if (row.wrongChoices > 0 || row.wrongYears > 0)
        setBit(e.missed, row.pupil);
    setBit(m_pupilsCounted, row.pupil);
    ++m_rows;
}

std::vector<WeakFigure> WeakFigures::figures() const
{
    std::vector<WeakFigure> out;
    out.reserve(m_entries.size());
    for (const Entry &e : m_entries) {
        WeakFigure f = e.figure;
        f.pupilsSeen = bitCount(e.seen);
        f.pupilsMissed = bitCount(e.missed);
        out.push_back(f);
    }
    return out;
}

std::vector<WeakFigure> WeakFigures::missedMost(int top) const
{
    std::vector<WeakFigure> all = figures();
    std::erase_if(all, [](const WeakFigure &f) { return f.missed() == 0; });
    std::sort(all.begin(), all.end(), missedBefore);
    if (top > 0 && all.size() > static_cast<std::size_t>(top))
        all.resize(static_cast<std::size_t>(top));
    return all;
}

int WeakFigures::pupilsCounted() const
{
    return bitCount(m_pupilsCounted);
}

std::optional<WeakFigures> ReadWeakFigures(const Folders &folders, const WeakFilter &filter, const Clock &clock,
                                           const RecordCallbacks &callbacks, QString *problem)
{
    WeakFigures figures(filter, oadate::fromDate(clock.now().date()));
    if (!answerlog::readEveryAnswer(folders, [&](const AnswerRow &row) { figures.add(row); }, callbacks, problem))
        return std::nullopt;
    return figures;
}
