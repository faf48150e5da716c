#include <gtest/gtest.h>
#include "test_paths.h"

#include "data/team_file.h"
#include "presentation/console_keys.h"
#include "presentation/console_memory.h"
#include "screens/quit_pending.h"
#include "shell/batch_rules.h"
#include "shell/config_file.h"
#include "shell/displayed_game.h"

namespace vrk {
namespace {

// A session over the shipped home folder and a game between two of its
// teams, ready to be played on a memory console.
struct DisplayedFixture {
    Session session;
    TeamSlots teams;
    LeagueContext normalization;
    std::unique_ptr<Game> game;
    AutoManagerCounters counters;
    AutoManagerHooks managers{counters};

    explicit DisplayedFixture(int delay = 1, std::uint64_t seed = 7) {
        session.config.homeDir = test::sourceHome();
        readConfigFile(std::string(test::sourceHome()) + "/BASEBALL.CFG", session.config,
                       ConfigReadMode::Startup);
        LoadPlayByPlayFromHome(session.catalogue, session.config.homeDir);
        session.rng = Rng(seed);
        EXPECT_FALSE(loadTeamPair(teams, "CAMHAVEN", "FELVORA", session.config).abort);
        game = std::make_unique<Game>(teams, normalization, session.config, session.rng);
        game->options.displayed = true;
        game->options.playDelay = delay;
        game->options.sound = false;
        game->options.designatedHitter = designatedHitterGame("H", teams[1], teams[2], false) ||
                                         lineupNeedsDesignatedHitter(teams[1]);
    }

    DisplayedGameOutcome play(Console& console, DisplayedGameSettings settings = {}) {
        settings.managers = &managers;
        return playDisplayedGame(console, session, *game, settings);
    }
};

bool anyWaitShowed(const MemoryConsole& console, std::string_view text) {
    for (const std::string& row : console.screenAtLastWait())
        if (row.find(text) != std::string::npos) return true;
    return false;
}

TEST(DisplayedGame, PlaysToTheEndOfGameBarAndLeavesOnQ) {
    DisplayedFixture f;
    MemoryConsole console(24, 80);
    console.pushKey("r");  // first pass: standings refused, no game played yet
    console.pushKey(" ");
    console.pushQuietPolls();
    console.pushKey("Q");  // at the end-of-game bar: leave it
    DisplayedGameOutcome outcome;
    outcome = f.play(console);
    EXPECT_EQ(outcome.after, AfterGame::NextGame);
    EXPECT_EQ(console.keysLeft(), 0u);
    EXPECT_TRUE(outcome.completed);
    EXPECT_NE(outcome.result.winner, 0);
    const std::string bar = console.screenAtLastWait().back();
    EXPECT_EQ(bar.substr(0, 12), " VRK v4.9.4b");
    EXPECT_NE(bar.find("New  Box  Card  Results  Stats  Doc  Quit"), std::string::npos);
    EXPECT_TRUE(anyWaitShowed(console, "That's the ballgame!"));
}

}  // namespace
}  // namespace vrk
