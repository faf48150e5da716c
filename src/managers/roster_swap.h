#pragma once
#include "data/team.h"

namespace vrk {

struct Game;
struct BullpenState;

// Exchanges two roster entries with every per-player field, so that each
// player keeps his own data under his new entry number. What describes the
// entry rather than the player stays put: `lineupPlayer` (the engine reads it
// as "the player in this slot", and a swap is how a player changes slot) and
// the as-loaded copies `nameAsLoaded`, `defaultPosition`, `handAsLoaded`,
// which remember the team file's order so that it can be restored.
void swapEntries(Team& team, int a, int b);

// The same during a game: also the per-entry counters of the game and of the
// bullpen, and every reference to the two entries (current pitcher, pitcher
// list, pitchers of record, save marks, slot history, responsible pitchers).
void swapGameEntries(Game& game, BullpenState& bullpen, int team, int a, int b);

}  // namespace vrk
