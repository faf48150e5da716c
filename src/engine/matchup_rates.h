#pragma once
// The current matchup's event rates, worked out once per batter and pitcher.
#include "engine/event_rates.h"

namespace vrk {

struct Game;

// ComputeEventRates and CombineEventRates for the batter and pitcher now
// facing each other, kept in the game's matchup cache until one of them changes.
// The answer lives in the cache: good until the next call.
const KeptMatchup& MatchupRates(Game& game, float homeRunScale);

// Forgets every matchup: after entries were exchanged.
void ForgetMatchupRates(Game& game);

}  // namespace vrk
