// Whole-process measurements that a benchmark inside one process cannot make: the wall time and
// memory of a start-up (library loading and font set-up included) and the memory after a run.
// bench/startup_compare.sh runs it; each mode exits as soon as its moment has come and prints
// nothing else but what is asked:
//   school_probe make <root>            writes the large school under root, prints its program folder
//   school_probe start <program folder> the program up to its start screen painted with the list
//   school_probe label                  the reference: a maximised window showing one Japanese label
//   school_probe run <program folder>   a whole test run of pupil 1 at level 2, answered right, up to
//                                       the result screen; prints the peak resident memory in KiB
#include "drillscreen.h"
#include "levelscreen.h"
#include "largeschool.h"
#include "program.h"
#include "realservices.h"
#include "resultscreen.h"
#include "schoolscreens.h"
#include "screenshow.h"
#include "screenflow.h"
#include "silentpresenter.h"
#include "startscreen.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <sys/resource.h>

#include <cstdio>
#include <cstring>

namespace {

// With TAVREL_PROBE_SMAPS naming a file, the process's memory map with the resident size of each
// mapping (/proc/self/smaps) is copied there at the measured moment: which libraries, font files
// and heaps the memory is made of.
void dumpMemoryMap()
{
    if (qEnvironmentVariableIsEmpty("TAVREL_PROBE_SMAPS"))
        return;
    QFile in(QStringLiteral("/proc/self/smaps"));
    QFile out(qEnvironmentVariable("TAVREL_PROBE_SMAPS"));
    if (in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly))
        out.write(in.readAll());
}

long peakKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The program on the folder, started as main starts it, its messages written to standard error.
struct StartedProgram
{
    explicit StartedProgram(const QString &programFolder)
        : program(programFolder, services.services(), messages)
    {
    }

    SilentPresenter messages{true};
    RealServices services;
    Program program;
};

int startUp(const QString &programFolder)
{
    StartedProgram started(programFolder);
    Program &program = started.program;
    if (program.start() != 0)
        return 1;
    QListWidget *list = program.startScreen()->list();
    PaintCounter listPaints([list](const QWidget *w) { return w->parentWidget() == list && list->count() > 1; });
    while (listPaints.counted == 0)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    dumpMemoryMap();
    return 0;
}

int label()
{
    QWidget window;
    auto *text = new QLabel(QStringLiteral("名前を選びなさい"), &window);
    text->setFont(QFont(QStringLiteral("Noto Sans CJK JP"), 24));
    text->setGeometry(40, 40, 600, 80);
    PaintCounter paints([text](const QWidget *w) { return w == text; });
    // As the program shows its screens: over the whole available area, also where no window
    // manager maximises a window.
    showMaximisedScreen(&window);
    while (paints.counted == 0)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    dumpMemoryMap();
    return 0;
}

// One input as the program's event loop handles it: the input and its paints, then what the loop
// does once the handler has returned, such as deleting the screens retired on the way
// (deleteLater). The probe runs outside QApplication::exec, where they would live on instead.
void handle(const std::function<void()> &input)
{
    paintAfter(input);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int run(const QString &programFolder)
{
    StartedProgram started(programFolder);
    Program &program = started.program;
    if (program.start() != 0)
        return 1;
    ScreenFlow *flow = program.flow();
    handle([] {});
    program.startScreen()->chooseRow(1);
    handle([&] { program.startScreen()->okButton()->click(); });
    if (!flow->levelScreen())
        return 2;
    handle([&] { flow->levelScreen()->startLevel(2); });
    QElapsedTimer limit;
    limit.start();
    while (!flow->resultScreen() && limit.elapsed() < 600000) {
        DrillScreen *screen = flow->drillScreen();
        if (!screen) {
            QApplication::processEvents(QEventLoop::AllEvents, 20);
            continue;
        }
        DrillRun &drill = screen->run();
        handle([&] {
            drill.coverTimerFired();
            drill.chooseChoice(drill.answerChoice());
            drill.yearCoverTimerFired();
        });
        if (!flow->drillScreen())
            continue;
        int year = 0;
        for (; year < DrillView::kYears; ++year) {
            if (drill.view().yearTexts.at(static_cast<std::size_t>(year)).trimmed().toInt()
                == drill.question(drill.currentQuestion()).year)
                break;
        }
        handle([&] { drill.chooseYear(year); });
    }
    if (!flow->resultScreen())
        return 3;
    handle([] {});
    dumpMemoryMap();
    std::printf("%ld\n", peakKiB());
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER"))
        qputenv("SDL_AUDIODRIVER", "dummy");
    // As the program's main: menu bars stay in their windows.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication app(argc, argv);
    const char *mode = argc > 1 ? argv[1] : "";
    const QString folder = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    if (std::strcmp(mode, "make") == 0 && !folder.isEmpty()) {
        const QString program = largeschool::write(folder);
        std::printf("%s\n", program.toLocal8Bit().constData());
        return program.isEmpty() ? 1 : 0;
    }
    if (std::strcmp(mode, "start") == 0 && !folder.isEmpty())
        return startUp(folder);
    if (std::strcmp(mode, "label") == 0)
        return label();
    if (std::strcmp(mode, "run") == 0 && !folder.isEmpty())
        return run(folder);
    std::fprintf(stderr, "usage: school_probe make <root> | start <program folder> | label | run <program folder>\n");
    return 64;
}
