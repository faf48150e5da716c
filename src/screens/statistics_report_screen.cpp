#include "screens/statistics_report_screen.h"

#include "data/config_folders.h"
#include "presentation/console.h"
#include "presentation/console_keys.h"
#include "screens/report_options_screen.h"

namespace vrk {

namespace {

constexpr int kWindowAttribute = 15 + 16 * 1;
constexpr int kBoxAttribute = 15 + 16 * 4;

}  // namespace

std::optional<ReportOutcome> StatisticsReportScreen(Console& console, const Config& config,
                                                    std::string& statsName) {
    ReportOptions defaults;
    defaults.statsName = statsName;
    const std::optional<ReportOptions> options = ReportOptionsScreen(console, defaults);
    if (!options) return std::nullopt;
    statsName = options->statsName;

    const int top = playAreaTop(console.rows()) + 9;
    const int left = playAreaLeft(console.cols()) + 16;
    console.pushScreen();
    console.fillArea(top, left, 5, 48, kWindowAttribute);
    console.drawFrame(top, left, 5, 48, FrameStyle::Single, kWindowAttribute);
    console.printAt(top + 1, left + 2, "One moment, please.", kWindowAttribute);
    console.printAt(top + 2, left + 2, options->statsName + ".PRN being generated...",
                    kWindowAttribute);
    console.refresh();

    ReportHooks hooks;
    hooks.abortRequested = [&console] { return console.pollKey() == kKeyEscape; };
    hooks.tellTeamLeftOut = [&console](const std::string& message) {
        console.messageBox(playAreaTop(console.rows()) + 12, playAreaLeft(console.cols()) + 10,
                           message, kBoxAttribute);
    };
    ReportOutcome outcome = WriteStatisticsReport(writeFolder(config), *options,
                                                  config.statTeamLimit, ReportClockNow(), hooks);
    console.popScreen();
    if (outcome.status != ReportStatus::Written)
        console.messageBox(playAreaTop(console.rows()) + 12, playAreaLeft(console.cols()) + 10,
                           outcome.message, kBoxAttribute);
    return outcome;
}

}  // namespace vrk
