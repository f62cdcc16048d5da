#include "runscore.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr std::int32_t kFirstUnscoredTime = 99998;

// The number written by the first three characters of t in decimal; the minus sign of a
// negative t is one of them.
std::int64_t firstThreeCharacters(std::int64_t t)
{
    if (t >= 0) {
        while (t >= 1000)
            t /= 10;
    } else {
        while (t <= -100)
            t /= 10;
    }
    return t;
}

std::int32_t toInt32Floor(double v)
{
    constexpr double lo = std::numeric_limits<std::int32_t>::min();
    constexpr double hi = std::numeric_limits<std::int32_t>::max();
    if (std::isnan(v))
        return 0;
    return static_cast<std::int32_t>(std::floor(std::clamp(v, lo, hi)));
}

} // namespace

int RunScore(std::int32_t resultTime, std::int32_t passTime, ScoreDigits digits)
{
    const std::int64_t t = resultTime;
    const std::int64_t p = passTime;
    // A level without a pass time has nothing to score against; the formula would divide by 0.
    if (t >= kFirstUnscoredTime || p <= 0)
        return 0;
    if (t <= p) {
        const std::int64_t d = digits == ScoreDigits::FirstThree ? firstThreeCharacters(t) : t;
        const double x = static_cast<double>(p - d) / static_cast<double>(p);
        return toInt32Floor(x * x * x * 50.0 + 5.0);
    }
    if (t < 2 * p)
        return 4;
    if (t < 10 * p)
        return 1;
    return 0;
}

std::int32_t RunPoints(int score, float levelWeight)
{
    const float product = static_cast<float>(score) * levelWeight;
    return toInt32Floor(static_cast<double>(product));
}
