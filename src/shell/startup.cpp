#include "shell/startup.h"

#include <algorithm>

#include "core/paths.h"
#include "data/option_string.h"
#include "shell/command_line.h"
#include "shell/home_directory.h"
#include "shell/version.h"

namespace vrk {

ScreenLayout layoutFor(int rows, int cols) {
    ScreenLayout l;
    l.rows = rows;
    l.cols = cols;
    l.halfRows = rows / 2;
    l.halfCols = cols / 2;
    // A console below 80 x 24 keeps the play area at its top left corner.
    l.top = std::max(l.halfRows - 12, 0);
    l.left = std::max(l.halfCols - 40, 0);
    return l;
}

std::vector<std::string> loadSettings(const StartupInputs& in, Session& session,
                                      ConfigReadMode mode) {
    Config& config = session.config;
    applyConfigDefaults(config, chooseEditors(in.envEditor, in.nanoAvailable, in.xdgOpenAvailable));

    std::vector<std::string> warnings;
    if (const auto path = findFile(config.homeDir, "BASEBALL.CFG")) {
        warnings = readConfigFile(*path, config, mode);
    }
    session.glyphs = arrowGlyphs(config.alternateFont);

    session.completedGames = 0;
    session.run.schedulePlay = false;
    session.run.seriesPlay = false;
    session.playByPlay = true;

    auto messages = readCommandLine(in.args, config.homeDir, session.run);
    warnings.insert(warnings.end(), messages.begin(), messages.end());
    applyRunSettingsToConfig(session.run, config, mode);
    return warnings;
}

StartupOutcome prepareSession(const StartupInputs& in, Session& session) {
    StartupOutcome out;
    session.seed = in.timeSeed;
    session.rng = Rng(session.seed);
    // The size a console of the current systems opens with; the terminal's
    // real size decides in the end.
    session.config.rows = 44;
    session.config.cols = 102;

    const std::string home = findHomeDirectory(in.currentDir, in.exePath, in.sourceHome);
    session.config.homeDir = home;
    session.tables = buildFixedTables(home);

    if (!fileExists(home, "BASEBALL.MSG")) {
        out.status = StartupStatus::MissingFile;
        out.message = kMissingMessageFile;
        return out;
    }
    if (!fileExists(home, "STADIUM.TXT")) {
        out.status = StartupStatus::MissingFile;
        out.message = kMissingStadiumFile;
        return out;
    }

    out.warnings = loadSettings(in, session, ConfigReadMode::Startup);
    if (session.run.seed != 0) {
        session.seed = session.run.seed;
        session.rng = Rng(session.seed);
    }
    return out;
}

StartupOutcome checkRequestedRun(const Session& session) {
    StartupOutcome out;
    const std::string folder = dataFolder(session.config);
    if (session.run.schedulePlay && !fileExists(folder, session.run.scheduleName)) {
        out.status = StartupStatus::ScheduleMissing;
        out.message = kScheduleNotFound;
    } else if (!session.run.schedulePlay && session.run.seriesPlay &&
               !fileExists(folder, session.run.seriesName)) {
        out.status = StartupStatus::SeriesMissing;
        out.message = kSeriesNotFound;
    }
    return out;
}

std::vector<std::string> initialisationLines(const StartupInputs& in, const Config& config) {
    const std::string& home = config.homeDir;
    return {
        "Your " + in.osName + " version is: " + in.osRelease,
        "---------------------------------",
        "Initializing...",
        "Home Directory: " + home,
        "USA midi: " + joinPath(home, "usan.mid"),
        "CAN midi: " + joinPath(home, "canada.mid"),
        "WordPad path: " + (config.wordProcessor.empty() ? "(none)" : config.wordProcessor),
        "Editor path: " + config.editor,
    };
}

void setUpConsole(Console& console, Session& session) {
    console.setTitle(kProgramTitle);
    session.layout = layoutFor(console.rows(), console.cols());
}

void showWarning(Console& console, Session& session, const std::string& text) {
    setUpConsole(console, session);
    console.clear();
    console.messageBox(session.layout.top + 8, session.layout.left + 6, text, 15 + 16 * 4);
    console.clear();
}

namespace {
void printLines(Console& console, const std::vector<std::string>& lines) {
    const auto width = static_cast<std::size_t>(std::max(console.cols(), 0));
    int row = 1;
    for (const std::string& line : lines) {
        // A long home path is cut to the screen rather than not shown.
        console.printAt(row++, 1, std::string_view(line).substr(0, width), 7);
    }
}
}  // namespace

int runStartup(Console& console, const StartupInputs& in, Session& session,
               const StartupHooks& hooks) {
    const StartupOutcome prepared = prepareSession(in, session);
    if (prepared.status != StartupStatus::Ready) {
        showWarning(console, session, prepared.message);
        return 1;
    }
    for (const std::string& warning : prepared.warnings) showWarning(console, session, warning);

    setUpConsole(console, session);
    console.clear();
    printLines(console, initialisationLines(in, session.config));
    console.refresh();

    if (hooks.loadMessageCatalogue) {
        if (!hooks.loadMessageCatalogue(console, session)) return 1;
        console.sleepMs(1000);
    }

    const StartupOutcome requested = checkRequestedRun(session);
    if (requested.status != StartupStatus::Ready) {
        showWarning(console, session, requested.message);
        return 1;
    }
    if (session.run.schedulePlay && hooks.runSchedule) return hooks.runSchedule(console, session);
    if (session.run.seriesPlay && hooks.runSeries) return hooks.runSeries(console, session);
    if (hooks.commandLineGame && !session.run.visitor.empty() && !session.run.home.empty()) {
        if (!hooks.commandLineGame(console, session)) return 0;
    }
    if (hooks.mainMenu) return hooks.mainMenu(console, session);

    // Until the main menu is there, start-up ends here.
    console.printAt(10, 1, "Press any key to end.", 7);
    console.waitKey();
    return 0;
}

}  // namespace vrk
