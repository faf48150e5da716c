#pragma once
#include "data/team.h"

namespace vrk {

// Fits a team's batting line-up to the game's designated-hitter rule. A
// line-up written with the pitcher's slot gets a designated hitter from the
// bench in that slot when the game has one; a line-up written with a
// designated hitter and no pitcher's slot sends him to the bench when the game
// has none, and the pitcher bats ninth. Any other line-up is left alone, so a
// second call changes nothing. The result is the line-up's new file order.
void fitLineupToRule(Team& team, bool designatedHitter);

// What exchanging each entry from `from` to `last - 1` with the next one does
// (the entry at `from` ends at `last`, the others move up one place, and each
// place keeps its line-up player and loaded name), in one pass of moves.
void moveEntryToEnd(Team& team, int from, int last);

}  // namespace vrk
