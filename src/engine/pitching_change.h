#pragma once
// A new pitcher coming into the game.

namespace vrk {

struct Game;

// A new pitcher for a team: bookkeeping, pitch count and score card.
void BringInPitcher(Game& game, int team, int entry);
// Whether the computer makes a double switch when this reliever comes in.
bool WantsDoubleSwitch(Game& game, int reliever);

}  // namespace vrk
