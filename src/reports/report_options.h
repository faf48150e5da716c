#pragma once
#include <string>
#include <string_view>

namespace vrk {

// The choices of the report options window.
struct ReportOptions {
    std::string statsName;  // the statistics set, without extension
    bool standings = true;
    bool highlights = true;
    bool tables = true;  // batting, pitching and fielding per club
    long minAtBats = 0;
    bool rlBreakdown = false;
    bool fielding = true;
    bool fieldingDetail = false;
    bool leaders = true;
};

enum class ReportOptionResult { Applied, NotAReportOption, BadValue };

// One option token in the program's form, one per line of the window:
// /STANDINGS:N /HIGHLIGHTS:N /TABLES:N /MINAB:n /RL:Y /FIELDING:N /DETAIL:Y
// /LEADERS:N. Case does not matter; a yes/no value is Y or N.
ReportOptionResult ApplyReportOption(ReportOptions& options, std::string_view token);

}  // namespace vrk
