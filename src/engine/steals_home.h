#pragma once
// Steals of home.

namespace vrk {

struct Game;

namespace steals {
// The steal of home decided by the draw r.
void StealHome(Game& game, double r);
}  // namespace steals

}  // namespace vrk
