// A school's installation for a group of accounts: new-school refusing what it must, leaving
// nothing when it fails or is killed, handing everything to the group; check-school finding and
// mending what a member could not use; pending listing what an account keeps; register-school.
#include "adminrun.h"
#include "answerlog.h"
#include "systemerror.h"
#include "filesizelimit.h"
#include "installation.h"
#include "newschool.h"
#include "pendingruns.h"
#include "recordcallbacks.h"
#include "runlog.h"
#include "runlogrecord.h"
#include "schoolregistry.h"
#include "startup.h"
#include "tempinstall.h"
#include "testfiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <tuple>
#include <vector>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using testfiles::read;

// Everything below `folder`, hidden entries included, relative to it; with `withModes`, each
// followed by its permission bits (octal) and its group's number.
QStringList everything(const QString &folder, bool withModes = false)
{
    QStringList lines;
    for (const QString &path : testfiles::below(folder)) {
        QString line = QDir(folder).relativeFilePath(path);
        if (withModes) {
            struct stat st{};
            ::lstat(QFile::encodeName(path).constData(), &st);
            line += QStringLiteral(" %1 %2").arg(st.st_mode & 07777, 4, 8, QChar(u'0')).arg(st.st_gid);
        }
        lines << line;
    }
    return lines;
}

class SchoolSetup : public testing::Test
{
protected:
    void SetUp() override
    {
        content.writeValidMode1();
        content.writeBytes(QStringLiteral("drill2/Morvidかな0vv.ccc"), QByteArray("stored questions\r\n"));
        content.writeBytes(QStringLiteral("files/ok1.wav"), QByteArray("RIFF1"));
        m_oldMask = ::umask(022);
        // A member of the group passes through the folders above the school.
        ::chmod(QFile::encodeName(place.root()).constData(), 0755);
    }
    void TearDown() override { ::umask(m_oldMask); }

    QStringList newSchoolArgs(const QString &root, const QStringList &more = {}) const
    {
        return QStringList{QStringLiteral("new-school"), root, QStringLiteral("--name"), QStringLiteral("○○小学校"),
                           QStringLiteral("--code"), QStringLiteral("01234"), QStringLiteral("--from"),
                           content.programFolder()}
               + more;
    }
    AdminRun newSchool(const QStringList &more = {}) const { return admin(newSchoolArgs(root(), more)); }
    QString root() const { return place.root() + QStringLiteral("/school"); }
    QString program() const { return root() + QStringLiteral("/tavrel"); }

    TempInstall content;
    TempInstall place;

private:
    mode_t m_oldMask = 022;
};

// An unset shell variable, the root folder, a file, an installation, a folder with something
// in it: refused with the reason, nothing changed anywhere.
TEST_F(SchoolSetup, NewSchoolRefusesPlacesThatAreNotNewOrEmptyFolders)
{
    ASSERT_TRUE(QDir().mkpath(place.root() + QStringLiteral("/full")));
    place.writeBytes(QStringLiteral("full/note.txt"), "x");
    place.writeBytes(QStringLiteral("a-file"), "x");
    ASSERT_EQ(admin(newSchoolArgs(place.root() + QStringLiteral("/installed"))).status, 0);
    const QStringList before = everything(place.root(), true);
    const QByteArray registry = read(schoolregistry::ownFile());

    const std::pair<QString, QString> refused[] = {
        {QString(), QStringLiteral("is empty (an unset variable?)")},
        {QStringLiteral("/"), QStringLiteral("give a folder of its own")},
        {place.root() + QStringLiteral("/a-file"), QStringLiteral("already exists and is not a folder")},
        {place.root() + QStringLiteral("/installed"), QStringLiteral("already holds an installation")},
        {place.root() + QStringLiteral("/full"), QStringLiteral("already exists and is not empty")},
        {place.root() + QStringLiteral("/no/such/school"), QStringLiteral("does not exist")},
    };
    for (const auto &[where, why] : refused) {
        const AdminRun r = admin(newSchoolArgs(where));
        EXPECT_EQ(r.status, 1) << where.toStdString();
        EXPECT_TRUE(r.err.contains(why)) << where.toStdString() << ": " << r.err.toStdString();
        EXPECT_EQ(everything(place.root(), true), before) << where.toStdString();
    }
    EXPECT_EQ(read(schoolregistry::ownFile()), registry);
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/tavrel/設定.txt")));
}

// Every file the program appends to or rewrites is there from the start, empty, and everything
// belongs to the group: folders group-writable with the set-group-ID bit, files group-writable.
TEST_F(SchoolSetup, NewSchoolHandsEveryFileAndFolderToTheGroup)
{
    // Only root may hand files to any group; another account to one of its own.
    const QString group = ::geteuid() == 0 ? QStringLiteral("4242") : QString::number(::getegid());
    const AdminRun r = newSchool({QStringLiteral("--group"), group});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("for the group"))) << r.out.toStdString();

    for (const char *made : {"tavrel/成績累積データ.dat", "files/成績累積データ家庭用.dat", "tavrel/解答累積データ.dat",
                             "files/生徒用名簿.txt", "files/生徒用名簿temp.txt"}) {
        const QFileInfo file(root() + u'/' + QString::fromUtf8(made));
        EXPECT_TRUE(file.isFile()) << made;
        EXPECT_EQ(file.size(), 0) << made;
    }
    const QStringList entries = everything(root(), true);
    ASSERT_EQ(entries.size(), 14) << entries.join(u'\n').toStdString();
    for (const QString &line : entries) {
        const QStringList parts = line.split(u' ');
        const QString path = parts[0];
        EXPECT_EQ(parts[2], group) << line.toStdString();
        const bool folder = QFileInfo(root() + u'/' + path).isDir();
        const QString expected = folder ? QStringLiteral("2775")
                                 : path == newschool::kLauncherName ? QStringLiteral("0775")
                                                                    : QStringLiteral("0664");
        EXPECT_EQ(parts[1], expected) << line.toStdString();
    }
    struct stat top{};
    ASSERT_EQ(::stat(QFile::encodeName(root()).constData(), &top), 0);
    EXPECT_EQ(top.st_mode & 07777, 02775u);
    EXPECT_EQ(QString::number(top.st_gid), group);

    // And so check-school finds nothing to mend.
    const AdminRun check = admin({QStringLiteral("check-school"), program()});
    EXPECT_EQ(check.status, 0) << check.err.toStdString() << check.out.toStdString();
    EXPECT_TRUE(check.out.contains(QStringLiteral("every member can use them"))) << check.out.toStdString();

    EXPECT_EQ(admin(newSchoolArgs(place.root() + QStringLiteral("/other"), {QStringLiteral("--group"),
                                                                             QStringLiteral("no-such-group-here")}))
                  .status,
              1);
    EXPECT_FALSE(QFileInfo::exists(place.root() + QStringLiteral("/other")));
}

// A full disk anywhere in the making (here a file-size limit, which stops root too): the reason
// is named and nothing is left, not even the hidden folder it was built in.
TEST_F(SchoolSetup, NewSchoolOnAFullDiskSaysWhyAndLeavesNothing)
{
    const QByteArray registry = read(schoolregistry::ownFile());
    const QStringList before = everything(place.root(), true);
    const QString expected = [] {
        const ToolLanguage english(AdminLanguage::English);
        return systemerror::describe(EFBIG);
    }();
    for (const rlim_t limit : {rlim_t(0), rlim_t(4), rlim_t(17), rlim_t(30), rlim_t(200)}) {
        AdminRun r;
        {
            const FileSizeLimit full(limit);
            r = newSchool();
        }
        EXPECT_EQ(r.status, 1) << "limit " << limit;
        EXPECT_TRUE(r.err.contains(expected)) << "limit " << limit << ": " << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QStringLiteral("nothing was left behind"))) << r.err.toStdString();
        EXPECT_EQ(everything(place.root(), true), before) << "limit " << limit;
        EXPECT_EQ(read(schoolregistry::ownFile()), registry);
    }
    EXPECT_EQ(newSchool().status, 0);
}

// new-school killed at random moments: the school is either whole or not there, and the next
// new-school clears what the killed one was building and makes it.
TEST_F(SchoolSetup, AKilledNewSchoolLeavesNothingARerunTripsOver)
{
    QElapsedTimer clock;
    QProcess timed;
    timed.start(QStringLiteral(TAVREL_ADMIN_PATH), newSchoolArgs(place.root() + QStringLiteral("/timed")));
    clock.start();
    ASSERT_TRUE(timed.waitForFinished(60000));
    ASSERT_EQ(timed.exitCode(), 0) << timed.readAllStandardError().toStdString();
    const qint64 runMicroseconds = clock.nsecsElapsed() / 1000;
    QDir(place.root() + QStringLiteral("/timed")).removeRecursively();

    int whole = 0;
    int building = 0;
    for (int attempt = 0; attempt < 12; ++attempt) {
        QProcess run;
        run.start(QStringLiteral(TAVREL_ADMIN_PATH), newSchoolArgs(root()));
        ASSERT_TRUE(run.waitForStarted());
        QThread::usleep(static_cast<unsigned long>(QRandomGenerator::global()->bounded(runMicroseconds)));
        ::kill(static_cast<pid_t>(run.processId()), SIGKILL);
        ASSERT_TRUE(run.waitForFinished(60000));

        const bool made = QFileInfo::exists(root());
        if (!everything(place.root()).filter(QStringLiteral("tavrel-new")).isEmpty())
            ++building;
        if (made) {
            ++whole;
            Installation state;
            EXPECT_NO_THROW(runStartup(state, program())) << "attempt " << attempt;
            EXPECT_TRUE(QFileInfo::exists(root() + QStringLiteral("/tavrel.desktop")));
        }
        const AdminRun rerun = newSchool();
        EXPECT_EQ(rerun.status, made ? 1 : 0) << "attempt " << attempt << ": " << rerun.err.toStdString();
        EXPECT_EQ(everything(place.root()).filter(QStringLiteral("tavrel-new")), QStringList()) << "attempt " << attempt;
        ASSERT_TRUE(QDir(root()).removeRecursively());
    }
    RecordProperty("killed_after_it_was_whole", whole);
    RecordProperty("killed_while_building", building);
}

TEST_F(SchoolSetup, TheMenuEntryStartsTheSchoolByItsRegisteredName)
{
    const QByteArray oldDirs = qgetenv("XDG_DATA_DIRS");
    const QByteArray oldHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_DIRS", QFile::encodeName(place.root() + QStringLiteral("/share")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(place.root() + QStringLiteral("/share")));
    const AdminRun r = newSchool({QStringLiteral("--menu")});
    const QString entry = place.root() + QStringLiteral("/share/applications/tavrel-01234.desktop");
    const QByteArray launcher = read(root() + QStringLiteral("/tavrel.desktop"));
    const QByteArray menu = read(entry);
    // A menu folder that cannot be made: the school is not made either, and the list is as it was.
    const QByteArray registry = read(schoolregistry::ownFile());
    place.writeBytes(QStringLiteral("blocked"), "a file");
    qputenv("XDG_DATA_DIRS", QFile::encodeName(place.root() + QStringLiteral("/blocked")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(place.root() + QStringLiteral("/blocked")));
    const AdminRun blocked = admin({QStringLiteral("new-school"), place.root() + QStringLiteral("/second"), QStringLiteral("--name"),
                                    QStringLiteral("△△小学校"), QStringLiteral("--code"), QStringLiteral("01235"),
                                    QStringLiteral("--from"), content.programFolder(), QStringLiteral("--menu")});
    qputenv("XDG_DATA_DIRS", oldDirs);
    qputenv("XDG_DATA_HOME", oldHome);

    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QDir::toNativeSeparators(entry))) << r.out.toStdString();
    EXPECT_EQ(menu, launcher);
    EXPECT_TRUE(menu.contains("--school \"○○小学校\"\n")) << menu.toStdString();
    EXPECT_EQ(blocked.status, 1);
    EXPECT_TRUE(blocked.err.contains(QStringLiteral("cannot make the folder"))) << blocked.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(place.root() + QStringLiteral("/second")));
    EXPECT_EQ(read(schoolregistry::ownFile()), registry);
}

// A second PC mounts the share elsewhere: register-school tells it where the school is, under
// the name the launcher starts it by; new-school will not give that name to another school.
TEST_F(SchoolSetup, ASecondPcRegistersTheSchoolWhereItMountsIt)
{
    ASSERT_EQ(newSchool().status, 0);
    const QString elsewhere = place.root() + QStringLiteral("/mnt-b");
    ASSERT_TRUE(QDir().rename(root(), elsewhere));
    const AdminRun r = admin({QStringLiteral("register-school"), elsewhere + QStringLiteral("/tavrel")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const std::optional<RegisteredSchool> found = schoolregistry::find(QStringLiteral("○○小学校"));
    ASSERT_TRUE(found);
    EXPECT_EQ(found->programFolder, elsewhere + QStringLiteral("/tavrel"));

    const AdminRun taken = admin(newSchoolArgs(place.root() + QStringLiteral("/another")));
    EXPECT_EQ(taken.status, 1);
    EXPECT_TRUE(taken.err.contains(QStringLiteral("is registered in"))) << taken.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(place.root() + QStringLiteral("/another")));
    EXPECT_EQ(admin({QStringLiteral("register-school"), place.root()}).status, 1);
}

// What an IT person's own set-up leaves (files of another group, no group write, a folder
// without the set-group-ID bit, a run log deleted): each named, then mended by --fix.
TEST_F(SchoolSetup, CheckSchoolNamesWhatAMemberCannotUseAndFixMendsIt)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "giving files to another group needs root";
    ASSERT_EQ(newSchool({QStringLiteral("--group"), QStringLiteral("4242")}).status, 0);
    const QString files = root() + QStringLiteral("/files/");
    ASSERT_EQ(::chmod(QFile::encodeName(files + QStringLiteral("生徒用名簿.txt")).constData(), 0644), 0);
    ASSERT_EQ(::chown(QFile::encodeName(files + QStringLiteral("成績累積データ家庭用.dat")).constData(), 0, 0), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(files + QStringLiteral("ok1.wav")).constData(), 0600), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(files).constData(), 0775), 0);
    ASSERT_TRUE(QFile::remove(program() + QStringLiteral("/成績累積データ.dat")));
    ASSERT_EQ(::chmod(QFile::encodeName(program() + QStringLiteral("/解答累積データ.dat")).constData(), 0644), 0);
    // A link planted among the files: named, never followed, its target never changed.
    struct stat target{};
    ASSERT_EQ(::stat("/etc/passwd", &target), 0);
    testfiles::link(QStringLiteral("/etc/passwd"), files + QStringLiteral("planted.txt"));

    const AdminRun found = admin({QStringLiteral("check-school"), program()});
    EXPECT_EQ(found.status, 1);
    const std::pair<const char *, const char *> expected[] = {
        {"files/生徒用名簿.txt", "cannot write it"},
        {"files/成績累積データ家庭用.dat", "cannot write it"},
        {"files/ok1.wav", "cannot read it"},
        {"files:", "would not get the group 4242"},
        {"tavrel/成績累積データ.dat", "missing"},
        {"tavrel/解答累積データ.dat", "cannot write it"},
        {"files/planted.txt", "is a symbolic link"},
    };
    for (const auto &[what, why] : expected) {
        const QStringList lines = found.err.split(u'\n').filter(QString::fromUtf8(what));
        ASSERT_EQ(lines.size(), 1) << what << "\n" << found.err.toStdString();
        EXPECT_TRUE(lines.first().contains(QString::fromUtf8(why))) << lines.first().toStdString();
    }

    const AdminRun fixed = admin({QStringLiteral("check-school"), program(), QStringLiteral("--fix")});
    EXPECT_EQ(fixed.status, 1) << "the link stays, to be looked at by hand";
    EXPECT_EQ(fixed.out.count(QStringLiteral(" - fixed")), 6) << fixed.out.toStdString();
    EXPECT_TRUE(fixed.err.contains(QStringLiteral("planted.txt: is a symbolic link"))) << fixed.err.toStdString();
    ASSERT_TRUE(QFile::remove(files + QStringLiteral("planted.txt")));
    const AdminRun again = admin({QStringLiteral("check-school"), program()});
    EXPECT_EQ(again.status, 0) << again.err.toStdString();
    EXPECT_EQ(read(program() + QStringLiteral("/成績累積データ.dat")), QByteArray());
    struct stat answers{};
    ASSERT_EQ(::stat(QFile::encodeName(program() + QStringLiteral("/解答累積データ.dat")).constData(), &answers), 0);
    EXPECT_EQ(answers.st_mode & 07777, 0664u);
    EXPECT_EQ(answers.st_gid, 4242u);
    struct stat after{};
    ASSERT_EQ(::stat("/etc/passwd", &after), 0);
    EXPECT_EQ(after.st_gid, target.st_gid);
    EXPECT_EQ(after.st_mode, target.st_mode);
}

TEST_F(SchoolSetup, PendingListsWhatThisAccountKeeps)
{
    ASSERT_EQ(newSchool().status, 0);
    const AdminRun none = admin({QStringLiteral("pending"), program()});
    EXPECT_EQ(none.status, 0);
    EXPECT_TRUE(none.out.startsWith(QStringLiteral("nothing is waiting"))) << none.out.toStdString();

    Installation state;
    runStartup(state, program());
    const PendingRuns pending(state, PendingRuns::defaultFolder());
    const QByteArray record = RunRecord::forRun(46365.0, 0.5, 12, 4, 87, QStringLiteral("01234")).encode();
    const RecordCallbacks callbacks{[] {}, [](const QString &, const QString &) {}};
    ASSERT_EQ(pending.keep({{&runlog::runLog(), record, QString(), QStringLiteral("Permission denied")}},
                           QDateTime(QDate(2026, 12, 9), QTime(12, 0, 5)), callbacks),
              QString());
    // The answer records of that run (three questions) and of another pupil's (two), kept one
    // record an entry: a line for each run's.
    const auto answer = [](std::int16_t pupil, std::int16_t line, std::int16_t wrongChoices, std::int16_t wrongYears) {
        AnswerRecord a;
        a.row = AnswerRow{46365.0, 0.5, pupil, 4, 1, line, 77u, wrongChoices, wrongYears, 1, true};
        a.siteCode = QStringLiteral("01234");
        return a.encode();
    };
    std::vector<UnrecordedRecord> answers;
    for (const auto &[pupil, line, choices, years] :
         {std::tuple<std::int16_t, std::int16_t, std::int16_t, std::int16_t>{12, 1, 2, 0}, {12, 2, 0, 1}, {12, 3, 1, 0},
          {13, 1, 0, 0}, {13, 4, 3, 2}})
        answers.push_back({&answerlog::answerLog(), answer(pupil, line, choices, years), QString(), QStringLiteral("No space left on device")});
    ASSERT_EQ(pending.keep(answers, QDateTime(QDate(2026, 12, 9), QTime(12, 0, 6)), callbacks), QString());
    const AdminRun listed = admin({QStringLiteral("pending"), program()});
    EXPECT_EQ(listed.status, 0);
    EXPECT_TRUE(listed.out.contains(QStringLiteral("6 records waiting"))) << listed.out.toStdString();
    const QStringList expected = {
        QStringLiteral("  data/成績累積データ.dat: 2026-12-09 12:00:00 pupil 12 level 4 87 s, kept 2026-12-09 12:00:05 "
                       "(Permission denied)"),
        QStringLiteral("  data/解答累積データ.dat: 3 answer records of the run 2026-12-09 12:00:00 pupil 12 level 4, 3 "
                       "wrong choices and 1 wrong years, kept 2026-12-09 12:00:06 (No space left on device)"),
        QStringLiteral("  data/解答累積データ.dat: 2 answer records of the run 2026-12-09 12:00:00 pupil 13 level 4, 3 "
                       "wrong choices and 2 wrong years, kept 2026-12-09 12:00:06 (No space left on device)"),
    };
    EXPECT_EQ(listed.out.split(u'\n', Qt::SkipEmptyParts).mid(1), expected) << listed.out.toStdString();
    ASSERT_TRUE(QFile::remove(pending.filePath()));
}

} // namespace
