#pragma once
// Sacrifice, squeeze and bunt-for-a-hit plays.

namespace vrk {

struct Game;

// Called by the pitch loop when a manager asked for a bunt. It ends the plate
// appearance, except when the batter pulls back against a pitch-out or a
// squeeze fails.
void ResolveBunt(Game& game);

}  // namespace vrk
