#include <gtest/gtest.h>
#include "test_paths.h"

#include "data/team_file.h"
#include "engine/play_game.h"
#include "presentation/catalogue.h"
#include "presentation/console_memory.h"
#include "presentation/console_narration.h"
#include "presentation/scoreboard.h"
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

// The screen after the last out shows the half that was played: a home side
// ahead after the top of the ninth never batted in it.
TEST(ConsoleNarration, FinalScreenShowsTheLastHalfPlayed) {
    Config config;
    config.homeDir = vrk::test::sourceHome();
    PlayByPlayCatalogue catalogue;
    AnnouncerEnvironment quiet;
    quiet.locate = [](const std::string&) { return std::optional<std::string>(); };
    quiet.launch = [](const std::vector<std::string>&) { return false; };
    TeamSlots teams;
    ASSERT_FALSE(loadTeamPair(teams, "CAMHAVEN", "FELVORA", config).abort);
    struct Case {
        int outs, visitorsRuns, homeRuns;
        bool gameOver;
        const char* half;
        int batting;
    } cases[] = {
        {3, 2, 5, true, " Top 9 ", 1},   // home ahead: its half never began
        {1, 2, 3, true, " Bot 9 ", 2},   // won in its own half
        {3, 4, 3, true, " Bot 9 ", 2},   // lost after batting
        {3, 2, 5, false, " Bot 9 ", 2},  // still under way
    };
    for (const Case& c : cases) {
        MemoryConsole console(24, 80);
        ConsoleNarration narration(console, catalogue, quiet);
        Rng rng(3);
        LeagueContext normalization;
        Game game(teams, normalization, config, rng);
        game.options.displayed = true;
        narration.attach(game);
        GameState& s = game.state;
        s.inning = 9;
        s.scoreboardInning = 9;
        s.battingTeam = 2;
        s.fieldingTeam = 1;
        s.outs = c.outs;
        s.score[1] = c.visitorsRuns;
        s.score[2] = c.homeRuns;
        s.gameOver = c.gameOver;
        s.currentPitcher[1] = kFirstPitcherEntry;
        s.currentPitcher[2] = kFirstPitcherEntry + 1;
        narration.drawScreen();
        const std::string what = std::string(c.half) + std::to_string(c.outs);
        EXPECT_TRUE(console.screenContains(c.half)) << what;
        const Team& batting = teams[static_cast<std::size_t>(c.batting)];
        const Team& fielding = teams[static_cast<std::size_t>(3 - c.batting)];
        EXPECT_TRUE(console.screenContains("Batting: " + scoreboardName(batting.teamName))) << what;
        const int pitcher = s.currentPitcher[static_cast<std::size_t>(3 - c.batting)];
        EXPECT_TRUE(console.screenContains("Pitcher: " +
                                           PlayerFullName(fielding.player(pitcher).playerName)))
            << what;
    }
}

}  // namespace
}  // namespace vrk
