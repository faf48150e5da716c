#include "shell/in_game_options.h"

#include "shell/config_file.h"

namespace vrk {

InGameOptions currentInGameOptions(const Game& game, const Config& config,
                                   const WatchSettings& watch) {
    InGameOptions o;
    const GameState& s = game.state;
    o.quickPlay = false;
    o.computerManages = {false, !s.display.userManaged[1], !s.display.userManaged[2]};
    o.delay = s.display.playDelay;
    o.colourScheme = config.colorScheme;
    o.changeBackground = watch.changeBackground;
    o.sound = s.display.soundOn;
    o.announcer = watch.announcer;
    o.focusing = game.options.regressionOption;
    o.pauseAfterGame = watch.pauseAfterGame;
    o.pauseAfterDate = watch.pauseAfterDate;
    return o;
}

bool applyInGameOptions(const InGameOptions& chosen, Game& game, Config& config,
                        WatchSettings& watch) {
    InGameOptions o = chosen;
    SettleInGameOptions(o);
    GameState& s = game.state;
    s.display.userManaged = {false, !o.computerManages[1], !o.computerManages[2]};
    game.options.userManaged = s.display.userManaged;
    s.display.playDelay = o.delay;
    game.options.playDelay = o.delay;
    s.display.soundOn = o.sound;
    game.options.sound = o.sound;
    game.options.regressionOption = o.focusing;
    watch.announcer = o.announcer;
    watch.changeBackground = o.changeBackground;
    watch.pauseAfterGame = o.pauseAfterGame;
    watch.pauseAfterDate = o.pauseAfterDate;
    if (o.colourScheme == config.colorScheme) return false;
    applyColorScheme(config, o.colourScheme);
    return true;
}

bool openInGameOptions(Console& console, Session& session, Game& game, WatchSettings& watch) {
    const InGameOptions chosen =
        InGameOptionsWindow(console, currentInGameOptions(game, session.config, watch));
    return applyInGameOptions(chosen, game, session.config, watch);
}

}  // namespace vrk
