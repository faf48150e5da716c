#pragma once
#include <string>

#include "engine/game.h"
#include "managers/auto_manager_hooks.h"
#include "presentation/console.h"
#include "shell/session.h"

namespace vrk {

// STAND-IN for the displayed game (scoreboard, field, status bar, watch keys,
// end-of-game bar), which is built separately. Until it is there, a
// prepared game is played on screen with the plain console narration, so
// that the modes can be set up and watched end to end. Everything that calls
// it goes through this one function: swap the body when the real screen lands.
//
// Plays the game whose teams, options and managers are set; with
// `waitAtEnd`, waits for a key after "That's the ballgame!".
GameResult playDisplayedGameStandIn(Console& console, Session& session, Game& game,
                                    AutoManagerHooks& managers, const std::string& modeName,
                                    bool waitAtEnd);

}  // namespace vrk
