#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace vrk {

// The facts start-up takes from the machine, gathered in one place so that
// start-up itself can be run on made-up ones.
struct StartupInputs {
    std::string currentDir;
    std::string exePath;            // the running program, to find the shipped home folder
    std::string sourceHome;         // the home folder of the source tree, when built from it
    std::vector<std::string> args;  // the command-line words after the program name
    std::string envEditor;          // $EDITOR
    bool nanoAvailable = false;
    bool xdgOpenAvailable = false;
    std::string osName = "Linux";  // for the first line of the initialisation screen
    std::string osRelease;
    std::uint64_t timeSeed = 1;
};

StartupInputs hostStartupInputs(int argc, char** argv);

}  // namespace vrk
