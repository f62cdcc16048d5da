#pragma once

#include <cstdint>
#include <random>

// Uniform random numbers in [0, 1). Rules draw through this so that tests can fix the sequence.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;

    // A choice among 1 to n: Int(n × r + 1).
    int choose(int n) { return static_cast<int>(n * next() + 1.0); }

    // Called as each run starts, so that runs do not repeat one another. A source with a fixed
    // sequence (tests) keeps it.
    virtual void reseedFromClock() {}
};

// The program's generator: seeded from the clock when a screen loads, or fixed in tests.
class SeededRandom : public RandomSource
{
public:
    SeededRandom();
    explicit SeededRandom(std::uint64_t seed);
    double next() override;
    void reseedFromClock() override;

private:
    std::mt19937_64 m_engine;
    std::uniform_real_distribution<double> m_uniform{0.0, 1.0};
};
