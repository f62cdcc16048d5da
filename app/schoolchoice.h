#pragma once

#include <QString>

#include <functional>

class MessagePresenter;
class SchoolChooser;
struct ProgramArguments;

// Shows the chooser's window until the pupil opens a line or gives up.
void showChooser(SchoolChooser &chooser);

// The program folder when the call names none: the school a launcher named, when this machine
// knows it and its folder is there; otherwise the pupil's choice in the chooser, among the
// schools this machine knows (schoolregistry) and the demo that comes with the program (laid
// out in the account's data folder the first time it is chosen). The choice is remembered for
// the next start. ownFolder is the executable's folder; `ask` puts the chooser before the pupil.
// Empty when the pupil gave up.
QString chooseProgramFolder(const ProgramArguments &arguments, const QString &ownFolder, MessagePresenter &messages,
                            const std::function<void(SchoolChooser &)> &ask = showChooser);
