#pragma once
#include <functional>
#include <string>
#include <vector>

#include "presentation/console.h"
#include "shell/config_file.h"
#include "shell/host_info.h"
#include "shell/session.h"

namespace vrk {

enum class StartupStatus {
    Ready,            // settings read; go on to the screens
    MissingFile,      // BASEBALL.MSG or STADIUM.TXT absent: end the program
    ScheduleMissing,  // the command line asked for a schedule that is not there
    SeriesMissing,
};

struct StartupOutcome {
    StartupStatus status = StartupStatus::Ready;
    std::string message;                // for a status other than Ready
    std::vector<std::string> warnings;  // from BASEBALL.CFG and the command line, in order
};

// The parts of start-up that other parts of the program provide. Each may
// be left empty; what is empty is skipped.
struct StartupHooks {
    // Loads BASEBALL.MSG into the session's catalogue; false ends the program.
    std::function<bool(Console&, Session&)> loadMessageCatalogue;
    // Runs the schedule or series the command line named; returns the exit status.
    std::function<int(Console&, Session&)> runSchedule;
    std::function<int(Console&, Session&)> runSeries;
    // One displayed game between the teams the command line names (/V: and
    // /H:); returns true to go on to the main menu afterwards.
    std::function<bool(Console&, Session&)> commandLineGame;
    // The main menu loop; returns the exit status. While it is absent,
    // start-up ends at the initialisation screen after a key.
    std::function<int(Console&, Session&)> mainMenu;
};

// The texts of start-up's failures.
inline constexpr const char* kMissingMessageFile =
    "The BASEBALL.MSG file was not found in the home directory.";
inline constexpr const char* kMissingStadiumFile =
    "The STADIUM.TXT file was not found in the home directory.";
inline constexpr const char* kScheduleNotFound = "The schedule file was not found.";
inline constexpr const char* kSeriesNotFound = "The series file was not found.";

// Everything of start-up that needs no screen: the random seed, the home
// directory, the fixed tables, the companion-file checks, the configuration
// and the command line. Batch runs use it alone.
StartupOutcome prepareSession(const StartupInputs& in, Session& session);

// Defaults, BASEBALL.CFG, the glyph set, the per-run flags and the command
// line, in that order: the part of start-up that a re-read repeats.
std::vector<std::string> loadSettings(const StartupInputs& in, Session& session,
                                      ConfigReadMode mode);

// The initialisation screen's lines, top to bottom.
std::vector<std::string> initialisationLines(const StartupInputs& in, const Config& config);

// When the command line asked for a schedule or a series: is its file in the
// data folder? Ready when it is, or when none was asked for.
StartupOutcome checkRequestedRun(const Session& session);

// Full start-up on a console: prepareSession, then the warnings, the console
// set-up, the initialisation screen and the hooks. Returns the exit status.
int runStartup(Console& console, const StartupInputs& in, Session& session,
               const StartupHooks& hooks);

// Title and play-area layout from the console's real size.
void setUpConsole(Console& console, Session& session);

// A full-screen message box waiting for a key; "|" starts a new line.
void showWarning(Console& console, Session& session, const std::string& text);

}  // namespace vrk
