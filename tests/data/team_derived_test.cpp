#include <gtest/gtest.h>

#include <vector>
#include "core/numbering.h"
#include "data/league_context.h"
#include "data/team_file_derived.h"
#include "team_test_support.h"

namespace vrk {
namespace {

using namespace vrk::testing;

TEST(TeamSpeed, FormulaMatchesTheWorkedExample) {
    // 30 SB, 10 CS, 100 singles plus walks, 5 triples in 400 balls in play.
    EXPECT_EQ(speedFromStealing(30, 10, 100, 5, 400), 7);
    EXPECT_EQ(speedFromStealing(0, 0, 1, 0, 0), 3);  // no balls in play: F3 = 11
    EXPECT_EQ(speedFromStealing(0, 20, 500, 0, 500), 1);
    EXPECT_EQ(speedFromStealing(150, 0, 1, 20, 20), 9);
}

TEST(TeamSpeed, StolenBasesAndCaughtStealing) {
    // walks + singles = 60 + 40 = 100; 400 balls in play.
    const Batter fast{.name = "Fast,Fred",
                      .ab = 430,
                      .h = 70,
                      .d = 20,
                      .t = 5,
                      .hr = 5,
                      .bb = 60,
                      .so = 25,
                      .sb = 30,
                      .cs = 10};
    auto lines = standardTeam();
    lines[1] = batterLine(fast);
    Loaded l = loadLines(lines);
    EXPECT_EQ(l.team.player(1).speed, 7);
    EXPECT_EQ(l.team.player(1).stolenBases, 30);
    EXPECT_EQ(l.team.player(10).speed, 0);  // pitchers are not rated

    // With only "SB" headed and no line-up batter caught, caught stealing is
    // estimated as 0.27 x SB: 30 SB then count as 8 CS.
    lines[0] = headerLine('A', "1998", " SB   ");
    for (std::size_t i = 1; i <= 9; ++i)
        lines[i] = lines[i].substr(0, 67) + "  0" + lines[i].substr(70);
    Batter noCs = fast;
    noCs.cs = 0;
    lines[1] = batterLine(noCs);
    l = loadLines(lines);
    EXPECT_EQ(l.team.stealColumns, 1);
    EXPECT_EQ(l.team.player(1).speed, speedFromStealing(30, 8, 100, 5, 400));
    EXPECT_NE(speedFromStealing(30, 8, 100, 5, 400), speedFromStealing(30, 0, 100, 5, 400));
}

TEST(TeamSpeed, RatingsFromTheFileWithoutStealColumns) {
    auto lines = standardTeam();
    lines[0] = headerLine('A', "1998", "      ");
    // Columns 65-70: blank reads 1, beyond the scale 9, column 65 is no part of it.
    const char* ratings[] = {"  6  0", "      ", " 12  0", "9 3   "};
    for (int i = 0; i < 4; ++i) {
        lines[std::size_t(i + 1)].resize(100, ' ');
        lines[std::size_t(i + 1)].replace(64, 6, ratings[i]);
    }
    const Loaded l = loadLines(lines);
    EXPECT_EQ(l.team.stealColumns, 0);
    const int expected[] = {6, 1, 9, 3};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(l.team.player(i + 1).speed, expected[i]) << ratings[i];
    EXPECT_EQ(l.team.player(1).stolenBases, 0);
    EXPECT_EQ(l.team.player(1).caughtStealing, 0);
    EXPECT_EQ(l.team.player(10).pitching.losses, 8);  // pitchers keep their columns
    EXPECT_GE(l.team.averageTeamSpeed, 1.0);
}

TEST(TeamSpeed, AverageSkipsUnratedEntries) {
    Team team;
    team.playerCount = 12;
    team.lastPitcherEntry = 11;
    for (int e = 1; e <= 12; ++e) {
        team.player(e).lineupPosition = e <= 9 ? 2 : (e == 12 ? 0 : 1);
        team.player(e).speedColumn = e <= 9 ? 5 : 9;
    }
    team.player(9).lineupPosition = kPitcher;
    computeSpeedRatings(team);
    EXPECT_DOUBLE_EQ(team.averageTeamSpeed, 5.0);
    EXPECT_EQ(team.player(12).speed, 0);  // blank position on the bench: no rating

    Team empty;
    computeSpeedRatings(empty);
    EXPECT_DOUBLE_EQ(empty.averageTeamSpeed, 1.0);
}

LeagueAverageRow row(const std::string& year, char league, float homeRunRate) {
    LeagueAverageRow r;
    r.year = year;
    r.league = league;
    r.walkRate = 0.09f;
    r.strikeoutsPerOut = 0.2f;
    r.strikeoutRate = r.singleRate = 0.15f;
    r.doubleRate = 0.04f;
    r.tripleRate = 0.01f;
    r.homeRunRate = homeRunRate;
    r.runFactor = 4.5;
    r.leagueIndex = 97;
    r.innings = 20000;
    r.hits = 21000;
    return r;
}

const std::vector<LeagueAverageRow> kRows = {row("DEF ", 'A', 0.03f), row("1998", 'N', 0.02f),
                                             row("1998", 'A', 0.05f), row("1998", 'A', 0.07f)};

TEST(TeamLeagueContext, SeasonRowThenDefaultRowThenBuiltIn) {
    Config config;
    config.leagueRows = kRows;
    auto lines = standardTeam();
    Loaded l = loadLines(lines, config);
    const LeagueContext& c = l.team.leagueContext;
    EXPECT_EQ(c.rowKey, "1998A");  // the first matching row
    EXPECT_FLOAT_EQ(c.homeRunRate, 0.05f);
    EXPECT_EQ(c.leagueIndex, 97);
    EXPECT_EQ(c.innings, 20000);
    EXPECT_NEAR(c.homeRunShare, 0.05 / 0.25, 1e-6);
    EXPECT_NEAR(c.singleShare, 0.15 / 0.25, 1e-6);

    lines[0] = headerLine('A', "1931");
    l = loadLines(lines, config);
    EXPECT_EQ(l.team.leagueContext.rowKey, "DEF A");
    EXPECT_FLOAT_EQ(l.team.leagueContext.homeRunRate, 0.03f);

    lines[0] = headerLine('F', "1915");
    l = loadLines(lines, config);
    const LeagueContext& b = l.team.leagueContext;
    EXPECT_FALSE(b.fromRow);
    EXPECT_FLOAT_EQ(b.walkRate, 0.0815f);
    EXPECT_EQ(b.innings, 23107);
    EXPECT_NEAR(b.doubleShare, 0.0385 / (0.1575 + 0.0385 + 0.0053 + 0.019), 1e-6);
    EXPECT_NEAR(b.singleShare + b.doubleShare + b.tripleShare + b.homeRunShare, 1.0, 1e-6);
    EXPECT_TRUE(l.result.warnings.empty());
}

TEST(TeamLeagueContext, UnusableRowFallsBackWithAWarning) {
    Config config;
    LeagueAverageRow bad = row("1998", 'A', 0.0f);
    bad.singleRate = bad.doubleRate = bad.tripleRate = 0;
    bad.walkRate = std::numeric_limits<float>::quiet_NaN();
    config.leagueRows = {bad};
    const Loaded l = loadLines(standardTeam(), config);
    EXPECT_FALSE(l.team.leagueContext.fromRow);
    EXPECT_GT(l.team.leagueContext.singleShare, 0.0f);
    ASSERT_EQ(l.result.warnings.size(), 1u);
    EXPECT_TRUE(anyWarningHas(l.result, "Line 1998A of BASEBALL.CFG"));
}

TEST(TeamLeagueContext, NormalisationTarget) {
    NormalizationTarget t = normalizationTarget(kRows, "1998N");
    EXPECT_TRUE(t.active());
    EXPECT_FLOAT_EQ(static_cast<float>(t.homeRunRate), 0.02f);
    EXPECT_DOUBLE_EQ(t.runFactor, 4.5);
    EXPECT_EQ(t.context.innings, 20000);
    EXPECT_EQ(t.context.rowKey, "1998N");
    t = normalizationTarget(kRows, "1950A");  // the DEF row of A
    EXPECT_TRUE(t.active());
    EXPECT_FLOAT_EQ(static_cast<float>(t.homeRunRate), 0.03f);
    for (const char* key : {"1950N", "H", "V", "B", "", "19X8A", "1998AB"}) {
        t = normalizationTarget(kRows, key);
        EXPECT_FALSE(t.active()) << key;
        EXPECT_DOUBLE_EQ(t.homeRunRate, 0.0) << key;
    }
}

}  // namespace
}  // namespace vrk
