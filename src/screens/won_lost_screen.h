#pragma once
#include <string>
#include <vector>

namespace vrk {

class Console;

struct WonLostLine {
    std::string team;
    int wins = 0;
    int losses = 0;
    long runs = 0;
};

// A won-lost table over the play area, refreshed in place as games end:
// each team's wins, losses, winning percentage and runs per game, and how
// many of the games have been played.
void DrawWonLost(Console& console, const std::vector<WonLostLine>& lines, int played, int total);

// ".500"-style winning percentage; "----" before the first decision.
std::string WinningPercentage(int wins, int losses);

}  // namespace vrk
