// The name change's logic played without widgets: which boxes it offers, what it refuses and
// what it writes.
#include "namechangeeditor.h"
#include "rosterfixture.h"
#include "testnames.h"

#include <gtest/gtest.h>

namespace {

QStringList pupils(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << RosterFixture::line(i, 2010 + i, QStringLiteral("生徒%1").arg(i));
    return lines;
}

class RowsOffered : public ::testing::TestWithParam<int> {};

TEST_P(RowsOffered, AreTheFirstPupilsOfTheRoster)
{
    RosterFixture fx;
    fx.writeRoster(pupils(GetParam()));
    NameChangeEditor editor(fx.rosterPath());
    editor.load();
    for (int row = 0; row < namechange::kEditableEntries; ++row) {
        editor.setName(row, QStringLiteral("新しい名前"));
        const NameChangeView::Row &shown = editor.view().rows.at(static_cast<std::size_t>(row));
        const bool pupil = row < GetParam();
        EXPECT_EQ(shown.enabled, pupil) << row;
        // A row without a pupil takes nothing typed into it.
        EXPECT_EQ(shown.name, pupil ? QStringLiteral("新しい名前") : QString()) << row;
        EXPECT_EQ(shown.birthYear, pupil ? QString::number(2011 + row) : QString()) << row;
    }
    EXPECT_TRUE(editor.view().status.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Counts, RowsOffered, ::testing::Values(0, 1, 3, 5),
                         testname::from([](int count) { return testname::of("pupils", count); }));

struct RefusalCase
{
    const char *name;
    int row;
    bool birthYear;
    QString typed;
    QString named; // what the message names

    friend void PrintTo(const RefusalCase &c, std::ostream *os)
    {
        *os << c.name << ": row " << c.row << (c.birthYear ? " birth year " : " name ") << testprint::quoted(c.typed)
            << " -> " << testprint::quoted(c.named);
    }
};

class Refusals : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(Refusals, NameTheBoxAtFaultAndWriteNothing)
{
    const RefusalCase &c = GetParam();
    RosterFixture fx;
    fx.writeRoster(pupils(3));
    const QByteArray before = RosterFixture::readFile(fx.rosterPath());
    NameChangeEditor editor(fx.rosterPath());
    editor.load();
    editor.setName(0, QStringLiteral("山田花子"));
    ASSERT_FALSE(editor.save());
    ASSERT_EQ(editor.view().status, QStringLiteral("変更しました。"));
    const QByteArray saved = RosterFixture::readFile(fx.rosterPath());
    ASSERT_NE(saved, before);

    if (c.birthYear)
        editor.setBirthYear(c.row, c.typed);
    else
        editor.setName(c.row, c.typed);
    const auto refusal = editor.save();
    ASSERT_TRUE(refusal);
    EXPECT_TRUE(refusal->message.contains(c.named)) << refusal->message.toStdString();
    EXPECT_EQ(refusal->row, c.row);
    EXPECT_EQ(refusal->birthYear, c.birthYear);
    EXPECT_TRUE(editor.view().status.isEmpty());
    EXPECT_EQ(RosterFixture::readFile(fx.rosterPath()), saved);
    // What was typed stays in its box, to be mended.
    const NameChangeView::Row &row = editor.view().rows.at(static_cast<std::size_t>(c.row));
    EXPECT_EQ(c.birthYear ? row.birthYear : row.name, c.typed);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Refusals,
    ::testing::Values(RefusalCase{"year_not_a_number", 1, true, QStringLiteral("abc"), QStringLiteral("2番目の「生まれた年」")},
                      RefusalCase{"name_too_long", 0, false, QStringLiteral("寿限無寿限無五劫の擦り切れ海砂利水魚の水行末"),
                                  QStringLiteral("1番目の「名前」")},
                      RefusalCase{"name_empty", 2, false, QStringLiteral("  "), QStringLiteral("3番目の「名前」")}),
    testname::ByName());

TEST(NameChangeEditor, SavesReadsTheBoxesBackAndSaysWhenNothingChanged)
{
    RosterFixture fx;
    fx.writeRoster(pupils(2));
    NameChangeEditor editor(fx.rosterPath());
    editor.load();
    editor.setName(1, QStringLiteral("  佐藤はな子 "));
    editor.setBirthYear(1, QStringLiteral("2012"));
    EXPECT_FALSE(editor.save());
    EXPECT_EQ(editor.view().status, QStringLiteral("変更しました。"));
    EXPECT_EQ(editor.view().rows[1].name, QStringLiteral("佐藤はな子"));
    EXPECT_EQ(editor.view().rows[1].birthYear, QStringLiteral("2012"));
    EXPECT_EQ(namechange::load(fx.rosterPath()).at(1).name, QStringLiteral("佐藤はな子"));

    EXPECT_FALSE(editor.save());
    EXPECT_EQ(editor.view().status, QStringLiteral("変更はありません。"));
}

// Another writer (an import, another PC) changes the roster while the boxes are open: an edit of
// another row is written and the boxes then show the other writer's change; an edit of the same
// row is refused, said, and the boxes show the file as it is.
TEST(NameChangeEditor, AnotherWritersChangesAreNeitherUndoneNorOverwritten)
{
    RosterFixture fx;
    fx.writeRoster(pupils(2));
    NameChangeEditor editor(fx.rosterPath());
    editor.load();

    fx.writeRoster({RosterFixture::line(1, 2011, QStringLiteral("生徒1")), RosterFixture::line(2, 2012, QStringLiteral("転校生"))});
    editor.setName(0, QStringLiteral("山田一郎"));
    EXPECT_FALSE(editor.save());
    EXPECT_EQ(editor.view().status, QStringLiteral("変更しました。"));
    EXPECT_EQ(editor.view().rows[0].name, QStringLiteral("山田一郎"));
    EXPECT_EQ(editor.view().rows[1].name, QStringLiteral("転校生"));

    fx.writeRoster({RosterFixture::line(1, 2011, QStringLiteral("山田太一")), RosterFixture::line(2, 2012, QStringLiteral("転校生"))});
    editor.setName(0, QStringLiteral("山田次郎"));
    const auto refusal = editor.save();
    ASSERT_TRUE(refusal);
    EXPECT_TRUE(refusal->message.contains(QStringLiteral("上から1番目"))) << refusal->message.toStdString();
    EXPECT_FALSE(refusal->row);
    EXPECT_EQ(editor.view().rows[0].name, QStringLiteral("山田太一"));
    EXPECT_EQ(namechange::load(fx.rosterPath()).front().name, QStringLiteral("山田太一"));
    EXPECT_TRUE(editor.view().status.isEmpty());
}

TEST(NameChangeEditor, ARosterGoneSinceItWasShownIsSaidAndNotWritten)
{
    RosterFixture fx;
    fx.writeRoster(pupils(2));
    NameChangeEditor editor(fx.rosterPath());
    editor.load();
    QFile::remove(fx.rosterPath());
    editor.setName(0, QStringLiteral("山田花子"));
    const auto refusal = editor.save();
    ASSERT_TRUE(refusal);
    EXPECT_FALSE(refusal->message.isEmpty());
    EXPECT_FALSE(refusal->row);
    EXPECT_FALSE(QFile::exists(fx.rosterPath()));
    EXPECT_TRUE(editor.view().status.isEmpty());
}

} // namespace
