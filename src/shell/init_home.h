#pragma once
#include <string>

namespace vrk {

struct InitHomeResult {
    bool ok = false;
    int filesCopied = 0;
    std::string message;  // what was done, or why nothing was
};

// Copies the files of the shipped home folder (configuration, catalogue,
// park list, sample league, schedules) into target, creating it. A target
// that already holds a home folder is left alone: the user's settings and
// teams are never overwritten.
InitHomeResult initHomeFolder(const std::string& shippedHome, const std::string& target);

// `vrk --init DIR` and `vrk --home`: argument handling and messages.
int runInitCommand(int argc, char** argv);
int runHomeCommand(int argc, char** argv);

}  // namespace vrk
