#pragma once
// A whole game, start to finish.

namespace vrk {

struct Game;
struct GameResult;

// Sets up the game state from the options and plays the whole game.
GameResult PlayGame(Game& game);

}  // namespace vrk
