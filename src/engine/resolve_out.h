#pragma once
// An out in the outcome draw: a strikeout, a ground ball or a ball in the air.

namespace vrk {

struct Game;

void ResolveOut(Game& game);

}  // namespace vrk
