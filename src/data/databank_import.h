#pragma once
#include <string>
#include <vector>

#include "data/config.h"

namespace vrk {

struct DatabankImportRequest {
    std::string folder;  // the databank's CSV files (or its core/ folder)
    int year = 0;
    std::string league;  // "" = every league; AL, NL ... or a league letter
    std::string outFolder;
};

struct DatabankImportResult {
    bool ok = false;
    std::vector<std::string> written;  // file names, in club order
    std::string schedule;              // the season's schedule file, "" when none
    int scheduleGames = 0;
    std::vector<std::string> messages;  // for standard error: problems, left-out players
    // The league-average rows the configuration lacks for this season, ready
    // to be added to BASEBALL.CFG.
    std::vector<std::string> missingLeagueRows;
};

// Writes one team file per club of the season into outFolder, and the
// season's schedule for them.
DatabankImportResult importDatabankSeason(const DatabankImportRequest& request,
                                          const Config& config);

}  // namespace vrk
