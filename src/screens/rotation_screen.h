#pragma once

namespace vrk {

class Console;
struct Team;
struct RotationTable;

// The user picks the team's rotation, one starter after another; ESC ends
// the list, and it ends by itself after the fifth. The picks, in the order
// made, become the team's rotation; a pitcher already picked is refused.
// Returns true when a rotation was stored; false when the user picked nobody
// (the old rotation stays) or the rotation list has no room for the team.
bool RotationScreen(Console& console, RotationTable& table, const Team& team, bool spotStarters);

}  // namespace vrk
