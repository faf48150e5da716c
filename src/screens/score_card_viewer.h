#pragma once
#include <string>
#include <vector>

#include "data/config.h"
#include "presentation/console.h"
#include "presentation/text_output.h"

namespace vrk {

inline constexpr const char* kScoreCardLogName = "SCORECRD.LOG";

// The "Score Card" window over a game's score card lines: PgUp and PgDn
// page, Escape closes, [F]ile writes SCORECRD.LOG in the write folder and
// [P]rint hands the lines to the printer command.
void viewScoreCard(Console& console, const Config& config, const std::vector<std::string>& lines,
                   const Printer& printer = SystemPrinter());

}  // namespace vrk
