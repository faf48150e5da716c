#pragma once
#include <string>
#include <vector>

#include "engine/game.h"
#include "managers/auto_manager.h"
#include "presentation/console.h"

namespace vrk {

// The debug statistics of a simulation, one labelled number a line: the
// totals the engine keeps in the simulation record and the computer
// managers' decision counters.
std::vector<std::string> debugStatisticsLines(const AutoManagerCounters& counters,
                                              const SimulationRecord& record);

// Shows the lines in two columns a page, a key turning each page.
void showDebugStatistics(Console& console, const std::vector<std::string>& lines);

}  // namespace vrk
