#pragma once
// Setting up a game before its first pitch.

namespace vrk {

struct Game;

// Resets the state and counters from the options and puts the starters in.
void StartGame(Game& game);

}  // namespace vrk
