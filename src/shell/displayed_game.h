#pragma once
#include <functional>
#include <string_view>

#include "engine/game.h"
#include "managers/auto_manager_hooks.h"
#include "presentation/console.h"
#include "shell/in_game_options.h"
#include "shell/session.h"

namespace vrk {

enum class GameMode { Manual, TwoTeam, Schedule, Series };

// The mode as the status bar shows it: "Manual  ", "Two-Team", "Schedule", "Series  ".
std::string_view modeName(GameMode mode);

// What follows a displayed game.
enum class AfterGame {
    NextGame,    // the next game of the simulation, or its end screen
    MainMenu,    // reset and return to the main menu
    EndProgram,  // end the program
};

// How one displayed game is run, and the screens of other parts of the
// program it opens. Each empty action tells the user it is not available.
struct DisplayedGameSettings {
    GameMode mode = GameMode::Manual;
    bool simulation = false;         // one game of several (Two-Team, Schedule, Series)
    bool lastGame = true;            // no game of the simulation follows
    bool continuesByItself = false;  // without a pause after each game
    bool pauseAfterGame = false;     // the pause-after options (T refuses with either)
    bool pauseAfterDate = false;
    bool announcer = false;  // the announcer-audio switch: lines spoken while sound is on
    bool concealed = false;  // two users: strategy keys "S" (visitors) and "5" (home)
    // The computer managers, kept from game to game for their counters; a
    // game without them uses its own.
    AutoManagerHooks* managers = nullptr;
    // The totals the debug statistics screen shows at the end of the run.
    const AutoManagerCounters* counters = nullptr;
    const SimulationRecord* record = nullptr;
    // A user-managed side's manager (the strategy menu) and its window.
    ManagerHooks* userSide = nullptr;
    std::function<void(Console&, Session&, Game&, int team)> strategyWindow;
    // "O": the in-game Options window unless another is given here.
    std::function<void(Console&, Session&, Game&)> optionsWindow;
    std::function<void(Console&, Session&)> standings;  // R
    // Told of the last out before the end-of-game bar, whose R shows the
    // standings with this game in them.
    std::function<void(const Game&, const GameResult&)> gameOver;
    std::function<void(Console&, Session&)> statisticsReport;  // S
    // Saves the statistics file in use (Q, N and Ctrl-C when a game stops).
    std::function<void(Console&, Session&)> saveStatistics;
    std::function<void(Console&, Session&)> saveScheduleState;
};

struct DisplayedGameOutcome {
    GameResult result;
    bool completed = false;  // played to the last out
    AfterGame after = AfterGame::NextGame;
    bool quitPending = false;    // the run stops after this game
    bool standingsOnly = false;  // "T" left the game in the standings-only mode
    // The run's settings as the Options window left them (announcer, pauses).
    WatchSettings watch;
};

inline constexpr std::string_view kStandingsModeRefused =
    "Can't switch to Standings Mode if either 'PauseAfter' = Y";

// Plays one game on the console between the teams already in the game's
// slots, with its options set (displayed, delay, sound, user-managed sides)
// and its starters and line-ups chosen; then the end-of-game bar.
DisplayedGameOutcome playDisplayedGame(Console& console, Session& session, Game& game,
                                       const DisplayedGameSettings& settings);

// The end of a simulation: the debug statistics first when the run asked
// for them, then the completion screen and its bar.
AfterGame endOfSimulation(Console& console, Session& session, const DisplayedGameSettings& settings,
                          Game* lastGame);

}  // namespace vrk
