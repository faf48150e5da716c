#pragma once
#include <string>
#include <vector>

#include "data/databank_players.h"
#include "data/databank_teams.h"

namespace vrk {

struct ImportedTeamFile {
    std::string fileName;              // "1998ANYA.DAT": season, league letter, club id
    std::string text;                  // the whole team file
    std::vector<std::string> leftOut;  // players beyond the 51-line limit
    std::vector<std::string> notes;    // values that had to be capped
};

// Whether the season's rules put a designated hitter in this league.
bool designatedHitterSeason(int year, const std::string& databankLeague);

// Builds one club's team file: the line-up from games at each position in a
// batting order by on-base and slugging, the staff (starters by games
// started, then the closer by saves, then the rest by games), the bench by
// at-bats, and the pitchers' batting in the pitcher's slot where pitchers
// bat. club may be null when Teams.csv has no row for it.
ImportedTeamFile buildImportedTeam(const DatabankSeason& season, const std::string& clubId,
                                   int year, const DatabankTeamSeason* club);

}  // namespace vrk
