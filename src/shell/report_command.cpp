#include "shell/report_command.h"

#include <iostream>
#include <string>
#include <vector>

#include "data/config_folders.h"
#include "data/option_string.h"
#include "data/stats_recording_form.h"
#include "reports/csv_tables.h"
#include "reports/statistics_report.h"
#include "reports/team_standings.h"
#include "shell/batch_plan.h"
#include "shell/session.h"
#include "shell/startup.h"

namespace vrk {

namespace {

constexpr const char* kUsage =
    "vrk --report: name the statistics set: vrk --report SET [/STANDINGS:N] [/HIGHLIGHTS:N] "
    "[/TABLES:N] [/MINAB:n] [/RL:Y] [/FIELDING:N] [/DETAIL:Y] [/LEADERS:N] [/PW:FOLDER] "
    "[--csv DIR]";

struct ReportRequest {
    ReportOptions options;
    std::string csvFolder;
    bool csv = false;
    std::vector<std::string> settingWords;  // for the program's own option grammar
};

// Returns a message for words it cannot take.
std::string ParseWords(const std::vector<std::string>& words, ReportRequest& request) {
    if (words.empty() || words[0].starts_with("/") || words[0].starts_with("-")) return kUsage;
    request.options.statsName = StatisticsBaseName(words[0]);
    if (request.options.statsName.empty()) return kUsage;
    if (request.options.statsName.find_first_of("/\\") != std::string::npos)
        return "vrk --report: the statistics set is a name, not a path; give its folder with "
               "/PW:.";
    for (std::size_t i = 1; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word == "--csv") {
            if (i + 1 >= words.size()) return "vrk --report: --csv needs a folder.";
            request.csv = true;
            request.csvFolder = words[++i];
            continue;
        }
        for (const OptionToken& token : tokenizeOptionString(word)) {
            switch (ApplyReportOption(request.options, token.text)) {
                case ReportOptionResult::Applied:
                    continue;
                case ReportOptionResult::BadValue:
                    return "vrk --report: " + token.raw +
                           " needs Y or N (a number of at-bats for /MINAB:).";
                case ReportOptionResult::NotAReportOption:
                    break;
            }
            if (!token.text.starts_with("/PW:") && !token.text.starts_with("/P:"))
                return "vrk --report: unknown option " + token.raw + " (see vrk --help).";
            request.settingWords.push_back(token.raw);
        }
    }
    return {};
}

void tell(std::ostream& err, const std::string& text) {
    std::string line;
    for (char c : text) {
        if (c == '|') {
            err << line << "\n";
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty()) err << line << "\n";
}

}  // namespace

int runReport(const StartupInputs& inputs, std::ostream& out, std::ostream& err) {
    ReportRequest request;
    if (const std::string problem = ParseWords(inputs.args, request); !problem.empty()) {
        err << problem << "\n";
        return 2;
    }
    StartupInputs settings = inputs;
    settings.args = request.settingWords;
    Session session;
    const StartupOutcome outcome = prepareSession(settings, session);
    for (const std::string& warning : outcome.warnings) tell(err, warning);
    if (outcome.status != StartupStatus::Ready) {
        err << outcome.message << "\n";
        return 1;
    }
    if (const auto problem = folderProblem(session.config)) {
        err << *problem << "\n";
        return 1;
    }
    const std::string folder = writeFolder(session.config);

    if (request.csv) {
        ReportInputLoad load = LoadReportInput(folder, request.options.statsName);
        for (const std::string& note : load.input.notes) tell(err, note);
        if (!load.ok()) {
            tell(err, load.problem);
            return 1;
        }
        const CsvTables tables = BuildCsvTables(load.input, session.config.statTeamLimit);
        for (std::size_t i = 0; i < tables.leftOut.size(); ++i) err << kTeamLimitMessage << "\n";
        const IoResult written = WriteCsvTables(tables, request.csvFolder);
        if (!written.ok) {
            err << written.message << "\n";
            return 1;
        }
        out << "Tables written to " << request.csvFolder << ": standings.csv, batting.csv, "
            << "pitching.csv, fielding.csv\n";
        return 0;
    }

    ReportHooks hooks;
    hooks.tellTeamLeftOut = [&err](const std::string& message) { err << message << "\n"; };
    const ReportOutcome report = WriteStatisticsReport(
        folder, request.options, session.config.statTeamLimit, ReportClockNow(), hooks);
    for (const std::string& note : report.notes) tell(err, note);
    if (report.status != ReportStatus::Written) {
        tell(err, report.message);
        return 1;
    }
    out << "Report written to " << report.path << "\n";
    return 0;
}

int runReportCommand(int argc, char** argv) {
    StartupInputs inputs = hostStartupInputs(argc, argv);
    inputs.args.clear();
    for (int i = 2; i < argc; ++i) inputs.args.emplace_back(argv[i]);
    return runReport(inputs, std::cout, std::cerr);
}

}  // namespace vrk
