#include "schoolregistry.h"

#include "savefile.h"
#include "systemerror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <algorithm>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace schoolregistry {

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(SchoolRegistry)
};

const QString kListName = QStringLiteral("/tavrel/schools");

QByteArray readBytes(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A line of a list as a school, or nothing for a comment, a blank line or one without a tab.
std::optional<RegisteredSchool> schoolOf(QByteArrayView line)
{
    if (line.endsWith('\r'))
        line.chop(1);
    if (line.isEmpty() || line.startsWith('#'))
        return std::nullopt;
    const qsizetype tab = line.indexOf('\t');
    if (tab <= 0 || tab + 1 >= line.size())
        return std::nullopt;
    return RegisteredSchool{QString::fromUtf8(line.first(tab)).trimmed(), QString::fromUtf8(line.sliced(tab + 1)).trimmed()};
}

QString writeWhole(const QString &file, const QByteArray &bytes)
{
    const QString folder = QFileInfo(file).absolutePath();
    if (!QDir().mkpath(folder))
        return Text::tr("cannot make the folder %1").arg(QDir::toNativeSeparators(folder));
    const savefile::Outcome written = savefile::replace(file, bytes);
    return written.saved ? QString()
                         : Text::tr("cannot write %1: %2").arg(QDir::toNativeSeparators(file), written.error);
}

} // namespace

QString machineFile()
{
    const QStringList dirs = qEnvironmentVariable("XDG_CONFIG_DIRS").split(u':', Qt::SkipEmptyParts);
    return (dirs.isEmpty() ? QStringLiteral("/etc/xdg") : dirs.first()) + kListName;
}

QString accountFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + kListName;
}

QString ownFile()
{
#ifndef _WIN32
    if (::geteuid() == 0)
        return machineFile();
#endif
    return accountFile();
}

std::vector<RegisteredSchool> parse(QByteArrayView bytes)
{
    std::vector<RegisteredSchool> schools;
    for (QByteArrayView rest = bytes; !rest.isEmpty();) {
        const qsizetype end = rest.indexOf('\n');
        const QByteArrayView line = end < 0 ? rest : rest.first(end);
        rest = end < 0 ? QByteArrayView() : rest.sliced(end + 1);
        if (const auto school = schoolOf(line); school && !school->name.isEmpty() && !school->programFolder.isEmpty())
            schools.push_back(*school);
    }
    return schools;
}

std::vector<RegisteredSchool> read(const QString &file)
{
    return parse(readBytes(file));
}

std::vector<RegisteredSchool> known()
{
    std::vector<RegisteredSchool> schools;
    for (const QString &file : {accountFile(), machineFile()}) {
        for (const RegisteredSchool &s : read(file)) {
            if (std::none_of(schools.begin(), schools.end(), [&](const RegisteredSchool &k) { return k.name == s.name; }))
                schools.push_back(s);
        }
    }
    return schools;
}

std::optional<RegisteredSchool> find(const QString &name)
{
    for (const RegisteredSchool &s : known()) {
        if (s.name == name)
            return s;
    }
    return std::nullopt;
}

QString checkName(const QString &name)
{
    if (name.trimmed().isEmpty())
        return Text::tr("the name is empty");
    if (name.contains(u'\t') || name.contains(u'\n') || name.contains(u'\r'))
        return Text::tr("the name may not hold a tab or a line break");
    return {};
}

QString add(const QString &file, const RegisteredSchool &school)
{
    if (const QString problem = checkName(school.name); !problem.isEmpty())
        return problem;
    const QByteArray line = school.name.trimmed().toUtf8() + '\t' + school.programFolder.toUtf8();
    QByteArray out;
    bool placed = false;
    QFile existingFile(file);
    if (existingFile.exists() && !existingFile.open(QIODevice::ReadOnly))
        return Text::tr("cannot read %1: %2").arg(QDir::toNativeSeparators(file), systemerror::describe(existingFile, errno));
    const QByteArray old = existingFile.isOpen() ? existingFile.readAll() : QByteArray();
    if (old.isEmpty())
        out = "# Schools tavrel knows on this machine: name, a tab, the program folder.\n";
    for (const QByteArray &existing : old.split('\n')) {
        if (existing.isEmpty())
            continue;
        const auto there = schoolOf(existing);
        if (there && there->name == school.name.trimmed()) {
            if (!placed)
                out += line + '\n';
            placed = true;
            continue;
        }
        out += existing + '\n';
    }
    if (!placed)
        out += line + '\n';
    return writeWhole(file, out);
}

QString lastChoice()
{
    const QString file = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                         + QStringLiteral("/tavrel/last-school");
    return QString::fromUtf8(readBytes(file)).trimmed();
}

QString rememberChoice(const QString &programFolder)
{
    return writeWhole(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                          + QStringLiteral("/tavrel/last-school"),
                      programFolder.toUtf8() + '\n');
}

} // namespace schoolregistry
