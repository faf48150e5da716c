#pragma once
#include <optional>

#include "reports/report_options.h"

namespace vrk {

class Console;

// The "Statistics Report Options" window, filled from `defaults`. Escape
// (or closing the window) accepts and returns the choices; F3 cancels and
// returns nothing. A report needs a statistics file: Escape with the name
// blank only beeps.
std::optional<ReportOptions> ReportOptionsScreen(Console& console, const ReportOptions& defaults);

}  // namespace vrk
