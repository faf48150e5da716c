#pragma once
#include "managers/lineup_changes.h"

namespace vrk {

class Console;
class Rng;

inline constexpr const char* kLineupFooter =
    "\x18\x19:SCROLL  [S]wap  [M]ore Lineups  ESC:Continue";
inline constexpr const char* kSwapTitle = "Player Numbers to Swap";
inline constexpr const char* kSwapFooter = "ESC:Continue F3:Cancel";
inline constexpr const char* kBenchTitle = " Bench ";

// What the line-up screen needs before a game to offer other line-ups.
struct LineupBeforeGame {
    bool designatedHitter = false;
    Rng* rng = nullptr;       // for the computer's line-up; none: not offered
    int ownStarter = 0;       // the side's starting pitcher, 0 when not known
    char opposingHand = ' ';  // the other starter's throwing hand
};

// The line-up of a side before its game: the batting order and the
// starting players change by [S]wap; [M]ore Lineups offers the optimized
// batting order, the team file's order and the computer's line-up.
void LineupScreenBeforeGame(Console& console, Team& team, const LineupBeforeGame& setup);

// The line-up of a side during a game, at the session's stage: a
// substitution, a double switch, or a look.
void LineupScreenInGame(Console& console, Game& game, BullpenState& bullpen, int team,
                        LineupSession& session);

}  // namespace vrk
