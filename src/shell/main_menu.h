#pragma once
#include <functional>
#include <string_view>

#include "presentation/console.h"
#include "shell/host_info.h"
#include "shell/session.h"

namespace vrk {

using MenuAction = std::function<void(Console&, Session&)>;

// The main-menu items built elsewhere (schedules, series, statistics
// reports, the file viewer) plug in here; an empty one is told as not yet
// available. Manual, Two-Team and the configuration edit are our own.
struct MenuActions {
    MenuAction schedule;    // "S"
    MenuAction series;      // "E"
    MenuAction reports;     // "A"
    MenuAction fileViewer;  // "F"
    // Runs a program in the foreground (the editor); defaults to the console's.
    std::function<int(Console&, const std::vector<std::string>&)> runProgram;
};

// The message for an item whose feature is not there yet.
std::string notAvailableText(char choice);

// Clears what a mode leaves behind: the schedule, series and quit flags and
// the names of the statistics, box-score, schedule and series files.
void resetRun(Session& session);

// Runs one main-menu choice; false for "Q" (end the program).
bool dispatchMenuChoice(char choice, Console& console, Session& session, const StartupInputs& in,
                        const MenuActions& actions);

// The main menu loop: returns the program's exit status when the user quits.
int runMainMenu(Console& console, Session& session, const StartupInputs& in,
                const MenuActions& actions);

}  // namespace vrk
