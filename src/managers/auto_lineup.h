#pragma once
#include <string>

namespace vrk {

struct Game;
struct Team;
class ErrorSink;
class Rng;

inline constexpr int kMaxLineupCandidates = 12;

// The message for a defensive position no line-up player holds.
std::string UnfilledPositionText(int position);

// Rebuilds the fielders of the line-up at random in proportion to each
// player's at-bats at the position; platoon players ("X") sit against a
// starter throwing with their batting hand. `ownPitcher` is the team's
// starter, `opposingHand` the other starter's throwing hand (' ' when none).
// Returns true when any player was moved.
bool AUTOLINEUP(Team& team, int ownPitcher, char opposingHand, Rng& rng, ErrorSink& errors);

// The same with both starters taken from the game (options, else state).
bool AUTOLINEUP(Game& game, int team);

}  // namespace vrk
