#pragma once
#include <vector>

#include "engine/game.h"
#include "reports/standings_table.h"

namespace vrk {

class Console;

// Wide columns in Two-Team runs, narrow ones in the other modes.
enum class StandingsLayout { Wide, Narrow };

// The standings of a replay or a Two-Team run: every league in a column with
// its divisions and clubs, then the "Hi-Lites" window over the highlights of
// the run so far (PgUp/PgDn page through them). Returns when the user
// presses Escape. The table's keys are recomputed and it is sorted first.
void ShowStandingsScreen(Console& console, ClubStandings& table, StandingsLayout layout,
                         const std::vector<Highlight>& highlights);

// The parts, for callers that draw the standings without waiting.
// DrawStandings returns the last screen row it used.
int DrawStandings(Console& console, const ClubStandings& table, StandingsLayout layout);
void HiLitesWindow(Console& console, const std::vector<Highlight>& highlights, int belowRow);

}  // namespace vrk
