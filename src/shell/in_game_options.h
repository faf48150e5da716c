#pragma once
#include "engine/game.h"
#include "presentation/console.h"
#include "screens/options_windows.h"
#include "shell/session.h"

namespace vrk {

// Settings of a watched run that the game itself does not hold.
struct WatchSettings {
    bool announcer = false;
    bool changeBackground = false;
    bool pauseAfterGame = false;
    bool pauseAfterDate = false;
};

// The window's starting values, from the game and the run.
InGameOptions currentInGameOptions(const Game& game, const Config& config,
                                   const WatchSettings& watch);

// Puts accepted values into effect: who manages each side, the delay, sound
// (off at delay 0), focusing, the run's settings, and a changed colour
// scheme into the configuration at once. Returns true when the colour
// scheme changed, so the caller redraws the field.
bool applyInGameOptions(const InGameOptions& options, Game& game, Config& config,
                        WatchSettings& watch);

// The "O" key while watching: the Options window, then the values applied.
// The game screen calls it; true when the screen needs redrawing in the
// new colours.
bool openInGameOptions(Console& console, Session& session, Game& game, WatchSettings& watch);

}  // namespace vrk
