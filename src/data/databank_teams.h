#pragma once
#include <optional>
#include <string>
#include <vector>

namespace vrk {

// One club's season from the databank's Teams.csv. Counting columns are
// absent (nullopt) where the season did not record them.
struct DatabankTeamSeason {
    int line = 0;  // line of Teams.csv, for messages
    int year = 0;
    std::string league;  // lgID: AL, NL, AA, NA, UA, PL, FL
    std::string teamId;
    std::string franchiseId;
    std::string division;
    std::string name;
    std::string park;
    long games = 0;
    long wins = 0;
    long losses = 0;
    std::optional<long> runs, atBats, hits, doubles, triples, homeRuns, walks, strikeouts,
        stolenBases, caughtStealing, hitByPitch, sacrificeFlies;
    std::optional<long> runsAllowed, earnedRuns, completeGames, shutouts, saves, outsPitched,
        hitsAllowed, homeRunsAllowed, walksAllowed, strikeoutsByPitchers, errors, doublePlays;
    std::optional<long> battingParkFactor, pitchingParkFactor;  // BPF, PPF (100 = neutral)
};

struct DatabankTeams {
    std::vector<DatabankTeamSeason> seasons;  // in file order
    std::vector<std::string> problems;        // rows that could not be read, by line
};

// Reads Teams.csv by its header names, so added or reordered columns do no
// harm. A row without a readable year, league, club, games, wins or losses
// is reported and skipped.
DatabankTeams readDatabankTeams(const std::string& path);

}  // namespace vrk
