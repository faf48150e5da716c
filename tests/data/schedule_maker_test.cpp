#include "data/schedule_maker.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <set>
#include <utility>

#include "data/schedule_file.h"

namespace vrk {
namespace {

TEST(ScheduleMaker, SeriesAreTwoToFourGamesAndAddUp) {
    for (int home = 0; home <= 40; ++home) {
        int sum = 0;
        for (int len : SeriesLengths(home)) {
            sum += len;
            if (home >= 2) {
                EXPECT_GE(len, 2) << home;
            }
            EXPECT_LE(len, 4) << home;
        }
        EXPECT_EQ(sum, home);
    }
}

// Leagues of several sizes and seasons: every club its games (one fewer
// only where clubs x games is odd), home and away within one, pairings
// within one game of each other, only clubs of the league.
TEST(ScheduleMaker, LeaguesPlayEvenlyAtHomeAndAway) {
    const struct {
        int clubs;
        int games;
        int each;
    } cases[] = {{14, 162, 162}, {16, 162, 162}, {12, 154, 154}, {8, 154, 154}, {6, 25, 25},
                 {5, 8, 8},      {5, 7, 6},      {2, 163, 163},  {10, 3, 3},    {4, 1, 1}};
    for (const auto& c : cases) {
        std::vector<int> clubs;
        for (int i = 0; i < c.clubs; ++i) clubs.push_back(100 + 3 * i);
        std::map<int, int> home, away;
        std::map<std::pair<int, int>, int> pairing;
        for (const ScheduleSeries& s : BalancedLeagueSeries(clubs, c.games)) {
            ASSERT_NE(s.visitor, s.home);
            ASSERT_GE(s.games, 1);
            home[s.home] += s.games;
            away[s.visitor] += s.games;
            pairing[std::minmax(s.visitor, s.home)] += s.games;
        }
        const std::set<int> members(clubs.begin(), clubs.end());
        for (const auto& [club, n] : home) EXPECT_TRUE(members.count(club));
        for (const auto& [club, n] : away) EXPECT_TRUE(members.count(club));
        for (int club : clubs) {
            EXPECT_EQ(home[club] + away[club], c.each) << c.clubs << " clubs, " << c.games;
            EXPECT_LE(std::abs(home[club] - away[club]), 1) << c.clubs << " clubs, " << c.games;
        }
        int least = c.games, most = 0;
        for (const auto& [pair, n] : pairing) least = std::min(least, n), most = std::max(most, n);
        EXPECT_LE(most - least, 1) << c.clubs << " clubs, " << c.games;
    }
}

// On the calendar every series is played whole, on consecutive days, and no
// club plays twice in a day; the file holds each game once.
TEST(ScheduleMaker, LaidOutSeriesKeepTheirGamesAndDays) {
    std::vector<int> clubs;
    for (int i = 0; i < 16; ++i) clubs.push_back(i);
    const auto series = BalancedLeagueSeries(clubs, 40);
    int games = 0;
    for (const ScheduleSeries& s : series) games += s.games;
    Rng rng(5);
    const auto days = LayOutSeries(series, 16, rng);
    int laid = 0;
    for (const auto& day : days) {
        std::set<int> busy;
        for (const ScheduleSeries& s : day) {
            EXPECT_TRUE(busy.insert(s.visitor).second);
            EXPECT_TRUE(busy.insert(s.home).second);
            ++laid;
        }
    }
    EXPECT_EQ(laid, games);
    std::vector<std::string> names;
    for (int i = 0; i < 16; ++i) names.push_back("1998A" + std::to_string(100 + i));
    const ScheduleFile file = ParseSchedule(ScheduleFileBytes(days, names, 1998));
    int slots = 0;
    for (int n = 2; n <= file.recordCount(); ++n) {
        EXPECT_EQ(file.date(n).substr(6), "98");
        for (int k = 1; k <= file.slotsPerRecord(); ++k) slots += !file.slot(n, k).empty();
    }
    EXPECT_EQ(slots, games);
}

TEST(ScheduleMaker, SeasonDatesRunFromAprilSecond) {
    EXPECT_EQ(SeasonDate(0, 1998), "04/02/98");
    EXPECT_EQ(SeasonDate(29, 1998), "05/01/98");
    EXPECT_EQ(SeasonDate(182, 2026), "10/01/26");
}

}  // namespace
}  // namespace vrk
