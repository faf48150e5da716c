#pragma once
// The plate appearances of a half inning.
#include <string>

namespace vrk {

struct BatterCounters;
struct GameState;
struct Game;

// Plays the plate appearances of a half inning. Returns false when the game
// ended inside.
bool PlayHalfInning(Game& game);
// Passes of the plate-appearance loop after which a half inning is stopped
// as a fault (the game then has no decision).
inline constexpr int kHalfInningPassLimit = 2000;
// True when the home side leads in (or after) its last regulation half.
bool WalkOffReached(const GameState& s);
// The line about the batter's game so far ("'s hitless in 3 tries."); empty
// when he has no at-bat yet.
std::string BatterGameLine(const std::string& name, const BatterCounters& c);

}  // namespace vrk
