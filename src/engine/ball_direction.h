#pragma once
// Where a batted ball goes.
#include "engine/game.h"

namespace vrk {

// Pull tendency of the current batter against the current pitcher.
double PullValue(Game& game);
int GroundBallFielder(Game& game, double v);
int AirBallZone(Game& game, double v);

}  // namespace vrk
