#include <gtest/gtest.h>
#include "test_paths.h"

#include "data/team_file.h"
#include "engine/play_game.h"
#include "presentation/catalogue.h"
#include "presentation/console_memory.h"
#include "presentation/console_narration.h"
#include "shell/config_file.h"

namespace vrk {
namespace {

// Displayed games between shipped teams, told through the shipped
// catalogue: every key the engine asks for must have a text.
TEST(ConsoleNarration, ShippedGamesNeverMissAText) {
    Config config;
    config.homeDir = vrk::test::sourceHome();
    readConfigFile(std::string(vrk::test::sourceHome()) + "/BASEBALL.CFG", config,
                   ConfigReadMode::Startup);
    PlayByPlayCatalogue catalogue;
    ASSERT_EQ(LoadPlayByPlayFromHome(catalogue, config.homeDir).status,
              CatalogueLoadStatus::Loaded);

    MemoryConsole console(44, 102);
    AnnouncerEnvironment quiet;
    quiet.locate = [](const std::string&) { return std::optional<std::string>(); };
    quiet.launch = [](const std::vector<std::string>&) { return false; };
    ConsoleNarration narration(console, catalogue, quiet);

    const std::pair<const char*, const char*> pairings[] = {
        {"CAMHAVEN", "FELVORA"}, {"SARFORD", "TAVMERE"}, {"GORWICK", "MARDALE"}};
    int seed = 11;
    for (const auto& [visitors, home] : pairings) {
        TeamSlots teams;
        ASSERT_FALSE(loadTeamPair(teams, visitors, home, config).abort);
        Rng rng(static_cast<std::uint64_t>(seed++));
        LeagueContext normalization;
        Game game(teams, normalization, config, rng);
        game.options.displayed = true;
        game.options.playDelay = 1;
        game.options.designatedHitter = teams[2].dhRule == -1;
        narration.attach(game);
        const GameResult result = PlayGame(game);
        EXPECT_NE(result.winner, 0);
    }
    EXPECT_GT(narration.linesQueued(), 300);
    EXPECT_EQ(narration.missingTexts(), 0);
    EXPECT_GT(console.sleptMs(), 0);

    // The same count does see a missing text: an empty catalogue misses all.
    PlayByPlayCatalogue empty;
    ConsoleNarration bare(console, empty, quiet);
    TeamSlots teams;
    ASSERT_FALSE(loadTeamPair(teams, "CAMHAVEN", "FELVORA", config).abort);
    Rng rng(5);
    LeagueContext normalization;
    Game game(teams, normalization, config, rng);
    game.options.displayed = true;
    game.options.playDelay = 1;
    bare.attach(game);
    PlayGame(game);
    EXPECT_GT(bare.missingTexts(), 50);
}

}  // namespace
}  // namespace vrk
