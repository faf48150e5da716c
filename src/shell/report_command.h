#pragma once
#include <ostream>

#include "shell/host_info.h"

namespace vrk {

// `vrk --report SET [OPTIONS] [--csv DIR]`: the statistics report of a set
// written to SET.PRN in the write folder without a screen, or with --csv
// the four CSV tables into DIR. inputs.args hold the words after
// "--report". Returns the exit status: 0 when written, 1 for a missing or
// damaged set or a file that cannot be written, 2 for a bad option.
int runReport(const StartupInputs& inputs, std::ostream& out, std::ostream& err);

// The program's `--report` switch: argv[2] on are its words.
int runReportCommand(int argc, char** argv);

}  // namespace vrk
