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
    bool standingsOnly = false;  // the run ended in the standings-only mode
};

enum class RunEnd {
    Finished,    // every game played
    Stopped,     // quit pending, or "Q" in the standings-only mode
    Failed,      // a team could not be read again
    MainMenu,    // the user asked for the main menu during or after a game
    EndProgram,  // the user ended the program during a game
};

inline constexpr const char* kQuitPending = " Quit Pending ";

// Plays the set-up run's games: displayed one after another (each closing
// with the end-of-game bar), or in the standings-only mode (no play-by-play,
// no pause) with the won-lost table refreshed after every game. In that mode
// "Q" or ESC stops the run after the game in play; "T" in a displayed game
// switches the rest of the run to it.
RunEnd runTwoTeamGames(Console& console, Session& session, GameSetup& setup, TwoTeamTally& tally);

// The modes as the main menu starts them; false when the user ended the
// program, true to return to the menu.
bool runManualMode(Console& console, Session& session);
bool runTwoTeamMode(Console& console, Session& session);

}  // namespace vrk
