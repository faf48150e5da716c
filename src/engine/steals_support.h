#pragma once
// Pieces shared by the steal of a base and the steal of home.
#include <string_view>

#include "engine/game.h"

namespace vrk::steals {

// Roster entry of the batting team's runner in a slot.
int RunnerEntry(const Game& game, int slot);
bool RunnerIsPitcher(const Game& game, int slot);
// A stolen base for the runner in a slot, with his score-card line.
void CreditSteal(Game& game, int slot, std::string_view cardText);
// A caught stealing for the runner in a slot: charged, one out, the card line
// with the base he was put out at (2, 3 or 4 for home).
void ChargeCaught(Game& game, int slot, int base, std::string_view cardText);
// The fielder who takes the catcher's throw on a tag play up the middle.
int MiddleInfielderCovering(const Game& game);
// Whether the batting side tries the double steal (asked of a user's side).
bool BattingSideTries(Game& game, double computerChance);

// The plate appearance goes on unless the play ended the half inning.
void Finish(Game& game);

}  // namespace vrk::steals
