#include "messagepresenter.h"
#include "program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    BoxMessagePresenter messages;
    Program program(QCoreApplication::applicationDirPath(), messages);
    if (const int status = program.start(); status != 0)
        return status;
    return QApplication::exec();
}
