#pragma once
// Where a batted ball goes.
#include "engine/game.h"

namespace vrk {

// Pull tendency of the current batter against the current pitcher.
double PullValue(Game& game);
// The same from the pitcher's and the league's strikeouts per out, for a
// caller that has worked them out already.
double PullValue(const Game& game, double pitcherStrikeoutsPerOut, double leagueStrikeoutsPerOut);
// The pitcher's part of the pull, turned by the hands of the current matchup.
double PitcherPull(double pitcherStrikeoutsPerOut, double leagueStrikeoutsPerOut);
double PullForHands(const Game& game, double pitcherPull);
// Strikeouts per out of the current pitcher, a pitcher without innings taken
// at the league's figure.
double PitcherStrikeoutsPerOut(const Game& game, double leagueStrikeoutsPerOut);
double LeagueStrikeoutsPerOut(const Game& game);
int GroundBallFielder(Game& game, double v);
int AirBallZone(Game& game, double v);

}  // namespace vrk
