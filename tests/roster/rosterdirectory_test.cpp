#include "rosterdirectory.h"

#include "roster.h"
#include "rosterfile.h"
#include "rosterfixture.h"
#include "runstats.h"

#include <gtest/gtest.h>

namespace {

// The level screen's directory holds every pupil of the roster, lists those the start screen
// lists and offers the report for list flag 0 only, in file order.
TEST(RosterDirectory, CopiesThePupilsTheListedAndTheReportPupils)
{
    RosterFixture fx;
    RunStats stats;
    Roster roster;
    roster.build(RosterFile::parse(RosterFixture::rosterBytes({RosterFixture::line(7, 2016, QStringLiteral("山田太郎")),
                                                               RosterFixture::line(3, 2011, QStringLiteral("佐藤花子"), 1),
                                                               RosterFixture::line(5, 2015, QStringLiteral("鈴木一郎"))}),
                                   fx.rosterPath()),
                 fx.state, QDate(2026, 5, 12), stats, kStartFigureMode);
    const PupilDirectory directory = rosterDirectory(roster);
    EXPECT_EQ(directory.schoolYear(), 2026);
    EXPECT_EQ(directory.name(3), roster.pupilName(3));
    EXPECT_EQ(directory.birthYear(7), 2016);
    EXPECT_EQ(directory.gradeLabel(5), roster.pupilGradeLabel(5));
    EXPECT_EQ(directory.listed(), roster.listedPupils());
    EXPECT_EQ(directory.reportPupils(), (std::vector<int>{7, 5}));
    // Numbers between and above the roster's, up to the highest a roster may hold, and beyond.
    for (int unknown : {0, 4, 8, 5000, 5001, -1}) {
        EXPECT_TRUE(directory.name(unknown).isEmpty()) << unknown;
        EXPECT_TRUE(directory.gradeLabel(unknown).isEmpty()) << unknown;
        EXPECT_EQ(directory.birthYear(unknown), 0) << unknown;
    }
}

} // namespace
