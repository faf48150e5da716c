#include "shell/import_command.h"

#include <cstdio>
#include <iostream>
#include <string>

#include "core/csv.h"
#include "data/databank_import.h"
#include "shell/host_info.h"
#include "shell/session.h"
#include "shell/startup.h"

namespace vrk {

int runImportDatabankCommand(int argc, char** argv) {
    if (argc != 5 && argc != 6) {
        std::cerr << "vrk: usage: vrk --import-databank DIR YEAR [LEAGUE] OUTDIR\n";
        return 2;
    }
    DatabankImportRequest request;
    request.folder = argv[2];
    const auto year = csvInteger(argv[3]);
    if (!year || *year < 1871 || *year > 9999) {
        std::cerr << "vrk: --import-databank: \"" << argv[3] << "\" is not a season\n";
        return 2;
    }
    request.year = static_cast<int>(*year);
    if (argc == 6) request.league = argv[4];
    request.outFolder = argv[argc - 1];

    // The configuration in use tells which league rows are already there.
    StartupInputs inputs = hostStartupInputs(1, argv);
    Session session;
    prepareSession(inputs, session);

    const DatabankImportResult result = importDatabankSeason(request, session.config);
    for (const auto& message : result.messages) std::cerr << "vrk: " << message << "\n";
    for (const auto& name : result.written)
        std::cout << "wrote " << request.outFolder << "/" << name << "\n";
    if (!result.schedule.empty()) {
        std::cout << "wrote " << request.outFolder << "/" << result.schedule << " ("
                  << result.scheduleGames << " games)\n";
    }
    if (!result.missingLeagueRows.empty()) {
        std::cout << "\nThe configuration in use (" << session.config.homeDir
                  << "/BASEBALL.CFG) has no league-average row for this season; the teams play "
                     "against the DEF row of their league until you add these lines among its "
                     "league-average rows:\n";
        for (const auto& row : result.missingLeagueRows) std::cout << row << "\n";
    }
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "vrk: cannot write to standard output\n";
        return 1;
    }
    return result.ok ? 0 : 1;
}

}  // namespace vrk
