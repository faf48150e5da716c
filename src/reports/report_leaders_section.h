#pragma once
#include <string>

#include "reports/report_clubs.h"

namespace vrk {

// A league's batting and pitching leaders, the lists two by two side by side.
void WriteLeadersSection(std::string& out, const ReportLeague& league, long qualifyingPA,
                         long qualifyingInnings);

}  // namespace vrk
