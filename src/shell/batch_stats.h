#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "data/config.h"
#include "data/run_settings.h"
#include "data/stats_journal.h"
#include "data/stats_save.h"
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
    bool saveEveryGame = false;    // /PG:Y: every game goes to the journal
    SavePoint savePoint;           // the set's last save
    int journalGames = 0;          // games in the journal since that save
    // The restart state the set was saved (or its journal replayed) with.
    std::optional<RestartState> savedRestart;
    std::vector<std::string> notes;  // what opening the set found and mended
    std::optional<int> scheduleDay;  // day number of the schedule date being played
};

// Makes the entry's set the open one: a set already open under another name
// is saved first. Nothing to do without /ST:. A message when it fails.
std::optional<std::string> useStatsSet(BatchStats& stats, const RunSettings& settings,
                                       const Config& config);

// Attaches the set's season-to-date figures (and rest days) to both teams
// before a game; returns the loader's warnings.
std::vector<std::string> attachSimData(const BatchStats& stats, TeamSlots& teams);

// Records a finished game and, with /PG:Y, journals it with the restart
// state after it. A message when the game could not be recorded or
// journaled; notes (unwritten highlights) go to `notes`.
std::optional<std::string> recordBatchGame(BatchStats& stats, const Game& game,
                                           std::vector<std::string>& notes,
                                           const RestartState* restart = nullptr);

// Saves the set when it holds unsaved games or a restart state is given
// (which is saved with it). A message when it fails.
std::optional<std::string> saveBatchStats(BatchStats& stats, const RestartState* restart = nullptr);

}  // namespace vrk
