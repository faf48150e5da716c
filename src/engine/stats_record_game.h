#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "data/stats_set.h"
#include "engine/game.h"
#include "engine/stats_highlights.h"

namespace vrk {

struct RecordGameContext {
    std::int32_t gameCounter = 0;    // games of the run before this one
    std::optional<int> scheduleDay;  // day number of the schedule date, in schedule play
    int streakMinimum = 20;          // shortest hitting streak worth a highlight
};

struct RecordGameResult {
    // Failure when the game record could not be appended: the tables are
    // then left as they were, so the games file and the totals agree.
    IoResult result;
    // Highlights that could not be written to the highlights file.
    std::vector<std::string> warnings;
};

// Records a finished game into the open set: appends its game record, then
// updates the batting, pitching and fielding tables in memory, and writes
// the game's highlights (those of the end of the game, passed in, then the
// hitting streaks that ended). The tables reach the disk with SaveStatistics.
RecordGameResult RecordGame(StatsSet& set, HighlightLists& lists, const Game& game,
                            const RecordGameContext& context,
                            std::span<const std::string> gameHighlights = {});

// The game record of a finished game.
GameRecord MakeGameRecord(const Game& game);

// The highlight texts the engine kept for one game of the run.
std::vector<std::string> GameHighlightTexts(const SimulationRecord& record, int gameNumber);

}  // namespace vrk
