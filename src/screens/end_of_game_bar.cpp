#include "screens/end_of_game_bar.h"
#include "core/text_fields.h"

#include <cctype>

#include "presentation/console_keys.h"
#include "screens/game_messages.h"
#include "screens/quit_pending.h"

namespace vrk {

namespace {

enum class BarKeyResult { Stay, Next, MainMenu, Quit };

void run(const std::function<void()>& action, Console& console, std::string_view what) {
    if (action) {
        console.pushScreen();
        action();
        console.popScreen();
    } else {
        tellUser(console, concat({" ", what, " not available yet. "}));
    }
}

std::vector<HotZone> drawBar(Console& console, const EndOfGameBarSettings& settings) {
    StatusBarSettings status;
    status.mode = settings.mode;
    status.bar = KeyBar::EndOfGame;
    status.attribute = settings.attribute;
    status.highlight = settings.highlight;
    return drawStatusBar(console, status);
}

// Reads one key of the bar: letters upper-cased, a click on a word as its
// letter; a resize draws the screen again and reads on.
char barKey(Console& console, const EndOfGameBarSettings& settings, const GameBarActions& actions,
            std::vector<HotZone>& zones, int& resizes) {
    for (;;) {
        const std::string key = console.waitKey();
        if (console.resizeCount() != resizes) {
            resizes = console.resizeCount();
            if (actions.redraw) actions.redraw();
            zones = drawBar(console, settings);
        }
        if (isMouseCode(key)) {
            if (const char k = hotZoneKey(zones, key)) return k;
            continue;
        }
        if (key == kKeyEnter) return '\r';
        if (key.size() == 1)
            return static_cast<char>(std::toupper(static_cast<unsigned char>(key[0])));
    }
}

// The keys both bars share; Stay for one that was handled.
BarKeyResult commonKey(Console& console, char key, const GameBarActions& actions) {
    switch (key) {
        case 'B':
            run(actions.boxScore, console, "The box score is");
            return BarKeyResult::Stay;
        case 'C':
            run(actions.scoreCard, console, "The score card is");
            return BarKeyResult::Stay;
        case 'R':
            run(actions.standings, console, "The standings are");
            return BarKeyResult::Stay;
        case 'S':
            if (actions.statisticsReport) {
                run(actions.statisticsReport, console, "The statistics report is");
            } else {
                tellUser(console, kNoStatisticsFile);
            }
            return BarKeyResult::Stay;
        case 'D':
            run(actions.documentation, console, "The documentation is");
            return BarKeyResult::Stay;
        case 'Q':
        case kInterruptKey:
            return BarKeyResult::Quit;
        default:
            return BarKeyResult::Stay;
    }
}

}  // namespace

BarChoice runEndOfGameBar(Console& console, const EndOfGameBarSettings& settings,
                          const GameBarActions& actions) {
    std::vector<HotZone> zones = drawBar(console, settings);
    int resizes = console.resizeCount();
    const bool enterContinues =
        settings.simulation && !settings.lastGame && settings.continuesByItself;
    if (enterContinues) {
        const int row = std::max(console.rows() - 1, 1);
        console.printAt(row, playAreaLeft(console.cols()) + 21, kContinueSimulation, 15);
    }
    for (;;) {
        const char key = barKey(console, settings, actions, zones, resizes);
        if (key == '\r' && enterContinues) return BarChoice::Next;
        if (key == 'N') {
            if (!settings.simulation || settings.lastGame) return BarChoice::MainMenu;
            if (askYesNo(console, kWantToContinue, true)) return BarChoice::Next;
            if (actions.saveScheduleState) actions.saveScheduleState();
            return BarChoice::MainMenu;
        }
        if (commonKey(console, key, actions) == BarKeyResult::Quit) {
            if (actions.saveScheduleState) actions.saveScheduleState();
            return BarChoice::Next;
        }
    }
}

SimulationEnd runEndOfSimulation(Console& console, const EndOfGameBarSettings& settings,
                                 const GameBarActions& actions) {
    std::string mode = settings.mode;
    while (!mode.empty() && mode.back() == ' ') mode.pop_back();
    const std::string complete = "Your " + mode + " game simulation is complete! ";
    GameBarActions own = actions;
    auto drawText = [&] {
        if (actions.redraw) actions.redraw();
        const int top = playAreaTop(console.rows());
        const int left = playAreaLeft(console.cols());
        console.fillArea(top + 9, left + 15, 4, 50, kPromptAttribute);
        console.drawFrame(top + 9, left + 15, 4, 50, FrameStyle::Double, kPromptAttribute);
        console.printAt(top + 10, left + 17, complete.substr(0, 46), kPromptAttribute);
        console.printAt(top + 11, left + 17, "Select an Option from the list below.",
                        kPromptAttribute);
    };
    own.redraw = drawText;
    drawText();
    std::vector<HotZone> zones = drawBar(console, settings);
    int resizes = console.resizeCount();
    for (;;) {
        const char key = barKey(console, settings, own, zones, resizes);
        if (key == 'N') return SimulationEnd::MainMenu;
        if (commonKey(console, key, own) == BarKeyResult::Quit) {
            return askYesNo(console, kReturnToMainMenu, false) ? SimulationEnd::MainMenu
                                                               : SimulationEnd::EndProgram;
        }
    }
}

}  // namespace vrk
