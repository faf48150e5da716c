#include "managers/pitcher_entry.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/rng.h"
#include "data/team.h"

namespace vrk {
namespace {

std::vector<int> Line(const Player& p) {
    return {p.atBats,     p.hits,    p.homeRuns, p.walks,
            p.strikeouts, p.doubles, p.triples,  p.runsBattedIn};
}

TEST(PitcherBattingFigures, OwnLineWhenItHasAtBats) {
    Player p;
    p.playerName = "Orme, Tad";
    p.pitcherBattingLine = {60, 15, 1, 4, 20};
    p.pitcherBattingGrade = 'A';
    p.hand = 'r';
    Rng rng(1);
    Player slot;
    SetPitcherBattingFigures(slot, p, rng);
    // Doubles 2.1, triples 0.3 and runs batted in 6.25 are rounded down.
    EXPECT_EQ(Line(slot), std::vector({60, 15, 1, 4, 20, 2, 0, 6}));
    EXPECT_EQ(slot.hand, 'L');
    EXPECT_EQ(slot.playerName, "Orme, Tad");
}

TEST(PitcherBattingFigures, GeneratedLineByGrade) {
    Rng rng(7);
    Player p;
    p.hand = 'l';
    Player slot;
    const int expectedHits[] = {25, 20, 15, 10, 5};
    for (int g = 0; g < 5; ++g) {
        // Grades read in either case.
        p.pitcherBattingGrade = static_cast<char>((g % 2 ? 'a' : 'A') + g);
        SetPitcherBattingFigures(slot, p, rng);
        EXPECT_EQ(std::vector({slot.atBats, slot.hits, slot.walks}),
                  std::vector({100, expectedHits[g], 5}));
        EXPECT_EQ(slot.hand, 'R');
    }
    p.pitcherBattingGrade = 'C';
    SetPitcherBattingFigures(slot, p, rng);
    // 0.375 home runs, 35.6 strikeouts, 2.1 doubles, 6.25 runs batted in.
    EXPECT_EQ(std::vector({slot.homeRuns, slot.strikeouts, slot.doubles, slot.runsBattedIn}),
              std::vector({0, 36, 2, 6}));

    // Any other grade: 16 or 17 hits, both seen.
    p.pitcherBattingGrade = ' ';
    p.hand = 'S';
    bool seen16 = false, seen17 = false;
    for (int i = 0; i < 200; ++i) {
        SetPitcherBattingFigures(slot, p, rng);
        seen16 |= slot.hits == 16;
        seen17 |= slot.hits == 17;
        ASSERT_TRUE(slot.hits == 16 || slot.hits == 17);
        EXPECT_EQ(slot.strikeouts, slot.hits == 16 ? 35 : 34);  // 34.7 / 33.8
    }
    EXPECT_TRUE(seen16 && seen17);
    EXPECT_EQ(slot.hand, 'S');
}

}  // namespace
}  // namespace vrk
