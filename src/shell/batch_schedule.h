#pragma once
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "data/schedule_restart.h"
#include "shell/batch_game.h"
#include "shell/batch_run.h"
#include "shell/session.h"

namespace vrk {

// A game of the replay that the option strings put under the user's
// control, handed over before its first pitch.
struct UserGame {
    Game& game;  // teams loaded, season-to-date figures and files attached
    const BatchRules& rules;
    BatchCarry& carry;
    long number = 0;  // this game's place in the games the filter admits
    long total = 0;
    std::string date;
    std::array<bool, 3> userSide{};   // by team slot
    const StandingsTable& standings;  // before this game
};

struct UserGameOutcome {
    bool played = false;  // to the last out: recorded like any other game
    GameResult result;
};

// What a replay on the console adds to the unattended one.
struct ScheduleHooks {
    // After every game, with the standings and highlights so far; `refresh`
    // at every REFRESH-STANDINGS= games but the last (instead of the text).
    std::function<void(const StandingsTable&, const std::vector<Highlight>&, bool refresh)>
        afterGame;
    // Plays a user's game. One not played stops the replay before it, saved.
    std::function<UserGameOutcome(UserGame&)> userGame;
};

// `vrk --batch /SCH:NAME [/ST:SET]`: replays the schedule's games in order,
// those the filter options (/LEAGUE: /TEAM: /FROM: /TO:) admit, without a
// screen. With a statistics set the replay is saved at the end of every
// date (unless /PD:N), journaled after every game with /PG:Y, saved when a
// stop is asked for, and run again it goes on where the last save left it.
int runScheduleBatch(Session& session, BatchIo& io, const ScheduleHooks* hooks = nullptr);

}  // namespace vrk
