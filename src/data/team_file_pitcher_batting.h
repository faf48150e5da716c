#pragma once
#include "core/rng.h"
#include "data/team.h"

namespace vrk {

// The batting figures a pitcher brings to the pitcher's batting slot.
struct BattingFigures {
    int atBats = 0;
    int hits = 0;
    int doubles = 0;
    int triples = 0;
    int homeRuns = 0;
    int walks = 0;
    int strikeouts = 0;
    int runsBattedIn = 0;
    char hand = ' ';
};

// A hand letter turned into the other role's hand: "r" is "L", "l" is "R";
// every other letter stays.
char otherRoleHand(char hand);

// His own batting line when it has at bats, else one made from his batting
// grade "A".."E" (any other grade draws 16 or 17 hits from rng).
BattingFigures pitcherBattingFigures(const Player& pitcher, Rng& rng);

// Puts the figures into the batting fields of the slot's player record.
void applyBattingFigures(Player& slot, const BattingFigures& figures);

}  // namespace vrk
