#pragma once

#include "clock.h"
#include "randomsource.h"
#include "screenpainter.h"
#include "services.h"
#include "soundplayer.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>

// The fakes of the interfaces that logic without widgets talks to.

// Records every file it is asked to play and answers with the codes it was given (0 when none
// are left).
class FakeSoundPlayer : public SoundPlayer
{
public:
    PlayResult play(const QString &wavPath) override
    {
        played.append(wavPath);
        if (whilePlaying)
            whilePlaying(wavPath);
        if (results.empty())
            return {};
        PlayResult r = results.front();
        results.pop_front();
        return r;
    }
    QStringList played;
    std::deque<PlayResult> results;
    // Runs while a sound plays, which blocks: to move a clock by the sound's length, or to see
    // what the screen showed meanwhile.
    std::function<void(const QString &wavPath)> whilePlaying;
};

// Hands out the numbers it was given, then repeats the last one.
class ScriptedRandom : public RandomSource
{
public:
    explicit ScriptedRandom(QList<double> values) : m_values(std::move(values)) {}
    double next() override
    {
        if (m_values.isEmpty())
            return 0.0;
        const double v = m_values.constFirst();
        if (m_values.size() > 1)
            m_values.removeFirst();
        return v;
    }

private:
    QList<double> m_values;
};

// Stands in for the widget that paints a logic object's view: counts the paints asked for and
// runs `duringPaint` inside each, to see what the view held at that moment.
class FakeScreenPainter : public ScreenPainter
{
public:
    void paintNow() override
    {
        ++paints;
        if (duringPaint)
            duringPaint();
    }
    int paints = 0;
    std::function<void()> duringPaint;
};

// The services a whole program runs on in a test: a clock that moves only when told to (on a
// fixed school day), a seeded random source and a player that plays nothing.
struct FakeServices
{
    ManualClock clock{QDateTime(QDate(2026, 12, 9), QTime(10, 0))};
    SeededRandom random{1};
    FakeSoundPlayer player;

    Services services() { return Services{clock, random, player}; }
};
