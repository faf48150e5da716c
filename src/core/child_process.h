#pragma once
#include <string>
#include <vector>

namespace vrk {

// A program started in the background that we may have to end early (the
// anthem player). Like launchDetached: no shell, no terminal output.
// Returns its process id, or -1 when it could not be started.
int startBackground(const std::vector<std::string>& argv);

// Ends a program started by startBackground, if it is still running, and
// reaps it. A process already gone (or reaped elsewhere) is left alone, so
// a reused id is never signalled.
void stopBackground(int pid);

}  // namespace vrk
