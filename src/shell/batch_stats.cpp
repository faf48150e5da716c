#include "shell/batch_stats.h"

#include <unistd.h>

#include "data/sim_data.h"
#include "engine/stats_record_game.h"
#include "shell/config_file.h"

namespace vrk {

namespace {

// Shortest hitting streak that makes a highlight.
constexpr std::size_t kStreakThreshold = 6;
constexpr int kJournalFoldGames = 250;

}  // namespace

std::optional<std::string> useStatsSet(BatchStats& stats, const RunSettings& settings,
                                       const Config& config) {
    stats.saveEveryGame = settings.saveEveryGame == "Y";
    // The appended game records are not forced to the disk one by one: with
    // /PG:Y the journal carries each game there (a reopened set is cut back
    // to its save and the journal played into it), without it the save at
    // the end of the run (or entry) does.
    stats.set.syncEachGame = false;
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
    RecoveredSet recovered = RecoverSet(folder, settings.statsSet);
    if (!recovered.result.ok) return recovered.result.message;
    StatsSet next;
    const OpenStatsResult opened = OpenStatsSet(next, folder, settings.statsSet);
    if (opened.message == kOldVersionMessage) {
        // The shell's text ends by going back to a menu batch play does not have.
        return "vrk --batch: the statistics set " + settings.statsSet +
               " was written by an older version of VRK and cannot be used with this version.";
    }
    if (!opened.ok) return opened.message;
    stats.notes = std::move(recovered.notes);
    stats.notes.insert(stats.notes.end(), opened.notes.begin(), opened.notes.end());
    stats.set = std::move(next);
    stats.set.syncEachGame = false;
    stats.folder = folder;
    stats.gameCounter = stats.set.savedGameCounter;
    stats.savePoint = recovered.savePoint.value_or(SavePoint{});
    stats.journalGames = 0;
    stats.savedRestart = SavedRestart(folder, settings.statsSet, recovered.savePoint);

    // Games a crash left in the journal are taken in and saved at once; a
    // set without a save point gets one, so the journal always follows one.
    JournalReplay replay = ReplayJournal(stats.set, stats.gameCounter);
    if (!replay.result.ok) return replay.result.message;
    if (replay.games > 0) {
        stats.gameCounter = replay.gameCounter;
        if (replay.restart) stats.savedRestart = replay.restart;
        stats.notes.push_back(std::to_string(replay.games) +
                              " game(s) saved game by game were taken into " + settings.statsSet +
                              ".");
    }
    if (replay.games > 0 || !recovered.savePoint) {
        stats.set.unsaved = true;
        const RestartState* restart = replay.restart ? &*stats.savedRestart : nullptr;
        if (const auto problem = saveBatchStats(stats, restart)) return problem;
    }
    return std::nullopt;
}

std::vector<std::string> attachSimData(const BatchStats& stats, TeamSlots& teams) {
    std::vector<std::string> warnings;
    if (!stats.set.isOpen()) return warnings;
    for (int t = kVisitors; t <= kHome; ++t) {
        // In schedule play a pitcher's rest counts the days since his last game.
        for (std::string& w :
             LoadSIMData(teams[static_cast<std::size_t>(t)], stats.set, stats.scheduleDay)) {
            warnings.push_back(std::move(w));
        }
    }
    return warnings;
}

std::optional<std::string> recordBatchGame(BatchStats& stats, const Game& game,
                                           std::vector<std::string>& notes,
                                           const RestartState* restart) {
    if (!stats.set.isOpen()) return std::nullopt;
    // A game stopped by a fault has no decision: it is no game of the set.
    if (game.state.stoppedByFault) return std::nullopt;
    const JournalMark mark = MarkJournal(stats.set);
    RecordGameContext context;
    context.gameCounter = stats.gameCounter;
    context.scheduleDay = stats.scheduleDay;
    context.streakMinimum = game.config.hilite[kStreakThreshold];
    std::vector<std::string> highlights;
    if (game.record != nullptr) {
        for (const FullHighlightText& text : game.record->lastGameHighlights) {
            highlights.emplace_back(text.view());
        }
    }
    RecordGameResult recorded = RecordGame(stats.set, stats.lists, game, context, highlights);
    if (!recorded.result.ok) return recorded.result.message;
    for (std::string& w : recorded.warnings) notes.push_back(std::move(w));
    ++stats.gameCounter;
    if (!stats.saveEveryGame) return std::nullopt;
    std::vector<TeamKeyPrefix> teams;
    for (int t = kVisitors; t <= kHome; ++t)
        teams.push_back(TeamPrefix(game.team(t).league, game.team(t).teamName));
    const IoResult journaled = JournalGame(stats.set, mark, stats.gameCounter, teams, restart);
    if (!journaled.ok) return journaled.message;
    // The journal holds whole teams per game; folding it now and then keeps
    // it, and the replay after a crash, short.
    if (++stats.journalGames >= kJournalFoldGames) return saveBatchStats(stats, restart);
    return std::nullopt;
}

std::optional<std::string> saveBatchStats(BatchStats& stats, const RestartState* restart) {
    if (!stats.set.isOpen() || (!stats.set.unsaved && restart == nullptr)) return std::nullopt;
    const IoResult saved = SaveSet(stats.set, stats.gameCounter, restart, stats.savePoint);
    if (!saved.ok) return saved.message;
    if (restart != nullptr) stats.savedRestart = *restart;
    stats.journalGames = 0;
    // Journaled game by game, the journal keeps its length for the games to
    // come (it ends at its start until then); otherwise it holds nothing.
    const IoResult cleared = ClearJournal(stats.set, stats.saveEveryGame);
    if (!cleared.ok) return cleared.message;
    return std::nullopt;
}

}  // namespace vrk
