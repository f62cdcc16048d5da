#include "runrows.h"

#include <algorithm>

void RunRows::reset(std::int64_t capacity, std::int64_t records)
{
    m_held.clear();
    m_oldest = 0;
    m_capacity = capacity;
    // Room for what the log can give at once, instead of doubling up to it row by row.
    m_held.reserve(static_cast<std::size_t>(std::clamp<std::int64_t>(records, 0, capacity)));
}
