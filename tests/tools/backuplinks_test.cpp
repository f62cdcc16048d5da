// Backups among things other accounts may plant: links where the backup's folders go, crafted
// backups for --check, and the working folders of backups that were killed. Nothing outside the
// backup is touched or read.
#include "adminrun.h"
#include "installation.h"
#include "lockholder.h"
#include "schoolbackup.h"
#include "startup.h"
#include "tempinstall.h"
#include "testfiles.h"
#include "writerprocess.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QSysInfo>
#include <QThread>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using testfiles::link;
using testfiles::read;
using testfiles::write;




QString sha256(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

// Every file below a folder with its checksum, every link with its target: what "nothing
// touched" is compared with.
QStringList contents(const QString &folder)
{
    QStringList found;
    for (const QString &path : testfiles::below(folder)) {
        const QFileInfo info(path);
        found << path + u' '
                     + (info.isSymLink() ? info.symLinkTarget() : info.isFile() ? sha256(read(path)) : QStringLiteral("folder"));
    }
    return found;
}

class BackupLinks : public testing::Test
{
protected:
    void SetUp() override
    {
        install.writeValidMode1();
        install.writeText(QStringLiteral("files/生徒用名簿.txt"), QStringLiteral("1,2014,0,0,\"森\",0,\"\",\"\"\r\n"));
        install.writeBytes(QStringLiteral("drill2/成績累積データ.dat"), QByteArray(88, '\x01'));
        runStartup(state, install.programFolder());
        // Someone else's files, which no backup may touch or read.
        write(outside.root() + QStringLiteral("/secret/shadow"), QByteArray("root:secret\n"));
        write(outside.root() + QStringLiteral("/secret/設定.txt"), read(install.programFolder() + QStringLiteral("設定.txt")));
        dest = backups.root() + QStringLiteral("/backups");
        QDir().mkpath(dest);
    }

    schoolbackup::Made backup() const
    {
        return schoolbackup::make(state.folders, dest, QDateTime(QDate(2024, 6, 10), QTime(15, 30)), [] {});
    }

    TempInstall install;
    TempInstall outside;
    TempInstall backups;
    Installation state;
    QString dest;
};

TEST_F(BackupLinks, LinksWhereTheBackupsFoldersGoAreNeverFollowed)
{
    const QString secret = outside.root() + QStringLiteral("/secret");
    // At the names earlier versions used for their working folder, at names of the kind this one
    // uses, at the finished backup's name, and a link that leads nowhere yet.
    link(secret, dest + QStringLiteral("/.tavrel-2024-06-10_153000.partial"));
    link(secret, dest + QStringLiteral("/.tavrel-2024-06-10_153000.partial-AAAAAA"));
    link(secret, dest + QStringLiteral("/tavrel-2024-06-10_153000"));
    link(outside.root() + QStringLiteral("/none"), dest + QStringLiteral("/tavrel-2024-06-10_153000-2"));
    const QStringList before = contents(outside.root());

    const schoolbackup::Made made = backup();
    ASSERT_TRUE(made.made) << made.problems.join(u'\n').toStdString();
    EXPECT_EQ(made.folder, dest + QStringLiteral("/tavrel-2024-06-10_153000-3"));
    EXPECT_TRUE(made.cleared.isEmpty());
    EXPECT_FALSE(QFileInfo(made.folder).isSymLink());
    EXPECT_EQ(read(made.folder + QStringLiteral("/drill2/成績累積データ.dat")), QByteArray(88, '\x01'));
    EXPECT_EQ(contents(outside.root()), before);
    EXPECT_FALSE(QFileInfo::exists(outside.root() + QStringLiteral("/none")));
    EXPECT_EQ(QDir(dest).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot).size(), 5);
}

TEST_F(BackupLinks, AFileOfTheInstallationThatIsALinkFailsTheBackupAndLeavesNothing)
{
    link(outside.root() + QStringLiteral("/secret/shadow"), install.filesFolder() + QStringLiteral("生徒用名簿temp.txt"));
    const QStringList before = contents(outside.root());
    const ToolLanguage english(AdminLanguage::English);
    const schoolbackup::Made made = backup();
    EXPECT_FALSE(made.made);
    EXPECT_TRUE(made.problems.join(u'\n').contains(QStringLiteral("is a link"))) << made.problems.join(u'\n').toStdString();
    EXPECT_TRUE(QDir(dest).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot).isEmpty());
    EXPECT_EQ(contents(outside.root()), before);
}

// A backup folder crafted to make --check read what is not the backup's. Each case: the listed
// path, what stands there, and what --check must say of it.
TEST_F(BackupLinks, CheckReadsOnlyRegularFilesInsideTheBackup)
{
    const schoolbackup::Made made = backup();
    ASSERT_TRUE(made.made);
    const QString b = made.folder;
    const QByteArray settings = read(b + QStringLiteral("/drill2/設定.txt"));
    const QString sum = sha256(settings);
    const QString secret = outside.root() + QStringLiteral("/secret");

    link(secret, b + QStringLiteral("/linked"));
    link(secret + QStringLiteral("/設定.txt"), b + QStringLiteral("/設定への link"));
    link(QStringLiteral("/dev/zero"), b + QStringLiteral("/zero"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(b + QStringLiteral("/pipe")).constData(), 0644), 0);
    write(b + QStringLiteral("/big"), QByteArray(100000, 'x'));
    QString manifest = read(b + QStringLiteral("/manifest.txt"));
    const auto entry = [&](const QString &path, qint64 size, const QString &hash = QString()) {
        manifest += QStringLiteral("# size %1\n%2  %3\n").arg(size).arg(hash.isEmpty() ? sum : hash, path);
    };
    entry(QStringLiteral("linked/設定.txt"), settings.size());
    entry(QStringLiteral("設定への link"), settings.size());
    entry(QStringLiteral("zero"), 1000);
    entry(QStringLiteral("pipe"), 10);
    entry(QStringLiteral("big"), 10);
    entry(QStringLiteral("../secret/設定.txt"), settings.size());
    entry(secret + QStringLiteral("/設定.txt"), settings.size());
    manifest += QStringLiteral("12\t%1\tlinked/shadow\n").arg(sha256("root:secret\n"));
    write(b + QStringLiteral("/manifest.txt"), manifest.toUtf8());
    const QStringList before = contents(outside.root());

    const WriterProcess check = runWriter(QStringLiteral(TAVREL_ADMIN_PATH), {QStringLiteral("backup"), QStringLiteral("--check"), b});
    ASSERT_FALSE(check.crashed) << check.err.toStdString();
    EXPECT_EQ(check.status, 1);
    const char *const said[] = {
        "linked/設定.txt: linked is a link in the backup, not a folder; not read",
        "設定への link: a link in the backup, not a file; not read",
        "zero: a link in the backup, not a file; not read",
        "pipe: a pipe in the backup, not a file; not read",
        "big: 100000 bytes, the backup had 10",
        "../secret/設定.txt: the path leaves the backup; not read",
        "/設定.txt: the path leaves the backup; not read",
        "linked/shadow: linked is a link in the backup, not a folder; not read",
    };
    for (const char *text : said)
        EXPECT_TRUE(check.err.contains(QString::fromUtf8(text))) << text << "\n" << check.err.toStdString();
    EXPECT_FALSE(check.err.contains(QStringLiteral("12 bytes"))) << check.err.toStdString();
    EXPECT_FALSE(check.out.contains(QStringLiteral("intact")));
    EXPECT_EQ(contents(outside.root()), before);

    // A manifest that is itself a link is no manifest.
    QFile::remove(b + QStringLiteral("/manifest.txt"));
    link(secret + QStringLiteral("/shadow"), b + QStringLiteral("/manifest.txt"));
    const AdminRun linkedManifest = admin({QStringLiteral("backup"), QStringLiteral("--check"), b});
    EXPECT_EQ(linkedManifest.status, 1);
    EXPECT_TRUE(linkedManifest.err.contains(QStringLiteral("not a backup"))) << linkedManifest.err.toStdString();
}

TEST_F(BackupLinks, TheManifestVerifiesWithSha256sumAndWhateverItsLineEnds)
{
    const schoolbackup::Made made = backup();
    ASSERT_TRUE(made.made);
    const QString list = made.folder + QStringLiteral("/manifest.txt");
    const QByteArray lf = read(list);
    EXPECT_FALSE(lf.contains('\r'));

    const QString sha256sum = QStandardPaths::findExecutable(QStringLiteral("sha256sum"));
    if (!sha256sum.isEmpty()) {
        QProcess p;
        p.setWorkingDirectory(made.folder);
        p.start(sha256sum, {QStringLiteral("--strict"), QStringLiteral("-c"), QStringLiteral("manifest.txt")});
        ASSERT_TRUE(p.waitForFinished());
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        EXPECT_EQ(QString::fromUtf8(p.readAllStandardOutput()).count(QStringLiteral(": OK")), made.copied.size());
    }

    for (const QByteArray &ends : {QByteArray("\r\n"), QByteArray("\r")}) {
        QByteArray edited = lf;
        edited.replace("\n", ends);
        write(list, edited);
        const schoolbackup::Checked checked = schoolbackup::check(made.folder);
        EXPECT_TRUE(checked.problems.isEmpty()) << checked.problems.join(u'\n').toStdString();
        EXPECT_EQ(checked.verified, made.copied.size());
    }

    // A backup written by an earlier version (size, checksum and path between tabs) still checks.
    QString earlier;
    for (const QString &relative : made.copied) {
        const QByteArray bytes = read(made.folder + u'/' + relative);
        earlier += QStringLiteral("%1\t%2\t%3\r\n").arg(bytes.size()).arg(sha256(bytes), relative);
    }
    write(list, earlier.toUtf8());
    EXPECT_EQ(schoolbackup::check(made.folder).verified, made.copied.size());
}

QStringList workingFolders(const QString &dest)
{
    return QDir(dest).entryList({QStringLiteral(".tavrel-*")}, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// A backup killed while it works leaves its hidden working folder; the next backup removes it.
// A working folder whose backup is still running (its owner file locked by another process) is
// left alone.
TEST_F(BackupLinks, WorkingFoldersOfKilledBackupsAreRemovedByTheNextOne)
{
    QStringList left;
    {
        // The run log held by a recording program keeps each backup waiting with its working
        // folder made, until it is killed; each one removes the folder the one before left.
        LockHolder recording(install.programFolder() + QStringLiteral("成績累積データ.dat"), QStringLiteral("exclusive"));
        ASSERT_TRUE(recording.holds());
        for (int killed = 1; killed <= 3; ++killed) {
            QProcess backup;
            backup.start(QStringLiteral(TAVREL_ADMIN_PATH), {QStringLiteral("backup"), install.programFolder(), dest});
            ASSERT_TRUE(backup.waitForStarted());
            // Killed once it waits, its owner file written.
            const auto waiting = [&] {
                const QStringList now = workingFolders(dest);
                return !now.isEmpty() && now != left
                       && !read(dest + u'/' + now.last() + u'/' + schoolbackup::kOwnerFile).isEmpty();
            };
            for (int waited = 0; !waiting() && waited < 3000; ++waited)
                QThread::msleep(10);
            backup.kill();
            backup.waitForFinished();
            const QStringList now = workingFolders(dest);
            ASSERT_EQ(now.size(), 1) << now.join(u' ').toStdString();
            EXPECT_NE(now, left);
            left = now;
        }
    }
    const QString running = dest + QStringLiteral("/.tavrel-2024-06-10_153000.partial-Live01");
    write(running + u'/' + schoolbackup::kOwnerFile,
          "tavrel-admin backup 1 " + QSysInfo::machineHostName().toUtf8() + "\n");
    LockHolder owner(running + u'/' + schoolbackup::kOwnerFile, QStringLiteral("exclusive"));
    ASSERT_TRUE(owner.holds());

    const schoolbackup::Made made = backup();
    ASSERT_TRUE(made.made) << made.problems.join(u'\n').toStdString();
    QStringList cleared;
    for (const QString &name : left)
        cleared << dest + u'/' + name;
    QStringList removed = made.cleared;
    removed.sort();
    EXPECT_EQ(removed, cleared);
    EXPECT_EQ(workingFolders(dest), QStringList{QFileInfo(running).fileName()});
    owner.release();

    const schoolbackup::Made next = backup();
    ASSERT_TRUE(next.made);
    EXPECT_EQ(next.cleared, QStringList{running});
    EXPECT_TRUE(workingFolders(dest).isEmpty());
}

} // namespace
