#include "shell/main_menu.h"
#include "core/text_fields.h"

#include "screens/main_menu_screen.h"
#include "shell/config_edit.h"
#include "shell/file_actions.h"
#include "shell/game_modes.h"
#include "shell/startup.h"

namespace vrk {

std::string notAvailableText(char choice) {
    for (const MainMenuItem& item : kMainMenuItems)
        if (item.letter == choice) return concat({" ", item.label, " is not available yet. "});
    return " That choice is not available yet. ";
}

void resetRun(Session& session) {
    RunSettings& run = session.run;
    run.schedulePlay = false;
    run.seriesPlay = false;
    run.scheduleName.clear();
    run.seriesName.clear();
    run.statsSet.clear();
    run.boxScoreFile.clear();
    run.scoreCardFile.clear();
    run.lineScoreFile.clear();
    run.vazaZevFile.clear();
    session.completedGames = 0;
}

bool dispatchMenuChoice(char choice, Console& console, Session& session, const StartupInputs& in,
                        const MenuActions& actions) {
    auto plugged = [&](const MenuAction& action) {
        if (action) {
            action(console, session);
        } else {
            tellUser(console, session, notAvailableText(choice));
        }
    };
    switch (choice) {
        case 'Q':
            return false;
        case 'M':
        case 'T': {
            const bool goOn =
                choice == 'M' ? runManualMode(console, session) : runTwoTeamMode(console, session);
            resetRun(session);
            if (!goOn) return false;
            break;
        }
        case 'P': {
            const ProgramRunner runner = [&](const std::vector<std::string>& argv) {
                return actions.runProgram ? actions.runProgram(console, argv)
                                          : console.runForeground(argv);
            };
            editConfiguration(console, session, in, runner);
            break;
        }
        case 'S':
            plugged(actions.schedule);
            break;
        case 'E':
            plugged(actions.series);
            break;
        case 'A':
            plugged(actions.reports);
            break;
        case 'F':
            plugged(actions.fileViewer);
            break;
        default:
            break;
    }
    resetRun(session);
    return !session.endProgram;
}

int runMainMenu(Console& console, Session& session, const StartupInputs& in,
                const MenuActions& actions) {
    int highlight = 0;
    while (true) {
        console.clear();
        setUpConsole(console, session);
        const char choice = MainMenuScreen(console, highlight);
        if (!dispatchMenuChoice(choice, console, session, in, actions)) break;
    }
    console.clear();
    return 0;
}

}  // namespace vrk
