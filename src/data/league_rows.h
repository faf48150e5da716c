#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "data/databank_teams.h"

namespace vrk {

// A season's league totals as a league-average row of BASEBALL.CFG holds them.
struct LeagueSeasonLine {
    int year = 0;
    char letter = ' ';
    long innings = 0;  // the outs of at-bats / 3 (innings pitched where at-bats are missing)
    long hits = 0;
    long doubles = 0;
    long triples = 0;
    long homeRuns = 0;
    long walks = 0;
    long strikeouts = 0;
    int teams = 0;
    double runsPerGame = 0;
};

// The one-letter league of a team file for a databank league: AL and NL
// are A and N; the early leagues take letters that no other league of
// their seasons uses (AA: A before the American League existed, NA: N
// before the National League, UA: U, PL: P, FL: F).
char leagueLetter(std::string_view databankLeague);

// One line per season and league, in season order, then league letter.
std::vector<LeagueSeasonLine> leagueSeasonLines(const std::vector<DatabankTeamSeason>& seasons);

// The row in BASEBALL.CFG's columns ("1998A      ...").
std::string formatLeagueRow(const LeagueSeasonLine& line);

}  // namespace vrk
