// From a click on the correct year to the next question's cover painted, sounds excluded: the
// judging, the next question's draws, the render of the whole drill screen and its paint.
#include "clock.h"
#include "fakedrillhost.h"
#include "fakes.h"
#include "pupilsession.h"
#include "testinstallation.h"
#include "drillscreen.h"
#include "randomsource.h"
#include "soundeffects.h"
#include "soundtable.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

void BM_CorrectYearToNextCoverPainted(benchmark::State &state)
{
    const Installation app = catalogueInstallation(150, 240);
    PupilSession session;
    session.runLevel = 2;
    session.pupilName = QStringLiteral("山田太郎");
    ManualClock clock(QDateTime(QDate(2026, 12, 9), QTime(10, 0)));
    SeededRandom random(1);
    SoundTable table;
    FakeSoundPlayer player;
    SoundEffects sounds(table, QStringLiteral("/snd/"), player, random, [](const QString &, const QString &) {});
    FakeDrillHost handOver;
    FakeMessagePresenter messages;
    DrillScreen screen(app, session, clock, random, sounds, handOver, messages);
    screen.resize(1024, 768);
    screen.show();

    QList<Question> questions;
    for (int i = 1; i <= 20; ++i)
        questions.append({1, static_cast<std::int16_t>(500 + 60 * i), QStringLiteral("人物%1").arg(i),
                          QStringLiteral("じんぶつ%1").arg(i), QStringLiteral("国ごとに寺を建てさせた%1").arg(i),
                          QStringLiteral("奈良時代%1").arg(i)});
    screen.startRun(questions, RunHistory{});
    QApplication::processEvents();

    for (auto _ : state) {
        state.PauseTiming();
        // A fresh question answered correctly, its timeline uncovered: the year stage is open.
        DrillRun &run = screen.run();
        // The last question of a run is followed by the end of the run, not by a next question.
        if (run.view().remaining == QStringLiteral("1")) {
            screen.startRun(questions, RunHistory{});
        }
        run.coverTimerFired();
        run.chooseChoice(run.answerChoice());
        run.yearCoverTimerFired();
        screen.render();
        QApplication::processEvents();
        int k = 0;
        for (; k < DrillView::kYears; ++k) {
            if (run.view().yearTexts.at(static_cast<std::size_t>(k)).trimmed().toInt()
                == run.question(run.currentQuestion()).year)
                break;
        }
        state.ResumeTiming();

        run.chooseYear(k);
        screen.render();
        screen.repaint();
        benchmark::DoNotOptimize(screen.cover()->isVisible());
    }
}
BENCHMARK(BM_CorrectYearToNextCoverPainted)->Unit(benchmark::kMillisecond)->Iterations(200);

} // namespace
