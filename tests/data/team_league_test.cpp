#include <gtest/gtest.h>

#include "data/league_context.h"
#include "team_test_support.h"

namespace vrk {
namespace {

using namespace vrk::testing;

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
