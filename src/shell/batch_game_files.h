#pragma once
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "data/config.h"
#include "data/run_settings.h"
#include "data/stats_set.h"
#include "engine/game.h"
#include "presentation/score_card_recorder.h"
#include "presentation/text_output.h"

namespace vrk {

// Why the per-game file names cannot be used: two of them name the same
// file, or one names ~BOX.PRN or a file of the statistics set, which the
// appended games would damage. Printer names may repeat.
std::optional<std::string> perGameFileProblem(const RunSettings& settings);

// The files an unattended run writes after every game: ~BOX.PRN and the
// per-game line score, box score and score card files the options name, and
// the VazaZev file, which keeps the box scores of games that produced a
// highlight (an outstanding individual performance).
class BatchGameFiles {
  public:
    explicit BatchGameFiles(Printer printer = SystemPrinter()) : printer_(std::move(printer)) {}

    // The names and write folder of an entry (options carry over, so each
    // entry says them again).
    void use(const RunSettings& settings, const Config& config);
    bool any() const;

    // Before a game: keeps its score card when a score card file is named.
    void attach(Game& game);

    // After the game (and after it was recorded in `season`, when a set is
    // open): writes ~BOX.PRN and appends the game to each named file.
    // `gameNumber` is the number the game has in the run or set. Notes (a
    // printer that did not print) go to `notes`; a message when a file
    // could not be written.
    std::optional<std::string> write(const Game& game, const StatsSet* season, long gameNumber,
                                     std::vector<std::string>& notes);

  private:
    Printer printer_;
    std::string folder_;
    std::string lineScoreFile_, boxScoreFile_, scoreCardFile_, vazaZevFile_;
    std::unique_ptr<ScoreCardRecorder> card_;
};

}  // namespace vrk
