#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "data/config.h"
#include "data/team.h"

namespace vrk {

// The league-average row for a season and league: the row keyed exactly
// season + league, else the league's "DEF " row, else none. Rows are searched
// in file order; the first match wins.
const LeagueAverageRow* findLeagueRow(const std::vector<LeagueAverageRow>& rows,
                                      std::string_view season, char league);

// Whether a row can drive the outcome model: finite rates and some hits.
bool leagueRowUsable(const LeagueAverageRow& row);

// The context a row gives (the built-in values when row is null), with the
// four hit-type shares filled in.
LeagueContext leagueContextFrom(const LeagueAverageRow* row);

// The league all statistics are normalised to, chosen by the cross-era
// setting. Active only for a season + league key ("1927A") that has a row;
// "H", "V", "B" or blank leave it inactive (homeRunRate 0).
struct NormalizationTarget {
    LeagueContext context;   // league context of slot 3
    double homeRunRate = 0;  // normalizationHomeRunRate: > 0 exactly when active
    double tripleRate = 0;
    double doubleRate = 0;
    double singleRate = 0;
    double walkRate = 0;
    double runFactor = 0;

    bool active() const { return homeRunRate > 0; }
};

// True for a five-character season + league key such as "1998A".
bool isSeasonLeagueKey(std::string_view text);

NormalizationTarget normalizationTarget(const std::vector<LeagueAverageRow>& rows,
                                        std::string_view eraKey);

}  // namespace vrk
