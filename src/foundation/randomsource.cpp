#include "randomsource.h"

#include <chrono>

SeededRandom::SeededRandom()
{
    reseedFromClock();
}

SeededRandom::SeededRandom(std::uint64_t seed)
    : m_engine(seed)
{
}

double SeededRandom::next()
{
    double r = m_uniform(m_engine);
    return r >= 1.0 ? 0.0 : r;
}

void SeededRandom::reseedFromClock()
{
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    m_engine.seed(static_cast<std::uint64_t>(ticks));
}
