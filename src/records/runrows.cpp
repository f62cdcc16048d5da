#include "runrows.h"

void RunRows::reset(const char *records, std::int64_t recordCount)
{
    m_records = records;
    m_recordCount = recordCount;
    m_skipped.clear();
}

void RunRows::stopAt(std::int64_t recordCount)
{
    m_recordCount = recordCount;
}

std::int64_t RunRows::recordNumber(std::int64_t i) const
{
    // Before the j-th skipped record lie m_skipped[j] - j rows, a count that never decreases;
    // row i comes after every skipped record with at most i rows before it.
    std::size_t lo = 0;
    std::size_t hi = m_skipped.size();
    while (lo < hi) {
        const std::size_t mid = lo + (hi - lo) / 2;
        if (m_skipped[mid] - static_cast<std::int64_t>(mid) <= i)
            lo = mid + 1;
        else
            hi = mid;
    }
    return i + static_cast<std::int64_t>(lo) + 1;
}

RunRow RunRows::operator[](std::int64_t i) const
{
    return RunRecord::decodeRow(m_records + (recordNumber(i) - 1) * RunRecord::kSize);
}
