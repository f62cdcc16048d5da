#include "savefile.h"
#include "systemerror.h"
#include "workfolder.h"

#include "filesizelimit.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using testfiles::link;
using testfiles::read;
using testfiles::write;



struct stat statOf(const QString &path)
{
    struct stat st{};
    EXPECT_EQ(::lstat(QFile::encodeName(path).constData(), &st), 0) << path.toStdString();
    return st;
}

void chmodTo(const QString &path, mode_t mode)
{
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0);
}


class SaveFile : public testing::Test
{
protected:
    void SetUp() override { m_oldMask = ::umask(022); }
    void TearDown() override { ::umask(m_oldMask); }

    QString path(const char *name) const { return dir.filePath(QString::fromUtf8(name)); }
    QStringList files() const { return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot); }

    QTemporaryDir dir;
    mode_t m_oldMask = 0;
};

TEST_F(SaveFile, AReplacedFileKeepsItsModeAndGroupAndANewOneGetsItsFoldersSharing)
{
    chmodTo(dir.path(), 02775);
    const QString roster = path("生徒用名簿.txt");
    write(roster, "old");
    chmodTo(roster, 0660);
    gid_t group = ::getegid();
    if (::geteuid() == 0) {
        if (const struct group *g = ::getgrnam("users"))
            group = g->gr_gid;
        ASSERT_EQ(::chown(QFile::encodeName(roster).constData(), 4321, group), 0);
    }
    ASSERT_TRUE(savefile::replace(roster, "new").saved);
    EXPECT_EQ(read(roster), QByteArray("new"));
    EXPECT_EQ(statOf(roster).st_mode & 07777, 0660u);
    EXPECT_EQ(statOf(roster).st_gid, group);
    if (::geteuid() == 0) {
        EXPECT_EQ(statOf(roster).st_uid, 4321u);
    }

    const QString fresh = path("out.csv");
    ASSERT_TRUE(savefile::replace(fresh, "csv").saved);
    EXPECT_EQ(statOf(fresh).st_mode & 07777, 0664u) << "group write, whatever the umask";
    EXPECT_EQ(statOf(fresh).st_gid, statOf(dir.path()).st_gid);

    // A launcher may be run; a replaced file keeps its own mode all the same.
    const QString launcher = path("tavrel.desktop");
    ASSERT_TRUE(savefile::replace(launcher, "[Desktop Entry]\n", {.executable = true}).saved);
    EXPECT_EQ(statOf(launcher).st_mode & 07777, 0775u);
    ASSERT_TRUE(savefile::replace(roster, "newer", {.executable = true}).saved);
    EXPECT_EQ(statOf(roster).st_mode & 07777, 0660u);
    EXPECT_EQ(files().size(), 3);
}

TEST_F(SaveFile, ALinkAtThePathIsReplacedNeverWrittenThrough)
{
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath(QStringLiteral("shadow"));
    write(target, "secret");
    const QString out = path("out.csv");
    link(target, out);
    ASSERT_TRUE(savefile::replace(out, "csv").saved);
    EXPECT_TRUE(S_ISREG(statOf(out).st_mode));
    EXPECT_EQ(read(out), QByteArray("csv"));
    EXPECT_EQ(read(target), QByteArray("secret"));
}

TEST_F(SaveFile, AFailedWriteLeavesTheOldFileAndNothingElseAndSaysWhy)
{
    const QString out = path("report.pdf");
    write(out, "the old report");
    struct Case
    {
        QByteArray bytes;
        rlim_t limit;
    };
    // Small enough for any write buffer, and large enough to fail while it is written.
    for (const Case &c : {Case{QByteArray(100, 'x'), 10}, Case{QByteArray(1 << 20, 'x'), 4096}}) {
        savefile::Outcome outcome;
        {
            const FileSizeLimit limit(c.limit);
            outcome = savefile::replace(out, c.bytes);
        }
        EXPECT_FALSE(outcome.saved);
        EXPECT_EQ(outcome.error, systemerror::describe(EFBIG));
        EXPECT_EQ(read(out), QByteArray("the old report"));
        EXPECT_EQ(files(), QStringList{QStringLiteral("report.pdf")});
    }

    const savefile::Outcome noFolder = savefile::replace(path("none/out.csv"), "csv");
    EXPECT_FALSE(noFolder.saved);
    EXPECT_EQ(noFolder.error, systemerror::describe(ENOENT));
}

TEST(WorkFolder, IsPrivateUniqueAndRemovedWithoutFollowingLinks)
{
    QTemporaryDir parent;
    QTemporaryDir outside;
    write(outside.filePath(QStringLiteral("keep/file")), "outside");
    QString why;
    const QString first = workfolder::make(parent.path(), QStringLiteral(".backup-"), &why);
    const QString second = workfolder::make(parent.path(), QStringLiteral(".backup-"), &why);
    ASSERT_FALSE(first.isEmpty()) << why.toStdString();
    EXPECT_NE(first, second);
    EXPECT_TRUE(QFileInfo(first).fileName().startsWith(QStringLiteral(".backup-")));
    EXPECT_EQ(statOf(first).st_mode & 07777, 0700u);

    write(first + QStringLiteral("/sub/copy"), "copy");
    link(outside.filePath(QStringLiteral("keep")), first + QStringLiteral("/sub/folder link"));
    link(outside.filePath(QStringLiteral("keep/file")), first + QStringLiteral("/file link"));
    ASSERT_TRUE(workfolder::removeTree(first, &why)) << why.toStdString();
    EXPECT_FALSE(QFileInfo::exists(first));
    EXPECT_EQ(read(outside.filePath(QStringLiteral("keep/file"))), QByteArray("outside"));

    // A link standing where the folder was is removed itself.
    link(outside.filePath(QStringLiteral("keep")), first);
    ASSERT_TRUE(workfolder::removeTree(first, &why));
    EXPECT_FALSE(QFileInfo(first).isSymLink());
    EXPECT_EQ(read(outside.filePath(QStringLiteral("keep/file"))), QByteArray("outside"));
    EXPECT_TRUE(workfolder::removeTree(first, &why)) << "nothing there is nothing to remove";

    bool taken = false;
    const QString finished = parent.filePath(QStringLiteral("tavrel-2024"));
    link(outside.filePath(QStringLiteral("keep")), finished);
    EXPECT_FALSE(workfolder::renameNew(second, finished, &taken, &why));
    EXPECT_TRUE(taken);
    EXPECT_TRUE(workfolder::renameNew(second, finished + QStringLiteral("-2"), &taken, &why)) << why.toStdString();
    EXPECT_TRUE(QFileInfo(finished + QStringLiteral("-2")).isDir());
}

} // namespace
