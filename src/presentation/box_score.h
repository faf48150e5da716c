#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "data/stats_set.h"
#include "engine/game.h"

namespace vrk {

inline constexpr const char* kBoxScoreFileName = "~BOX.PRN";

struct BoxScoreOptions {
    // The open statistics set, when one is recorded: its season totals are
    // shown beside the notes and the decisions. Read after the game was
    // recorded, so the totals include it.
    const StatsSet* season = nullptr;
    // The seed of the generator the game was played from (/SEED: with it
    // replays the run), printed as the closing window shows it; 0 = none.
    std::uint64_t gameSeed = 0;
};

// The box score of a game (finished, or in progress for a look during
// play), as the lines of ~BOX.PRN: the page mark, the batting rows beside
// the notes, the pitchers, the closing lines and the line score. Reads only
// the game's counters and the season totals.
std::vector<std::string> BoxScoreLines(const Game& game, const BoxScoreOptions& options = {});

// The line score: the header with inning numbers and "R  H  E", then the
// visitors' and the home line. The last nine columns of each line hold the
// runs, hits and errors.
struct LineScore {
    std::string header;
    std::string visitors;
    std::string home;
};
LineScore BoxLineScore(const Game& game);

// Innings pitched from outs: whole innings in two columns, then " 1/3",
// " 2/3" or blanks.
std::string InningsPitchedText(int outs);

}  // namespace vrk
