#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>
#include <vector>

// A school this machine knows: the name a launcher starts it by, and where its program folder
// is on this machine (a share may be mounted at different places on different PCs).
struct RegisteredSchool
{
    QString name;
    QString programFolder;

    bool operator==(const RegisteredSchool &) const = default;
};

// The lists of known schools: one for the whole machine, written by the teachers' tool as root,
// <the first folder of $XDG_CONFIG_DIRS>/tavrel/schools (/etc/xdg/tavrel/schools), and one per
// account, $XDG_CONFIG_HOME/tavrel/schools (~/.config/tavrel/schools). Both are UTF-8 text, one
// school a line: its name, a tab, its program folder. Blank lines, lines starting with '#' and
// lines without a tab are passed over (and kept as they are when a school is added).
namespace schoolregistry {

QString machineFile();
QString accountFile();
// The list a school made by this process goes to: the machine's as root, else the account's.
QString ownFile();

std::vector<RegisteredSchool> parse(QByteArrayView bytes);
// A file that cannot be read holds no school.
std::vector<RegisteredSchool> read(const QString &file);

// The account's schools first, then the machine's; a name in both counts once, as the account
// has it.
std::vector<RegisteredSchool> known();
std::optional<RegisteredSchool> find(const QString &name);

// What is wrong with a name as a registered name (empty, a tab or a line break); empty when fine.
QString checkName(const QString &name);

// Adds the school to `file`, or gives a school of the same name the new folder, keeping every
// other line as it was; the folder of `file` is made when missing. Written whole (savefile).
// Returns the failure, naming the file and the system's reason; empty when written.
QString add(const QString &file, const RegisteredSchool &school);

// The choice the chooser remembers: the program folder last opened through it, in
// $XDG_CONFIG_HOME/tavrel/last-school.
QString lastChoice();
QString rememberChoice(const QString &programFolder);

} // namespace schoolregistry
