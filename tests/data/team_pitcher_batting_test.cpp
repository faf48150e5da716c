#include <gtest/gtest.h>

#include "data/team_file_pitcher_batting.h"

namespace vrk {
namespace {

TEST(TeamPitcherBatting, OwnLineWhenItHasAtBats) {
    Player p;
    p.pitcherBattingLine = {60, 15, 1, 4, 20};
    p.pitcherBattingGrade = 'A';
    p.hand = 'r';
    Rng rng(1);
    const BattingFigures f = pitcherBattingFigures(p, rng);
    EXPECT_EQ(f.atBats, 60);
    EXPECT_EQ(f.hits, 15);
    EXPECT_EQ(f.homeRuns, 1);
    EXPECT_EQ(f.walks, 4);
    EXPECT_EQ(f.strikeouts, 20);
    EXPECT_EQ(f.doubles, 2);       // 2.1
    EXPECT_EQ(f.triples, 0);       // 0.3
    EXPECT_EQ(f.runsBattedIn, 6);  // 6.25
    EXPECT_EQ(f.hand, 'L');
}

TEST(TeamPitcherBatting, GeneratedLineByGrade) {
    Rng rng(7);
    Player p;
    p.hand = 'l';
    const int expectedHits[] = {25, 20, 15, 10, 5};
    for (int g = 0; g < 5; ++g) {
        p.pitcherBattingGrade = static_cast<char>('A' + g);
        const BattingFigures f = pitcherBattingFigures(p, rng);
        EXPECT_EQ(f.atBats, 100);
        EXPECT_EQ(f.hits, expectedHits[g]);
        EXPECT_EQ(f.walks, 5);
        EXPECT_EQ(f.hand, 'R');
    }
    p.pitcherBattingGrade = 'C';
    BattingFigures f = pitcherBattingFigures(p, rng);
    EXPECT_EQ(f.homeRuns, 0);      // 0.375
    EXPECT_EQ(f.strikeouts, 36);   // 35.6
    EXPECT_EQ(f.doubles, 2);       // 2.1
    EXPECT_EQ(f.runsBattedIn, 6);  // 6.25

    // Any other grade: 16 or 17 hits, both seen.
    p.pitcherBattingGrade = ' ';
    p.hand = 'S';
    bool seen16 = false, seen17 = false;
    for (int i = 0; i < 200; ++i) {
        f = pitcherBattingFigures(p, rng);
        seen16 |= f.hits == 16;
        seen17 |= f.hits == 17;
        ASSERT_TRUE(f.hits == 16 || f.hits == 17);
    }
    EXPECT_TRUE(seen16 && seen17);
    EXPECT_EQ(f.hand, 'S');
    EXPECT_EQ(f.strikeouts, f.hits == 16 ? 35 : 34);  // 34.7 / 33.8

    Player slot;
    applyBattingFigures(slot, f);
    EXPECT_EQ(slot.atBats, 100);
    EXPECT_EQ(slot.hand, 'S');
}

}  // namespace
}  // namespace vrk
