#pragma once
// The start and end of a half inning.
#include <string>

namespace vrk {

struct Game;

// Start of a half inning: the defence check, the anthem and the automatic runner.
void StartHalfInning(Game& game);
void EndHalfInning(Game& game);
// Column 1..10 of an inning on its scoreboard page.
int ScoreboardColumn(int inning);
// The automatic runner of an extra half inning.
void PlaceAutomaticRunner(Game& game);
std::string InningSummaryText(int runs, int hits, int errors, int leftOnBase);

}  // namespace vrk
