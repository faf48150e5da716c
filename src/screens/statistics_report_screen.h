#pragma once
#include <optional>
#include <string>

#include "data/config.h"
#include "reports/statistics_report.h"

namespace vrk {

class Console;

// "Statistics Reports" from the main menu or the end of a simulation: the
// options window, then the report of the chosen set into NAME.PRN in the
// write folder while a window says it is being generated. Escape during
// the club tables stops it. Problems are shown in message boxes. Returns
// nothing when the user cancels, else the outcome (the caller shows the
// written report in the viewer). `statsName` is the set chosen before and
// becomes the one chosen now.
std::optional<ReportOutcome> StatisticsReportScreen(Console& console, const Config& config,
                                                    std::string& statsName);

}  // namespace vrk
