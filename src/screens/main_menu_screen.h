#pragma once
#include <array>
#include <string_view>

namespace vrk {

class Console;

struct MainMenuItem {
    std::string_view label;
    std::string_view description;
    char letter;
};

inline constexpr std::array<MainMenuItem, 7> kMainMenuItems{{
    {"Manual [Single Game] Mode", "%  Challenge a friend or the computer manager", 'M'},
    {"Two Team Multi-Game Mode", "%  Quick-Play computer-managed simulation", 'T'},
    {"Schedule Mode", "%  Replay a season", 'S'},
    {"Series Mode", "%  Run a predetermined sequence of games", 'E'},
    {"Statistics Reports", "%  Create report for sims-in-progress", 'A'},
    {"File Viewer", "%  View documentation and report files", 'F'},
    {"Edit BASEBALL.CFG", "%  Edit game preferences", 'P'},
}};

inline constexpr std::string_view kMainMenuTitle = "VRK Main Menu";
inline constexpr std::string_view kMainMenuFooter = "Make Selection or [Q]uit";

// Shows the main menu until the user picks an item (arrows and Enter, a
// click on an item or its description, or its letter) or quits ("Q" or ESC).
// Returns one of "MTSEAFPQ"; every other key is ignored. `highlight` is the
// item highlighted at the start and is kept for the next call.
char MainMenuScreen(Console& console, int& highlight);

}  // namespace vrk
