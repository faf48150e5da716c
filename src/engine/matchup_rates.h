#pragma once
// The current matchup's event rates, worked out once per batter and pitcher.
#include "engine/event_rates.h"

namespace vrk {

struct Game;

// ComputeEventRates, CombineEventRates and ComputeOutChances for the batter
// and pitcher now facing each other, kept in the game's matchup cache until one of them changes.
// The answer lives in the cache: good until the next call.
const KeptMatchup& MatchupRates(Game& game, float homeRunScale);

// The kept matchup of the batter and pitcher now facing each other, at any
// home-run scale; null when none is kept for them.
const KeptMatchup* KeptMatchupNow(const Game& game);

// Forgets every matchup: after a change that may touch any of them.
void ForgetMatchupRates(Game& game);

// The batting line of a team's entry changed: the matchups it bats in are
// worked out anew, the rest stay.
void ForgetBatterMatchups(Game& game, int team, int entry);

// Entries a and b of a team exchanged their players: what was kept for each
// player follows him to his new entry, so nothing is worked out again.
void ExchangeMatchupEntries(Game& game, int team, int a, int b);

}  // namespace vrk
