#pragma once
#include <string>
#include <vector>

#include "reports/report_input.h"
#include "reports/team_standings.h"

namespace vrk {

// One club's players, in key order, as the report prints them.
struct ReportClub {
    char league = ' ';
    std::string name;  // 12 characters, blank-padded
    int games = 0;     // decided games in the games file
    std::vector<const BattingRecord*> batters;
    std::vector<const PitchingRecord*> pitchers;
    std::vector<const FieldingRecord*> fielders;
};

struct ReportLeague {
    char letter = ' ';
    std::vector<ReportClub> clubs;  // by name
};

// The clubs of the standings and of the player files, grouped by league
// (ascending letters). A club of the player files that is not among the
// standings counts against the team limit as well; clubs beyond it are
// added to `leftOut`. The records point into `input`.
std::vector<ReportLeague> GroupClubs(const ReportInput& input, const StandingsBuild& standings,
                                     int teamLimit, std::vector<std::string>& leftOut);

// The player's name from a key (16 characters, trailing blanks dropped).
std::string KeyPlayerName(const PlayerKey& key);
// The club name of a key, trailing blanks dropped.
std::string KeyTeamName(const PlayerKey& key);

}  // namespace vrk
