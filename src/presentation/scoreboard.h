#pragma once
#include <array>
#include <string>

#include "core/one_based.h"
#include "presentation/console.h"

namespace vrk {

// What the scoreboard shows, taken from the game as it stands.
struct ScoreboardView {
    PerTeam<std::string> names;              // club names as shown
    PerTeam<OneBased<int, 10>> lineScore{};  // [team][column 1..10] of this page
    int column = 1;                          // the current inning's column
    int battingTeam = 1;
    int outs = 0;
    PerTeam<int> runs{};
    PerTeam<int> hits{};
    PerTeam<int> errors{};
};

struct ScoreboardColours {
    int normal = 7;
    int highlight = 15;
};

inline constexpr int kScoreboardWidth = 40;
inline constexpr int kScoreboardRows = 5;

// The frame of the scoreboard (rows 1-5, columns 1-40 of the play area)
// and of the play-by-play panel beside it (columns 41-80).
void drawScoreboardFrame(Console& console, int originRow, int originCol,
                         const ScoreboardColours& colours);

// The contents: every inning cell of the page up to the current one when
// `allCells`, else only the current column; runs, hits, errors and outs.
void drawScoreboard(Console& console, int originRow, int originCol, const ScoreboardView& view,
                    const ScoreboardColours& colours, bool allCells = true);

// The two characters of one inning cell: a finished inning's runs right
// aligned; the batting side's current inning a block and its runs (a blank
// while none), or the number alone from 10 on; nothing after the current.
std::string scoreboardCell(const ScoreboardView& view, int team, int column);

// A club name fitted to the scoreboard: the season digits dropped, nine
// characters at most.
std::string scoreboardName(std::string_view teamName);

}  // namespace vrk
