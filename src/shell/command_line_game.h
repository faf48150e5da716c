#pragma once
#include "presentation/console.h"
#include "shell/session.h"

namespace vrk {

// True when the command line names both teams (/V: and /H:) and no
// schedule or series: one game is played at once, displayed.
bool commandLineGameRequested(const RunSettings& run);

// Loads the two teams, sets the game up from the command line and the
// configuration (the manual game's delay and sound), plays it on the
// console and shows the end of the simulation. True when the user asked
// for the main menu afterwards, false when the program should end.
bool playCommandLineGame(Console& console, Session& session);

}  // namespace vrk
