#pragma once
#include <optional>
#include <vector>

#include "presentation/console.h"
#include "shell/batch_schedule.h"
#include "shell/session.h"

namespace vrk {

// What a replay on the console and the user's games in it tell each other.
struct ReplayConsoleState {
    bool quitPending = false;  // stop after the game in play (saved)
    bool endProgram = false;   // the user ended the program from a game
};

// A user's game of a schedule replay: the notice and the Manual Manage
// Options screen, then the game on screen (or played unseen when the user
// says so) with the end-of-game bar. A game quit before its last out is not
// played: the replay saves and stops before it.
UserGameOutcome playScheduleUserGame(Console& console, Session& session, UserGame& user,
                                     ReplayConsoleState& state);

// The standings of a replay in the narrow layout with the Hi-Lites window,
// until ESC; `extra` is a game just over and not yet in the table.
void showReplayStandings(Console& console, const StandingsTable& table,
                         const std::vector<Highlight>& highlights,
                         const std::optional<std::pair<StandingsSide, StandingsSide>>& extra = {});

}  // namespace vrk
