#include "clock.h"
#include "messagepresenter.h"
#include "printfaces.h"
#include "program.h"
#include "randomsource.h"
#include "sdlwavplayer.h"
#include "programarguments.h"
#include "schoolchoice.h"
#include "qttexts.h"
#include "terminationwatch.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    qttexts::installJapanese(app);
    printfaces::install(printfaces::folders(QCoreApplication::applicationDirPath()));
    // A logout ends the program between two handlers; the windows and the instance lock go with
    // the objects below as main returns.
    const TerminationWatch termination([] { QCoreApplication::exit(0); });
    SystemClock clock;
    SeededRandom random;
    SdlWavPlayer player;
    BoxMessagePresenter messages;
    const ProgramArguments arguments =
        ProgramArguments::parse(QCoreApplication::arguments(), QCoreApplication::applicationDirPath());
    if (!arguments.problem.isEmpty()) {
        messages.show(MessagePresenter::Icon::Critical, QStringLiteral("Tavrel"), arguments.problem);
        return 2;
    }
    const QString programFolder = arguments.choose
                                      ? chooseProgramFolder(arguments, QCoreApplication::applicationDirPath(), messages)
                                      : arguments.programFolder;
    if (programFolder.isEmpty())
        return 0;
    Program program(programFolder, Services{clock, random, player}, messages);
    if (const int status = program.start(); status != 0)
        return status;
    return QApplication::exec();
}
