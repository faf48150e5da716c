#include "data/league_rows.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "data/team_test_support.h"
#include "shell/config_file.h"

namespace vrk {
namespace {

namespace fs = std::filesystem;

fs::path writeTeams(const testing::TempDir& temp, const std::string& body) {
    const fs::path path = temp.file("Teams.csv");
    std::ofstream out(path, std::ios::binary);
    out << "yearID,lgID,teamID,G,W,L,R,H,2B,3B,HR,BB,SO,IPouts,BPF\n" << body;
    return path;
}

TEST(LeagueRows, SumsEachSeasonAndLeagueAndReadsBackAsAConfigRow) {
    // 1884: the American Association, the National League and the Union
    // Association side by side; one row of junk in between.
    testing::TempDir temp;
    const auto path = writeTeams(temp,
                                 "1884,AA,AAA,100,60,40,500,900,150,50,20,200,300,2700,101\n"
                                 "1884,AA,AAB,100,40,60,450,880,140,40,10,210,310,2703,99\n"
                                 "1884,NL,NLA,110,55,55,600,1000,160,60,30,250,400,2970,100\n"
                                 "1884,UA,UAA,50,25,25,260,420,60,20,5,90,150,1350,\n"
                                 "1884,XX,,oops,1,1\n"
                                 "2019,AL,ALA,162,90,72,800,1400,280,20,220,520,1400,4370,102\n");
    const DatabankTeams teams = readDatabankTeams(path.string());
    fs::remove(path);
    ASSERT_EQ(teams.problems.size(), 1u);
    EXPECT_NE(teams.problems[0].find("line 6"), std::string::npos);
    ASSERT_EQ(teams.seasons.size(), 5u);
    EXPECT_EQ(teams.seasons[0].battingParkFactor, 101);
    EXPECT_FALSE(teams.seasons[3].battingParkFactor.has_value());

    const auto lines = leagueSeasonLines(teams.seasons);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].letter, 'A');
    EXPECT_EQ(lines[0].teams, 2);
    EXPECT_EQ(lines[0].hits, 1780);
    EXPECT_EQ(lines[0].innings, 1801);  // 5,403 outs
    EXPECT_DOUBLE_EQ(lines[0].runsPerGame, 4.75);
    EXPECT_EQ(lines[1].letter, 'N');
    EXPECT_EQ(lines[2].letter, 'U');
    EXPECT_EQ(lines[3].year, 2019);

    std::vector<std::string> warnings;
    const std::string text = formatLeagueRow(lines[0]);
    const LeagueAverageRow row = readLeagueAverageLine(text, warnings);
    EXPECT_TRUE(warnings.empty());
    EXPECT_EQ(row.key(), "1884A");
    EXPECT_EQ(row.innings, 1801);
    EXPECT_EQ(row.hits, 1780);
    EXPECT_EQ(row.doubles, 290);
    EXPECT_EQ(row.triples, 90);
    EXPECT_EQ(row.homeRuns, 30);
    EXPECT_EQ(row.walks, 410);
    EXPECT_EQ(row.column60Value, 2);
    EXPECT_NEAR(row.runFactor, 4.75, 1e-9);
    EXPECT_EQ(row.leagueIndex, 100);
}

// Pitchers' rates are taken per batter faced estimated from their innings,
// so a staff pitching exactly the league's line must meet the row at its own
// rates, at-bats recorded or not; innings built from the outs of at-bats
// would put that staff about six per cent below the league in every rate.
TEST(LeagueRows, AStaffWithTheLeaguesLineHasTheRowsRates) {
    testing::TempDir temp;
    const fs::path path = temp.file("Teams.csv");
    std::ofstream(path) << "yearID,lgID,teamID,G,W,L,R,AB,H,2B,3B,HR,BB,SO,IPouts\n"
                           "1998,AL,AAA,162,90,72,800,5600,1500,300,20,200,500,1100,4370\n"
                           "1998,AL,AAB,162,72,90,700,5500,1400,280,25,150,450,1150,4355\n";
    const DatabankTeams teams = readDatabankTeams(path.string());
    fs::remove(path);
    const auto lines = leagueSeasonLines(teams.seasons);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].innings, (4370 + 4355 + 1) / 3);
    std::vector<std::string> warnings;
    const LeagueAverageRow row = readLeagueAverageLine(formatLeagueRow(lines[0]), warnings);
    const double staffInnings = (4370 + 4355) / 3.0;
    const double faced = 2900 + 950 + 2250 + 0.99 * (3 * staffInnings - 2250);
    EXPECT_NEAR(row.walkRate, 950 / faced, 0.002 * row.walkRate);
    EXPECT_NEAR(row.homeRunRate, 350 / faced, 0.002 * row.homeRunRate);
    EXPECT_NEAR(row.singleRate, (2900 - 580 - 45 - 350) / faced, 0.002 * row.singleRate);
}

}  // namespace
}  // namespace vrk
