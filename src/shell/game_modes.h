#pragma once
#include <array>

#include "presentation/console.h"
#include "shell/game_setup.h"
#include "shell/session.h"

namespace vrk {

// How a Two-Team run stands: wins and runs by team slot.
struct TwoTeamTally {
    int games = 0;
    std::array<int, 3> wins{};
    std::array<long, 3> runs{};
};

enum class RunEnd { Finished, Stopped, Failed };

inline constexpr const char* kContinueSimulation = "Hit ENTER to continue your simulation.";
inline constexpr const char* kQuitPending = " Quit Pending ";

// Plays the set-up run's games: displayed one after another, or in the
// standings-only mode (no play-by-play, no pause) with the won-lost table
// refreshed after every game. In that mode "Q" or ESC stops the run after
// the game in play.
RunEnd runTwoTeamGames(Console& console, Session& session, GameSetup& setup, TwoTeamTally& tally);

// The modes as the main menu starts them; each returns to the menu.
void runManualMode(Console& console, Session& session);
void runTwoTeamMode(Console& console, Session& session);

}  // namespace vrk
