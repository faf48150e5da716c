#pragma once
#include <array>
#include <string>
#include <vector>

namespace vrk {

class Console;
struct Player;
struct Team;

inline constexpr const char* kManuallyManagedNotice = "The next game is 'Manually-Managed'.";
inline constexpr const char* kQuitNowNotice = "Hit 'Q' if you would like to quit now.";
inline constexpr const char* kStarterHeading = "                           W  L   ERA";
inline constexpr const char* kChangeStarterQuestion = "Want to change your starting pitcher? [y/N]";
inline constexpr const char* kOpponentLineupQuestion = " Want to access your opponent's lineup? ";
inline constexpr const char* kHowToPlayQuestion =
    " [P]lay this game yourself  [W]atch it  [S]imulate it ";

// A side of the next game that the user manages.
struct ManualManageSide {
    const Team* own = nullptr;
    const Team* opponent = nullptr;
    std::vector<int> candidates;  // roster entries, the scheduled starter first
};

struct ManualManageRequest {
    long number = 0;  // "This is game n of total"
    long total = 0;
    std::array<ManualManageSide, 3> sides;  // by team slot; own == nullptr: the computer's
    bool designatedHitter = false;
    bool daysOffRule = false;
};

enum class UserGamePlay {
    Manage,    // on screen, the user's sides managed from the keyboard
    Watch,     // on screen, the computer managing both sides
    Simulate,  // without display, as an unmarked game
};

struct ManualManageAnswer {
    bool quit = false;             // Q at the notice: the game is not played
    std::array<int, 3> starter{};  // a side's new starter; 0 keeps the scheduled one
    UserGamePlay play = UserGamePlay::Manage;
};

// A pitcher's line under the heading: won-lost and earned-run average, from
// the statistics set's season to date when he has pitched in it (then
// marked " [SIM]"), else from the team file. The scheduled one gets "->".
std::string StarterCandidateLine(const Player& pitcher, bool scheduled);

// The rotation's starters in the order they would come, beginning with the
// scheduled one (who leads the list even when he is not in the rotation).
std::vector<int> StarterCandidates(const std::vector<int>& rotation, int scheduled);

// The notice of a user's game, then the Manual Manage Options screen: the
// starters of each user side with the chance to change them, the
// opponent's line-up, and how the game is to be played.
ManualManageAnswer RunManualManageOptions(Console& console, const ManualManageRequest& request);

}  // namespace vrk
