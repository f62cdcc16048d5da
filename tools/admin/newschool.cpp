#include "newschool.h"

#include "installation.h"
#include "answerlog.h"
#include "datafileerror.h"
#include "folderscheme.h"
#include "rosterfile.h"
#include "runlog.h"
#include "savefile.h"
#include "schoolregistry.h"
#include "sharedaccess.h"
#include "siteline.h"
#include "sjis.h"
#include "stagedfolder.h"
#include "startup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>
#include <optional>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace newschool {

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(NewSchool)
};

const QString kSettings = QStringLiteral("設定.txt");
const QString kCommonData = QStringLiteral("共通データ.txt");
const QString kTimingTable = QStringLiteral("タイム回数データ.txt");
const QString kSoundTable = QStringLiteral("新音ファイル.txt");
const QString kQuestions = QStringLiteral("Morvidかな0vv.ccc");
const QString kHelpPage = QStringLiteral("tavrel-help.html");

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(QDir::cleanPath(path));
}

// One file of the new installation, by its path inside ROOT: its bytes, or the file they are
// copied from.
struct Planned
{
    QString path;
    QByteArray bytes;
    QString copiedFrom;
    bool executable = false;
};

QString desktopValue(const QString &text)
{
    QString value = text;
    value.replace(u'\\', QStringLiteral("\\\\"));
    return value;
}

// The school's group: the one asked for by name or number, or else the group of ROOT or of the
// folder ROOT is made in, which is what the school's folders would get anyway.
struct Group
{
    unsigned id = 0;
    QString name;
};

std::optional<Group> schoolGroup(const QString &asked, const QString &root, QString &why)
{
    Group g;
    if (asked.isEmpty()) {
#ifndef _WIN32
        const QString from = QFileInfo::exists(root) ? root : QFileInfo(root).absolutePath();
        struct stat st{};
        if (::stat(QFile::encodeName(from).constData(), &st) != 0) {
            why = Text::tr("the folder %1 does not exist").arg(shown(from));
            return std::nullopt;
        }
        g.id = st.st_gid;
#else
        Q_UNUSED(root);
#endif
    } else if (const std::optional<unsigned> id = sharedaccess::groupId(asked)) {
        g.id = *id;
    } else {
        why = Text::tr("there is no group \"%1\" on this machine").arg(asked);
        return std::nullopt;
    }
    g.name = sharedaccess::groupName(g.id);
    return g;
}

// Undoes the changes made outside ROOT (the list of schools, the menu entry) when the
// installation does not come into place.
class OutsideChanges
{
public:
    ~OutsideChanges()
    {
        if (m_kept)
            return;
        for (auto it = m_files.rbegin(); it != m_files.rend(); ++it) {
            if (it->second)
                savefile::replace(it->first, *it->second);
            else
                QFile::remove(it->first);
        }
    }
    // Notes `path` as it is now, before it is changed.
    void aboutToChange(const QString &path)
    {
        QFile f(path);
        if (f.open(QIODevice::ReadOnly))
            m_files.emplace_back(path, f.readAll());
        else
            m_files.emplace_back(path, std::nullopt);
    }
    void keep() { m_kept = true; }

private:
    std::vector<std::pair<QString, std::optional<QByteArray>>> m_files;
    bool m_kept = false;
};

} // namespace

QString desktopExecArgument(const QString &argument)
{
    QString quoted;
    for (const QChar c : argument) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        if (c == u'%')
            quoted += u'%';
        quoted += c;
    }
    return u'"' + quoted + u'"';
}

QByteArray launcher(const QString &programPath, const QString &schoolName)
{
    const QString exec =
        desktopExecArgument(programPath) + QStringLiteral(" --school ") + desktopExecArgument(schoolName.trimmed());
    const QString text = QStringLiteral("[Desktop Entry]\n"
                                        "Type=Application\n"
                                        "Name=Tavrel %1\n"
                                        "Comment=歴史の人物と年代のドリル\n"
                                        "Exec=%2\n"
                                        "Icon=tavrel\n"
                                        "Terminal=false\n"
                                        "Categories=Education;\n")
                             .arg(desktopValue(schoolName.trimmed()), desktopValue(exec));
    return text.toUtf8();
}

QString menuFolder()
{
#ifndef _WIN32
    if (::geteuid() == 0) {
        const QStringList dirs = qEnvironmentVariable("XDG_DATA_DIRS").split(u':', Qt::SkipEmptyParts);
        return (dirs.isEmpty() ? QStringLiteral("/usr/share") : dirs.first()) + QStringLiteral("/applications");
    }
#endif
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/applications");
}

QString menuLauncherName(const QString &siteCode)
{
    return QStringLiteral("tavrel-%1.desktop").arg(siteCode);
}

QStringList checkSite(const QString &schoolName, const QString &siteCode)
{
    QStringList problems;
    static const QRegularExpression codeForm(QStringLiteral("^[0-9A-Za-z]{5}$"));
    const SiteLine split = SiteLine::split(siteCode + schoolName);
    if (!codeForm.match(siteCode).hasMatch() || split.code != siteCode)
        problems << Text::tr("the code \"%1\" must be five letters or digits starting with a number that is "
                                   "not zero, such as 01234")
                        .arg(siteCode);
    if (schoolName.trimmed().isEmpty())
        problems << Text::tr("the school name is empty");
    else if (schoolName.contains(u'"') || schoolName.contains(u'\n') || schoolName.contains(u'\r')
             || schoolName.contains(u'\t'))
        problems << Text::tr("the school name may not hold a double quote, a tab or a line break");
    else if (sjis::decode(sjis::encode(schoolName)) != schoolName)
        problems << Text::tr("the school name \"%1\" holds characters that Shift-JIS cannot store").arg(schoolName);
    return problems;
}

Result create(const Request &request)
{
    Result result;
    if (request.root.trimmed().isEmpty()) {
        result.problems << Text::tr("the folder of the new installation is empty (an unset variable?); "
                                          "nothing was changed");
        return result;
    }
    const QString root = QDir::cleanPath(QFileInfo(request.root).absoluteFilePath());
    if (QFileInfo(root).isRoot()) {
        result.problems << Text::tr("will not make an installation in %1; give a folder of its own").arg(shown(root));
        return result;
    }
    const Folders target = folderscheme::compute(root + u'/' + kProgramFolderName, request.folderMode);
    result.programFolder = QDir::cleanPath(target.appFolder);
    result.launcherPath = root + u'/' + kLauncherName;
    if (QFileInfo(target.appFolder + kSettings).exists()) {
        result.problems << Text::tr("%1 already holds an installation; nothing was changed").arg(shown(root));
        return result;
    }
    StagedFolder stage(root);
    if (const QString problem = stage.check(); !problem.isEmpty()) {
        result.problems << problem << Text::tr("nothing was changed");
        return result;
    }

    result.problems = checkSite(request.schoolName, request.siteCode);
    if (request.folderMode != 0 && request.folderMode != 1)
        result.problems << Text::tr("the folder mode must be 1 or 0");
    if (request.programPath.contains(u'\n') || request.root.contains(u'\n'))
        result.problems << Text::tr("a folder name may not hold a line break");
    QString why;
    const std::optional<Group> group = schoolGroup(request.group, root, why);
    if (!group)
        result.problems << why;
    else
        result.groupName = group->name;

    Installation content;
    try {
        runStartup(content, request.templateProgramFolder);
    } catch (const DataFileError &e) {
        result.problems << Text::tr("the content to copy is not a complete installation: %1").arg(e.text());
    }
    const QString questions = content.folders.appFolder + kQuestions;
    if (!content.folders.appFolder.isEmpty() && !QFileInfo(questions).isFile())
        result.problems << Text::tr("the content to copy has no question file %1").arg(shown(questions));

    const QString name = request.schoolName.trimmed();
    for (const RegisteredSchool &s : schoolregistry::read(request.registryFile)) {
        if (s.name == name && QDir::cleanPath(s.programFolder) != result.programFolder
            && QFileInfo(s.programFolder + u'/' + kSettings).isFile())
            result.problems << Text::tr("the name \"%1\" is registered in %2 for the installation %3; give "
                                              "another --name")
                                   .arg(name, shown(request.registryFile), shown(s.programFolder));
    }
    if (!result.problems.isEmpty())
        return result;

    // Where each file goes, relative to ROOT.
    const QString fakeRoot = QStringLiteral("/R");
    const Folders inside = folderscheme::compute(fakeRoot + u'/' + kProgramFolderName, request.folderMode);
    const auto at = [&](const QString &folder, const QString &file) {
        return QDir(fakeRoot).relativeFilePath(folder + file);
    };
    const QString site = QStringLiteral("%1\r\n\"%2%3\"\r\n0\r\n0\r\n0,0,0,0,0,0\r\n")
                             .arg(content.yearStartMonth)
                             .arg(request.siteCode, request.schoolName);
    const QString runLogName = QFileInfo(runlog::runLogPath(inside)).fileName();
    const QString homeLogName = QFileInfo(runlog::homeRunLogPath(inside)).fileName();
    const QString answerLogName = QFileInfo(answerlog::answerLogPath(inside)).fileName();
    std::vector<Planned> plan = {
        {at(inside.appFolder, kSettings), sjis::encode(QStringLiteral("%1,0,0,0,0,0,0,0,0,0\r\n").arg(request.folderMode)), {}},
        {at(inside.dataFolder, kTimingTable), {}, content.folders.dataFolder + kTimingTable},
        {at(inside.appFolder, kQuestions), {}, questions},
        {at(inside.dataFolder, runLogName), QByteArray(), {}},
        {at(inside.dataFolder, answerLogName), QByteArray(), {}},
        {at(inside.filesFolder, kCommonData), sjis::encode(site), {}},
        {QDir(fakeRoot).relativeFilePath(RosterFile::path(inside)), QByteArray(), {}},
        {QDir(fakeRoot).relativeFilePath(RosterFile::backupPath(inside)), QByteArray(), {}},
        {at(inside.filesFolder, homeLogName), QByteArray(), {}},
        {at(inside.soundFolder, kSoundTable), {}, content.folders.soundFolder + kSoundTable},
    };
    if (QFileInfo(content.folders.appFolder + kHelpPage).isFile())
        plan.push_back({at(inside.appFolder, kHelpPage), {}, content.folders.appFolder + kHelpPage});
    const QStringList sounds = QDir(content.folders.soundFolder)
                                   .entryList({QStringLiteral("*.wav"), QStringLiteral("*.WAV")}, QDir::Files, QDir::Name);
    for (const QString &sound : sounds)
        plan.push_back({at(inside.soundFolder, sound), {}, content.folders.soundFolder + sound});
    const QByteArray launcherBytes = launcher(request.programPath, name);
    plan.push_back({kLauncherName, launcherBytes, {}, true});

    const auto fail = [&](const QString &problem) {
        result.problems << problem << Text::tr("nothing was left behind");
        return result;
    };

    if (const QString problem = stage.begin(); !problem.isEmpty()) {
        result.problems << problem << Text::tr("nothing was changed");
        return result;
    }
    // The top folder is the school's group's; what is made inside inherits group and group write.
    if (const QString refused = sharedaccess::grant(stage.stage(), group->id, 02770); !refused.isEmpty())
        return fail(Text::tr("cannot give the installation the group %1: %2 (run as root, or give a group "
                                   "you belong to with --group)")
                        .arg(group->name, refused));
    QStringList folders;
    for (const Planned &file : plan) {
        for (QString folder = QFileInfo(file.path).path(); folder != u"." && !folders.contains(folder);
             folder = QFileInfo(folder).path())
            folders.prepend(folder);
    }
    std::sort(folders.begin(), folders.end(), [](const QString &a, const QString &b) { return a.size() < b.size(); });
    for (const QString &folder : folders) {
        if (const QString problem = stage.makeFolder(folder); !problem.isEmpty())
            return fail(problem);
    }
    for (const Planned &file : plan) {
        QByteArray bytes = file.bytes;
        if (!file.copiedFrom.isEmpty()) {
            QFile from(file.copiedFrom);
            if (!from.open(QIODevice::ReadOnly))
                return fail(Text::tr("cannot read %1: %2").arg(shown(file.copiedFrom), from.errorString()));
            bytes = from.readAll();
        }
        if (const QString problem = stage.writeFile(file.path, bytes, file.executable); !problem.isEmpty())
            return fail(problem);
    }
    try {
        Installation started;
        runStartup(started, stage.stage() + u'/' + kProgramFolderName);
    } catch (const DataFileError &e) {
        return fail(Text::tr("the new installation does not start: %1").arg(e.text()));
    }

    OutsideChanges outside;
    if (!request.registryFile.isEmpty()) {
        outside.aboutToChange(request.registryFile);
        if (const QString problem = schoolregistry::add(request.registryFile, {name, result.programFolder});
            !problem.isEmpty())
            return fail(problem);
    }
    if (!request.menuFolder.isEmpty()) {
        result.menuLauncherPath = request.menuFolder + u'/' + menuLauncherName(request.siteCode);
        outside.aboutToChange(result.menuLauncherPath);
        if (!QDir().mkpath(request.menuFolder))
            return fail(Text::tr("cannot make the folder %1").arg(shown(request.menuFolder)));
        const savefile::Outcome written = savefile::replace(result.menuLauncherPath, launcherBytes);
        if (!written.saved)
            return fail(Text::tr("cannot write %1: %2").arg(shown(result.menuLauncherPath), written.error));
    }
    if (const QString problem = stage.putInPlace(); !problem.isEmpty())
        return fail(problem);
    outside.keep();
    result.created = true;
    return result;
}

} // namespace newschool
