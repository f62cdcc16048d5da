// Every writer of the program and the teachers' tool on a full disk: the write fails part-way
// (the file-size limit of the writing process, as a full disk would), and the file the writer
// was to replace is left byte for byte as it was, nothing half-written is left beside it, the
// exit status is not 0 and the message names the file and the system's reason.
#include "installation.h"
#include "questionfile.h"
#include "schoolbackup.h"
#include "startup.h"
#include "systemerror.h"
#include "toollanguage.h"
#include "runlogbytes.h"
#include "sjis.h"
#include "tempinstall.h"
#include "testfiles.h"
#include "writerprocess.h"

#include <QDir>
#include <QFile>

#include <cerrno>

#include <gtest/gtest.h>

#include <functional>

namespace {

using testfiles::read;

// Everything below `folder` but the roster's lock file, which a roster writer makes once and keeps.
QStringList everything(const QString &folder)
{
    QStringList found = testfiles::below(folder);
    found.removeIf([](const QString &path) { return path.endsWith(QStringLiteral("生徒用名簿.txt.lock")); });
    return found;
}

void writeRunLog(const TempInstall &install, int runs)
{
    QByteArray log;
    for (int i = 0; i < runs; ++i)
        log += runLogRecordBytes(QDate(2024, 6, 10), 3 + i % 2, 2, 90 + i);
    install.writeBytes(QStringLiteral("drill2/成績累積データ.dat"), log);
}

// An installation with everything each writer reads: a roster of two pupils (the first with a
// name padded far beyond its 20 characters by another tool, so that the rewritten roster is
// smaller than the old one), its backup, a run log of 50 runs, a question file and its plain
// text, a class list, and an old version of every output.
class FullDisk : public testing::Test
{
protected:
    void SetUp() override
    {
        install.writeValidMode1();
        install.writeText(QStringLiteral("files/生徒用名簿.txt"),
                          QStringLiteral("3,2013,0,0,\"山田　花子%1\",0,\"\",\"\"\r\n"
                                         "4,2014,0,0,\"佐藤　一郎          \",0,\"\",\"\"\r\n")
                              .arg(QString(1000, u' ')));
        install.writeBytes(QStringLiteral("files/生徒用名簿temp.txt"), QByteArray("the old backup\r\n"));
        writeRunLog(install, 50);
        QString plain;
        for (int i = 1; i <= 30; ++i)
            plain += QStringLiteral("%1,1,%2,カナ%1,かな%1,説明%1,補足%1／ｅｎｄ／\n").arg(i).arg(600 + i);
        install.writeBytes(QStringLiteral("plain.txt"), plain.toUtf8());
        install.writeBytes(QStringLiteral("drill2/Morvidかな0vv.ccc"), questionfile::scramble(plain).stored);
        install.writeBytes(QStringLiteral("class.csv"), QStringLiteral("番号,氏名,生年\n3,山田　花,2013\n9,上田,2015\n").toUtf8());
        for (const char *old : {"out.csv", "runs.csv", "stored.out", "plain.out", "sheet.pdf", "report.pdf"})
            install.writeBytes(QString::fromLatin1(old), QByteArray("the old ") + old);
        QDir().mkpath(install.root() + QStringLiteral("/backups/tavrel-2024-01-01_000000"));
    }

    QString at(const QString &relative) const { return install.root() + u'/' + relative; }

    TempInstall install;
};

struct WriterCase
{
    const char *name;
    // The writer's arguments, given the installation's root folder.
    std::function<QStringList(const QString &root)> args;
    QString target; // the file to be replaced, relative to the root; empty for a new folder
    QString named;  // what the message must name
    std::function<rlim_t(const TempInstall &)> limit;
    std::function<void(const TempInstall &)> prepare = {};
};

// A limit that does not depend on the installation.
std::function<rlim_t(const TempInstall &)> fixed(rlim_t bytes)
{
    return [bytes](const TempInstall &) { return bytes; };
}

const WriterCase kWriters[] = {
    {"RosterImport",
     [](const QString &r) { return QStringList{"roster", "import", r + "/drill2", r + "/class.csv", "--rename"}; },
     QStringLiteral("files/生徒用名簿.txt"), QStringLiteral("生徒用名簿.txt"), fixed(64)},
    // The new roster fits, the old one kept as the backup does not.
    {"RosterImportBackup",
     [](const QString &r) { return QStringList{"roster", "import", r + "/drill2", r + "/class.csv", "--rename"}; },
     QStringLiteral("files/生徒用名簿temp.txt"), QStringLiteral("生徒用名簿temp.txt"),
     fixed(1024)},
    {"RosterExport", [](const QString &r) { return QStringList{"roster", "export", r + "/drill2", r + "/out.csv"}; },
     QStringLiteral("out.csv"), QStringLiteral("out.csv"), fixed(16)},
    {"RunLogExport", [](const QString &r) { return QStringList{"export", r + "/drill2", r + "/runs.csv"}; },
     QStringLiteral("runs.csv"), QStringLiteral("runs.csv"), fixed(16)},
    {"Scramble", [](const QString &r) { return QStringList{"scramble", r + "/plain.txt", r + "/stored.out"}; },
     QStringLiteral("stored.out"), QStringLiteral("stored.out"), fixed(16)},
    {"Unscramble",
     [](const QString &r) { return QStringList{"unscramble", r + "/drill2/Morvidかな0vv.ccc", r + "/plain.out"}; },
     QStringLiteral("plain.out"), QStringLiteral("plain.out"), fixed(16)},
    {"Worksheet", [](const QString &r) { return QStringList{"worksheet", r + "/drill2", r + "/sheet.pdf"}; },
     QStringLiteral("sheet.pdf"), QStringLiteral("sheet.pdf"), fixed(1024)},
    {"Report",
     [](const QString &r) {
         return QStringList{"report", r + "/drill2", r + "/report.pdf", "--pupil", "3", "--date", "2024-06-10"};
     },
     QStringLiteral("report.pdf"), QStringLiteral("report.pdf"), fixed(1024)},
    {"BackupCopy", [](const QString &r) { return QStringList{"backup", r + "/drill2", r + "/backups"}; }, QString(),
     QStringLiteral("成績累積データ.dat"), fixed(1024)},
    // Every copy fits, the manifest does not.
    {"BackupManifest", [](const QString &r) { return QStringList{"backup", r + "/drill2", r + "/backups"}; }, QString(),
     QStringLiteral("manifest.txt"),
     [](const TempInstall &i) {
         qint64 largest = 0;
         for (const QString &f : {QStringLiteral("drill2/タイム回数データ.txt"), QStringLiteral("files/新音ファイル.txt"),
                                  QStringLiteral("files/生徒用名簿.txt"), QStringLiteral("drill2/成績累積データ.dat"),
                                  QStringLiteral("drill2/Morvidかな0vv.ccc")})
             largest = std::max(largest, QFileInfo(i.root() + u'/' + f).size());
         return static_cast<rlim_t>(largest + 1);
     },
     [](const TempInstall &i) {
         i.writeText(QStringLiteral("files/生徒用名簿.txt"), QStringLiteral("3,2013,0,0,\"山田　花子\",0,\"\",\"\"\r\n"));
         writeRunLog(i, 2);
         i.writeBytes(QStringLiteral("drill2/Morvidかな0vv.ccc"), QByteArray("questions\r\n"));
     }},
    // The copy of what the restore would replace does not fit: nothing is restored.
    {"Restore",
     [](const QString &r) {
         return QStringList{"restore", r + "/backups/tavrel-2024-06-10_153000", r + "/drill2"};
     },
     QStringLiteral("files/生徒用名簿.txt"), QStringLiteral("成績累積データ.dat"), fixed(1024),
     [](const TempInstall &i) {
         Installation state;
         runStartup(state, i.programFolder());
         ASSERT_TRUE(schoolbackup::make(state.folders, i.root() + QStringLiteral("/backups"),
                                        QDateTime(QDate(2024, 6, 10), QTime(15, 30)), [] {})
                         .made);
         i.writeText(QStringLiteral("files/生徒用名簿.txt"), QStringLiteral("3,2013,0,0,\"別の名前\",0,\"\",\"\"\r\n"));
     }},
    {"NameChange",
     [](const QString &r) { return QStringList{r + "/files/生徒用名簿.txt", "1", QStringLiteral("新しい名前")}; },
     QStringLiteral("files/生徒用名簿.txt"), QStringLiteral("生徒用名簿.txt"), fixed(64)},
};

class EveryWriter : public FullDisk, public testing::WithParamInterface<WriterCase> {};

TEST_P(EveryWriter, LeavesTheOldFileWholeFailsAndSaysWhy)
{
    const WriterCase &c = GetParam();
    if (c.prepare)
        c.prepare(install);
    const QString program = std::string_view(c.name) == "NameChange" ? QStringLiteral(CHANGE_NAME_PATH)
                                                                     : QStringLiteral(TAVREL_ADMIN_PATH);
    const QByteArray before = c.target.isEmpty() ? QByteArray() : read(at(c.target));
    const QStringList listing = everything(install.root());

    const WriterProcess run = runWriter(program, c.args(install.root()), c.limit(install));
    ASSERT_FALSE(run.crashed) << run.err.toStdString();
    EXPECT_NE(run.status, 0) << run.out.toStdString();
    // The tool says it in the language of the locale it runs under, the name change in Japanese.
    const QString japanese = systemerror::describe(EFBIG);
    const QString english = [] {
        const ToolLanguage inEnglish(AdminLanguage::English);
        return systemerror::describe(EFBIG);
    }();
    EXPECT_TRUE(run.err.contains(japanese) || run.err.contains(english)) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(c.named)) << run.err.toStdString();
    if (!c.target.isEmpty()) {
        EXPECT_EQ(read(at(c.target)), before);
    }
    EXPECT_EQ(everything(install.root()), listing);
    if (std::string_view(c.name) == "RosterImportBackup") {
        // The roster itself went through; the message says the backup holds an older roster.
        EXPECT_TRUE(run.err.contains(QStringLiteral("still holds an older roster"))) << run.err.toStdString();
        EXPECT_TRUE(read(at(QStringLiteral("files/生徒用名簿.txt"))).contains(sjis::encode(QStringLiteral("上田"))));
    }

    // With room again the same writer succeeds.
    const WriterProcess again = runWriter(program, c.args(install.root()));
    EXPECT_EQ(again.status, 0) << again.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Writers, EveryWriter, testing::ValuesIn(kWriters),
                         [](const testing::TestParamInfo<WriterCase> &param) { return std::string(param.param.name); });

} // namespace
