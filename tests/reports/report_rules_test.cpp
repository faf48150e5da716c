#include <gtest/gtest.h>

#include "core/text_fields.h"
#include "reports/leaders.h"
#include "reports/report_figures.h"
#include "reports/report_options.h"
#include "reports/report_test_support.h"
#include "reports/standings_table.h"
#include "reports/team_standings.h"

namespace vrk {
namespace {

TEST(ReportRules, PercentagesPrintLikeTheStandings) {
    struct Case {
        int wins, losses;
        const char* report;  // the statistics report
        const char* screen;  // the standings screen
    };
    const Case cases[] = {
        {999, 1, "1.000", "1.00"},  // key 0999
        {499, 1, ".998", ".998"},   // key 0998
        {10, 0, "1.000", "1.00"},   // key 1000
        {0, 0, ".000", ".000"},     // no decided games
        {2, 1, ".667", ".667"},    {1, 2, ".333", ".333"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReportPctText(ReportPctKey(c.wins, c.losses)), c.report)
            << c.wins << "-" << c.losses;
        EXPECT_EQ(ScreenPctText(ScreenPctKey(c.wins, c.losses)), c.screen)
            << c.wins << "-" << c.losses;
    }
    EXPECT_EQ(ScreenPctKey(0, 0), "0000");
    EXPECT_EQ(ScreenPctKey(999, 1), "0999");
}

TEST(ReportRules, GamesBehindTheFirstClubOfTheDivision) {
    auto club = [](int w, int l) {
        TeamStanding t;
        t.wins = w;
        t.losses = l;
        return t;
    };
    const TeamStanding leader = club(50, 30);
    struct Case {
        int wins, losses;
        const char* shown;
    };
    const Case cases[] = {
        {50, 30, "    -"},                     // tied with the leader
        {49, 31, "    1"},                     // difference 2
        {48, 31, "  1.5"},                     // difference 3
        {50, 31, "  0.5"},                     // difference 1
        {40, 40, "   10"}, {52, 30, "     "},  // ahead of the first club: no figure
        {51, 30, "    -"},                     // half a game ahead
    };
    EXPECT_EQ(GamesBehindText(leader, leader), "    -");
    for (const Case& c : cases)
        EXPECT_EQ(GamesBehindText(leader, club(c.wins, c.losses)), c.shown)
            << c.wins << "-" << c.losses;
}

TEST(ReportRules, StandingsGroupLeaguesAndDivisionsBestFirst) {
    std::vector<GameRecord> games;
    report_testing::SetBuilder set;
    set.series('A', 'E', "Hawks", "Owls", 3);
    set.series('A', 'W', "Crows", "Wrens", 2);
    set.series('N', 'E', "Larks", "Doves", 1);
    StandingsBuild build = BuildStandings(set.games, 750);
    ASSERT_EQ(build.teams.size(), 6u);
    SortStandings(build.teams);
    std::vector<std::string> order;
    for (const TeamStanding& t : build.teams) order.push_back(std::string(trimRight(t.name)));
    EXPECT_EQ(order,
              (std::vector<std::string>{"Larks", "Doves", "Crows", "Wrens", "Hawks", "Owls"}));
    EXPECT_EQ(build.teams[4].homeWins + build.teams[4].roadWins, 3);
    EXPECT_EQ(build.teams[4].runsScored(), 5 + 3 + 5);

    // Clubs met once the limit is reached are left out; their opponents
    // keep the games.
    const StandingsBuild limited = BuildStandings(set.games, 3);
    EXPECT_EQ(limited.teams.size(), 3u);
    EXPECT_EQ(limited.leftOut, (std::vector<std::string>{"Wrens", "Larks", "Doves"}));
    EXPECT_EQ(limited.teams[2].wins, 2);
}

TEST(ReportRules, APitcherWithoutOutsCountsOneTenthOfAnInning) {
    PitchingRecord p;
    EXPECT_DOUBLE_EQ(EarnedRunAverage(p), 0.0);
    p.earnedRuns = 1;
    EXPECT_NEAR(EarnedRunAverage(p), 90.0, 1e-9);
    p.earnedRuns = 2;  // 180, capped
    EXPECT_DOUBLE_EQ(EarnedRunAverage(p), 99.99);
    p.earnedRuns = 1;
    p.strikeouts = 1;
    EXPECT_NEAR(StrikeoutsPerNine(p), 90.0, 1e-9);
    p.extraOuts = 1;  // one out: a third of an inning
    EXPECT_NEAR(EarnedRunAverage(p), 27.0, 1e-9);
    p.innings = 4;
    p.extraOuts = 2;  // 7 outs in each of two games
    p.earnedRuns = 2;
    EXPECT_NEAR(EarnedRunAverage(p), 18.0 / (14.0 / 3.0), 1e-9);
}

TEST(ReportRules, QualifyingMarksRoundToTheNearest) {
    EXPECT_EQ(QualifyingPlateAppearances(162), 494);  // 494.1
    EXPECT_EQ(QualifyingPlateAppearances(10), 30);    // 30.5 -> even
    EXPECT_EQ(QualifyingInnings(162), 146);           // 145.8
    EXPECT_EQ(QualifyingInnings(0), 1);               // never below one
}

TEST(ReportRules, ABatterJustShortOfTheMarkLeadsOnlyTheCountingLists) {
    ReportLeague league;
    league.letter = 'A';
    ReportClub club;
    club.league = 'A';
    club.name = "Hawks       ";
    std::vector<BattingRecord> batters(3);
    // 100 games: the mark is 305 plate appearances; 3.04 x 100 = 304.
    const char* names[] = {"Short, Al", "Even, Bo", "Long, Cy"};
    const int atBats[] = {300, 301, 400};
    const int hits[] = {150, 90, 100};
    for (int i = 0; i < 3; ++i) {
        batters[i].key = MakePlayerKey('A', "Hawks", names[i]);
        batters[i].atBats.total = atBats[i];
        batters[i].walks.total = 4;
        batters[i].hits.total = hits[i];
        club.batters.push_back(&batters[i]);
    }
    league.clubs.push_back(club);
    const long mark = QualifyingPlateAppearances(100);
    ASSERT_EQ(mark, 305);
    const std::vector<LeaderList> lists = BattingLeaders(league, mark);
    const LeaderList& average = lists[0];
    ASSERT_EQ(average.places.size(), 2u);
    EXPECT_EQ(average.places[0].name, "Even, Bo");  // .299 over .250
    EXPECT_EQ(average.places[1].name, "Long, Cy");
    const LeaderList& hitsList = lists[2];
    ASSERT_EQ(hitsList.places.size(), 3u);
    EXPECT_EQ(hitsList.places[0].name, "Short, Al");
    // No one stole a base: the list is all blank places.
    EXPECT_TRUE(lists[8].places.empty());
    EXPECT_EQ(LeaderPlaceText(lists[8], 0), std::string(kLeaderWidth, ' '));
}

TEST(ReportRules, TiesKeepFileOrderAndLowestFirstListsKeepAPerfectRecord) {
    ReportLeague league;
    ReportClub club;
    std::vector<PitchingRecord> pitchers(3);
    const char* names[] = {"Ace, A", "Bell, B", "Cole, C"};
    for (int i = 0; i < 3; ++i) {
        pitchers[i].key = MakePlayerKey('A', "Hawks", names[i]);
        pitchers[i].innings = 50;
        pitchers[i].wins = 7;                 // a tie at the top of the wins list
        pitchers[i].earnedRuns = 10 - 5 * i;  // 10, 5 and 0
        pitchers[i].battersFaced = 200;
        pitchers[i].hits = 40;
        club.pitchers.push_back(&pitchers[i]);
    }
    pitchers[1].wins = 9;
    league.clubs.push_back(club);
    const std::vector<LeaderList> lists = PitchingLeaders(league, 40);
    const LeaderList& wins = lists[1];
    ASSERT_EQ(wins.places.size(), 3u);
    EXPECT_EQ(wins.places[0].name, "Bell, B");
    EXPECT_EQ(wins.places[1].name, "Ace, A");
    EXPECT_EQ(wins.places[2].name, "Cole, C");
    const LeaderList& era = lists[2];
    ASSERT_EQ(era.places.size(), 3u);
    EXPECT_EQ(era.places[0].name, "Cole, C");
    EXPECT_NE(LeaderPlaceText(era, 0).find("0.00"), std::string::npos) << LeaderPlaceText(era, 0);
    EXPECT_EQ(era.title, "ERA (Based on 40 Inn) ===========");
    // Below the mark, out of the ERA list.
    const std::vector<LeaderList> strict = PitchingLeaders(league, 51);
    EXPECT_TRUE(strict[2].places.empty());
    EXPECT_EQ(strict[0].places.size(), 3u);
}

TEST(ReportRules, OptionsInTheProgramsForm) {
    struct Case {
        const char* token;
        ReportOptionResult result;
    };
    const Case cases[] = {
        {"/STANDINGS:N", ReportOptionResult::Applied},
        {"/highlights:n", ReportOptionResult::Applied},
        {"/TABLES:N", ReportOptionResult::Applied},
        {"/MINAB:25", ReportOptionResult::Applied},
        {"/RL:Y", ReportOptionResult::Applied},
        {"/FIELDING:N", ReportOptionResult::Applied},
        {"/DETAIL:Y", ReportOptionResult::Applied},
        {"/LEADERS:N", ReportOptionResult::Applied},
        {"/LEADERS:MAYBE", ReportOptionResult::BadValue},
        {"/MINAB:-3", ReportOptionResult::BadValue},
        {"/MINAB:12x", ReportOptionResult::BadValue},
        {"/MINAB:", ReportOptionResult::BadValue},
        {"/PW:OUT", ReportOptionResult::NotAReportOption},
        {"STANDINGS", ReportOptionResult::NotAReportOption},
    };
    ReportOptions o;
    for (const Case& c : cases) EXPECT_EQ(ApplyReportOption(o, c.token), c.result) << c.token;
    EXPECT_FALSE(o.standings);
    EXPECT_FALSE(o.highlights);
    EXPECT_FALSE(o.tables);
    EXPECT_EQ(o.minAtBats, 25);
    EXPECT_TRUE(o.rlBreakdown);
    EXPECT_FALSE(o.fielding);
    EXPECT_TRUE(o.fieldingDetail);
    EXPECT_FALSE(o.leaders);
}

TEST(ReportRules, ScreenStandingsNamesAndGroups) {
    EXPECT_EQ(LeagueName('A'), "A.L.");
    EXPECT_EQ(LeagueName('N'), "N.L.");
    EXPECT_EQ(LeagueName('F'), "Federal");
    EXPECT_EQ(LeagueName('X'), "X");
    EXPECT_EQ(DivisionName('C'), "Central");
    EXPECT_EQ(DivisionName('S'), "South");

    report_testing::SetBuilder set;
    const char leagues[] = {'A', 'B', 'C', 'D'};
    const char divisions[] = {'C', 'E', 'N', 'W'};
    for (char l : leagues) {
        for (char d : divisions) {
            set.series(l, d, std::string(1, l) + d + "1", std::string(1, l) + d + "2", 1);
        }
    }
    const ClubStandings table = StandingsFromGames(set.games);
    const std::vector<ShownLeague> shown = GroupForScreen(table);
    ASSERT_EQ(shown.size(), 3u);  // a fourth league is not shown
    for (const ShownLeague& l : shown) {
        ASSERT_EQ(l.divisions.size(), 3u);  // nor a fourth division
        EXPECT_EQ(l.divisions[0].clubs.size(), 2u);
        EXPECT_EQ(l.divisions[0].clubs[0]->pctKey, "1000");
    }
}

}  // namespace
}  // namespace vrk
