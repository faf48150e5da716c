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

// For the batter and pitcher now facing each other.
OutChances ComputeOutChances(const Game& game);

void ResolveOut(Game& game, OutChances chances);
// The same with the chances worked out for the matchup at the plate.
void ResolveOut(Game& game);

}  // namespace vrk
