#include "clock.h"
#include "messagepresenter.h"
#include "program.h"
#include "randomsource.h"
#include "sdlwavplayer.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    SystemClock clock;
    SeededRandom random;
    SdlWavPlayer player;
    BoxMessagePresenter messages;
    Program program(QCoreApplication::applicationDirPath(), Services{clock, random, player}, messages);
    if (const int status = program.start(); status != 0)
        return status;
    return QApplication::exec();
}
