#pragma once

namespace vrk {

class Console;
struct Team;

// Shows a team's batting order with each player's position and waits for a
// key; the screen under it is restored.
void LineupView(Console& console, const Team& team, bool designatedHitter);

}  // namespace vrk
