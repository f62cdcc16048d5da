#include "sharedaccess.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct stat statOf(const QString &path)
{
    struct stat st{};
    EXPECT_EQ(::lstat(QFile::encodeName(path).constData(), &st), 0) << path.toStdString();
    return st;
}

// A group other than the process's own, for the cases that move a file between groups; only
// root may give a file any group, so those cases run as root.
gid_t otherGroup()
{
    for (const char *name : {"users", "nogroup", "staff"}) {
        if (const struct group *g = ::getgrnam(name); g && g->gr_gid != ::getegid())
            return g->gr_gid;
    }
    return static_cast<gid_t>(-1);
}

class SharedAccess : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_oldMask = ::umask(022);
    }
    void TearDown() override { ::umask(m_oldMask); }

    QString path(const char *name) const { return m_dir.filePath(QString::fromUtf8(name)); }
    int create(const QString &file) const
    {
        return ::open(QFile::encodeName(file).constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    }

    QTemporaryDir m_dir;
    mode_t m_oldMask = 0;
};

TEST_F(SharedAccess, ANewFileInAGroupWritableFolderGetsGroupWriteWhateverTheUmask)
{
    ASSERT_EQ(::chmod(QFile::encodeName(m_dir.path()).constData(), 02775), 0);
    const QString file = path("成績累積データ.dat");
    const int fd = create(file);
    ASSERT_GE(fd, 0);
    EXPECT_EQ(statOf(file).st_mode & 0777, 0644u) << "the umask takes group write away";
    EXPECT_EQ(sharedaccess::shareNewFile(fd, m_dir.path()), QString());
    ::close(fd);
    EXPECT_EQ(statOf(file).st_mode & 07777, 0664u);
}

TEST_F(SharedAccess, AFolderMadeInASharedFolderIsSearchableAndSetGroupIdLikeIt)
{
    ASSERT_EQ(::chmod(QFile::encodeName(m_dir.path()).constData(), 02770), 0);
    const QString sub = path("pending");
    ASSERT_EQ(::mkdir(QFile::encodeName(sub).constData(), 0777), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(sub).constData(), 0755), 0); // as a plain mkdir would leave it
    EXPECT_EQ(sharedaccess::shareNewPath(sub), QString());
    EXPECT_EQ(statOf(sub).st_mode & 07777, 02775u);
}

TEST_F(SharedAccess, AFolderThatIsNotGroupWritableGivesOnlyItsGroup)
{
    ASSERT_EQ(::chmod(QFile::encodeName(m_dir.path()).constData(), 0755), 0);
    const QString file = path("out.csv");
    const int fd = create(file);
    ASSERT_GE(fd, 0);
    EXPECT_EQ(sharedaccess::shareNewFile(fd, m_dir.path()), QString());
    ::close(fd);
    EXPECT_EQ(statOf(file).st_mode & 07777, 0644u);
}

TEST_F(SharedAccess, ANewFileTakesTheFoldersGroup)
{
    const gid_t group = otherGroup();
    if (::geteuid() != 0 || group == static_cast<gid_t>(-1))
        GTEST_SKIP() << "giving a file another group needs root and a second group";
    const QByteArray folder = QFile::encodeName(m_dir.path());
    ASSERT_EQ(::chown(folder.constData(), static_cast<uid_t>(-1), group), 0);
    ASSERT_EQ(::chmod(folder.constData(), 0775), 0); // no set-group-ID: the file starts in our group
    const QString file = path("生徒用名簿.txt");
    const int fd = create(file);
    ASSERT_GE(fd, 0);
    ASSERT_NE(statOf(file).st_gid, group);
    EXPECT_EQ(sharedaccess::shareNewFile(fd, m_dir.path()), QString());
    ::close(fd);
    EXPECT_EQ(statOf(file).st_gid, group);
    EXPECT_EQ(statOf(file).st_mode & 07777, 0664u);
}

TEST_F(SharedAccess, AReplacementKeepsTheGroupAndModeOfTheFileItReplaces)
{
    const QString old = path("生徒用名簿.txt");
    const QString replacement = path("生徒用名簿.txt.new");
    ::close(create(old));
    ASSERT_EQ(::chmod(QFile::encodeName(old).constData(), 0660), 0);
    const gid_t group = otherGroup();
    const bool moveGroup = ::geteuid() == 0 && group != static_cast<gid_t>(-1);
    if (moveGroup) {
        ASSERT_EQ(::chown(QFile::encodeName(old).constData(), static_cast<uid_t>(-1), group), 0);
    }
    ::close(create(replacement));
    EXPECT_EQ(sharedaccess::inheritFrom(old, replacement), QString());
    EXPECT_EQ(statOf(replacement).st_mode & 07777, 0660u);
    EXPECT_EQ(statOf(replacement).st_gid, statOf(old).st_gid);
}

TEST_F(SharedAccess, AReplacementOfNothingIsSharedAsANewFileOfItsFolder)
{
    ASSERT_EQ(::chmod(QFile::encodeName(m_dir.path()).constData(), 0775), 0);
    const QString replacement = path("report.pdf.new");
    ::close(create(replacement));
    EXPECT_EQ(sharedaccess::inheritFrom(path("report.pdf"), replacement), QString());
    EXPECT_EQ(statOf(replacement).st_mode & 07777, 0664u);
}

TEST_F(SharedAccess, ALinkIsNeverFollowed)
{
    const QString target = path("target");
    ::close(create(target));
    ASSERT_EQ(::chmod(QFile::encodeName(target).constData(), 0600), 0);
    const QString link = path("link");
    ASSERT_EQ(::symlink(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(m_dir.path()).constData(), 0775), 0);
    EXPECT_NE(sharedaccess::shareNewPath(link), QString());
    EXPECT_EQ(statOf(target).st_mode & 07777, 0600u);
}

} // namespace
