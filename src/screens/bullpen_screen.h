#pragma once

namespace vrk {

class Console;
struct Game;
struct BullpenState;

// The bullpen of a user-managed team. Each pick is tested by the bullpen
// rules in their order; a refused pick is explained in a message box and the
// list comes back. A pitcher who needs rest comes in after a 'Y'; one told to
// start throwing is not in yet, and the list comes back. Reminder mode is the
// bullpen opened after a pinch hitter batted for the pitcher.
// Returns the roster entry of the pitcher who comes in, 0 after ESC.
int BullpenScreen(Console& console, Game& game, BullpenState& bullpen, int team, bool reminderMode);

}  // namespace vrk
