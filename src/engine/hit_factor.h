#pragma once
// How much the matchup favours the batter.

namespace vrk {

struct Game;

struct HitFactorResult {
    float hitFactor = 1;     // H, clamped to [0, 2]
    float homeRunScale = 1;  // R, from regression toward the real season line
};

// Hit factor of the current matchup (draws once when regression is on).
HitFactorResult HitFactor(Game& game);

}  // namespace vrk
