#pragma once
// Steals of second and third.

namespace vrk {

struct Game;

// Called by the pitch loop when a manager asked for a steal. It leaves the
// plate appearance open (it steps back) unless the play ends the half inning.
void ResolveSteal(Game& game);

namespace steals {
// A steal of second or third decided by the draw r; `alone` marks the
// runner on first going while the runner on third holds.
void StealBase(Game& game, double r, bool alone);
}  // namespace steals

}  // namespace vrk
