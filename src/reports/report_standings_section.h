#pragma once
#include <string>
#include <vector>

#include "reports/team_standings.h"

namespace vrk {

// The standings: per division its title, the column headers and one
// 139-character row per club; league totals after each league and the
// grand totals last. `teams` must be sorted (SortStandings).
void WriteStandingsSection(std::string& out, const std::vector<TeamStanding>& teams);

// The row of one club (or of a total, with `gamesBehind` blank).
std::string StandingsRow(const std::string& label, const TeamStanding& t,
                         const std::string& gamesBehind);

// "Division" titles: E, C and W have names, other letters a blank title.
std::string DivisionTitle(char division);

}  // namespace vrk
