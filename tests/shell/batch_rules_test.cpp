#include <gtest/gtest.h>

#include "core/numbering.h"
#include "shell/batch_rules.h"

namespace vrk {
namespace {

Team teamOf(char league, const std::string& season, int dhKeyword = 0) {
    Team t;
    t.league = league;
    t.season = season;
    t.dhRule = dhKeyword;
    for (int slot = 1; slot <= kLineupSize; ++slot) t.player(slot).lineupPosition = slot;
    return t;
}

// Home-team rules: the league and season decide both rules, the home team's
// DH= keyword overrides the designated hitter; the current setting never counts.
TEST(BatchRules, HomeRulesByLeagueAndSeason) {
    struct Case {
        char league;
        const char* season;
        int dhKeyword;
        bool dh, runner;
    } cases[] = {
        {'A', "1973", 0, false, false}, {'A', "1974", 0, true, false},
        {'A', "2005", 0, true, false},  {'A', "2021", 0, true, false},
        {'A', "2022", 0, true, true},   {'N', "1998", 0, false, false},
        {'N', "2021", 0, false, false}, {'N', "2022", 0, true, true},
        {'N', "2030", 0, true, true},   {'F', "2030", 0, false, false},
        {'A', "2024", 1, false, true},  {'N', "1950", kTrue, true, false},
        {'A', "19", 0, false, false},
    };
    const Team visitors = teamOf('N', "1990");
    for (const Case& c : cases) {
        const Team home = teamOf(c.league, c.season, c.dhKeyword);
        EXPECT_EQ(designatedHitterGame("H", visitors, home, !c.dh), c.dh) << c.league << c.season;
        EXPECT_EQ(automaticRunnerGame("H", home, !c.runner), c.runner) << c.league << c.season;
    }
}

// Yes and always set a rule, no clears it, other letters keep the current one;
// "E" turns the designated hitter on when either line-up has one.
TEST(BatchRules, ChoiceLetters) {
    const Team visitors = teamOf('N', "1990");
    const Team home = teamOf('N', "1990");
    for (bool current : {false, true}) {
        for (const char* on : {"Y", "A"}) {
            EXPECT_TRUE(designatedHitterGame(on, visitors, home, current));
            EXPECT_TRUE(automaticRunnerGame(on, home, current));
        }
        EXPECT_FALSE(designatedHitterGame("N", visitors, home, current));
        EXPECT_FALSE(automaticRunnerGame("N", home, current));
        EXPECT_EQ(designatedHitterGame("Q", visitors, home, current), current);
        EXPECT_EQ(automaticRunnerGame("", home, current), current);
    }
    EXPECT_FALSE(designatedHitterGame("E", visitors, home, true));
    Team withDh = teamOf('A', "1990");
    withDh.player(4).lineupPosition = kDesignatedHitter;
    EXPECT_TRUE(designatedHitterGame("E", visitors, withDh, false));
    EXPECT_TRUE(designatedHitterGame("E", withDh, home, false));
}

TEST(BatchRules, LineupThatNeedsItsDesignatedHitter) {
    Team fielders = teamOf('A', "2026");  // positions 1..9: the pitcher bats
    EXPECT_FALSE(lineupNeedsDesignatedHitter(fielders));
    Team withDh = fielders;
    withDh.player(1).lineupPosition = kDesignatedHitter;  // no pitcher's slot left
    EXPECT_TRUE(lineupNeedsDesignatedHitter(withDh));
    withDh.player(2).lineupPosition = kPitcher;
    EXPECT_FALSE(lineupNeedsDesignatedHitter(withDh)) << "a pitcher's slot beside a DH";
}

}  // namespace
}  // namespace vrk
