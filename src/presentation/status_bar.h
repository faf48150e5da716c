#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "presentation/console.h"

namespace vrk {

// Which key bar the bottom row shows.
enum class KeyBar {
    Watch,      // both sides computer-managed
    UserSide,   // a side managed from the keyboard
    EndOfGame,  // after the last out
};

struct StatusBarSettings {
    std::string mode;  // "Manual  ", "Schedule", "Series  " or "Two-Team"
    KeyBar bar = KeyBar::Watch;
    int playDelay = 0;
    bool visitorsKey = false;  // the strategy key of each user-managed side
    bool homeKey = false;
    char visitorsLetter = 'S';
    char homeLetter = '5';
    int attribute = 15 + 16 * 1;
    int highlight = 14 + 16 * 1;
};

// A word of the bar that answers a click with its key.
struct HotZone {
    int row = 0;
    int firstCol = 0;
    int lastCol = 0;
    char key = 0;
};

inline constexpr std::string_view kStatusBarTitle = " VRK v4.9.4b";

// The bar's text with its words, as it would be written from column 1.
struct StatusBarLine {
    std::string text;
    std::vector<HotZone> zones;         // columns relative to the line's start (1-based)
    std::vector<int> highlightColumns;  // letters in the highlight colour
};

StatusBarLine statusBarLine(const StatusBarSettings& settings);

// Draws the bar on the last row of the console, within the play area's
// columns, and returns its words' zones in screen columns.
std::vector<HotZone> drawStatusBar(Console& console, const StatusBarSettings& settings);

// The key of the zone a mouse code falls in; 0 for any other code.
char hotZoneKey(const std::vector<HotZone>& zones, std::string_view code);

}  // namespace vrk
