#include "shell/app.h"
#include "shell/schedule_csv_command.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include <iostream>

#include "data/show_team.h"
#include "presentation/catalogue.h"
#include "presentation/console_ncurses.h"
#include "shell/batch_run.h"
#include "shell/bench_run.h"
#include "shell/command_line_game.h"
#include "shell/home_directory.h"
#include "shell/host_info.h"
#include "shell/import_command.h"
#include "shell/init_home.h"
#include "shell/main_menu.h"
#include "shell/menu_actions.h"
#include "shell/option_report.h"
#include "shell/output_check.h"
#include "shell/report_command.h"
#include "shell/session.h"
#include "shell/startup.h"
#include "shell/version.h"

namespace vrk {

namespace {

void printHelp() {
    std::printf(
        "%s\n"
        "\n"
        "Usage:\n"
        "  vrk [OPTIONS]              play in the terminal (start-up, then the main menu)\n"
        "  vrk /CMD:FILE              take the options from the first line of FILE\n"
        "  vrk /V:TEAM /H:TEAM        play one game between the two teams on the screen\n"
        "  vrk --batch OPTIONS        play games without a screen (two teams, a series or a\n"
        "                             schedule), one line per game and a summary\n"
        "  vrk --show-team NAME       print a team file's roster\n"
        "  vrk --schedule-from-csv IN.csv OUT.SCH   a schedule from rows of "
        "date,visitor,home[,options]\n"
        "  vrk --schedule-to-csv IN.SCH             a schedule's games as CSV on standard output\n"
        "  vrk --report SET [OPTIONS] statistics report of a set into SET.PRN, options\n"
        "                             /STANDINGS:N /HIGHLIGHTS:N /TABLES:N /MINAB:n /RL:Y\n"
        "                             /FIELDING:N /DETAIL:Y /LEADERS:N /PW:FOLDER\n"
        "  vrk --report SET --csv DIR the set's standings, batting, pitching and fielding\n"
        "                             as CSV files in DIR\n"
        "  vrk --init DIR             make DIR a home folder of your own (settings, catalogue,\n"
        "                             sample league); run vrk there\n"
        "  vrk --home                 print the home folder vrk would use here\n"
        "  vrk --import-databank DIR YEAR [LEAGUE] OUTDIR\n"
        "                             team files of a real season from the baseball databank's\n"
        "                             CSV files (People, Batting, Pitching, Fielding, Teams)\n"
        "  vrk bench                  fixed-seed games: result signature and games per second\n"
        "  vrk --help                 this text\n"
        "  vrk --version              the program's version\n"
        "\n"
        "Options (each starts with \"/\"; case does not matter; a folder is written with\n"
        "\"\\\" because \"/\" starts the next option; each option is at most 25 characters):\n"
        "  /V:TEAM  /H:TEAM           visiting and home team file (without .DAT)\n"
        "  /N:n                       number of games\n"
        "  /SCH:NAME  /SER:NAME       replay a schedule (.SCH) or a series (.SER)\n"
        "  /ST:NAME                   record statistics in this statistics set\n"
        "  /REPEAT:N  /JOBS:J         (--batch) project N seasons in memory on J threads\n"
        "  /P:FOLDER  /PW:FOLDER      data folder and write folder\n"
        "  /BX:FILE /SC:FILE /LS:FILE /STB:FILE\n"
        "                             box score, score card, line score and VazaZev files\n"
        "  /SP:CODE  /VP:CODE  /HP:CODE\n"
        "                             pitching rotation method (default S5), per team\n"
        "  /AUL /VAL /HAL             automatic line-up (both, visitors, home)\n"
        "  /ABO:x /VBO:x /HBO:x       batting order: Y, C or F\n"
        "  /SPT /VSPT /HSPT           spot starters (all, visitors, home)\n"
        "  /VAM /HAM                  AutoManager for the visitors, the home team\n"
        "  /VM:+ /VM:- /HM:+ /HM:-    put a team under your control, or release it\n"
        "  /DH:x                      designated-hitter rule: Y, H, A, E or N (/DH = Y)\n"
        "  /DEL:n                     play delay 0..7\n"
        "  /FOC:Y                     performance focusing\n"
        "  /ERA:x                     cross-era normalisation: H, V, B or a season+league\n"
        "  /S:Y  /C:C                 sound effects; fireworks in random colours\n"
        "  /PG:Y  /PD:Y               save statistics after every game, after every date\n"
        "  /X:Y                       no standings display or completion message\n"
        "  /T:x                       home-field factor: Y (3), N (0) or a number\n"
        "  /CC:n  /CR:n               console columns (1-199) and rows (1-99)\n"
        "  /DEBUG  /NOOPT             debug statistics; no options menu\n"
        "  /SEED:n                    random seed, to replay a run exactly (0 = time of day)\n",
        kProgramTitle);
}

// Words the option grammar reads: everything that is not one of our own
// "--" switches.
std::vector<std::string> optionWords(int argc, char** argv, int first) {
    std::vector<std::string> words;
    for (int i = first; i < argc; ++i) words.emplace_back(argv[i]);
    return words;
}

int runInteractive(int argc, char** argv) {
    StartupInputs inputs = hostStartupInputs(argc, argv);
    inputs.args = optionWords(argc, argv, 1);
    const std::string home =
        findHomeDirectory(inputs.currentDir, inputs.exePath, inputs.sourceHome);
    if (const int status = reportCommandLineOptions(inputs.args, home, std::cerr)) return status;
    TerminalConsole terminal = openTerminalConsole();
    if (!terminal.console) {
        std::fprintf(stderr, "vrk: %s\n", terminal.error.c_str());
        return 1;
    }
    Session session;
    // The catalogue loader, the schedule and series runs and the main menu
    // are attached here as they become available.
    StartupHooks hooks;
    hooks.loadMessageCatalogue = [](Console& console, Session& s) {
        const CatalogueLoad outcome = LoadPlayByPlayFromHome(s.catalogue, s.config.homeDir);
        ShowCatalogueLoadProblem(console, outcome);
        // A damaged catalogue is reported and play goes on: texts that cannot
        // be found say so in the play-by-play.
        return true;
    };
    hooks.mainMenu = [&inputs](Console& console, Session& s) {
        return runMainMenu(console, s, inputs, standardMenuActions());
    };
    hooks.commandLineGame = playCommandLineGame;
    // Whatever goes wrong, the terminal is given back before the message.
    std::string failure;
    int status = 1;
    try {
        status = runStartup(*terminal.console, inputs, session, hooks);
    } catch (const std::exception& e) {
        failure = e.what();
    }
    terminal.console.reset();
    if (!failure.empty()) {
        std::fprintf(stderr, "vrk: %s\n", failure.c_str());
        return 1;
    }
    return status;
}

// Prints one team file as the loader reads it, with the configuration of
// the home directory (league rows, data folder) in force.
int runShowTeam(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "vrk: --show-team needs a team file name (see vrk --help)\n");
        return 2;
    }
    StartupInputs inputs = hostStartupInputs(argc, argv);
    inputs.args = optionWords(argc, argv, 3);
    const std::string home =
        findHomeDirectory(inputs.currentDir, inputs.exePath, inputs.sourceHome);
    if (const int status = reportCommandLineOptions(inputs.args, home, std::cerr)) return status;
    Session session;
    const StartupOutcome outcome = prepareSession(inputs, session);
    for (const auto& warning : outcome.warnings) std::cerr << warning << "\n";
    if (outcome.status == StartupStatus::MissingFile) {
        std::cerr << outcome.message << "\n";
        return 1;
    }
    return showTeamCommand(session.config, argv[2], std::cout, std::cerr);
}

}  // namespace

int runApp(int argc, char** argv) {
    if (argc > 1) {
        const std::string_view first = argv[1];
        if (first == "--help" || first == "-h") {
            printHelp();
            return checkStandardOutput(0);
        }
        if (first == "--version") {
            std::printf("%s\n", kProgramTitle);
            return checkStandardOutput(0);
        }
        // Batch play: the option grammar without a screen.
        if (first == "--batch") return checkStandardOutput(runBatchCommand(argc, argv));
        // The fixed-seed benchmark.
        if (first == "bench") return checkStandardOutput(runBenchCommand(argc, argv));
        // Roster print of one team file: argv[2] is its name.
        if (first == "--show-team") return checkStandardOutput(runShowTeam(argc, argv));
        if (first == "--schedule-from-csv") return runScheduleFromCsv(argc, argv);
        if (first == "--schedule-to-csv") return checkStandardOutput(runScheduleToCsv(argc, argv));
        if (first == "--report") return checkStandardOutput(runReportCommand(argc, argv));
        if (first == "--init") return runInitCommand(argc, argv);
        if (first == "--home") return checkStandardOutput(runHomeCommand(argc, argv));
        if (first == "--import-databank") return runImportDatabankCommand(argc, argv);
        if (first.starts_with("--")) {
            std::fprintf(stderr, "vrk: unknown option %s (see vrk --help)\n", argv[1]);
            return 2;
        }
    }
    return runInteractive(argc, argv);
}

}  // namespace vrk
