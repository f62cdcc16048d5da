#include "adminrun.h"
#include "installation.h"
#include "newschool.h"
#include "rosterfile.h"
#include "schoolbackup.h"
#include "schoolregistry.h"
#include "sjis.h"
#include "startup.h"
#include "tempinstall.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

QByteArray read(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// The content a new school starts from: a complete installation with a question file, a help
// page and two sounds; and an empty folder for the school.
class NewSchool : public testing::Test
{
protected:
    void SetUp() override
    {
        content.writeValidMode1();
        content.writeBytes(QStringLiteral("drill2/Morvidかな0vv.ccc"), QByteArray("stored questions\r\n"));
        content.writeBytes(QStringLiteral("drill2/tavrel-help.html"), QByteArray("<html></html>"));
        content.writeBytes(QStringLiteral("files/ok1.wav"), QByteArray("RIFF1"));
        content.writeBytes(QStringLiteral("files/合格.wav"), QByteArray("RIFF2"));
    }

    AdminRun newSchool(const QStringList &more = {}) const
    {
        return admin(QStringList{QStringLiteral("new-school"), root(), QStringLiteral("--name"),
                                 QStringLiteral("○○小学校"), QStringLiteral("--code"), QStringLiteral("01234"),
                                 QStringLiteral("--from"), content.programFolder()}
                     + more);
    }

    QString root() const { return school.root() + QStringLiteral("/school"); }

    TempInstall content;
    TempInstall school;
};

TEST_F(NewSchool, CreatesAnInstallationThatStartsWithAnEmptyRoster)
{
    const AdminRun r = newSchool();
    ASSERT_EQ(r.status, 0) << r.err.toStdString();

    Installation state;
    runStartup(state, root() + QStringLiteral("/tavrel"));
    EXPECT_EQ(state.folderMode, 1);
    EXPECT_EQ(state.siteCode, QStringLiteral("01234"));
    EXPECT_EQ(state.siteName, QStringLiteral("○○小学校"));
    EXPECT_EQ(state.yearStartMonth, 4);
    EXPECT_EQ(state.folders.filesFolder, root() + QStringLiteral("/files/"));
    EXPECT_EQ(state.timingTable[4].passTime, 104);
    EXPECT_EQ(read(root() + QStringLiteral("/tavrel/Morvidかな0vv.ccc")), QByteArray("stored questions\r\n"));
    EXPECT_EQ(read(root() + QStringLiteral("/files/合格.wav")), QByteArray("RIFF2"));
    EXPECT_TRUE(QFile::exists(root() + QStringLiteral("/tavrel/tavrel-help.html")));
    const RosterFile roster = RosterFile::read(RosterFile::path(state.folders));
    EXPECT_TRUE(roster.found());
    EXPECT_TRUE(roster.lines().empty());

    // The launcher names the school as registered on this machine, not a path of this machine.
    const QString launcher = QString::fromUtf8(read(root() + QStringLiteral("/tavrel.desktop")));
    EXPECT_TRUE(launcher.contains(QStringLiteral("\" --school \"○○小学校\"\n"))) << launcher.toStdString();
    EXPECT_FALSE(launcher.contains(root())) << launcher.toStdString();
    EXPECT_TRUE(QFileInfo(root() + QStringLiteral("/tavrel.desktop")).isExecutable());
    const std::optional<RegisteredSchool> registered = schoolregistry::find(QStringLiteral("○○小学校"));
    ASSERT_TRUE(registered);
    EXPECT_EQ(registered->programFolder, root() + QStringLiteral("/tavrel"));
}

TEST_F(NewSchool, FolderModeZeroKeepsSharedFilesInTheParentAndSoundsBeside)
{
    ASSERT_EQ(newSchool({QStringLiteral("--folder-mode"), QStringLiteral("0")}).status, 0);
    Installation state;
    runStartup(state, root() + QStringLiteral("/tavrel"));
    EXPECT_EQ(state.folderMode, 0);
    EXPECT_TRUE(QFile::exists(root() + QStringLiteral("/共通データ.txt")));
    EXPECT_TRUE(QFile::exists(root() + QStringLiteral("/生徒用名簿.txt")));
    EXPECT_TRUE(QFile::exists(root() + QStringLiteral("/音フォルダ/ok1.wav")));
    EXPECT_FALSE(QFile::exists(root() + QStringLiteral("/files")));
}

TEST_F(NewSchool, NeverOverwritesAnExistingInstallation)
{
    ASSERT_EQ(newSchool().status, 0);
    write(root() + QStringLiteral("/files/生徒用名簿.txt"), sjis::encode(QStringLiteral("1,2014,0,0,\"森\",0,\"\",\"\"\r\n")));
    const QStringList listing = school.listing();
    const QByteArray roster = read(root() + QStringLiteral("/files/生徒用名簿.txt"));

    for (const QStringList &again : {QStringList{}, QStringList{QStringLiteral("--folder-mode"), QStringLiteral("0")}}) {
        const AdminRun r = newSchool(again);
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(r.err.contains(QStringLiteral("already holds an installation"))) << r.err.toStdString();
        EXPECT_EQ(school.listing(), listing);
        EXPECT_EQ(read(root() + QStringLiteral("/files/生徒用名簿.txt")), roster);
    }
}

TEST_F(NewSchool, RefusesBadCodesNamesAndContentLeavingNothing)
{
    const std::pair<QString, QString> sites[] = {
        {QStringLiteral("00000"), QStringLiteral("学校")}, {QStringLiteral("1234"), QStringLiteral("学校")},
        {QStringLiteral("ab123"), QStringLiteral("学校")}, {QStringLiteral("01234"), QStringLiteral("")},
        {QStringLiteral("01234"), QStringLiteral("𠮷野小学校")}, {QStringLiteral("01234"), QStringLiteral("\"A\"")},
    };
    for (const auto &[code, name] : sites)
        EXPECT_FALSE(newschool::checkSite(name, code).isEmpty()) << code.toStdString() << ' ' << name.toStdString();
    EXPECT_TRUE(newschool::checkSite(QStringLiteral("2組"), QStringLiteral("01234")).isEmpty());

    content.remove(QStringLiteral("drill2/Morvidかな0vv.ccc"));
    const AdminRun r = newSchool();
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("no question file"))) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(root()));
}

TEST(NewSchoolLauncher, ExecArgumentsAreQuotedAsDesktopEntriesRequire)
{
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("/srv/school/tavrel"), QStringLiteral("\"/srv/school/tavrel\"")},
        {QStringLiteral("/srv/my school"), QStringLiteral("\"/srv/my school\"")},
        {QStringLiteral("/a$b`c\"d\\e"), QStringLiteral("\"/a\\$b\\`c\\\"d\\\\e\"")},
        {QStringLiteral("/100%"), QStringLiteral("\"/100%%\"")},
    };
    for (const auto &[argument, quoted] : cases)
        EXPECT_EQ(newschool::desktopExecArgument(argument), quoted) << argument.toStdString();
}

TEST_F(NewSchool, TheLauncherPassesDesktopFileValidate)
{
    const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (validator.isEmpty())
        GTEST_SKIP() << "desktop-file-validate is not installed";
    ASSERT_EQ(newSchool().status, 0);
    QProcess p;
    p.start(validator, {root() + QStringLiteral("/tavrel.desktop")});
    ASSERT_TRUE(p.waitForFinished());
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardOutput().toStdString();
}

TEST_F(NewSchool, BackupCopiesTheRecordsAndCheckCatchesAChangedFile)
{
    ASSERT_EQ(newSchool().status, 0);
    const QString program = root() + QStringLiteral("/tavrel/");
    write(program + QStringLiteral("成績累積データ.dat"), QByteArray(88, '\x01'));
    write(root() + QStringLiteral("/files/生徒用名簿.txt"), sjis::encode(QStringLiteral("1,2014,0,0,\"森\",0,\"\",\"\"\r\n")));
    const QStringList listing = school.listing();

    TempInstall dest;
    Installation state;
    runStartup(state, program);
    const schoolbackup::Made made = schoolbackup::make(state.folders, dest.root() + QStringLiteral("/backups"),
                                                       QDateTime(QDate(2024, 6, 10), QTime(15, 30)), [] {});
    ASSERT_TRUE(made.made) << made.problems.join(u'\n').toStdString();
    EXPECT_EQ(made.folder, dest.root() + QStringLiteral("/backups/tavrel-2024-06-10_153000"));
    EXPECT_EQ(made.copied, (QStringList{QStringLiteral("tavrel/成績累積データ.dat"), QStringLiteral("files/成績累積データ家庭用.dat"),
                                        QStringLiteral("tavrel/解答累積データ.dat"),
                                        QStringLiteral("files/生徒用名簿.txt"), QStringLiteral("files/生徒用名簿temp.txt"),
                                        QStringLiteral("tavrel/設定.txt"), QStringLiteral("files/共通データ.txt"),
                                        QStringLiteral("tavrel/タイム回数データ.txt"), QStringLiteral("files/新音ファイル.txt"),
                                        QStringLiteral("tavrel/Morvidかな0vv.ccc")}));
    // A new school has no classes until a class list is imported with one.
    EXPECT_EQ(made.absent, QStringList{QStringLiteral("files/生徒用名簿クラス.txt")});
    for (const QString &relative : made.copied)
        EXPECT_EQ(read(made.folder + u'/' + relative), read(root() + u'/' + relative)) << relative.toStdString();
    EXPECT_EQ(school.listing(), listing);

    const AdminRun intact = admin({QStringLiteral("backup"), QStringLiteral("--check"), made.folder});
    EXPECT_EQ(intact.status, 0) << intact.err.toStdString();
    EXPECT_TRUE(intact.out.contains(QStringLiteral("10 files intact")));

    // A second backup at the same moment gets a folder of its own.
    const AdminRun second = admin({QStringLiteral("backup"), program, dest.root() + QStringLiteral("/backups")});
    EXPECT_EQ(second.status, 0) << second.err.toStdString();
    EXPECT_EQ(school.listing(), listing);

    QByteArray changed = read(made.folder + QStringLiteral("/tavrel/成績累積データ.dat"));
    changed[40] = '\x02';
    write(made.folder + QStringLiteral("/tavrel/成績累積データ.dat"), changed);
    write(made.folder + QStringLiteral("/files/共通データ.txt"), QByteArray("4"));
    QFile::remove(made.folder + QStringLiteral("/tavrel/設定.txt"));
    const AdminRun damaged = admin({QStringLiteral("backup"), QStringLiteral("--check"), made.folder});
    EXPECT_EQ(damaged.status, 1);
    EXPECT_TRUE(damaged.err.contains(QStringLiteral("tavrel/成績累積データ.dat: the checksum differs"))) << damaged.err.toStdString();
    EXPECT_TRUE(damaged.err.contains(QStringLiteral("files/共通データ.txt: 1 bytes")));
    EXPECT_TRUE(damaged.err.contains(QStringLiteral("tavrel/設定.txt: missing")));

    const AdminRun notABackup = admin({QStringLiteral("backup"), QStringLiteral("--check"), root()});
    EXPECT_EQ(notABackup.status, 1);
    EXPECT_TRUE(notABackup.err.contains(QStringLiteral("not a backup")));
}

} // namespace
