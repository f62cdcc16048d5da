#include "adminrun.h"
#include "questionfile.h"
#include "tempinstall.h"

#include <QFile>
#include <QPdfDocument>

#include <gtest/gtest.h>

namespace {

class WorksheetCommand : public ::testing::Test
{
protected:
    WorksheetCommand()
    {
        QString plain;
        for (int i = 1; i <= 30; ++i)
            plain += QStringLiteral("%1,%2,%3,カナ%1,かな%1,説明%1,補足%1／ｅｎｄ／\n").arg(i).arg(i <= 25 ? 1 : 3).arg(600 + i);
        stored = questionfile::scramble(plain).stored;
        install.writeBytes(QStringLiteral("drill2/Morvidかな0vv.ccc"), stored);
        out = install.root() + QStringLiteral("/sheet.pdf");
    }

    QString sheetText()
    {
        QPdfDocument document;
        EXPECT_EQ(document.load(out), QPdfDocument::Error::None);
        EXPECT_EQ(document.pageCount(), 1);
        return document.getAllText(0).text();
    }

    TempInstall install;
    QByteArray stored;
    QString out;
};

TEST_F(WorksheetCommand, WritesTheSheetForTheChosenSettings)
{
    const AdminRun run = admin({QStringLiteral("worksheet"), install.programFolder(), out, QStringLiteral("--groups"),
                                QStringLiteral("3"), QStringLiteral("--mode"), QStringLiteral("name"),
                                QStringLiteral("--keep-order")});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("5 of 5")));
    const QString text = sheetText();
    EXPECT_TRUE(text.contains(QStringLiteral("答え")));
    EXPECT_TRUE(text.contains(QStringLiteral("カナ26")));
    EXPECT_FALSE(text.contains(QStringLiteral("かな26")));
}

TEST_F(WorksheetCommand, TheSameSeedGivesTheSameSheet)
{
    const QStringList args = {QStringLiteral("worksheet"), install.programFolder(), out, QStringLiteral("--seed"),
                              QStringLiteral("9")};
    ASSERT_EQ(admin(args).status, 0);
    const QString first = sheetText();
    ASSERT_EQ(admin(args).status, 0);
    EXPECT_EQ(sheetText(), first);
    ASSERT_EQ(admin({QStringLiteral("worksheet"), install.programFolder(), out, QStringLiteral("--seed"),
                     QStringLiteral("10")})
                  .status,
              0);
    EXPECT_NE(sheetText(), first);
}

TEST_F(WorksheetCommand, ABrokenQuestionFileIsNamedAndNothingIsWritten)
{
    install.writeBytes(QStringLiteral("drill2/Morvidかな0vv.ccc"), QByteArray("1,1,600,short\r\n"));
    const AdminRun broken = admin({QStringLiteral("worksheet"), install.programFolder(), out});
    EXPECT_EQ(broken.status, 1);
    EXPECT_TRUE(broken.err.contains(QStringLiteral("Morvidかな0vv.ccc")));
    EXPECT_FALSE(QFile::exists(out));

    install.remove(QStringLiteral("drill2/Morvidかな0vv.ccc"));
    EXPECT_EQ(admin({QStringLiteral("worksheet"), install.programFolder(), out}).status, 1);
    EXPECT_FALSE(QFile::exists(out));
}

TEST_F(WorksheetCommand, WrongCallsAndHelp)
{
    EXPECT_EQ(admin({QStringLiteral("worksheet"), install.programFolder()}).status, 2);
    EXPECT_EQ(admin({QStringLiteral("worksheet"), install.programFolder(), out, QStringLiteral("--mode"),
                     QStringLiteral("odd")})
                  .status,
              2);
    EXPECT_EQ(admin({QStringLiteral("worksheet"), install.programFolder(), out, QStringLiteral("--groups"),
                     QStringLiteral("0")})
                  .status,
              2);
    EXPECT_FALSE(QFile::exists(out));
    const AdminRun help = admin({QStringLiteral("worksheet"), QStringLiteral("--help")});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("--keep-order")));
    EXPECT_TRUE(admin({QStringLiteral("--help")}).out.contains(QStringLiteral("worksheet")));
}

} // namespace
