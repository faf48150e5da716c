#include "reports/statistics_report.h"

#include <ctime>

#include "data/stats_file_io.h"
#include "data/stats_set.h"
#include "reports/report_clubs.h"
#include "reports/report_format.h"
#include "reports/report_highlights_section.h"
#include "reports/report_leaders_section.h"
#include "reports/report_standings_section.h"
#include "reports/report_summaries.h"
#include "reports/report_team_tables.h"

namespace vrk {

ReportClock ReportClockNow() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char date[16];
    char time[16];
    std::strftime(date, sizeof date, "%m-%d-%Y", &local);
    std::strftime(time, sizeof time, "%H:%M:%S", &local);
    return {date, time};
}

std::string BuildReportText(const ReportInput& input, const ReportOptions& options, int teamLimit,
                            const ReportClock& clock, const ReportHooks& hooks, bool& aborted) {
    aborted = false;
    const int limit = EffectiveTeamLimit(teamLimit);
    StandingsBuild standings = BuildStandings(input.games, limit);
    std::vector<std::string> leftOut = standings.leftOut;
    const std::vector<ReportLeague> leagues = GroupClubs(input, standings, limit, leftOut);
    if (hooks.tellTeamLeftOut) {
        for (std::size_t i = 0; i < leftOut.size(); ++i) hooks.tellTeamLeftOut(kTeamLimitMessage);
    }
    const int mostGames = MostTeamGames(standings.teams);
    const long qualifyingPA = QualifyingPlateAppearances(mostGames);
    const long qualifyingInnings = QualifyingInnings(mostGames);

    std::string out;
    out.reserve(1 << 20);
    AddLine(out, "VRK 4.9.4b");
    AddLine(out, "Varkon Statistics");
    AddLine(out, "Date: " + clock.date);
    AddLine(out, "Time: " + clock.time);
    AddLine(out, "File: " + input.name);

    if (options.standings) {
        SortStandings(standings.teams);
        WriteStandingsSection(out, standings.teams);
    }
    if (options.highlights) WriteHighlightsSection(out, input, leagues);

    TeamTableOptions tableOptions;
    tableOptions.minAtBats = options.minAtBats;
    tableOptions.rlBreakdown = options.rlBreakdown;
    tableOptions.fielding = options.fielding;
    tableOptions.fieldingDetail = options.fieldingDetail;
    tableOptions.fieldingFileHasRecords = input.fielding.count() > 1;
    for (const ReportLeague& league : leagues) {
        AddLine(out);
        AddLine(out, std::string("League: ") + league.letter);
        if (options.tables) {
            for (const ReportClub& club : league.clubs) {
                if (!WriteTeamTables(out, club, tableOptions, hooks.abortRequested)) {
                    aborted = true;
                    return {};
                }
            }
        }
        WriteLeagueSummaries(out, league);
    }
    if (options.leaders) {
        for (const ReportLeague& league : leagues)
            WriteLeadersSection(out, league, qualifyingPA, qualifyingInnings);
    }
    return out;
}

std::string ReportPath(std::string_view folder, std::string_view statsName) {
    return StatsFilePath(folder, statsName, ".PRN");
}

ReportOutcome WriteStatisticsReport(std::string_view folder, const ReportOptions& options,
                                    int teamLimit, const ReportClock& clock,
                                    const ReportHooks& hooks) {
    ReportOutcome outcome;
    ReportInputLoad load = LoadReportInput(folder, options.statsName);
    outcome.notes = load.input.notes;
    if (!load.ok()) {
        outcome.status = ReportStatus::InputProblem;
        outcome.message = load.problem;
        return outcome;
    }
    outcome.path = ReportPath(folder, options.statsName);
    bool aborted = false;
    const std::string text = BuildReportText(load.input, options, teamLimit, clock, hooks, aborted);
    if (aborted) {
        outcome.status = ReportStatus::Aborted;
        outcome.message = std::string(kReportAborted);
        return outcome;
    }
    const IoResult written =
        ReplaceFile(SystemFileOps(), outcome.path,
                    std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    if (!written.ok) {
        outcome.status = ReportStatus::WriteFailed;
        outcome.message = written.message;
    }
    return outcome;
}

}  // namespace vrk
