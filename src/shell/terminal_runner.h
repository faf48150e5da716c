#pragma once
#include <string>
#include <vector>

namespace vrk {

// Runs a program in the foreground of the terminal the game screen holds:
// the screen is put aside while it runs and drawn again afterwards.
// Returns the program's exit status, or -1 when it could not be started.
int runInTerminal(const std::vector<std::string>& argv);

}  // namespace vrk
