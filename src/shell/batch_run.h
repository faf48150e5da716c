#pragma once
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "shell/host_info.h"

namespace vrk {

// Where a batch run reports: results on `out`, messages on `err`; progress
// goes to `err` too, and only when it is a terminal.
struct BatchIo {
    std::ostream& out;
    std::ostream& err;
    bool progress = false;
    // Asked between games; true stops the run after the game just played
    // (the statistics set keeps every completed game).
    std::function<bool()> stopRequested;
    // Told, besides `err`, what reopening the statistics set found (games
    // beyond the saved totals and the like) before the first game.
    std::function<void(const std::vector<std::string>&)> notesFound = {};
};

// `vrk --batch OPTIONS`: inputs.args hold the option words. Plays a two-team
// series (/V: /H: /N:) or every entry of a series file (/SER:) without a
// screen, one result line per game and a summary. Returns the exit status:
// 0 when every game was played, non-zero with a message on `err` otherwise
// (130 when stopped on request).
int runBatch(const StartupInputs& inputs, BatchIo io);

struct Session;
// The series of session.run.seriesName played as `--batch /SER:` plays it,
// on a session already started.
int runSeriesBatch(Session& session, BatchIo& io);

// The program's `--batch` switch: argv[2] on are the option words.
int runBatchCommand(int argc, char** argv);

}  // namespace vrk
