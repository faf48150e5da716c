#pragma once
// Runs scoring.
#include "engine/game.h"

namespace vrk {

void ScoreRun(Game& game, int runnerSlot);
// The batter's own run on a home run: the bookkeeping of ScoreRun charged to
// the current pitcher, with no walk-off cut.
void ScoreBatterRun(Game& game);
void AnnounceRun(Game& game, int runnerSlot);

}  // namespace vrk
