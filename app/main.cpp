#include "messagepresenter.h"
#include "program.h"
#include "programarguments.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    BoxMessagePresenter messages;
    const ProgramArguments arguments =
        ProgramArguments::parse(QCoreApplication::arguments(), QCoreApplication::applicationDirPath());
    if (!arguments.problem.isEmpty()) {
        messages.show(MessagePresenter::Icon::Critical, QStringLiteral("Tavrel"), arguments.problem);
        return 2;
    }
    Program program(arguments.programFolder, messages);
    if (const int status = program.start(); status != 0)
        return status;
    return QApplication::exec();
}
