#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "reports/report_input.h"
#include "reports/report_options.h"

namespace vrk {

inline constexpr std::string_view kReportAborted = "Report Aborted!";

// The date and time the report header shows.
struct ReportClock {
    std::string date;  // "MM-DD-YYYY"
    std::string time;  // "HH:MM:SS"
};
ReportClock ReportClockNow();

// How a report talks to whoever runs it.
struct ReportHooks {
    // Asked after every batter of the club tables; true stops the report.
    std::function<bool()> abortRequested;
    // A club beyond the team limit: the message is told (and, on a screen,
    // acknowledged with a key) before the club is left out.
    std::function<void(const std::string&)> tellTeamLeftOut;
};

// The report text of a loaded set. Empty with `aborted` set when the abort
// callback asked to stop.
std::string BuildReportText(const ReportInput& input, const ReportOptions& options, int teamLimit,
                            const ReportClock& clock, const ReportHooks& hooks, bool& aborted);

enum class ReportStatus { Written, InputProblem, Aborted, WriteFailed };

struct ReportOutcome {
    ReportStatus status = ReportStatus::Written;
    std::string message;             // for any status but Written (message-box text)
    std::string path;                // the report file
    std::vector<std::string> notes;  // things about the set worth telling
};

// The report of set options.statsName in `folder`, written to NAME.PRN in
// the same folder. The file is written beside the old one and put in its
// place only when complete: an aborted or failed report leaves the last
// report as it was.
ReportOutcome WriteStatisticsReport(std::string_view folder, const ReportOptions& options,
                                    int teamLimit, const ReportClock& clock,
                                    const ReportHooks& hooks);

// The report file of a set.
std::string ReportPath(std::string_view folder, std::string_view statsName);

}  // namespace vrk
