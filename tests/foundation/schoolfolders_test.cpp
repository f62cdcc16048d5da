// Folders made whole or not at all, the lists of schools a machine knows, and the demo a pupil
// gets a copy of.
#include "personaldemo.h"
#include "schoolregistry.h"
#include "stagedfolder.h"
#include "testfiles.h"
#include "toollanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

namespace {

using testfiles::read;
using testfiles::write;

// The names of what `folder` holds, hidden ones included.
QStringList entries(const QString &folder)
{
    QStringList names;
    for (const QString &path : testfiles::below(folder)) {
        if (QFileInfo(path).absolutePath() == QDir(folder).absolutePath())
            names << QFileInfo(path).fileName();
    }
    return names;
}

TEST(StagedFolderTest, NothingIsAtTheTargetUntilTheCommit)
{
    QTemporaryDir dir;
    const QString target = dir.path() + QStringLiteral("/school");
    StagedFolder stage(target);
    ASSERT_EQ(stage.begin(), QString());
    ASSERT_EQ(stage.makeFolder(QStringLiteral("files")), QString());
    ASSERT_EQ(stage.writeFile(QStringLiteral("files/a.txt"), "a"), QString());
    ASSERT_EQ(stage.writeFile(QStringLiteral("run.desktop"), "[Desktop Entry]\n", true), QString());
    EXPECT_FALSE(QFileInfo::exists(target));
    EXPECT_EQ(entries(dir.path()).size(), 1);
    ASSERT_EQ(stage.putInPlace(), QString());
    EXPECT_EQ(entries(dir.path()), QStringList{QStringLiteral("school")});
    EXPECT_EQ(read(target + QStringLiteral("/files/a.txt")), QByteArray("a"));
    EXPECT_TRUE(QFileInfo(target + QStringLiteral("/run.desktop")).isExecutable());
}

TEST(StagedFolderTest, WithoutACommitOrOnARefusalNothingIsLeft)
{
    // The refusals are read in the teachers' tool's English.
    const ToolLanguage english(AdminLanguage::English);
    QTemporaryDir dir;
    {
        StagedFolder stage(dir.path() + QStringLiteral("/school"));
        ASSERT_EQ(stage.begin(), QString());
        ASSERT_EQ(stage.writeFile(QStringLiteral("a.txt"), "a"), QString());
        EXPECT_NE(stage.writeFile(QStringLiteral("no/such/folder/b.txt"), "b"), QString());
    }
    EXPECT_TRUE(entries(dir.path()).isEmpty());

    write(dir.path() + QStringLiteral("/full/x"), "x");
    write(dir.path() + QStringLiteral("/file"), "f");
    const std::pair<QString, QString> refused[] = {
        {dir.path() + QStringLiteral("/full"), QStringLiteral("is not empty")},
        {dir.path() + QStringLiteral("/file"), QStringLiteral("is not a folder")},
        {dir.path() + QStringLiteral("/no/school"), QStringLiteral("does not exist")},
    };
    for (const auto &[target, why] : refused) {
        StagedFolder stage(target);
        const QString problem = stage.begin();
        EXPECT_TRUE(problem.contains(why)) << target.toStdString() << ": " << problem.toStdString();
    }
    EXPECT_EQ(entries(dir.path()), (QStringList{QStringLiteral("file"), QStringLiteral("full")}));

    // An empty folder made beforehand (with the rights a school wants) is taken over.
    QDir().mkdir(dir.path() + QStringLiteral("/empty"));
    StagedFolder stage(dir.path() + QStringLiteral("/empty"));
    ASSERT_EQ(stage.begin(), QString());
    ASSERT_EQ(stage.writeFile(QStringLiteral("a.txt"), "a"), QString());
    ASSERT_EQ(stage.putInPlace(), QString());
    EXPECT_EQ(read(dir.path() + QStringLiteral("/empty/a.txt")), QByteArray("a"));
}

#ifndef _WIN32
// A stage whose process was killed is cleared by the next stage beside it; one of a process
// still running is left alone.
TEST(StagedFolderTest, AStageOfAKilledProcessIsClearedByTheNextOne)
{
    QTemporaryDir dir;
    const QString target = dir.path() + QStringLiteral("/school");
    QString running;
    {
        StagedFolder first(target);
        ASSERT_EQ(first.begin(), QString());
        running = first.stage();
        const QString name = QFileInfo(running).fileName();
        const QString prefix = name.left(name.lastIndexOf(u'-', name.lastIndexOf(u'-') - 1) + 1);
        // The same name, as a process that is gone (a number no process has) would have left it.
        QProcess gone;
        gone.start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("echo $$")});
        ASSERT_TRUE(gone.waitForFinished());
        const QString pid = QString::fromLatin1(gone.readAllStandardOutput()).trimmed();
        ASSERT_FALSE(pid.isEmpty());
        const QString stale = dir.path() + u'/' + prefix + pid + QStringLiteral("-abcdef");
        ASSERT_TRUE(QDir().mkpath(stale + QStringLiteral("/tavrel")));
        write(stale + QStringLiteral("/tavrel/設定.txt"), "1");

        StagedFolder second(target);
        ASSERT_EQ(second.begin(), QString());
        EXPECT_FALSE(QFileInfo::exists(stale));
        EXPECT_TRUE(QFileInfo::exists(running)) << "a stage of a running process stays";
        ASSERT_EQ(second.putInPlace(), QString());
    }
    EXPECT_EQ(entries(dir.path()), QStringList{QStringLiteral("school")});
}
#endif

TEST(SchoolRegistryTest, AddsOrMovesASchoolAndKeepsEveryOtherLine)
{
    QTemporaryDir dir;
    const QString file = dir.path() + QStringLiteral("/etc/tavrel/schools");
    write(file, "# kept\r\n東小学校\t/srv/east/tavrel\r\nbroken line\n西小学校\t/mnt/west/tavrel\n");
    EXPECT_EQ(schoolregistry::read(file),
              (std::vector<RegisteredSchool>{{QStringLiteral("東小学校"), QStringLiteral("/srv/east/tavrel")},
                                             {QStringLiteral("西小学校"), QStringLiteral("/mnt/west/tavrel")}}));
    ASSERT_EQ(schoolregistry::add(file, {QStringLiteral("西小学校"), QStringLiteral("/media/west/tavrel")}), QString());
    ASSERT_EQ(schoolregistry::add(file, {QStringLiteral("南小学校"), QStringLiteral("/srv/south/tavrel")}), QString());
    EXPECT_EQ(read(file), QByteArray("# kept\r\n東小学校\t/srv/east/tavrel\r\nbroken line\n西小学校\t/media/west/tavrel\n"
                                     "南小学校\t/srv/south/tavrel\n"));
    EXPECT_NE(schoolregistry::add(file, {QStringLiteral("a\tb"), QStringLiteral("/x")}), QString());
    EXPECT_NE(schoolregistry::add(file, {QStringLiteral(" "), QStringLiteral("/x")}), QString());

    const QString fresh = dir.path() + QStringLiteral("/new/tavrel/schools");
    ASSERT_EQ(schoolregistry::add(fresh, {QStringLiteral("東小学校"), QStringLiteral("/srv/east/tavrel")}), QString());
    EXPECT_EQ(schoolregistry::read(fresh).size(), 1u);
}

// The account's list comes before the machine's (both folders of this test process).
TEST(SchoolRegistryTest, TheAccountsEntryOfANameComesFirst)
{
    ASSERT_EQ(schoolregistry::add(schoolregistry::machineFile(), {QStringLiteral("北小学校"), QStringLiteral("/srv/north/tavrel")}),
              QString());
    ASSERT_EQ(schoolregistry::add(schoolregistry::accountFile(), {QStringLiteral("北小学校"), QStringLiteral("/home/t/north/tavrel")}),
              QString());
    const std::optional<RegisteredSchool> found = schoolregistry::find(QStringLiteral("北小学校"));
    ASSERT_TRUE(found);
    EXPECT_EQ(found->programFolder, QStringLiteral("/home/t/north/tavrel"));
    const auto known = schoolregistry::known();
    EXPECT_EQ(std::count_if(known.begin(), known.end(), [](const RegisteredSchool &s) { return s.name == QStringLiteral("北小学校"); }),
              1);
    EXPECT_FALSE(schoolregistry::find(QStringLiteral("どこにもない小学校")));
}

TEST(PersonalDemoTest, TheShippedDemoIsCopiedOnceIntoTheAccountsFolder)
{
    QTemporaryDir dir;
    const QString bin = dir.path() + QStringLiteral("/usr/bin");
    const QString shipped = dir.path() + QStringLiteral("/usr/share/tavrel/demo");
    QDir().mkpath(bin);
    EXPECT_EQ(personaldemo::shippedDemo(bin), QString());
    write(shipped + QStringLiteral("/tavrel/設定.txt"), "1,0,0,0,0,0,0,0,0,0\r\n");
    write(shipped + QStringLiteral("/files/生徒用名簿.txt"), "roster");
    ASSERT_EQ(personaldemo::shippedDemo(bin), QDir::cleanPath(shipped));

    const QString target = dir.path() + QStringLiteral("/home/data/tavrel/demo");
    const personaldemo::Prepared prepared = personaldemo::prepare(shipped, target);
    ASSERT_EQ(prepared.problem, QString());
    EXPECT_EQ(prepared.programFolder, target + QStringLiteral("/tavrel"));
    EXPECT_EQ(read(target + QStringLiteral("/files/生徒用名簿.txt")), QByteArray("roster"));

    // The pupil's copy is theirs from then on.
    write(target + QStringLiteral("/files/生徒用名簿.txt"), "changed");
    EXPECT_EQ(personaldemo::prepare(shipped, target).programFolder, target + QStringLiteral("/tavrel"));
    EXPECT_EQ(read(target + QStringLiteral("/files/生徒用名簿.txt")), QByteArray("changed"));
}

} // namespace
