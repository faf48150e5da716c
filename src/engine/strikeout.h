#pragma once
// Strikeouts, with the dropped third strike.

namespace vrk {

struct Game;

void ResolveStrikeout(Game& game);

}  // namespace vrk
