#pragma once

#include "clock.h"
#include "messagepresenter.h"
#include "randomsource.h"
#include "services.h"
#include "soundplayer.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>

// Records every file it is asked to play and answers with the codes it was given (0 when none
// are left).
class FakeSoundPlayer : public SoundPlayer
{
public:
    PlayResult play(const QString &wavPath) override
    {
        played.append(wavPath);
        if (results.empty())
            return {};
        PlayResult r = results.front();
        results.pop_front();
        return r;
    }
    QStringList played;
    std::deque<PlayResult> results;
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

struct ShownMessage
{
    MessagePresenter::Icon icon;
    QString title;
    QString text;
};

class FakeMessagePresenter : public MessagePresenter
{
public:
    // Keeps the message; `whileShowing` runs then, as ticks would while a real box is up.
    void show(Icon icon, const QString &title, const QString &text, QWidget * = nullptr) override
    {
        shown.append({icon, title, text});
        if (whileShowing)
            whileShowing();
    }
    // Keeps the question and gives `answer`; `whileAsking` runs first, as ticks or clicks would
    // while a real question waits.
    bool ask(const QString &title, const QString &text, Answer byDefault, QWidget * = nullptr) override
    {
        asked.append({Icon::Information, title, text});
        askedDefaults.append(byDefault);
        if (whileAsking)
            whileAsking();
        return answer;
    }
    QList<ShownMessage> shown;
    QList<ShownMessage> asked;
    QList<Answer> askedDefaults; // the default answer of each question asked
    bool answer = true;
    std::function<void()> whileAsking;
    std::function<void()> whileShowing;
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
