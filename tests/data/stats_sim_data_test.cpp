#include <gtest/gtest.h>

#include "data/sim_data.h"
#include "data/stats_schedule_day.h"
#include "data/stats_test_support.h"

namespace vrk {
namespace {

using stats_testing::GameFixture;

struct SimDataTest : ::testing::Test {
    GameFixture fx;
    BattingTable batting = NewStatsTable<BattingRecord>();
    PitchingTable pitching = NewStatsTable<PitchingRecord>();
    Team& team = fx.teams[1];

    BattingRecord& bat(int e) { return FindOrInsert(batting, fx.key(1, e), 'R'); }
    PitchingRecord& pit(int e) { return FindOrInsert(pitching, fx.key(1, e), 'R'); }
};

TEST_F(SimDataTest, RecordsBecomeSeasonFiguresAndOthersAreZero) {
    BattingRecord& b = bat(3);
    b.games = 20, b.atBats.total = 70, b.hits.total = 21, b.homeRuns.total = 4;
    b.runsBattedIn = 15, b.walks.total = 9, b.strikeouts.total = 11, b.hitStreak = 6;
    PitchingRecord& p = pit(11);
    p.innings = 40, p.extraOuts = 5, p.wins = 3, p.losses = 2, p.saves = 1, p.hits = 38;
    p.earnedRuns = 14, p.walks = 12, p.strikeouts = 30, p.restDaysNeeded = 2;
    team.player(5).sim.hits = 99;  // stale figures from elsewhere are replaced
    EXPECT_TRUE(LoadSIMData(team, batting, pitching).empty());
    const SimStats& s = team.player(3).sim;
    EXPECT_EQ(std::vector({s.games, s.atBats, s.hits, s.homeRuns, s.runsBattedIn, s.walks,
                           s.strikeouts, s.hitStreak}),
              std::vector({20, 70, 21, 4, 15, 9, 11, 6}));
    const SimStats& q = team.player(11).sim;
    EXPECT_NEAR(q.innings, 40 + 5 / 3.0, 1e-9);
    EXPECT_EQ(std::vector({q.wins, q.losses, q.saves, q.hitsAllowed, q.earnedRuns, q.walksAllowed,
                           q.strikeoutsPitched, team.player(11).restDaysNeeded}),
              std::vector({3, 2, 1, 38, 14, 12, 30, 2}));
    EXPECT_EQ(team.player(5).sim.hits, 0);
    EXPECT_EQ(team.player(12).restDaysNeeded, 0);

    StatsSet closed;
    team.player(3).sim.hits = 5;
    EXPECT_TRUE(LoadSIMData(team, closed).empty());
    EXPECT_EQ(team.player(3).sim.hits, 0);
}

TEST_F(SimDataTest, FiguresFollowTheLineupReference) {
    bat(4).hits.total = 17;
    bat(14).hits.total = 2;
    // Entries 4 and 14 exchanged places: each one's figures follow his reference.
    team.player(4).lineupPlayer = 14;
    team.player(14).lineupPlayer = 4;
    LoadSIMData(team, batting, pitching);
    EXPECT_EQ(team.player(14).sim.hits, 17);
    EXPECT_EQ(team.player(4).sim.hits, 2);
}

TEST_F(SimDataTest, ScheduleRestCountsTheDaysSinceTheLastOuting) {
    PitchingRecord& p = pit(10);
    // {last day, days needed, today, expected}; last day 0 is outside schedule
    // play, today 0 is no schedule day.
    const int cases[][4] = {{100, 3, 101, 3}, {100, 3, 103, 1}, {100, 3, 110, 0},
                            {100, 9, 100, 4}, {0, 2, 50, 2},    {0, 2, 0, 2}};
    for (const auto& c : cases) {
        p.lastDayNumber = c[0], p.restDaysNeeded = c[1];
        LoadSIMData(team, batting, pitching, c[2] ? std::optional(c[2]) : std::nullopt);
        EXPECT_EQ(team.player(10).restDaysNeeded, c[3]) << c[0] << " " << c[1] << " " << c[2];
    }
}

TEST_F(SimDataTest, BadReferencesAreWarnedAndSkipped) {
    team.teamName = "Hawks       ";
    team.player(2).lineupPlayer = 52;
    team.lastPitcherEntry = 37;
    for (int e = 14; e <= 37; ++e) {
        team.player(e).playerName = "Arm" + std::to_string(e);
        team.player(e).lineupPlayer = e;
    }
    team.player(36).lineupPlayer = 36;
    std::vector<std::string> warnings = LoadSIMData(team, batting, pitching);
    ASSERT_EQ(warnings.size(), 3u);
    EXPECT_EQ(warnings[0],
              "Reference ptr out of bounds in LoadSIMData.|Ref: 52 Max: 51|HPlayer2, Al Hawks");
    EXPECT_EQ(warnings[1], "Reference ptr not in pitcher range.|Ref: 36");
    EXPECT_EQ(warnings[2], "Reference ptr not in pitcher range.|Ref: 37");
}

TEST(StatsScheduleDay, DayNumbersIgnoreTheYearAndLeapDays) {
    EXPECT_EQ(ScheduleDayNumber("01/01/98"), 1);
    EXPECT_EQ(ScheduleDayNumber("03/01/00"), 60);
    EXPECT_EQ(ScheduleDayNumber("12/31/99"), 365);
    EXPECT_EQ(ScheduleDayNumber("13/01/99"), std::nullopt);
    EXPECT_EQ(ScheduleDayNumber("4/1/99"), std::nullopt);
    EXPECT_EQ(ScheduleDayNumber(""), std::nullopt);
    EXPECT_EQ(DaysBetween(360, 3), 8);
    EXPECT_EQ(DaysBetween(3, 3), 0);
}

}  // namespace
}  // namespace vrk
