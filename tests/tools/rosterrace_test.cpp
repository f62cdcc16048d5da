// Writers of the roster at the same moment, each a process of its own as on several PCs: the
// teachers' import twice and the name-change screen. Every change is kept, or the later one is
// refused with a message; none is silently lost.
#include "rosterfile.h"
#include "tempinstall.h"
#include "writerprocess.h"

#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

class RosterRace : public testing::Test
{
protected:
    void SetUp() override
    {
        install.writeValidMode1();
        install.writeText(QStringLiteral("files/生徒用名簿.txt"),
                          QStringLiteral("1,2013,0,0,\"一郎\",0,\"\",\"\"\r\n2,2013,0,0,\"二郎\",0,\"\",\"\"\r\n"
                                         "3,2013,0,0,\"三郎\",0,\"\",\"\"\r\n"));
    }

    QString rosterPath() const { return install.filesFolder() + QStringLiteral("生徒用名簿.txt"); }

    QString classList(const QString &name, const QString &rows) const
    {
        const QString path = install.root() + u'/' + name;
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write((QStringLiteral("番号,氏名,生年\n") + rows).toUtf8());
        return path;
    }

    QString nameOf(int rosterNo) const
    {
        const RosterFile roster = RosterFile::read(rosterPath());
        for (int i = 0; const RosterEntry *entry = roster.entry(i); ++i) {
            if (entry->rosterNo == rosterNo)
                return entry->trimmedName();
        }
        return {};
    }

    std::unique_ptr<QProcess> start(const QString &program, const QStringList &args) const
    {
        auto process = std::make_unique<QProcess>();
        process->start(program, args);
        return process;
    }

    TempInstall install;
};

TEST_F(RosterRace, TwoImportsAndANameChangeAtOnceKeepEveryChange)
{
    constexpr int kRounds = 8;
    for (int round = 0; round < kRounds; ++round) {
        const QString first = classList(QStringLiteral("a.csv"), QStringLiteral("%1,甲%1,2014\n").arg(100 + 2 * round));
        const QString second = classList(QStringLiteral("b.csv"), QStringLiteral("%1,乙%1,2014\n").arg(101 + 2 * round));
        const int row = round % 3 + 1;
        const QString typed = QStringLiteral("名前%1").arg(round);
        std::vector<std::unique_ptr<QProcess>> writers;
        writers.push_back(start(QStringLiteral(TAVREL_ADMIN_PATH), {QStringLiteral("roster"), QStringLiteral("import"),
                                                                    install.programFolder(), first}));
        writers.push_back(start(QStringLiteral(CHANGE_NAME_PATH), {rosterPath(), QString::number(row), typed}));
        writers.push_back(start(QStringLiteral(TAVREL_ADMIN_PATH), {QStringLiteral("roster"), QStringLiteral("import"),
                                                                    install.programFolder(), second}));
        for (const auto &w : writers) {
            ASSERT_TRUE(w->waitForFinished(60000));
            EXPECT_EQ(w->exitCode(), 0) << "round " << round << ": " << w->readAllStandardError().toStdString();
        }
        for (int made = 0; made <= 2 * round + 1; ++made) {
            const int number = 100 + made;
            EXPECT_EQ(nameOf(number), (made % 2 == 0 ? QStringLiteral("甲") : QStringLiteral("乙")) + QString::number(number))
                << "round " << round << ", pupil " << number;
        }
        EXPECT_EQ(nameOf(row), typed) << "round " << round;
    }
}

// A name-change screen is filled, then an import runs, then the pupil presses 変更: the rows the
// import changed and the pupil did not edit keep the import's names; a row both changed is
// refused and said so.
TEST_F(RosterRace, AScreenLeftOpenDuringAnImportUndoesNothing)
{
    struct Case
    {
        int importedRow;
        int exitStatus;
    };
    for (const Case c : {Case{2, 0}, Case{1, 3}}) {
        SetUp();
        QProcess screen;
        screen.start(QStringLiteral(CHANGE_NAME_PATH), {rosterPath(), QStringLiteral("1"), QStringLiteral("壱郎"), QStringLiteral("--wait")});
        ASSERT_TRUE(screen.waitForReadyRead(30000));
        ASSERT_EQ(screen.readLine(), QByteArray("loaded\n"));

        const QString csv = classList(QStringLiteral("c.csv"), QStringLiteral("%1,輸入,2013\n3,参郎,2013\n").arg(c.importedRow));
        const WriterProcess import = runWriter(QStringLiteral(TAVREL_ADMIN_PATH),
                                               {QStringLiteral("roster"), QStringLiteral("import"), install.programFolder(), csv,
                                                QStringLiteral("--rename")});
        ASSERT_EQ(import.status, 0) << import.err.toStdString();

        screen.write("\n");
        screen.closeWriteChannel();
        ASSERT_TRUE(screen.waitForFinished(30000));
        const QString message = QString::fromUtf8(screen.readAllStandardError());
        EXPECT_EQ(screen.exitCode(), c.exitStatus) << message.toStdString();
        EXPECT_EQ(nameOf(3), QStringLiteral("参郎"));
        if (c.importedRow == 1) {
            EXPECT_EQ(nameOf(1), QStringLiteral("輸入"));
            EXPECT_TRUE(message.contains(QStringLiteral("上から1番目"))) << message.toStdString();
        } else {
            EXPECT_EQ(nameOf(1), QStringLiteral("壱郎"));
            EXPECT_EQ(nameOf(2), QStringLiteral("輸入"));
        }
    }
}

} // namespace
