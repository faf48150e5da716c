#pragma once
#include <array>
#include <string>
#include <string_view>

namespace vrk {

class Console;

inline constexpr std::string_view kNormalizationRefusal =
    "Response must be [H, V, B] or [####L] where ####=Year L=League";
inline constexpr std::string_view kColourSchemeRefusal = " Color Scheme out of range [1-6]";
inline constexpr std::string_view kDelayZeroRefusal =
    " Delay cannot be 0 if either AutoManager = N ";

// A cross-era normalisation entry trimmed and upper-cased.
std::string NormalizationEntry(std::string_view typed);
// Blank, "H", "V", "B", or four digits and a letter (season and league).
bool NormalizationEntryAccepted(std::string_view entry);

// "Manager Options and other Preferences" of a manual game. Index 1 is the
// visitors, 2 the home side.
struct ManagerOptions {
    std::array<bool, 3> computerManages{false, true, true};
    int delay = 3;
    bool sound = true;
    std::string picture = "--NONE--";
    bool announcer = false;
    std::string normalize;
    bool focusing = false;
};
// Shows the window; on closing, a delay of 0 switches the sound off.
void ManagerOptionsWindow(Console& console, ManagerOptions& options);

// "More Simulation Options" of the simulation modes.
struct SimulationOptions {
    std::string normalize;
    bool focusing = false;
    bool pauseAfterGame = false;
    bool pauseAfterDate = false;
    int delay = 0;
    bool autoLineup = true;
    char battingOrder = 'Y';  // Y, N, C or F
};
void MoreSimulationOptionsWindow(Console& console, SimulationOptions& options);

// The Two-Team game settings.
struct TwoTeamSettings {
    int games = 1;
    std::array<bool, 3> autoLineup{};
    std::array<char, 3> battingOrder{'N', 'N', 'N'};  // Y, N, C or F
    bool designatedHitter = false;
    bool automaticRunner = false;
    bool spotStarters = false;
};
inline constexpr int kMaxTwoTeamGames = 9999;
void TwoTeamSettingsWindow(Console& console, TwoTeamSettings& settings);

// The in-game "Options" window opened while watching.
struct InGameOptions {
    bool quickPlay = false;
    std::array<bool, 3> computerManages{false, true, true};
    int delay = 3;
    int colourScheme = 5;
    bool changeBackground = false;
    bool sound = true;
    bool announcer = false;
    bool focusing = false;
    bool pauseAfterGame = false;
    bool pauseAfterDate = false;
};
// The checks of the window, in order: the colour scheme, then delay 0 with a
// side managed by the user. Returns the refusal, or "" when the values stand.
std::string InGameOptionsProblem(int colourScheme, int delay,
                                 const std::array<bool, 3>& computerManages);
// What closing the window does to its values: Quick-Play means delay 0, and
// delay 0 means no sound.
void SettleInGameOptions(InGameOptions& options);
// Shows the window with the current values and returns the accepted ones.
InGameOptions InGameOptionsWindow(Console& console, const InGameOptions& current);

}  // namespace vrk
