#pragma once
#include <string>
#include <vector>

#include "data/stats_records.h"

namespace vrk {

// One club's season as the games file tells it.
struct TeamStanding {
    char league = ' ';
    char division = ' ';
    std::string name;  // 12 characters, blank-padded
    int wins = 0;
    int losses = 0;
    int homeWins = 0;
    int homeLosses = 0;
    long homeRunsScored = 0;
    long homeRunsAllowed = 0;
    int roadWins = 0;
    int roadLosses = 0;
    long roadRunsScored = 0;
    long roadRunsAllowed = 0;
    long hits = 0;
    long errors = 0;
    long leftOnBase = 0;
    long doublePlays = 0;

    int games() const { return wins + losses; }
    long runsScored() const { return homeRunsScored + roadRunsScored; }
    long runsAllowed() const { return homeRunsAllowed + roadRunsAllowed; }
};

// "STAT-TEAM-LIMIT=0" means this many.
inline constexpr int kDefaultStatTeamLimit = 750;
inline constexpr const char* kTeamLimitMessage =
    " ERR: Number of Teams in a Stat printout may not exceed 750";

int EffectiveTeamLimit(int configured);

struct StandingsBuild {
    std::vector<TeamStanding> teams;   // in order of first appearance
    std::vector<std::string> leftOut;  // clubs beyond the team limit
};

// One record per club (league letter and name) met in the games; a club
// first met when `teamLimit` clubs are already known is left out.
StandingsBuild BuildStandings(const std::vector<GameRecord>& games, int teamLimit);

// Winning percentage x 1000 + 0.5, whole part; 0 without decided games.
int ReportPctKey(int wins, int losses);
// "." and the key's last three digits; keys above 998 print as "1.000".
std::string ReportPctText(int key);

// Grouped by league and division (descending letters, as the six-character
// sort key orders them), best percentage first; equal keys keep their order.
void SortStandings(std::vector<TeamStanding>& teams);

// Games behind the first team of the group, five characters wide.
std::string GamesBehindText(const TeamStanding& first, const TeamStanding& team);

// The team with the most decided games sets the qualifying marks.
int MostTeamGames(const std::vector<TeamStanding>& teams);
// Plate appearances a batter needs for the rate leaders.
long QualifyingPlateAppearances(int mostGames);
// Innings a pitcher needs for the ERA leaders (at least 1).
long QualifyingInnings(int mostGames);

}  // namespace vrk
