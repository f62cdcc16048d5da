// The teachers' tool's command line: one parser per command, --help and --version answered
// without a display, the documented exit statuses, and the language of the locale.
#include "adminrun.h"
#include "localeprocess.h"
#include "testnames.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QStringList kCommands{
    QStringLiteral("scramble"),       QStringLiteral("unscramble"),    QStringLiteral("check"),
    QStringLiteral("stats"),          QStringLiteral("export"),        QStringLiteral("new-school"),
    QStringLiteral("backup"),         QStringLiteral("roster import"), QStringLiteral("roster export"),
    QStringLiteral("roster classes"), QStringLiteral("check-school"),  QStringLiteral("pending"),
    QStringLiteral("register-school"), QStringLiteral("worksheet"),    QStringLiteral("report"),
    QStringLiteral("restore")};

struct CallCase
{
    const char *name;
    QStringList args;
    int status;
    bool onOut; // what is said goes to the output (else to the error stream)
    QString says;
};

void PrintTo(const CallCase &c, std::ostream *os)
{
    *os << c.name;
}

class AdminCalls : public testing::TestWithParam<CallCase>
{
};

TEST_P(AdminCalls, AreAnsweredWithTheDocumentedStatus)
{
    const CallCase &c = GetParam();
    const AdminRun r = admin(c.args);
    EXPECT_EQ(r.status, c.status);
    const QString &said = c.onOut ? r.out : r.err;
    EXPECT_TRUE(said.contains(c.says)) << said.toStdString();
    EXPECT_TRUE((c.onOut ? r.err : r.out).isEmpty()) << (c.onOut ? r.err : r.out).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Calls, AdminCalls,
    testing::Values(
        CallCase{"Help", {QStringLiteral("--help")}, 0, true, QStringLiteral("Usage: tavrel-admin [options] COMMAND")},
        CallCase{"ShortHelp", {QStringLiteral("-h")}, 0, true, QStringLiteral("\nCommands:\n  scramble ")},
        CallCase{"HelpWord", {QStringLiteral("help")}, 0, true, QStringLiteral("  check-school ")},
        CallCase{"Version", {QStringLiteral("--version")}, 0, true, QStringLiteral("tavrel-admin (Tavrel) ")},
        CallCase{"Nothing", {}, 2, false, QStringLiteral("Usage: tavrel-admin")},
        CallCase{"UnknownCommand", {QStringLiteral("frobnicate")}, 2, false,
                 QStringLiteral("tavrel-admin: there is no command \"frobnicate\"\nRun \"tavrel-admin --help\"")},
        CallCase{"AGroupWithoutItsCommand", {QStringLiteral("roster")}, 2, false,
                 QStringLiteral("\"roster\" needs one of: tavrel-admin roster import, tavrel-admin roster export")},
        CallCase{"AGroupsHelp", {QStringLiteral("roster"), QStringLiteral("--help")}, 0, true,
                 QStringLiteral("tavrel-admin roster classes")},
        CallCase{"ACommandsHelp", {QStringLiteral("roster"), QStringLiteral("import"), QStringLiteral("--help")}, 0, true,
                 QStringLiteral("Usage: tavrel-admin roster import [options] INSTALL FILE\n")},
        CallCase{"UnknownOption", {QStringLiteral("stats"), QStringLiteral("x"), QStringLiteral("--frob")}, 2, false,
                 QStringLiteral("tavrel-admin stats: Unknown option 'frob'.\nUsage: tavrel-admin stats [options] INSTALL\n")},
        CallCase{"MissingValue", {QStringLiteral("stats"), QStringLiteral("x"), QStringLiteral("--date")}, 2, false,
                 QStringLiteral("Missing value after '--date'.")},
        CallCase{"TooFewArguments", {QStringLiteral("export"), QStringLiteral("x")}, 2, false,
                 QStringLiteral("tavrel-admin export: wrong number of arguments (1)\nUsage: tavrel-admin export [options] "
                                "INSTALL OUT.csv\nRun \"tavrel-admin export --help\" for how to call it.")},
        CallCase{"TooManyArguments", {QStringLiteral("check"), QStringLiteral("a"), QStringLiteral("b")}, 2, false,
                 QStringLiteral("wrong number of arguments (2)")},
        CallCase{"ANeededOption", {QStringLiteral("report"), QStringLiteral("a"), QStringLiteral("b.pdf")}, 2, false,
                 QStringLiteral("tavrel-admin report: give the pupil with --pupil N")},
        CallCase{"AWrongValue",
                 {QStringLiteral("roster"), QStringLiteral("import"), QStringLiteral("a"), QStringLiteral("b"),
                  QStringLiteral("--number-from"), QStringLiteral("0")},
                 2, false, QStringLiteral("--number-from needs a whole number from 1 to 5000")},
        CallCase{"ARefusal", {QStringLiteral("stats"), QStringLiteral("/nonexistent/tavrel")}, 1, false,
                 QStringLiteral("tavrel-admin stats: there is no installation at /nonexistent/tavrel")}),
    testname::ByName());

TEST(AdminHelp, EveryCommandHasHelpInBothLanguages)
{
    for (const QString &command : kCommands) {
        const QStringList args = command.split(u' ') << QStringLiteral("--help");
        const AdminRun english = admin(args);
        EXPECT_EQ(english.status, 0) << command.toStdString();
        EXPECT_TRUE(english.out.startsWith(QStringLiteral("Usage: tavrel-admin ") + command + QStringLiteral(" [options]")))
            << english.out.toStdString();
        EXPECT_TRUE(english.out.contains(QStringLiteral("\nOptions:\n  -h, --help")));
        EXPECT_TRUE(english.out.contains(QStringLiteral("\nExit status:\n  0  ")));
        const AdminRun japanese = admin(args, AdminLanguage::Japanese);
        EXPECT_EQ(japanese.status, 0);
        EXPECT_TRUE(japanese.out.startsWith(QStringLiteral("使用法: tavrel-admin ") + command + QStringLiteral(" [オプション]")))
            << japanese.out.toStdString();
        EXPECT_TRUE(japanese.out.contains(QStringLiteral("\nオプション:\n  -h, --help")));
        EXPECT_TRUE(japanese.out.contains(QStringLiteral("\n終了ステータス:\n  0  ")));
        // Laid out for a terminal: no line is wider than 79 columns (a Japanese character takes two)
        // but the parser's option lines, which it lays out itself.
        for (const QString &line : japanese.out.split(u'\n')) {
            int columns = 0;
            for (const QChar c : line)
                columns += c.unicode() >= 0x2E80 ? 2 : 1;
            if (!line.startsWith(QStringLiteral("  "))) {
                EXPECT_LE(columns, 79) << line.toStdString();
            }
        }
    }
}

// The installed tool, as a teacher or a manual-page generator runs it: without a display, in the
// language of the locale.
class AdminProcess : public testing::Test
{
protected:
    struct Ran
    {
        int status = -1;
        QString out;
        QString err;
    };

    static Ran run(const QStringList &args, const QString &lang)
    {
        QProcess p;
        p.setProcessEnvironment(environmentWithoutDisplay(lang));
        p.start(QStringLiteral(TAVREL_ADMIN_PATH), args);
        EXPECT_TRUE(p.waitForFinished(60000));
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError())};
    }
};

TEST_F(AdminProcess, AnswersHelpAndVersionWithoutADisplayInTheLocalesLanguage)
{
    const Ran english = run({QStringLiteral("--help")}, QStringLiteral("C.UTF-8"));
    EXPECT_EQ(english.status, 0) << english.err.toStdString();
    EXPECT_TRUE(english.out.startsWith(QStringLiteral("Usage: tavrel-admin [options] COMMAND"))) << english.out.toStdString();
    EXPECT_TRUE(english.err.isEmpty()) << english.err.toStdString();
    const Ran japanese = run({QStringLiteral("--help")}, QStringLiteral("ja_JP.UTF-8"));
    EXPECT_EQ(japanese.status, 0);
    EXPECT_TRUE(japanese.out.startsWith(QStringLiteral("使用法: tavrel-admin [オプション] コマンド"))) << japanese.out.toStdString();
    EXPECT_TRUE(japanese.out.contains(QStringLiteral("\nコマンド:\n")));

    for (const QString &lang : {QStringLiteral("C"), QStringLiteral("ja_JP.UTF-8")}) {
        const Ran version = run({QStringLiteral("--version")}, lang);
        EXPECT_EQ(version.status, 0);
        EXPECT_TRUE(version.out.startsWith(QStringLiteral("tavrel-admin (Tavrel) "))) << version.out.toStdString();
        EXPECT_EQ(version.out.count(u'\n'), 1);
    }

    const Ran refusedEnglish = run({QStringLiteral("stats"), QStringLiteral("/nonexistent/tavrel")}, QStringLiteral("en_GB.UTF-8"));
    EXPECT_EQ(refusedEnglish.status, 1);
    EXPECT_EQ(refusedEnglish.err, QStringLiteral("tavrel-admin stats: there is no installation at /nonexistent/tavrel\n"));
    const Ran refusedJapanese = run({QStringLiteral("stats"), QStringLiteral("/nonexistent/tavrel")}, QStringLiteral("ja_JP.UTF-8"));
    EXPECT_EQ(refusedJapanese.status, 1);
    EXPECT_EQ(refusedJapanese.err, QStringLiteral("tavrel-admin stats: /nonexistent/tavrel にインストールはありません\n"));
}

// help2man makes the manual pages from --help and --version; where it is installed, the pages of
// both languages have their synopsis and options.
TEST_F(AdminProcess, Help2manMakesAPageInEitherLanguage)
{
    const QString help2man = QStandardPaths::findExecutable(QStringLiteral("help2man"));
    if (help2man.isEmpty())
        GTEST_SKIP() << "help2man is not installed";
    // help2man reads a Japanese help with its own Japanese words, which need the system's locale.
    QProcess locales;
    locales.start(QStringLiteral("locale"), {QStringLiteral("-a")});
    locales.waitForFinished();
    const bool japaneseLocale = locales.readAllStandardOutput().toLower().contains("ja_jp.utf8");
    std::vector<std::tuple<QString, QString, QString>> cases{
        {QStringLiteral("C"), QStringLiteral(".SH SYNOPSIS"), QStringLiteral(".SH OPTIONS")}};
    if (japaneseLocale)
        cases.emplace_back(QStringLiteral("ja_JP.UTF-8"), QStringLiteral(".SH 書式"), QStringLiteral(".SH オプション"));
    for (const auto &[locale, synopsis, options] : cases) {
        QProcess p;
        p.setProcessEnvironment(environmentWithoutDisplay(locale));
        p.start(help2man, {QStringLiteral("--no-info"), QStringLiteral("--locale=") + locale,
                           QStringLiteral(TAVREL_ADMIN_PATH)});
        ASSERT_TRUE(p.waitForFinished(60000));
        const QString page = QString::fromUtf8(p.readAllStandardOutput());
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        EXPECT_TRUE(page.contains(synopsis)) << locale.toStdString() << "\n" << page.left(2000).toStdString();
        EXPECT_TRUE(page.contains(options)) << locale.toStdString();
        EXPECT_TRUE(page.contains(QStringLiteral("tavrel-admin \\- "))) << page.left(600).toStdString();
    }
}

} // namespace
