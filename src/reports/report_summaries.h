#pragma once
#include <string>

#include "reports/report_clubs.h"

namespace vrk {

// A league's batting, pitching and fielding summaries: one line per club
// with its totals, and the league's totals last.
void WriteLeagueSummaries(std::string& out, const ReportLeague& league);

}  // namespace vrk
