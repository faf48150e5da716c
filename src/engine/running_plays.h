#pragma once

namespace vrk {

struct Game;

// Running plays called by the pitch loop when a manager asked for them.
// ResolveSteal leaves the plate appearance open (it steps back) unless the
// play ends the half inning; ResolveBunt ends the plate appearance.
void ResolveSteal(Game& game);
void ResolveBunt(Game& game);

}  // namespace vrk
