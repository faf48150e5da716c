#pragma once
// The notable lines of a finished game.

namespace vrk {

struct Game;

// Adds the game's highlights to the simulation record.
void CollectHighlights(Game& game);

}  // namespace vrk
