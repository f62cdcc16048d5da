#include "newschool.h"

#include "installation.h"
#include "datafileerror.h"
#include "folderscheme.h"
#include "siteline.h"
#include "sjis.h"
#include "startup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <vector>

namespace newschool {

namespace {

const QString kSettings = QStringLiteral("設定.txt");
const QString kCommonData = QStringLiteral("共通データ.txt");
const QString kTimingTable = QStringLiteral("タイム回数データ.txt");
const QString kSoundTable = QStringLiteral("新音ファイル.txt");
const QString kRoster = QStringLiteral("生徒用名簿.txt");
const QString kQuestions = QStringLiteral("Morvidかな0vv.ccc");
const QString kHelpPage = QStringLiteral("tavrel-help.html");

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(QDir::cleanPath(path));
}

// One file of the new installation: its bytes, or the file they are copied from.
struct Planned
{
    QString path;
    QByteArray bytes;
    QString copiedFrom;
    bool executable = false;
};

// Undoes a creation that fails part-way: only what this run created is removed.
class Undo
{
public:
    bool makeFolder(const QString &folder)
    {
        QStringList missing;
        QString at = QDir::cleanPath(folder);
        while (!QFileInfo(at).exists()) {
            missing.prepend(at);
            const QString parent = QFileInfo(at).path();
            if (parent == at)
                break;
            at = parent;
        }
        for (const QString &f : missing) {
            if (!QDir().mkdir(f))
                return false;
            m_folders.push_back(f);
        }
        return true;
    }
    void fileCreated(const QString &path) { m_files.push_back(path); }
    void run()
    {
        for (auto it = m_files.rbegin(); it != m_files.rend(); ++it)
            QFile::remove(*it);
        for (auto it = m_folders.rbegin(); it != m_folders.rend(); ++it)
            QDir().rmdir(*it);
    }

private:
    std::vector<QString> m_files;
    std::vector<QString> m_folders;
};

bool writePlanned(const Planned &file, QString &why)
{
    QByteArray bytes = file.bytes;
    if (!file.copiedFrom.isEmpty()) {
        QFile from(file.copiedFrom);
        if (!from.open(QIODevice::ReadOnly)) {
            why = QStringLiteral("cannot read %1: %2").arg(shown(file.copiedFrom), from.errorString());
            return false;
        }
        bytes = from.readAll();
    }
    QSaveFile to(file.path);
    if (!to.open(QIODevice::WriteOnly) || to.write(bytes) != bytes.size() || !to.commit()) {
        why = QStringLiteral("cannot write %1: %2").arg(shown(file.path), to.errorString());
        return false;
    }
    if (file.executable)
        QFile::setPermissions(file.path, QFile::permissions(file.path) | QFileDevice::ExeOwner | QFileDevice::ExeGroup
                                             | QFileDevice::ExeOther);
    return true;
}

QString desktopValue(const QString &text)
{
    QString value = text;
    value.replace(u'\\', QStringLiteral("\\\\"));
    return value;
}

QByteArray launcher(const Request &request, const QString &programFolder)
{
    const QString exec = desktopExecArgument(request.programPath) + u' ' + desktopExecArgument(programFolder);
    const QString text = QStringLiteral("[Desktop Entry]\n"
                                        "Type=Application\n"
                                        "Name=Tavrel %1\n"
                                        "Comment=歴史の人物と年代のドリル\n"
                                        "Exec=%2\n"
                                        "Icon=tavrel\n"
                                        "Terminal=false\n"
                                        "Categories=Education;\n")
                             .arg(desktopValue(request.schoolName), desktopValue(exec));
    return text.toUtf8();
}

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

QStringList checkSite(const QString &schoolName, const QString &siteCode)
{
    QStringList problems;
    static const QRegularExpression codeForm(QStringLiteral("^[0-9A-Za-z]{5}$"));
    const SiteLine split = SiteLine::split(siteCode + schoolName);
    if (!codeForm.match(siteCode).hasMatch() || split.code != siteCode)
        problems << QStringLiteral("the code \"%1\" must be five letters or digits starting with a number that is "
                                   "not zero, such as 01234")
                        .arg(siteCode);
    if (schoolName.trimmed().isEmpty())
        problems << QStringLiteral("the school name is empty");
    else if (schoolName.contains(u'"') || schoolName.contains(u'\n') || schoolName.contains(u'\r'))
        problems << QStringLiteral("the school name may not hold a double quote or a line break");
    else if (sjis::decode(sjis::encode(schoolName)) != schoolName)
        problems << QStringLiteral("the school name \"%1\" holds characters that Shift-JIS cannot store").arg(schoolName);
    return problems;
}

Result create(const Request &request)
{
    Result result;
    result.problems = checkSite(request.schoolName, request.siteCode);
    if (request.folderMode != 0 && request.folderMode != 1)
        result.problems << QStringLiteral("the folder mode must be 1 or 0");
    if (request.programPath.contains(u'\n') || request.root.contains(u'\n'))
        result.problems << QStringLiteral("a folder name may not hold a line break");

    Installation content;
    try {
        runStartup(content, request.templateProgramFolder);
    } catch (const DataFileError &e) {
        result.problems << QStringLiteral("the content to copy is not a complete installation: %1").arg(e.text());
    }
    const QString questions = content.folders.appFolder + kQuestions;
    if (!content.folders.appFolder.isEmpty() && !QFileInfo(questions).isFile())
        result.problems << QStringLiteral("the content to copy has no question file %1").arg(shown(questions));
    if (!result.problems.isEmpty())
        return result;

    const QString root = QDir::cleanPath(QFileInfo(request.root).absoluteFilePath());
    const Folders target = folderscheme::compute(root + u'/' + kProgramFolderName, request.folderMode);
    result.programFolder = QDir::cleanPath(target.appFolder);
    result.launcherPath = root + u'/' + kLauncherName;

    const QString site = QStringLiteral("%1\r\n\"%2%3\"\r\n0\r\n0\r\n0,0,0,0,0,0\r\n")
                             .arg(content.yearStartMonth)
                             .arg(request.siteCode, request.schoolName);
    std::vector<Planned> plan = {
        {target.appFolder + kSettings, sjis::encode(QStringLiteral("%1,0,0,0,0,0,0,0,0,0\r\n").arg(request.folderMode)), {}},
        {target.dataFolder + kTimingTable, {}, content.folders.dataFolder + kTimingTable},
        {target.appFolder + kQuestions, {}, questions},
        {target.filesFolder + kCommonData, sjis::encode(site), {}},
        {target.filesFolder + kRoster, QByteArray(), {}},
        {target.soundFolder + kSoundTable, {}, content.folders.soundFolder + kSoundTable},
    };
    if (QFileInfo(content.folders.appFolder + kHelpPage).isFile())
        plan.push_back({target.appFolder + kHelpPage, {}, content.folders.appFolder + kHelpPage});
    const QStringList sounds = QDir(content.folders.soundFolder)
                                   .entryList({QStringLiteral("*.wav"), QStringLiteral("*.WAV")}, QDir::Files, QDir::Name);
    for (const QString &sound : sounds)
        plan.push_back({target.soundFolder + sound, {}, content.folders.soundFolder + sound});
    plan.push_back({result.launcherPath, launcher(request, result.programFolder), {}, true});

    if (QFileInfo(target.appFolder).exists() && !QDir(target.appFolder).isEmpty())
        result.problems << QStringLiteral("%1 already exists and is not empty").arg(shown(target.appFolder));
    for (const Planned &file : plan) {
        if (QFileInfo::exists(file.path))
            result.problems << QStringLiteral("%1 already exists").arg(shown(file.path));
    }
    if (!result.problems.isEmpty()) {
        result.problems.prepend(QStringLiteral("%1 already holds an installation; nothing was changed").arg(shown(root)));
        return result;
    }

    Undo undo;
    QString why;
    for (const Planned &file : plan) {
        if (!undo.makeFolder(QFileInfo(file.path).path())) {
            why = QStringLiteral("cannot make the folder %1").arg(shown(QFileInfo(file.path).path()));
            break;
        }
        if (!writePlanned(file, why))
            break;
        undo.fileCreated(file.path);
    }
    if (why.isEmpty()) {
        try {
            Installation started;
            runStartup(started, result.programFolder);
        } catch (const DataFileError &e) {
            why = QStringLiteral("the new installation does not start: %1").arg(e.text());
        }
    }
    if (!why.isEmpty()) {
        undo.run();
        result.problems << why << QStringLiteral("nothing was left behind");
        return result;
    }
    result.created = true;
    return result;
}

} // namespace newschool
