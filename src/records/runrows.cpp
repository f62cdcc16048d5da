#include "runrows.h"

void RunRows::reset(std::int64_t capacity)
{
    m_held.clear();
    m_oldest = 0;
    m_capacity = capacity;
}
