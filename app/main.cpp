#include "clock.h"
#include "messagecatalogue.h"
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
#include <QLocale>

#include <cstdio>
#include <optional>

namespace {

// --help and --version, answered by a plain application in the language of the locale: the
// manual pages are made from them on machines without a display. Nothing when the call is
// something else (the toolkit's own options among the arguments, which only the window system's
// application takes out).
std::optional<int> answerHelpOrVersion(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (messagecatalogue::isJapanese(QLocale::system()))
        messagecatalogue::installJapanese();
    const ProgramArguments arguments =
        ProgramArguments::parse(QCoreApplication::arguments(), QCoreApplication::applicationDirPath());
    if (!arguments.answer.isEmpty()) {
        std::fputs(arguments.answer.toUtf8().constData(), stdout);
        return 0;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char *argv[])
{
    if (ProgramArguments::asksForHelpOrVersion(argc, argv)) {
        if (const std::optional<int> status = answerHelpOrVersion(argc, argv))
            return *status;
    }
    // The start screen keeps its menu bar in the window; without this the toolkit would first ask
    // the desktop's session bus whether it shows menus in a panel instead.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication app(argc, argv);
    // Qt's own texts (dialog buttons, the file dialog) and the program's: Japanese, whatever the
    // machine's language. The program's catalogue goes last, so that its words come first.
    qttexts::installJapanese(app);
    messagecatalogue::installJapanese();
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
    if (!arguments.answer.isEmpty()) {
        std::fputs(arguments.answer.toUtf8().constData(), stdout);
        return 0;
    }
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
