// Test helper: the whole program as a pupil's account runs it on a real display, for the test
// of a school shared by several accounts (school_accounts.sh).
//
//   pupil_run PROGRAM_FOLDER PUPIL_NAME [HOLD_MS]   a test run at level 2, every answer right
//   pupil_run PROGRAM_FOLDER --start-only           start (appending kept runs) and end
//
// Prints every message the program showed ("message: …", line ends as "⏎"), then "result: "
// and the result screen's lines; holds the result screen up for HOLD_MS milliseconds (for a
// screenshot) after printing "result screen up". Exit status 0 when the run reached the result
// screen (or the program started), 1 otherwise.
#include "fakes.h"
#include "loopinstall.h"
#include "program.h"
#include "startscreen.h"

#include <QApplication>
#include <QEventLoop>
#include <QListWidget>
#include <QLabel>
#include <QTimer>

#include <cstdio>

namespace {

void print(const QString &line)
{
    std::printf("%s\n", QString(line).replace(u'\n', QStringLiteral("⏎")).toUtf8().constData());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: pupil_run PROGRAM_FOLDER PUPIL_NAME [HOLD_MS] | PROGRAM_FOLDER --start-only\n");
        return 2;
    }
    SystemClock clock;
    SeededRandom random;
    FakeSoundPlayer player;
    FakeMessagePresenter messages;
    int status = 1;
    {
        Program program(args[1], Services{clock, random, player}, messages);
        const int started = program.start();
        if (started == 0 && args[2] == u"--start-only") {
            status = 0;
            print(QStringLiteral("started"));
        } else if (started == 0) {
            ScreenFlow &flow = *program.flow();
            StartScreen &start = *flow.startScreen();
            for (int row = 1; row < start.list()->count(); ++row) {
                if (start.list()->item(row)->text().contains(args[2]))
                    start.confirmRow(row);
            }
            ResultScreen *result = flow.levelScreen() ? loopinstall::playTestRun(flow) : nullptr;
            for (const ShownMessage &m : messages.shown)
                print(QStringLiteral("message: ") + m.text);
            messages.shown.clear();
            if (result && result->isVisible()) {
                status = 0;
                print(QStringLiteral("result: %1 / %2 / %3")
                          .arg(result->nameLine()->text(), result->resultLine()->text(), result->pointsLine()->text()));
                print(QStringLiteral("result screen up"));
                QEventLoop hold;
                QTimer::singleShot(args.value(3).toInt(), &hold, &QEventLoop::quit);
                hold.exec();
            } else {
                print(QStringLiteral("no result screen"));
            }
        }
    }
    for (const ShownMessage &m : messages.shown)
        print(QStringLiteral("message: ") + m.text);
    return status;
}
