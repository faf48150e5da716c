#pragma once
#include <string>

#include "reports/report_clubs.h"

namespace vrk {

// The highlights file as written during the simulation, then the hitting
// streaks of 10 games and more that are still going.
void WriteHighlightsSection(std::string& out, const ReportInput& input,
                            const std::vector<ReportLeague>& leagues);

}  // namespace vrk
