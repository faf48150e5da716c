#pragma once
#include <functional>
#include <string>
#include <string_view>

#include "presentation/console.h"
#include "presentation/status_bar.h"

namespace vrk {

// What the keys of the end-of-game bar do; each empty action tells the user
// that it is not available.
struct GameBarActions {
    std::function<void()> boxScore;          // B
    std::function<void()> scoreCard;         // C
    std::function<void()> standings;         // R
    std::function<void()> statisticsReport;  // S; empty: no statistics file was given
    std::function<void()> documentation;     // D
    std::function<void()> saveScheduleState;
    // Draws the screen under the bar again (after a resize or a viewer).
    std::function<void()> redraw;
};

struct EndOfGameBarSettings {
    std::string mode;                // as the status bar shows it
    bool simulation = false;         // one game of several
    bool lastGame = true;            // no game of the simulation follows
    bool continuesByItself = false;  // the next game starts on Enter
    int attribute = 15 + 16 * 1;
    int highlight = 14 + 16 * 1;
};

enum class BarChoice {
    Next,      // leave the bar: the next game, or the end of the simulation
    MainMenu,  // reset and return to the main menu
};

inline constexpr std::string_view kContinueSimulation = "Hit ENTER to continue your simulation.";
inline constexpr std::string_view kWantToContinue = " Want to continue the Simulation? [Y/n]   ";
inline constexpr std::string_view kNoStatisticsFile =
    " You didn't specify a statistics file during setup. ";
inline constexpr std::string_view kReturnToMainMenu = " Return to Main Menu? [y/N]   ";

// The bar after the last out: B C N R S D Q until a key leaves it.
BarChoice runEndOfGameBar(Console& console, const EndOfGameBarSettings& settings,
                          const GameBarActions& actions);

enum class SimulationEnd { MainMenu, EndProgram };

// The end of a simulation: "Your <mode> game simulation is complete!" with
// the same bar; "Q" asks whether to return to the main menu.
SimulationEnd runEndOfSimulation(Console& console, const EndOfGameBarSettings& settings,
                                 const GameBarActions& actions);

}  // namespace vrk
