#pragma once
#include <vector>

#include "data/databank_teams.h"

namespace vrk {

// A club's batting totals were made against its league's pitchers less its
// own staff, while the outcome model reads a batter's line as made against
// the whole league: a club with a strong staff met weaker pitching than the
// league's, and would meet it again in the replayed games, so its hitters
// would gain twice. Returns the clubs with their hits, doubles, triples,
// home runs, walks and strikeouts restated as made against the whole league
// of their season (each rate's odds scaled by the league's allowed odds over
// the other staffs'). Everything else, the pitching lines included, stays.
std::vector<DatabankTeamSeason> battingAgainstWholeLeague(
    const std::vector<DatabankTeamSeason>& clubs);

}  // namespace vrk
