// Prints BASEBALL.CFG's league-average rows for every season and league of
// the databank's Teams.csv: make_league_rows PATH/Teams.csv
#include <cstdio>

#include "data/databank_teams.h"
#include "data/league_rows.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_league_rows PATH/Teams.csv\n");
        return 2;
    }
    const vrk::DatabankTeams teams = vrk::readDatabankTeams(argv[1]);
    for (const auto& problem : teams.problems) std::fprintf(stderr, "%s\n", problem.c_str());
    if (teams.seasons.empty()) return 1;
    for (const auto& line : vrk::leagueSeasonLines(teams.seasons)) {
        std::printf("%s\n", vrk::formatLeagueRow(line).c_str());
    }
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}
