// The message catalogue and the command-line help both programs share.
#include "commandlinehelp.h"
#include "datafileerror.h"
#include "messagecatalogue.h"

#include <QCommandLineParser>
#include <QLocale>

#include <gtest/gtest.h>

namespace {

// The test programs run with the catalogue installed, as the program does.
TEST(MessageCatalogue, TranslatesTheDataFileProblemsAndCanBeTakenOut)
{
    ASSERT_TRUE(messagecatalogue::japaneseInstalled());
    EXPECT_EQ(DataFileError::missing(QStringLiteral("/s/設定.txt")).text(), QStringLiteral("/s/設定.txt: ファイルが見つかりません。"));
    messagecatalogue::removeJapanese();
    EXPECT_FALSE(messagecatalogue::japaneseInstalled());
    EXPECT_EQ(DataFileError::missing(QStringLiteral("/s/設定.txt")).text(), QStringLiteral("/s/設定.txt: The file is not there."));
    EXPECT_EQ(DataFileError(QStringLiteral("/s/a.txt"), 3, QStringLiteral("x")).text(), QStringLiteral("/s/a.txt, line 3: x"));
    EXPECT_TRUE(messagecatalogue::installJapanese());
    EXPECT_TRUE(messagecatalogue::installJapanese());
    EXPECT_EQ(DataFileError(QStringLiteral("/s/a.txt"), 3, QStringLiteral("x")).text(), QStringLiteral("/s/a.txt の 3 行目: x"));

    EXPECT_TRUE(messagecatalogue::isJapanese(QLocale(QStringLiteral("ja_JP"))));
    EXPECT_FALSE(messagecatalogue::isJapanese(QLocale(QStringLiteral("en_US"))));
    EXPECT_FALSE(messagecatalogue::isJapanese(QLocale::c()));
}

TEST(CommandLineHelp, NamesTheCallAndWrapsForATerminal)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Does things."));
    parser.addOption(QCommandLineOption(QStringLiteral("x"), QStringLiteral("an option")));
    const QString help = commandlinehelp::helpText(parser, QStringLiteral("tool do [options] FILE"),
                                                   QStringLiteral("Exit status:\n  0  done\n"));
    EXPECT_TRUE(help.startsWith(QStringLiteral("使用法: tool do [options] FILE\nDoes things.\n"))) << help.toStdString();
    EXPECT_TRUE(help.contains(QStringLiteral("オプション:\n  -x")));
    EXPECT_TRUE(help.endsWith(QStringLiteral("\n\nExit status:\n  0  done\n")));

    EXPECT_EQ(commandlinehelp::wrap(QStringLiteral("aaa bbb ccc"), 7), QStringLiteral("aaa bbb\nccc"));
    EXPECT_EQ(commandlinehelp::wrap(QStringLiteral("  indented lines stay as they are"), 7),
              QStringLiteral("  indented lines stay as they are"));
    // Japanese breaks between characters, two columns each, never before 、 or 。 nor after （.
    EXPECT_EQ(commandlinehelp::wrap(QStringLiteral("あいうえお、かき"), 10), QStringLiteral("あいうえ\nお、かき"));
    EXPECT_EQ(commandlinehelp::wrap(QStringLiteral("あいう（えお）"), 8), QStringLiteral("あいう\n（えお）"));
    EXPECT_EQ(commandlinehelp::versionText(QStringLiteral("tool")).left(13), QStringLiteral("tool (Tavrel)"));
}

} // namespace
