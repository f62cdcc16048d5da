#include "fakes.h"
#include "localeprocess.h"
#include "program.h"
#include "programarguments.h"
#include "tempinstall.h"

#include <QDir>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

TEST(ProgramArgumentsTest, TheFolderComesFromTheCallTheExecutableOrTheChooser)
{
    // Beside an installation (the demo in the build tree) the program opens it; anywhere else
    // (an installed program in /usr/bin) the pupil chooses, and a launcher names its school.
    TempInstall beside;
    beside.writeValidMode1();
    const QString ownInstall = QDir::cleanPath(beside.programFolder());
    const ProgramArguments besides = ProgramArguments::parse({QStringLiteral("tavrel")}, ownInstall);
    EXPECT_EQ(besides.programFolder, ownInstall);
    EXPECT_FALSE(besides.choose);
    const ProgramArguments installed = ProgramArguments::parse({QStringLiteral("tavrel")}, QStringLiteral("/usr/bin"));
    EXPECT_TRUE(installed.choose);
    EXPECT_TRUE(installed.programFolder.isEmpty());
    EXPECT_TRUE(installed.problem.isEmpty());
    const ProgramArguments named = ProgramArguments::parse(
        {QStringLiteral("tavrel"), QStringLiteral("--school"), QStringLiteral("○○小学校")}, QStringLiteral("/usr/bin"));
    EXPECT_TRUE(named.choose);
    EXPECT_EQ(named.schoolName, QStringLiteral("○○小学校"));

    const QString own = QStringLiteral("/opt/school/tavrel");
    EXPECT_EQ(ProgramArguments::parse({QStringLiteral("tavrel"), QStringLiteral("/srv/school/tavrel")}, own)
                  .programFolder,
              QStringLiteral("/srv/school/tavrel"));
    const ProgramArguments relative =
        ProgramArguments::parse({QStringLiteral("tavrel"), QStringLiteral("school/tavrel")}, own);
    EXPECT_EQ(relative.programFolder, QDir::current().absoluteFilePath(QStringLiteral("school/tavrel")));
    EXPECT_TRUE(relative.problem.isEmpty());

    for (const QStringList &wrong : {QStringList{QStringLiteral("tavrel"), QStringLiteral("a"), QStringLiteral("b")},
                                     QStringList{QStringLiteral("tavrel"), QStringLiteral("--folder")},
                                     QStringList{QStringLiteral("tavrel"), QStringLiteral("--school")},
                                     QStringList{QStringLiteral("tavrel"), QStringLiteral("--school"), QString()},
                                     QStringList{QStringLiteral("tavrel"), QString()}}) {
        const ProgramArguments parsed = ProgramArguments::parse(wrong, own);
        EXPECT_TRUE(parsed.programFolder.isEmpty()) << wrong.join(u' ').toStdString();
        EXPECT_TRUE(parsed.problem.contains(ProgramArguments::usage())) << wrong.join(u' ').toStdString();
    }
}

TEST(ProgramArgumentsTest, HelpAndVersionAreAnswersNotStarts)
{
    const QString own = QStringLiteral("/opt/school/tavrel");
    const ProgramArguments help = ProgramArguments::parse({QStringLiteral("tavrel"), QStringLiteral("--help")}, own);
    EXPECT_TRUE(help.programFolder.isEmpty());
    EXPECT_TRUE(help.answer.startsWith(QStringLiteral("使用法: tavrel [オプション] [プログラムフォルダ]\n")))
        << help.answer.toStdString();
    const ProgramArguments version = ProgramArguments::parse({QStringLiteral("tavrel"), QStringLiteral("-v")}, own);
    EXPECT_TRUE(version.answer.startsWith(QStringLiteral("tavrel (Tavrel) ")));
    const char *raw[] = {"tavrel", "/srv/school", "--version"};
    EXPECT_TRUE(ProgramArguments::asksForHelpOrVersion(3, raw));
    EXPECT_FALSE(ProgramArguments::asksForHelpOrVersion(2, raw));
}

// The program as help2man runs it: no display, no platform chosen, the locale's language.
TEST(ProgramArgumentsTest, TheProgramAnswersHelpAndVersionWithoutADisplay)
{
    for (const auto &[lang, usage] : {std::pair{QStringLiteral("C"), QStringLiteral("Usage: tavrel [options] [PROGRAM_FOLDER]\n")},
                                      std::pair{QStringLiteral("ja_JP.UTF-8"),
                                                QStringLiteral("使用法: tavrel [オプション] [プログラムフォルダ]\n")}}) {
        const QProcessEnvironment env = environmentWithoutDisplay(lang);
        for (const QString &option : {QStringLiteral("--help"), QStringLiteral("--version")}) {
            QProcess p;
            p.setProcessEnvironment(env);
            p.start(QStringLiteral(TAVREL_PROGRAM_PATH), {option});
            ASSERT_TRUE(p.waitForFinished(60000));
            EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
            EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
            const QString out = QString::fromUtf8(p.readAllStandardOutput());
            if (option == u"--help") {
                EXPECT_TRUE(out.startsWith(usage)) << out.toStdString();
                EXPECT_TRUE(out.contains(QStringLiteral("  -v, --version"))) << out.toStdString();
            } else {
                EXPECT_TRUE(out.startsWith(QStringLiteral("tavrel (Tavrel) "))) << out.toStdString();
            }
        }
    }
}

// A folder that is no installation (the system folder an installed program runs from, an empty
// folder, a mistyped path) is named in the one message shown, and the program ends.
TEST(ProgramArgumentsTest, AFolderThatIsNoInstallationSaysWhatIsMissing)
{
    TempInstall install;
    const QString missing = install.root() + QStringLiteral("/no-such-folder");
    const QString empty = install.programFolder();
    const std::pair<QString, QString> cases[] = {
        {missing, QDir::toNativeSeparators(missing)},
        {empty, QStringLiteral("設定.txt")},
    };
    for (const auto &[folder, named] : cases) {
        FakeMessagePresenter messages;
        FakeServices fake;
        Program program(folder, fake.services(), messages);
        EXPECT_NE(program.start(), 0);
        ASSERT_EQ(messages.shown.size(), 1);
        EXPECT_TRUE(messages.shown[0].text.contains(named)) << messages.shown[0].text.toStdString();
        EXPECT_EQ(program.startScreen(), nullptr);
    }
    EXPECT_FALSE(QFileInfo::exists(missing));
}

} // namespace
