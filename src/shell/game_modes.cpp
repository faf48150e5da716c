#include "shell/game_modes.h"

#include <memory>
#include <string>
#include <vector>

#include "core/text_fields.h"
#include "screens/won_lost_screen.h"
#include "shell/file_actions.h"
#include "shell/game_standin.h"

namespace vrk {

namespace {

constexpr int kStatusAttribute = 0 + 16 * 7;

std::vector<WonLostLine> Lines(const GameSetup& setup, const TwoTeamTally& tally) {
    std::vector<WonLostLine> lines;
    for (int t = 1; t <= 2; ++t) {
        const auto i = static_cast<std::size_t>(t);
        lines.push_back({std::string(trim(setup.teams[i].teamName)), tally.wins[i],
                         tally.wins[3 - i], tally.runs[i]});
    }
    return lines;
}

void Count(TwoTeamTally& tally, const GameResult& result) {
    ++tally.games;
    ++tally.wins[static_cast<std::size_t>(result.winner)];
    tally.runs[1] += result.score[1];
    tally.runs[2] += result.score[2];
}

void StatusLine(Console& console, const std::string& text) {
    console.printAt(
        console.rows(), 1,
        padRight(" VRK v4.9.4b  Two-Team  " + text, static_cast<std::size_t>(console.cols())),
        kStatusAttribute);
}

bool StopAsked(Console& console) {
    for (std::string key = console.pollKey(); !key.empty(); key = console.pollKey())
        if (key == "Q" || key == "q" || key == "\x1b") return true;
    return false;
}

}  // namespace

RunEnd runTwoTeamGames(Console& console, Session& session, GameSetup& setup, TwoTeamTally& tally) {
    const bool quiet = setup.standingsOnly();
    const int total = setup.twoTeam.games;
    auto carry = std::make_unique<BatchCarry>();
    if (quiet) {
        console.clear();
        StatusLine(console, "Q: stop after this game");
        DrawWonLost(console, Lines(setup, tally), 0, total);
    }
    for (int g = 1; g <= total; ++g) {
        // Teams are read afresh for every game, as each game starts from the file.
        if (g > 1 && !reloadTeams(console, session, setup)) return RunEnd::Failed;
        auto game = std::make_unique<Game>(setup.teams, setup.rules.normalization.context,
                                           session.config, session.rng);
        prepareGame(*game, setup, *carry, !quiet);
        GameResult result;
        if (quiet) {
            result = PlayManagedGame(*game, carry->managers);
        } else {
            result = playDisplayedGameStandIn(console, session, *game, carry->managers, "Two-Team",
                                              false);
        }
        Count(tally, result);
        ++session.completedGames;
        if (quiet) {
            DrawWonLost(console, Lines(setup, tally), g, total);
            if (g < total && StopAsked(console)) {
                StatusLine(console, kQuitPending);
                return RunEnd::Stopped;
            }
            continue;
        }
        if (g == total) break;
        if (setup.simulation.pauseAfterGame) {
            StatusLine(console, kContinueSimulation);
            console.waitKey();
        } else {
            console.sleepMs(1000 * setup.delay());
        }
    }
    return RunEnd::Finished;
}

void runManualMode(Console& console, Session& session) {
    auto setup = std::make_unique<GameSetup>();
    if (!setUpManualGame(console, session, *setup)) return;
    showBeginScreen(console, session, *setup);
    auto carry = std::make_unique<BatchCarry>();
    auto game = std::make_unique<Game>(setup->teams, setup->rules.normalization.context,
                                       session.config, session.rng);
    prepareGame(*game, *setup, *carry, true);
    playDisplayedGameStandIn(console, session, *game, carry->managers, "Manual  ", true);
    ++session.completedGames;
}

void runTwoTeamMode(Console& console, Session& session) {
    auto setup = std::make_unique<GameSetup>();
    if (!setUpTwoTeamGames(console, session, *setup)) return;
    if (!setup->standingsOnly()) showBeginScreen(console, session, *setup);
    TwoTeamTally tally;
    const RunEnd end = runTwoTeamGames(console, session, *setup, tally);
    if (end == RunEnd::Failed) return;
    console.clear();
    DrawWonLost(console, Lines(*setup, tally), tally.games, setup->twoTeam.games);
    // Below the table, which stays in view.
    const ScreenLayout l = layoutFor(console.rows(), console.cols());
    console.messageBox(l.top + 16, l.left + 18,
                       end == RunEnd::Finished
                           ? "Your Two-Team game simulation is complete! |"
                             "Hit any key for the Main Menu."
                           : "The simulation was stopped.|Hit any key for the Main Menu.",
                       15 + 16 * 4);
}

}  // namespace vrk
