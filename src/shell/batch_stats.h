#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "data/config.h"
#include "data/run_settings.h"
#include "data/stats_set.h"
#include "data/team_file.h"
#include "engine/game.h"
#include "engine/stats_highlights.h"

namespace vrk {

// Statistics recording of a batch run (/ST:): the open set, the run's
// highlights and the game counter kept in the set.
struct BatchStats {
    StatsSet set;
    HighlightLists lists;
    std::string folder;            // write folder of the open set
    std::int32_t gameCounter = 0;  // games recorded in the set, this run's included
    bool saveEveryGame = false;    // /PG:Y
    // What opening the set found that the user should know (games beyond the
    // saved totals, an unfinished save); taken by the caller to be told.
    std::vector<std::string> openNotes;
};

// Makes the entry's set the open one: a set already open under another name
// is saved first. Nothing to do without /ST:. A message when it fails.
std::optional<std::string> useStatsSet(BatchStats& stats, const RunSettings& settings,
                                       const Config& config);

// Attaches the set's season-to-date figures (and rest days) to both teams
// before a game; returns the loader's warnings.
std::vector<std::string> attachSimData(const BatchStats& stats, TeamSlots& teams);

// Records a finished game and, with /PG:Y, saves the set. A message when the
// game could not be recorded or saved; notes (unwritten highlights) go to
// `notes`.
std::optional<std::string> recordBatchGame(BatchStats& stats, const Game& game,
                                           std::vector<std::string>& notes);

// Writes the tables when they hold unsaved games. A message when it fails.
std::optional<std::string> saveBatchStats(BatchStats& stats);

}  // namespace vrk
