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

// A club's name in the 9 characters a team file has for it: the longest
// tail of whole words that fits ("Red Sox" of "Boston Red Sox").
std::string shortClubName(const std::string& name, const std::string& fallback);

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
