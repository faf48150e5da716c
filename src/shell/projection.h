#pragma once
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "shell/batch_plan.h"

namespace vrk {

// One team's line of a projection.
struct TeamProjection {
    std::string file;  // team file name as the series names it
    std::string name;  // the team's 12-character name, trimmed
    char league = ' ';
    char division = ' ';
    double meanWins = 0;
    int wins10th = 0;  // nearest-rank percentiles of the season's wins
    int wins90th = 0;
    double firstShare = 0;  // share of seasons first in its division (ties split)
};

struct ProjectionResult {
    std::vector<TeamProjection> teams;  // in order of first appearance in the series
    long gamesPerSeason = 0;
    int seasons = 0;
    std::string problem;  // set when the projection could not run
};

// How many seasons and on how many threads; the seed the seasons' own seeds
// are derived from.
struct ProjectionPlan {
    int seasons = 1;
    int jobs = 1;
    std::uint64_t seed = 1;
};

// The games of one series line or schedule slot, with the settings in force
// for them; a schedule's games carry their date's day number, from which
// rest days are counted.
struct ProjectionEntry {
    BatchEntry entry;
    std::optional<int> scheduleDay;
    // The settings and configuration of the entry before, but for the teams.
    bool rulesAsBefore = false;
};

// Plays every entry `seasons` times, each season from its own seed and with
// its own statistics kept in memory (rest days and the rotation carry from
// game to game as in a recorded season), spread over `jobs` threads. The
// result does not depend on the number of threads.
ProjectionResult projectSeasons(const std::vector<ProjectionEntry>& entries,
                                const ProjectionPlan& plan);

// The seed of season `index` (0-based) of a run seeded with `seed`; the
// first season keeps the run's own seed.
std::uint64_t seasonSeed(std::uint64_t seed, int index);

// Nearest-rank percentile (1..100) of sorted values; 0 for none.
int nearestRank(const std::vector<int>& sorted, int percent);

// The projection table.
void printProjection(std::ostream& out, const ProjectionResult& result);

// /REPEAT: and /JOBS: read as numbers: a message when either is unusable.
std::optional<std::string> readProjectionCounts(const std::string& repeat, const std::string& jobs,
                                                ProjectionPlan& plan);

}  // namespace vrk
