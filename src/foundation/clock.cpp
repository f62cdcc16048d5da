#include "clock.h"

#include <chrono>
#include <cmath>

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}

double SystemClock::monotonicSeconds() const
{
    const auto t = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration<double>(t).count();
}

void ManualClock::advance(double seconds)
{
    m_monotonic += seconds;
    m_now = m_now.addMSecs(static_cast<qint64>(std::llround(seconds * 1000.0)));
}
