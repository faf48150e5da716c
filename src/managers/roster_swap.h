#pragma once
#include "data/team.h"

namespace vrk {

struct Game;
struct BullpenState;

// Exchanges two roster entries with every per-player field, so that each
// player keeps his own data under his new entry number. Two fields describe
// the entry rather than the player and stay put: `lineupPlayer` (the engine
// reads it as "the player in this slot", and a swap is how a player changes
// slot) and `nameAsLoaded`, the name the team file put at this entry, which
// is how the file's batting order is found again.
void swapEntries(Team& team, int a, int b);

// The same during a game: also the per-entry counters of the game and of the
// bullpen, and every reference to the two entries (current pitcher, pitcher
// list, pitchers of record, save marks, slot history, responsible pitchers).
void swapGameEntries(Game& game, BullpenState& bullpen, int team, int a, int b);

}  // namespace vrk
