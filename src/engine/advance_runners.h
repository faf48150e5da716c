#pragma once
// Runners moving on a play.
#include "engine/game.h"

namespace vrk {

// Moves the runners on third, second and first by the given numbers of bases.
void AdvanceRunners(Game& game, int first, int second, int third);

}  // namespace vrk
