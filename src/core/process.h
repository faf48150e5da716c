#pragma once
#include <string>
#include <vector>

namespace vrk {

// Starts a program without a shell and without waiting: file names and
// play-by-play lines come from user files and must never be interpreted.
// Returns false when the program could not be started.
bool launchDetached(const std::vector<std::string>& argv);

// Starts a program and waits for it (the text editor). Returns its exit
// status, or -1 when it could not be started.
int runAndWait(const std::vector<std::string>& argv);

// True when a program of that name is on PATH (or the path names an executable).
bool programAvailable(const std::string& name);

}  // namespace vrk
