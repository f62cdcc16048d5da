#include "installation.h"
#include "fakes.h"
#include "folderscheme.h"
#include "namechange.h"
#include "namechangescreen.h"
#include "sjis.h"
#include "fakestarthost.h"
#include "tempinstall.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString kLine1 = QStringLiteral("1,2014,0,0,\"山田太郎            \",0,\"                    \",\"                    \"");
const QString kLine2 = QStringLiteral("2,2013,5,6,\"佐藤花子            \",0,\"メモ                \",\"                    \"");

// The screen opened over an installation whose roster holds kLine1 and kLine2.
struct OpenScreen
{
    OpenScreen()
    {
        install.writeText(QStringLiteral("files/生徒用名簿.txt"), kLine1 + QStringLiteral("\r\n") + kLine2 + QStringLiteral("\r\n"));
        state.folders = folderscheme::compute(install.programFolder(), 1);
        screen = std::make_unique<NameChangeScreen>(state, host, messages);
        screen->show();
    }
    QString rosterPath() const { return install.filesFolder() + QStringLiteral("生徒用名簿.txt"); }

    TempInstall install;
    Installation state;
    FakeStartHost host;
    FakeMessagePresenter messages;
    std::unique_ptr<NameChangeScreen> screen;
};

TEST(NameChangeScreen, ShowsTheFirstPupilsAndWritesOnlyWhatChanged)
{
    OpenScreen open;
    const TempInstall &install = open.install;
    FakeStartHost &host = open.host;
    FakeMessagePresenter &messages = open.messages;
    NameChangeScreen &screen = *open.screen;

    EXPECT_EQ(screen.nameBox(1)->text().trimmed(), QStringLiteral("山田太郎"));
    EXPECT_EQ(screen.birthYearBox(2)->text(), QStringLiteral("2013"));
    EXPECT_FALSE(screen.nameBox(3)->isEnabled());

    screen.nameBox(2)->setText(QStringLiteral("  佐藤はな子 "));
    screen.birthYearBox(2)->setText(QStringLiteral("2012"));
    screen.saveButton()->click();
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_FALSE(screen.statusLabel()->text().isEmpty());

    QFile roster(install.filesFolder() + QStringLiteral("生徒用名簿.txt"));
    ASSERT_TRUE(roster.open(QIODevice::ReadOnly));
    const QString text = sjis::decode(roster.readAll());
    EXPECT_EQ(text.toStdString(), (kLine1 + QStringLiteral("\r\n")
                        + QStringLiteral("2,2012,5,6,\"%1\",0,\"%2\",\"%3\"\r\n")
                              .arg(QStringLiteral("佐藤はな子").leftJustified(20), QStringLiteral("メモ").leftJustified(20),
                                   QString(20, u' ')))
                           .toStdString());

    EXPECT_EQ(screen.statusLabel()->text(), QStringLiteral("変更しました。"));

    // A name can be lengthened by typing at its end, up to the field's 20 characters (longer is
    // refused with a message when saved, which another test covers).
    QLineEdit *first = screen.nameBox(1);
    first->setFocus();
    first->end(false);
    QTest::keyClicks(first, QStringLiteral("ABCDEFGHIJKLMNOP"));
    EXPECT_EQ(first->text(), QStringLiteral("山田太郎ABCDEFGHIJKLMNOP"));
    screen.saveButton()->click();
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(namechange::load(install.filesFolder() + QStringLiteral("生徒用名簿.txt")).front().name,
              QStringLiteral("山田太郎ABCDEFGHIJKLMNOP"));

    // Saving what is already in the file says so rather than claiming a change.
    screen.saveButton()->click();
    EXPECT_EQ(screen.statusLabel()->text(), QStringLiteral("変更はありません。"));

    screen.backButton()->click();
    EXPECT_EQ(host.done, 1);
}

TEST(NameChangeScreen, BadInputIsRefusedWithAMessageAndNothingIsWritten)
{
    OpenScreen open;
    const QString rosterPath = open.rosterPath();
    const auto bytes = [&] {
        QFile f(rosterPath);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const QByteArray before = bytes();
    FakeMessagePresenter &messages = open.messages;
    NameChangeScreen &screen = *open.screen;

    // A birth year that is not a number, then a name longer than the roster holds (typed, not cut).
    screen.birthYearBox(2)->setText(QStringLiteral("abc"));
    screen.saveButton()->click();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("2番目の「生まれた年」"))) << messages.shown[0].text.toStdString();
    EXPECT_EQ(bytes(), before);
    EXPECT_TRUE(screen.statusLabel()->text().isEmpty());

    screen.birthYearBox(2)->setText(QStringLiteral("2013"));
    const QString longName = QStringLiteral("寿限無寿限無五劫の擦り切れ海砂利水魚の水行末");
    screen.nameBox(1)->setText(longName);
    EXPECT_EQ(screen.nameBox(1)->text(), longName);
    screen.saveButton()->click();
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_TRUE(messages.shown[1].text.contains(QStringLiteral("1番目の「名前」"))) << messages.shown[1].text.toStdString();
    EXPECT_TRUE(messages.shown[1].text.contains(QStringLiteral("20文字まで")));
    EXPECT_EQ(bytes(), before);

    // Mended, it is saved and said so.
    screen.nameBox(1)->setText(QStringLiteral("寿限無"));
    screen.saveButton()->click();
    EXPECT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(screen.statusLabel()->text(), QStringLiteral("変更しました。"));
    EXPECT_NE(bytes(), before);
}

// The screen stays open while the teachers' import rewrites the roster: the pupil's change of
// the first name keeps the import's second name; a change of a name the import changed too is
// refused, said in Japanese, and the boxes then show the file as it is.
TEST(NameChangeScreen, AnotherWritersChangesAreNeitherUndoneNorOverwritten)
{
    OpenScreen open;
    const TempInstall &install = open.install;
    const QString rosterPath = open.rosterPath();
    FakeMessagePresenter &messages = open.messages;
    NameChangeScreen &screen = *open.screen;

    install.writeText(QStringLiteral("files/生徒用名簿.txt"),
                      kLine1 + QStringLiteral("\r\n2,2013,5,6,\"佐藤花\",0,\"\",\"\"\r\n"));
    screen.nameBox(1)->setText(QStringLiteral("山田一郎"));
    screen.saveButton()->click();
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(screen.statusLabel()->text(), QStringLiteral("変更しました。"));
    std::vector<namechange::Boxes> now = namechange::load(rosterPath);
    ASSERT_EQ(now.size(), 2U);
    EXPECT_EQ(now[0].name, QStringLiteral("山田一郎"));
    EXPECT_EQ(now[1].name, QStringLiteral("佐藤花"));
    EXPECT_EQ(screen.nameBox(2)->text(), QStringLiteral("佐藤花"));

    install.writeText(QStringLiteral("files/生徒用名簿.txt"),
                      QStringLiteral("1,2014,0,0,\"山田太一\",0,\"\",\"\"\r\n2,2013,5,6,\"佐藤花\",0,\"\",\"\"\r\n"));
    screen.nameBox(1)->setText(QStringLiteral("山田次郎"));
    screen.saveButton()->click();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("上から1番目"))) << messages.shown[0].text.toStdString();
    EXPECT_EQ(namechange::load(rosterPath).front().name, QStringLiteral("山田太一"));
    EXPECT_EQ(screen.nameBox(1)->text(), QStringLiteral("山田太一"));
    EXPECT_TRUE(screen.statusLabel()->text().isEmpty());
}

} // namespace
