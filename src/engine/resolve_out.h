#pragma once
// An out in the outcome draw: a strikeout, a ground ball or a ball in the air.

namespace vrk {

struct Game;

// What an out takes from the batter and pitcher facing each other and their
// season lines alone, so it can be kept with their matchup.
struct OutChances {
    double strikeout = 0;  // the chance that the out is a strikeout
    double pull = 0;       // where the ball in play goes
    // The pitcher's count turns his balls in play toward the ground.
    bool countTurnsGrounders = false;
};

// What the pitcher now on the mound brings to the out chances of every batter.
struct PitcherOutTerms {
    double league = 0;   // the fielding side's league's strikeouts per out
    double pitcher = 0;  // the pitcher's
    double pull = 0;     // before the batter's hand
    bool countTurnsGrounders = false;
};
PitcherOutTerms ComputePitcherOutTerms(const Game& game);

// For the batter and pitcher now facing each other.
OutChances ComputeOutChances(const Game& game);
// The same from the pitcher's terms and the batting side's extra appearances
// per at-bat, worked out before.
OutChances ComputeOutChances(const Game& game, const PitcherOutTerms& pitcher, float extraPerAtBat);

void ResolveOut(Game& game, OutChances chances);
// The same with the chances worked out for the matchup at the plate.
void ResolveOut(Game& game);

}  // namespace vrk
