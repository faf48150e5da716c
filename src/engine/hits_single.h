#pragma once
// Singles.

namespace vrk {

struct Game;

// `hitType` is set by the caller. After a fielding error (`errorOnPlay`,
// `precedingError`) the batter is put on without crediting a hit.
void ResolveSingle(Game& game);

}  // namespace vrk
