#pragma once
// The current matchup's event rates, worked out once per batter and pitcher.
#include "engine/event_rates.h"

namespace vrk {

struct Game;

// The matchup's rates and the same combined against the league.
struct KeptMatchup {
    EventRates rates;
    CombinedRates combined;
};

// ComputeEventRates and CombineEventRates for the batter and pitcher now
// facing each other, kept in the game's matchup cache until one of them changes.
KeptMatchup MatchupRates(Game& game, float homeRunScale);

// Forgets every matchup: after entries were exchanged.
void ForgetMatchupRates(Game& game);

}  // namespace vrk
