// Backups put back into an installation, and the rotation of scheduled backups: nothing a pupil
// recorded is lost, nothing is half-written, and a damaged or crafted backup changes nothing.
#include "adminrun.h"
#include "answerlog.h"
#include "installation.h"
#include "runlogbytes.h"
#include "schoolbackup.h"
#include "startup.h"
#include "tempinstall.h"
#include "testfiles.h"
#include "testnames.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <functional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using testfiles::read;
using testfiles::write;

const QString kLog = QStringLiteral("drill2/成績累積データ.dat");
const QString kHomeLog = QStringLiteral("files/成績累積データ家庭用.dat");
const QString kAnswers = QStringLiteral("drill2/解答累積データ.dat");
const QString kRoster = QStringLiteral("files/生徒用名簿.txt");
const QString kSettings = QStringLiteral("drill2/設定.txt");
const QString kQuestions = QStringLiteral("drill2/Morvidかな0vv.ccc");

// The answer record of a pupil's question on a day.
QByteArray answerBytes(const QDate &day, std::int16_t pupil, std::int16_t line, std::int16_t wrongChoices)
{
    AnswerRecord record;
    record.row = AnswerRow{static_cast<double>(QDate(1899, 12, 30).daysTo(day)), 0.625, pupil, 2, 1, line,
                           0x1234u + static_cast<std::uint32_t>(line), wrongChoices, 0, 1, true};
    record.siteCode = QStringLiteral("S0001");
    return record.encode();
}

// Every file below a folder with its content: what "nothing changed" is compared with.
QStringList contents(const QString &folder)
{
    QStringList found;
    for (const QString &path : testfiles::below(folder)) {
        const QFileInfo info(path);
        found << path + u' '
                     + (info.isSymLink() ? info.symLinkTarget()
                        : info.isFile()  ? QString::fromLatin1(QCryptographicHash::hash(read(path), QCryptographicHash::Sha256).toHex())
                                         : QStringLiteral("folder"));
    }
    return found;
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// An installation with two runs, a roster and a question file, and its backup in a folder of
// backups of its own.
class Restore : public testing::Test
{
protected:
    void SetUp() override
    {
        install.writeValidMode1();
        install.writeBytes(kLog, runLogRecordBytes(QDate(2024, 6, 10), 3, 2, 51) + runLogRecordBytes(QDate(2024, 6, 10), 4, 2, 60));
        install.writeText(kRoster, QStringLiteral("3,2013,0,0,\"山田\",0,\"\",\"\"\r\n4,2013,0,0,\"森\",0,\"\",\"\"\r\n"));
        install.writeBytes(kQuestions, QByteArray("stored questions\r\n"));
        install.writeBytes(kAnswers, answerBytes(QDate(2024, 6, 10), 3, 5, 2) + answerBytes(QDate(2024, 6, 10), 4, 6, 0));
        runStartup(state, install.programFolder());
        dest = backups.root() + QStringLiteral("/backups");
        const schoolbackup::Made made =
            schoolbackup::make(state.folders, dest, QDateTime(QDate(2024, 6, 10), QTime(18, 30)), [] {});
        ASSERT_TRUE(made.made) << made.problems.join(u'\n').toStdString();
        backup = made.folder;
    }

    AdminRun restore(const QStringList &more = {}) const
    {
        return admin(QStringList{QStringLiteral("restore"), backup, install.programFolder()} + more);
    }

    QString at(const QString &relative) const { return install.root() + u'/' + relative; }

    // The copies restores kept, beside the backup.
    QStringList keptCopies() const
    {
        return QDir(dest).entryList({schoolbackup::kBeforeRestorePrefix + u'*'}, QDir::Dirs);
    }

    TempInstall install;
    TempInstall backups;
    Installation state;
    QString dest;
    QString backup;
};

TEST_F(Restore, PutsEveryFileBackByteForByteAndKeepsWhatItReplaced)
{
    const QStringList backedUp = contents(backup);
    // A run log that only lost its last run, a changed roster and settings, a lost question file.
    const QByteArray log = read(at(kLog));
    write(at(kLog), log.first(44));
    install.writeText(kRoster, QStringLiteral("3,2013,0,0,\"別人\",0,\"\",\"\"\r\n"));
    const QByteArray changedRoster = read(at(kRoster));
    const QByteArray settings = read(at(kSettings));
    write(at(kSettings), settings + "\r\n");
    install.remove(kQuestions);
    ASSERT_EQ(::chmod(QFile::encodeName(at(kRoster)).constData(), 0660), 0);

    const AdminRun r = restore();
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    for (const QString &line : {QStringLiteral("restored drill2/成績累積データ.dat\n"), QStringLiteral("restored files/生徒用名簿.txt\n"),
                                QStringLiteral("restored drill2/設定.txt\n"), QStringLiteral("restored drill2/Morvidかな0vv.ccc\n"),
                                QStringLiteral("already as in the backup: files/共通データ.txt\n"),
                                QStringLiteral("already as in the backup: drill2/解答累積データ.dat\n"),
                                QStringLiteral("not in the backup, left as it is: files/生徒用名簿クラス.txt\n"),
                                QStringLiteral("restored 4 files from ")})
        EXPECT_TRUE(r.out.contains(line)) << line.toStdString() << " in\n" << r.out.toStdString();

    // Every file of the backup is in the installation as the backup holds it.
    const schoolbackup::Checked held = schoolbackup::load(backup);
    ASSERT_TRUE(held.problems.isEmpty());
    ASSERT_EQ(held.files.size(), 8u);
    for (const schoolbackup::Content &file : held.files)
        EXPECT_EQ(read(at(file.relative)), file.bytes) << file.relative.toStdString();
    EXPECT_EQ(read(at(kLog)), log);
    EXPECT_EQ(contents(backup), backedUp);
    // The roster kept its permissions.
    struct stat st{};
    ASSERT_EQ(::stat(QFile::encodeName(at(kRoster)).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0660u);

    // What was replaced is a backup of its own, which rotation never takes for a scheduled one.
    ASSERT_EQ(keptCopies().size(), 1);
    const QString kept = dest + u'/' + keptCopies().first();
    EXPECT_TRUE(r.out.contains(QStringLiteral("kept the files as they were in ") + kept)) << r.out.toStdString();
    EXPECT_TRUE(schoolbackup::check(kept).problems.isEmpty());
    EXPECT_FALSE(schoolbackup::isRotatedName(keptCopies().first()));
    EXPECT_EQ(read(kept + u'/' + kLog), log.first(44));
    EXPECT_EQ(read(kept + u'/' + kRoster), changedRoster);
    EXPECT_FALSE(QFileInfo::exists(kept + u'/' + kQuestions));

    // Restoring again finds everything in place and keeps no copy.
    const AdminRun again = restore();
    ASSERT_EQ(again.status, 0) << again.err.toStdString();
    EXPECT_TRUE(again.out.contains(QStringLiteral("restored 0 files from "))) << again.out.toStdString();
    EXPECT_EQ(keptCopies().size(), 1);
}

// The logs a pupil's run appends to, each with one more record of a later run.
struct LogCase
{
    const char *name;
    QString relative;
    QByteArray later;     // one record of a run after the backup
    qsizetype recordSize; // the log's record size

    friend void PrintTo(const LogCase &c, std::ostream *os) { *os << c.name; }
};

const LogCase kLogCases[] = {
    {"RunLog", kLog, runLogRecordBytes(QDate(2024, 6, 11), 3, 4, 70), 44},
    {"AnswerLog", kAnswers, answerBytes(QDate(2024, 6, 11), 3, 7, 1), AnswerRecord::kSize},
};

class GrownLog : public Restore, public testing::WithParamInterface<LogCase>
{
};

TEST_P(GrownLog, IsRefusedAndNothingChanges)
{
    // A pupil ran once more after the backup.
    const QString log = GetParam().relative;
    const qsizetype backedUp = read(at(log)).size();
    write(at(log), read(at(log)) + GetParam().later);
    install.writeText(kRoster, QStringLiteral("3,2013,0,0,\"別人\",0,\"\",\"\"\r\n"));
    const QStringList before = contents(install.root());
    const QStringList backupsBefore = contents(backups.root());

    const AdminRun r = restore();
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("%1 holds runs the backup lacks: %2 bytes in the installation, %3 in "
                                              "the backup")
                                   .arg(log)
                                   .arg(backedUp + GetParam().recordSize)
                                   .arg(backedUp)))
        << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("--force")));
    EXPECT_EQ(contents(install.root()), before);
    EXPECT_EQ(contents(backups.root()), backupsBefore);
}

TEST_P(GrownLog, ForceReplacesItAndTheKeptCopyHoldsIt)
{
    const QString log = GetParam().relative;
    const QByteArray backedUpLog = read(at(log));
    const QByteArray grown = backedUpLog + GetParam().later;
    write(at(log), grown);
    const QByteArray home = read(at(kHomeLog));

    const AdminRun r = restore({QStringLiteral("--force")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("restored %1\n").arg(log))) << r.out.toStdString();
    EXPECT_EQ(read(at(log)), backedUpLog);
    EXPECT_EQ(read(at(kHomeLog)), home);
    ASSERT_EQ(keptCopies().size(), 1);
    const QString kept = dest + u'/' + keptCopies().first();
    EXPECT_TRUE(schoolbackup::check(kept).problems.isEmpty());
    EXPECT_EQ(read(kept + u'/' + log), grown) << "the run recorded after the backup is kept";

    // Restoring the kept copy undoes the restore, and needs no --force: it holds every run.
    const AdminRun undo = admin({QStringLiteral("restore"), kept, install.programFolder()});
    ASSERT_EQ(undo.status, 0) << undo.err.toStdString();
    EXPECT_EQ(read(at(log)), grown);
}

INSTANTIATE_TEST_SUITE_P(Logs, GrownLog, testing::ValuesIn(kLogCases), testname::ByName());

// A backup made before the installation had an answer log: the installation's answer log,
// whatever it holds since, is left alone; an installation without one backs up without it.
TEST_F(Restore, ABackupWithoutTheAnswerLogLeavesTheInstallationsAlone)
{
    const QByteArray answers = read(at(kAnswers));
    install.remove(kAnswers);
    const schoolbackup::Made older =
        schoolbackup::make(state.folders, dest, QDateTime(QDate(2024, 6, 9), QTime(18, 30)), [] {});
    ASSERT_TRUE(older.made) << older.problems.join(u'\n').toStdString();
    EXPECT_TRUE(older.absent.contains(kAnswers)) << older.absent.join(u' ').toStdString();
    EXPECT_FALSE(older.copied.contains(kAnswers));
    EXPECT_FALSE(QFileInfo::exists(older.folder + u'/' + kAnswers));
    EXPECT_TRUE(schoolbackup::check(older.folder).problems.isEmpty());

    // Runs since then, and a roster to put back.
    write(at(kAnswers), answers + answerBytes(QDate(2024, 6, 11), 3, 7, 1));
    const QByteArray since = read(at(kAnswers));
    install.writeText(kRoster, QStringLiteral("3,2013,0,0,\"別人\",0,\"\",\"\"\r\n"));

    const AdminRun r = admin({QStringLiteral("restore"), older.folder, install.programFolder()});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("restored files/生徒用名簿.txt\n"))) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("not in the backup, left as it is: drill2/解答累積データ.dat\n")))
        << r.out.toStdString();
    EXPECT_EQ(read(at(kAnswers)), since);
}

TEST_F(Restore, ALogThatDiffersFromTheBackupsIsRefusedInJapaneseToo)
{
    write(at(kLog), runLogRecordBytes(QDate(2024, 6, 11), 5, 2, 40));
    const QStringList before = contents(install.root());
    const AdminRun r = admin({QStringLiteral("restore"), backup, install.programFolder()}, AdminLanguage::Japanese);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("drill2/成績累積データ.dat"))) << r.err.toStdString();
    EXPECT_FALSE(r.err.contains(QStringLiteral("holds runs"))) << "said in Japanese: " << r.err.toStdString();
    EXPECT_EQ(contents(install.root()), before);
}

// A recording program that opened a log before the restore and waited for its lock: it appends
// through the file it holds open, which must still be the log.
struct WaitingCase
{
    const char *name;
    bool grown; // the log holds a run the backup lacks (and --force is given); else it lost one
    LogCase log;

    friend void PrintTo(const WaitingCase &c, std::ostream *os) { *os << c.name; }
};

class WaitingAppender : public Restore, public testing::WithParamInterface<WaitingCase>
{
};

TEST_P(WaitingAppender, AppendsAfterTheRestoredRuns)
{
    const LogCase &log = GetParam().log;
    const QByteArray backedUp = read(at(log.relative));
    write(at(log.relative), GetParam().grown ? backedUp + log.later : backedUp.first(log.recordSize));
    const int waiting = ::open(QFile::encodeName(at(log.relative)).constData(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(waiting, 0);

    const AdminRun r = restore(GetParam().grown ? QStringList{QStringLiteral("--force")} : QStringList{});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    // Once the lock is free, the program appends after the last whole record it finds.
    struct stat st{};
    ASSERT_EQ(::fstat(waiting, &st), 0);
    const QByteArray run = log.later;
    EXPECT_EQ(::pwrite(waiting, run.constData(), static_cast<size_t>(run.size()), st.st_size / log.recordSize * log.recordSize),
              run.size());
    ::close(waiting);
    EXPECT_EQ(read(at(log.relative)), backedUp + run) << "the waiting program's run reached the log";
}

INSTANTIATE_TEST_SUITE_P(Cases, WaitingAppender,
                         testing::Values(WaitingCase{"ALogThatLostARun", false, kLogCases[0]},
                                         WaitingCase{"AGrownLogWithForce", true, kLogCases[0]},
                                         WaitingCase{"AnAnswerLogThatLostARecord", false, kLogCases[1]},
                                         WaitingCase{"AGrownAnswerLogWithForce", true, kLogCases[1]}),
                         testname::ByName());

// Backups that are not what backup made: each is refused and nothing changes anywhere.
struct CraftedCase
{
    const char *name;
    std::function<void(const QString &backup)> craft;
    const char *errorMentions;

    friend void PrintTo(const CraftedCase &c, std::ostream *os) { *os << c.name; }
};

class CraftedBackup : public Restore, public testing::WithParamInterface<CraftedCase>
{
};

// Adds a file and its manifest lines to a backup, so that the backup verifies.
void plant(const QString &backup, const QString &relative, const QByteArray &bytes)
{
    write(backup + u'/' + relative, bytes);
    const QByteArray manifest = read(backup + QStringLiteral("/manifest.txt"));
    write(backup + QStringLiteral("/manifest.txt"),
          manifest + "# size " + QByteArray::number(bytes.size()) + "\n"
              + QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex() + "  " + relative.toUtf8() + "\n");
}

TEST_P(CraftedBackup, IsRefusedAndNothingChanges)
{
    // The installation lost its last run and its question file: a restore would change them.
    write(at(kLog), read(at(kLog)).first(44));
    install.remove(kQuestions);
    GetParam().craft(backup);
    const QStringList before = contents(install.root());
    const QStringList backupsBefore = contents(backups.root());

    const AdminRun r = restore({QStringLiteral("--force")});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains(QString::fromUtf8(GetParam().errorMentions))) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("nothing was restored"))) << r.err.toStdString();
    EXPECT_EQ(contents(install.root()), before);
    EXPECT_EQ(contents(backups.root()), backupsBefore);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CraftedBackup,
    testing::Values(
        CraftedCase{"AChangedRunLog",
                    [](const QString &b) {
                        QByteArray log = read(b + u'/' + kLog);
                        log[50] = '\x7f';
                        write(b + u'/' + kLog, log);
                    },
                    "drill2/成績累積データ.dat: the checksum differs"},
        CraftedCase{"AMissingFile", [](const QString &b) { QFile::remove(b + u'/' + kSettings); }, "drill2/設定.txt: missing"},
        CraftedCase{"NoManifest", [](const QString &b) { QFile::remove(b + QStringLiteral("/manifest.txt")); }, "not a backup"},
        CraftedCase{"ADamagedManifestLine",
                    [](const QString &b) {
                        write(b + QStringLiteral("/manifest.txt"), read(b + QStringLiteral("/manifest.txt")) + "# size x\n");
                    },
                    "line"},
        CraftedCase{"AFileOutsideTheBackup",
                    [](const QString &b) { plant(b, QStringLiteral("../outside.txt"), "x"); }, "leaves the backup"},
        CraftedCase{"AProgramFile",
                    [](const QString &b) { plant(b, QStringLiteral("drill2/tavrel-help.html"), "<script>"); },
                    "drill2/tavrel-help.html, which is not a file of this installation"},
        CraftedCase{"AFileOfAnotherFolderMode",
                    [](const QString &b) { plant(b, QStringLiteral("生徒用名簿.txt"), "1,2014,0,0,\"x\",0,\"\",\"\"\r\n"); },
                    "another folder mode"},
        CraftedCase{"ALinkForAFile",
                    [](const QString &b) {
                        QFile::remove(b + u'/' + kQuestions);
                        testfiles::link(QStringLiteral("/etc/passwd"), b + u'/' + kQuestions);
                    },
                    "not a file"}),
    testname::ByName());

TEST_F(Restore, ANotAnInstallationOrAMissingArgumentIsRefused)
{
    EXPECT_EQ(admin({QStringLiteral("restore"), backup}).status, 2);
    const AdminRun nowhere = admin({QStringLiteral("restore"), backup, install.root() + QStringLiteral("/nowhere")});
    EXPECT_EQ(nowhere.status, 1);
    EXPECT_TRUE(nowhere.err.contains(QStringLiteral("no installation"))) << nowhere.err.toStdString();
}

// Scheduled backups into one folder: --keep N leaves the N newest intact ones.
class Rotation : public Restore
{
protected:
    QString made(const QDateTime &when) const
    {
        const schoolbackup::Made m = schoolbackup::make(state.folders, dest, when, [] {});
        EXPECT_TRUE(m.made);
        return m.folder;
    }

    AdminRun backupKeeping(const QString &keep) const
    {
        return admin({QStringLiteral("backup"), install.programFolder(), dest, QStringLiteral("--keep"), keep});
    }
};

TEST_F(Rotation, KeepRemovesOnlyTheOldestIntactBackupsThisCommandMade)
{
    // Besides the fixture's backup of 2024-06-10 18:30: two more that day (one in the same
    // second), a damaged one, a restore's kept copy, a folder of the school's own and a link.
    const QString second = made(QDateTime(QDate(2024, 6, 10), QTime(18, 30)));
    ASSERT_EQ(second, dest + QStringLiteral("/tavrel-2024-06-10_183000-2"));
    const QString third = made(QDateTime(QDate(2024, 6, 11), QTime(18, 30)));
    const QString damaged = made(QDateTime(QDate(2024, 6, 9), QTime(18, 30)));
    write(damaged + u'/' + kLog, "cut");
    const QString kept = schoolbackup::make(state.folders, dest, QDateTime(QDate(2024, 6, 1), QTime(9, 0)), [] {},
                                            schoolbackup::kBeforeRestorePrefix)
                             .folder;
    write(dest + QStringLiteral("/tavrel-notes/readme.txt"), "ours");
    TempInstall outside;
    const QString elsewhere = made(QDateTime(QDate(2020, 1, 1), QTime(0, 0)));
    ASSERT_TRUE(QDir().rename(elsewhere, outside.root() + QStringLiteral("/tavrel-2020-01-01_000000")));
    testfiles::link(outside.root() + QStringLiteral("/tavrel-2020-01-01_000000"), elsewhere);
    const QStringList outsideBefore = contents(outside.root());

    const AdminRun r = backupKeeping(QStringLiteral("2"));
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    // The new backup (today, by the computer's clock) and the newest before it are kept.
    const QStringList left = entries(dest);
    EXPECT_TRUE(left.contains(QFileInfo(third).fileName())) << left.join(u' ').toStdString();
    EXPECT_FALSE(left.contains(QFileInfo(second).fileName()));
    EXPECT_FALSE(left.contains(QFileInfo(backup).fileName()));
    EXPECT_TRUE(r.out.contains(QStringLiteral("removed the old backup ") + second + u'\n')) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("removed the old backup ") + backup + u'\n'));
    EXPECT_TRUE(r.out.contains(QStringLiteral("left alone, as it fails the check: ") + damaged + u'\n'));
    for (const QString &stays : {damaged, kept, dest + QStringLiteral("/tavrel-notes"), elsewhere})
        EXPECT_TRUE(left.contains(QFileInfo(stays).fileName())) << stays.toStdString();
    EXPECT_TRUE(QFileInfo(elsewhere).isSymLink());
    EXPECT_EQ(contents(outside.root()), outsideBefore);
    // Two intact scheduled backups remain: the new one and the third.
    int intact = 0;
    for (const QString &name : left)
        intact += schoolbackup::isRotatedName(name) && !QFileInfo(dest + u'/' + name).isSymLink()
                  && schoolbackup::check(dest + u'/' + name).problems.isEmpty();
    EXPECT_EQ(intact, 2);
}

TEST_F(Rotation, TheBackupJustMadeIsKeptWhateverTheOthersAreNamed)
{
    // Backups named after a clock that ran ahead.
    made(QDateTime(QDate(2099, 1, 1), QTime(0, 0)));
    made(QDateTime(QDate(2099, 1, 2), QTime(0, 0)));
    const AdminRun r = backupKeeping(QStringLiteral("1"));
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QStringList left = entries(dest);
    ASSERT_EQ(left.size(), 1) << left.join(u' ').toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("backup in ") + dest + u'/' + left.first())) << r.out.toStdString();
    EXPECT_TRUE(schoolbackup::check(dest + u'/' + left.first()).problems.isEmpty());
}

TEST_F(Rotation, KeepNeedsAPositiveNumber)
{
    for (const QString &keep : {QStringLiteral("0"), QStringLiteral("-1"), QStringLiteral("two"), QString()}) {
        const QStringList before = entries(dest);
        const AdminRun r = backupKeeping(keep);
        EXPECT_EQ(r.status, 2) << keep.toStdString();
        EXPECT_TRUE(r.err.contains(QStringLiteral("--keep"))) << r.err.toStdString();
        EXPECT_EQ(entries(dest), before) << "no backup made";
    }
    const AdminRun checking =
        admin({QStringLiteral("backup"), QStringLiteral("--check"), backup, QStringLiteral("--keep"), QStringLiteral("1")});
    EXPECT_EQ(checking.status, 2);
    EXPECT_TRUE(checking.err.contains(QStringLiteral("--keep goes with making a backup"))) << checking.err.toStdString();
    EXPECT_TRUE(QFileInfo::exists(backup));
}

} // namespace
