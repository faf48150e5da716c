#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "data/databank_teams.h"

namespace vrk {

inline constexpr int kDefaultSeasonGames = 162;

struct SeasonSchedule {
    std::string fileName;  // "1998.SCH", or "1998A.SCH" for one league
    std::vector<std::uint8_t> bytes;
    int games = 0;  // games in the schedule
    std::vector<std::string> notes;
};

// The schedule of an imported season: within each league the written clubs
// play each other evenly in series of two to four games, home and away
// balanced, as many games a club as most of the league's clubs played that
// season (Teams.csv), else 162. `teamFiles` are the written file names;
// the league letter is the fifth character. The same season always gives
// the same schedule.
SeasonSchedule buildSeasonSchedule(int year, char wantedLeague,
                                   const std::vector<std::string>& teamFiles,
                                   const std::vector<DatabankTeamSeason>& clubRows);

}  // namespace vrk
