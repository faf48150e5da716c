#pragma once
#include <ostream>

#include "data/schedule_restart.h"
#include "reports/standings_table.h"

namespace vrk {

// The running standings of a schedule replay as text: one block per league
// and division, teams by winning percentage, games behind the leader.
void printStandings(std::ostream& out, const StandingsTable& table);

// The replay's table as the standings screen takes it.
ClubStandings ClubsOfReplay(const StandingsTable& table);

}  // namespace vrk
