#pragma once

#include <QDateTime>

// Time as the program sees it. Run times come from the monotonic reading, so a run across
// midnight or a clock change is timed correctly; dates and times of day for records and
// statistics come from now().
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    // Seconds from an arbitrary fixed origin; never goes backwards.
    virtual double monotonicSeconds() const = 0;
};

class SystemClock : public Clock
{
public:
    QDateTime now() const override;
    double monotonicSeconds() const override;
};

// A clock that stands still until told to move; for tests and for the teachers' tool.
class ManualClock : public Clock
{
public:
    explicit ManualClock(QDateTime now = {}) : m_now(std::move(now)) {}
    QDateTime now() const override { return m_now; }
    double monotonicSeconds() const override { return m_monotonic; }

    void setNow(const QDateTime &now) { m_now = now; }
    void advance(double seconds);

private:
    QDateTime m_now;
    double m_monotonic = 1000.0;
};
