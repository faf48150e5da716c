#pragma once
#include <ostream>
#include <string>
#include <vector>

#include "data/series_file.h"

namespace vrk {

// Checks the option words of the command line and, with /CMD:, the first
// line of the command file; writes warnings and refusals to `err`. Returns
// 0 to go on, 2 when a value is refused, 1 when the command file is missing.
int reportCommandLineOptions(const std::vector<std::string>& words, const std::string& homeDir,
                             std::ostream& err);

// Series lines about to be played: a refused value is told with the file and
// the line. Unknown tokens stay ignored, as series files have always had them.
bool seriesLinesUsable(const std::string& path, const std::vector<SeriesLine>& lines,
                       std::ostream& err);

}  // namespace vrk
