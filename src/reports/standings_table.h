#pragma once
#include <string>
#include <vector>

#include "data/stats_records.h"

namespace vrk {

// The running standings of a replay: one record per club of the schedule.
struct ClubStanding {
    std::string name;  // 12 characters
    int wins = 0;
    int losses = 0;
    char league = ' ';
    char division = ' ';
    std::string pctKey = "0000";  // four digits, set by RecomputeStandingsKeys
};

struct ClubStandings {
    std::vector<ClubStanding> clubs;
};

// The club of that league and name, added (with no games) when absent.
ClubStanding& StandingsClub(ClubStandings& table, char league, char division,
                            const std::string& name);
// Both clubs of a finished game: the one with more runs wins.
void AddGameToStandings(ClubStandings& table, const GameRecord& game);
ClubStandings StandingsFromGames(const std::vector<GameRecord>& games);

// (percentage + 0.00005) x 1000, rounded, four digits; "0000" without
// decided games.
std::string ScreenPctKey(int wins, int losses);
// "." and the key's last three digits, or "1.00" above 0998.
std::string ScreenPctText(const std::string& key);

// "A" -> "A.L.", "N" -> "N.L.", "F" -> "Federal", any other letter itself.
std::string LeagueName(char league);
// "North", "South", "East", "Central", "West"; any other letter itself.
std::string DivisionName(char division);

// Every key recomputed, then clubs of one league and division together,
// the best key first within a division; equal keys keep their order.
void RecomputeStandingsKeys(ClubStandings& table);
void SortStandingsTable(ClubStandings& table);

// What the screen shows: at most three leagues of at most three divisions.
struct ShownDivision {
    char letter = ' ';
    std::vector<const ClubStanding*> clubs;
};
struct ShownLeague {
    char letter = ' ';
    std::vector<ShownDivision> divisions;
};
inline constexpr std::size_t kMaxShownLeagues = 3;
inline constexpr std::size_t kMaxShownDivisions = 3;
// `table` must be sorted; the result points into it.
std::vector<ShownLeague> GroupForScreen(const ClubStandings& table);

}  // namespace vrk
