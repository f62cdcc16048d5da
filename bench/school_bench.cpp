// The screens at a large school (2,000 listed pupils, a run log of 1,000,000 records), driven
// through the real program on the offscreen platform. Each benchmark times an input up to the
// moment the screen that shows its result has been painted.
#include "largeschool.h"
#include "levelscreen.h"
#include "program.h"
#include "realservices.h"
#include "schoolscreens.h"
#include "screenflow.h"
#include "silentpresenter.h"
#include "startscreen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Written into a temporary folder, or into TAVREL_SCHOOL_ROOT when that is set, where a run log
// already written is used again (as bench/startup_compare.sh does).
struct School
{
    QTemporaryDir dir;
    QString program = largeschool::write(qEnvironmentVariableIsEmpty("TAVREL_SCHOOL_ROOT")
                                             ? dir.path()
                                             : qEnvironmentVariable("TAVREL_SCHOOL_ROOT"));
};

RealServices &realServices()
{
    static RealServices services;
    return services;
}

School &theSchool()
{
    static const auto school = std::make_unique<School>();
    return *school;
}

bool inside(const QWidget *widget, const QWidget *window)
{
    return widget->window() == window;
}

bool isListOf(const QWidget *widget, const QWidget *window)
{
    return inside(widget, window) && qobject_cast<const QAbstractItemView *>(widget->parentWidget());
}

// The program started once on the school, its start screen up.
struct Running
{
    SilentPresenter messages;
    std::unique_ptr<Program> program;

    bool start()
    {
        program = std::make_unique<Program>(theSchool().program, realServices().services(), messages);
        if (program->start() != 0)
            return false;
        paintAfter([] {});
        return program->startScreen()->list()->count() == largeschool::kPupils + 1;
    }

    StartScreen *startScreen() const { return program->startScreen(); }
    LevelScreen *levelScreen() const { return program->flow()->levelScreen(); }

    // Pupil 1 chosen and confirmed: the level screen up.
    bool toLevelScreen()
    {
        startScreen()->chooseRow(1);
        paintAfter([this] { startScreen()->okButton()->click(); });
        return levelScreen() && levelScreen()->isVisible();
    }

    void backToStart()
    {
        paintAfter([this] { levelScreen()->backToStart(); });
    }
};

void BM_StartupToListPainted(benchmark::State &state)
{
    if (theSchool().program.isEmpty()) {
        state.SkipWithError("the school could not be written");
        return;
    }
    for (auto _ : state) {
        SilentPresenter messages;
        auto p = std::make_unique<Program>(theSchool().program, realServices().services(), messages);
        if (p->start() != 0) {
            state.SkipWithError(messages.last.toStdString().c_str());
            break;
        }
        {
            // Until the list has been painted with every pupil in it.
            QListWidget *list = p->startScreen()->list();
            PaintCounter listPaints([list](const QWidget *w) { return w->parentWidget() == list && list->count() > 1; });
            while (listPaints.counted == 0)
                QApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        state.PauseTiming();
        p.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartupToListPainted)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_OkToLevelScreenPainted(benchmark::State &state)
{
    Running run;
    if (!run.start()) {
        state.SkipWithError("the program did not start");
        return;
    }
    for (auto _ : state) {
        run.startScreen()->chooseRow(1);
        const int listPaints = paintAfter([&run] { run.startScreen()->okButton()->click(); },
                                          [&run](const QWidget *w) { return run.levelScreen() && isListOf(w, run.levelScreen()); });
        state.PauseTiming();
        if (!run.levelScreen() || listPaints == 0) {
            state.SkipWithError("the level screen did not paint its lists");
            break;
        }
        run.backToStart();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OkToLevelScreenPainted)->Unit(benchmark::kMillisecond)->Iterations(10);

// "戻る(0)" on the level screen until the start screen has painted its list again.
void BM_BackToStartPainted(benchmark::State &state)
{
    Running run;
    if (!run.start()) {
        state.SkipWithError("the program did not start");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        if (!run.toLevelScreen()) {
            state.SkipWithError("the level screen did not open");
            break;
        }
        state.ResumeTiming();
        const int listPaints = paintAfter([&run] { run.levelScreen()->backToStart(); },
                                          [&run](const QWidget *w) { return isListOf(w, run.startScreen()); });
        if (listPaints == 0) {
            state.SkipWithError("the start screen did not paint its list");
            break;
        }
    }
}
BENCHMARK(BM_BackToStartPainted)->Unit(benchmark::kMillisecond)->Iterations(10);

// A list switch on the level screen, from the screen as it opens (points, ranking until now).
void levelSwitch(benchmark::State &state, const std::function<void(LevelScreen *)> &setup,
                 const std::function<void(LevelScreen *)> &input, const std::function<void(LevelScreen *)> &reset)
{
    Running run;
    if (!run.start() || !run.toLevelScreen()) {
        state.SkipWithError("the level screen did not open");
        return;
    }
    LevelScreen *screen = run.levelScreen();
    paintAfter([&] { setup(screen); });
    for (auto _ : state) {
        const int listPaints = paintAfter([&] { input(screen); }, [screen](const QWidget *w) { return isListOf(w, screen); });
        state.PauseTiming();
        if (listPaints == 0) {
            state.SkipWithError("the lists were not painted");
            break;
        }
        paintAfter([&] { reset(screen); });
        state.ResumeTiming();
    }
}

void BM_LevelScreenTimeDisplay(benchmark::State &state)
{
    levelSwitch(
        state, [](LevelScreen *) {}, [](LevelScreen *s) { s->chooseDisplayMode(DisplayMode::Time); },
        [](LevelScreen *s) { s->chooseDisplayMode(DisplayMode::Points); });
}
BENCHMARK(BM_LevelScreenTimeDisplay)->Unit(benchmark::kMillisecond)->Iterations(20);

// "すべて" in the time display: every run of the last 3650 days among the newest 20,000.
void BM_LevelScreenAllRuns(benchmark::State &state)
{
    levelSwitch(
        state, [](LevelScreen *s) { s->chooseDisplayMode(DisplayMode::Time); },
        [](LevelScreen *s) { s->chooseList(ListChoice::All); }, [](LevelScreen *s) { s->chooseList(ListChoice::First); });
}
BENCHMARK(BM_LevelScreenAllRuns)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_StartScreenModeSwitch(benchmark::State &state)
{
    Running run;
    if (!run.start()) {
        state.SkipWithError("the program did not start");
        return;
    }
    StartScreen *screen = run.startScreen();
    int mode = 0;
    for (auto _ : state) {
        const int listPaints = paintAfter([&] { screen->modeButton(static_cast<FigureMode>(mode))->click(); },
                                          [screen](const QWidget *w) { return isListOf(w, screen); });
        if (listPaints == 0) {
            state.SkipWithError("the list was not painted");
            break;
        }
        mode = mode == 0 ? 1 : 0;
    }
}
BENCHMARK(BM_StartScreenModeSwitch)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace
