#include "shell/batch_stats.h"

#include <unistd.h>

#include "data/sim_data.h"
#include "engine/stats_record_game.h"
#include "shell/config_file.h"

namespace vrk {

namespace {

// Shortest hitting streak that makes a highlight.
constexpr std::size_t kStreakThreshold = 6;

}  // namespace

std::optional<std::string> useStatsSet(BatchStats& stats, const RunSettings& settings,
                                       const Config& config) {
    stats.saveEveryGame = settings.saveEveryGame == "Y";
    // Without /PG:Y the set is saved at the end of the run (or entry): forcing
    // each game to the disk on the way bought nothing but time.
    stats.set.syncEachGame = stats.saveEveryGame;
    if (settings.statsSet.empty()) return std::nullopt;
    const std::string folder = writeFolder(config);
    if (stats.set.isOpen() && stats.set.baseName == settings.statsSet && stats.folder == folder) {
        return std::nullopt;
    }
    if (const auto problem = saveBatchStats(stats)) return problem;
    // Found out before the first game rather than after it.
    if (access(folder.c_str(), W_OK) != 0) {
        return "vrk --batch: the write folder " + folder + " cannot be written.";
    }
    StatsSet next;
    const OpenStatsResult opened = OpenStatsSet(next, folder, settings.statsSet);
    if (!opened.ok) return opened.message;
    stats.set = std::move(next);
    stats.set.syncEachGame = stats.saveEveryGame;
    stats.folder = folder;
    stats.gameCounter = stats.set.savedGameCounter;
    return std::nullopt;
}

std::vector<std::string> attachSimData(const BatchStats& stats, TeamSlots& teams) {
    std::vector<std::string> warnings;
    if (!stats.set.isOpen()) return warnings;
    for (int t = kVisitors; t <= kHome; ++t) {
        for (std::string& w : LoadSIMData(teams[static_cast<std::size_t>(t)], stats.set)) {
            warnings.push_back(std::move(w));
        }
    }
    return warnings;
}

std::optional<std::string> recordBatchGame(BatchStats& stats, const Game& game,
                                           std::vector<std::string>& notes) {
    if (!stats.set.isOpen()) return std::nullopt;
    RecordGameContext context;
    context.gameCounter = stats.gameCounter;
    context.streakMinimum = game.config.hilite[kStreakThreshold];
    std::vector<std::string> highlights;
    if (game.record != nullptr) {
        highlights = GameHighlightTexts(*game.record, game.record->gamesCompleted);
    }
    RecordGameResult recorded = RecordGame(stats.set, stats.lists, game, context, highlights);
    if (!recorded.result.ok) return recorded.result.message;
    for (std::string& w : recorded.warnings) notes.push_back(std::move(w));
    ++stats.gameCounter;
    if (stats.saveEveryGame) return saveBatchStats(stats);
    return std::nullopt;
}

std::optional<std::string> saveBatchStats(BatchStats& stats) {
    if (!stats.set.isOpen() || !stats.set.unsaved) return std::nullopt;
    const IoResult saved = SaveStatistics(stats.set, stats.gameCounter);
    if (!saved.ok) return saved.message;
    return std::nullopt;
}

}  // namespace vrk
