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

TEST(BatchRules, DesignatedHitterByChoice) {
    const Team visitors = teamOf('N', "1990");
    // Home-team rules: the season decides, the home team's DH= keyword overrides.
    EXPECT_FALSE(designatedHitterGame("H", visitors, teamOf('A', "1973"), true));
    EXPECT_TRUE(designatedHitterGame("H", visitors, teamOf('A', "1974"), false));
    EXPECT_TRUE(designatedHitterGame("H", visitors, teamOf('A', "2005"), false));
    EXPECT_FALSE(designatedHitterGame("H", visitors, teamOf('N', "2021"), true));
    EXPECT_TRUE(designatedHitterGame("H", visitors, teamOf('N', "2022"), false));
    EXPECT_FALSE(designatedHitterGame("H", visitors, teamOf('N', "1998"), true));
    EXPECT_FALSE(designatedHitterGame("H", visitors, teamOf('F', "2024"), true));
    EXPECT_FALSE(designatedHitterGame("H", visitors, teamOf('A', "2024", 1), true)) << "DH=N";
    EXPECT_TRUE(designatedHitterGame("H", visitors, teamOf('N', "1950", kTrue), false)) << "DH=Y";
    EXPECT_FALSE(designatedHitterGame("H", visitors, teamOf('A', "19"), true)) << "no season";

    const Team home = teamOf('N', "1990");
    EXPECT_TRUE(designatedHitterGame("Y", visitors, home, false));
    EXPECT_TRUE(designatedHitterGame("A", visitors, home, false));
    EXPECT_FALSE(designatedHitterGame("N", visitors, home, true));
    EXPECT_TRUE(designatedHitterGame("Q", visitors, home, true)) << "other letters keep it";
    EXPECT_FALSE(designatedHitterGame("Q", visitors, home, false));

    // Either: on when either line-up has a designated hitter.
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

TEST(BatchRules, AutomaticRunnerByChoice) {
    EXPECT_FALSE(automaticRunnerGame("H", teamOf('A', "2021"), true));
    EXPECT_TRUE(automaticRunnerGame("H", teamOf('A', "2022"), false));
    EXPECT_TRUE(automaticRunnerGame("H", teamOf('N', "2030"), false));
    EXPECT_FALSE(automaticRunnerGame("H", teamOf('F', "2030"), true));
    EXPECT_FALSE(automaticRunnerGame("H", teamOf('A', "1999"), true));
    EXPECT_TRUE(automaticRunnerGame("Y", teamOf('A', "1950"), false));
    EXPECT_FALSE(automaticRunnerGame("N", teamOf('A', "2030"), true));
    EXPECT_TRUE(automaticRunnerGame("", teamOf('A', "1950"), true));
}

}  // namespace
}  // namespace vrk
