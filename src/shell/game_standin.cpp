#include "shell/game_standin.h"

#include "core/text_fields.h"
#include "presentation/announcer.h"
#include "presentation/console_narration.h"

namespace vrk {

namespace {
constexpr int kStatusAttribute = 0 + 16 * 7;
}

GameResult playDisplayedGameStandIn(Console& console, Session& session, Game& game,
                                    AutoManagerHooks& managers, const std::string& modeName,
                                    bool waitAtEnd) {
    console.clear();
    const auto width = static_cast<std::size_t>(console.cols());
    console.printAt(console.rows(), 1, padRight(" VRK v4.9.4b  " + modeName, width),
                    kStatusAttribute);
    ConsoleNarration narration(console, session.catalogue,
                               DefaultAnnouncerEnvironment(session.config.homeDir));
    narration.attach(game);
    game.managers = &managers;
    const GameResult result = PlayManagedGame(game, managers);
    if (waitAtEnd) {
        console.printAt(console.rows(), 1,
                        padRight(" VRK v4.9.4b  " + modeName + "   Hit any key to continue", width),
                        kStatusAttribute);
        console.waitKey();
    }
    return result;
}

}  // namespace vrk
