#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include "test_paths.h"

#include "data/team_file.h"
#include "presentation/console_keys.h"
#include "presentation/console_memory.h"
#include "presentation/console_narration.h"
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

    std::filesystem::path writeFolder;

    explicit DisplayedFixture(int delay = 1, std::uint64_t seed = 7) {
        session.config.homeDir = test::sourceHome();
        readConfigFile(std::string(test::sourceHome()) + "/BASEBALL.CFG", session.config,
                       ConfigReadMode::Startup);
        // Files a game writes (the box score) go to a folder of the test's own.
        writeFolder = std::filesystem::temp_directory_path() /
                      ("vrk_displayed_" + std::to_string(::getpid()));
        std::filesystem::create_directories(writeFolder);
        session.config.writePath = writeFolder.string() + "/";
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

    ~DisplayedFixture() {
        std::error_code ignored;
        std::filesystem::remove_all(writeFolder, ignored);
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

// The screen, its keys and its score card sit between the engine and the
// console without changing a pitch: the same seed gives the same game as
// the plain narration does.
TEST(DisplayedGame, PlaysTheSameGameAsThePlainNarration) {
    for (std::uint64_t seed : {3u, 8u, 21u, 34u}) {
        DisplayedFixture shown(1, seed);
        shown.session.config.warmupRule = true;  // the relievers' warm-up clock counts
        MemoryConsole console(24, 80);
        console.pushQuietPolls();
        console.pushKey("q");
        const GameResult a = shown.play(console).result;

        DisplayedFixture plain(1, seed);
        plain.session.config.warmupRule = true;
        MemoryConsole other(24, 80);
        AnnouncerEnvironment quiet;
        quiet.locate = [](const std::string&) { return std::optional<std::string>(); };
        quiet.launch = [](const std::vector<std::string>&) { return false; };
        ConsoleNarration narration(other, plain.session.catalogue, quiet);
        narration.attach(*plain.game);
        const GameResult b = PlayManagedGame(*plain.game, plain.managers);
        EXPECT_EQ(a.score, b.score) << seed;
        EXPECT_EQ(a.runsByInning, b.runsByInning) << seed;
        EXPECT_EQ(a.winningPitcher, b.winningPitcher) << seed;
    }
}

enum class Ending { TopOfTheNinth, WalkOff, VisitorsInNine, ExtraInnings };

Ending EndingOf(const GameResult& r) {
    if (r.innings > 9) return Ending::ExtraInnings;
    if (r.winner == kVisitors) return Ending::VisitorsInNine;
    // A home side that wins without scoring in the ninth never batted in it.
    return r.runsByInning[kHome][r.innings] == 0 ? Ending::TopOfTheNinth : Ending::WalkOff;
}

int RowsWith(const std::vector<std::string>& screen, std::string_view text) {
    int n = 0;
    for (const std::string& row : screen) n += row.find(text) != std::string::npos;
    return n;
}

// A watched game with sound on, left at its end-of-game bar; the screen the
// bar waited on is checked for the closing window over the field and the
// spoken closing lines in the play-by-play panel.
GameResult PlayToTheBarWithSound(std::uint64_t seed, GameMode mode) {
    DisplayedFixture f(1, seed);
    f.game->options.sound = true;
    MemoryConsole console(24, 80);
    console.pushQuietPolls();
    console.pushKey("q");
    DisplayedGameSettings settings;
    settings.mode = mode;
    const DisplayedGameOutcome outcome = f.play(console, settings);
    const std::string label = "seed " + std::to_string(seed) + ", " + std::string(modeName(mode));
    EXPECT_TRUE(outcome.completed) << label;
    EXPECT_EQ(console.keysLeft(), 0u) << label;
    const std::vector<std::string>& screen = console.screenAtLastWait();
    EXPECT_NE(screen.back().find("New  Box  Card"), std::string::npos) << label;
    const std::string winner = "WINNER: '" + f.game->team(outcome.result.winner).teamName;
    EXPECT_EQ(RowsWith(screen, winner), 1) << label;
    EXPECT_EQ(RowsWith(screen, "Select an Option from the Menu Bar below."), 1) << label;
    // Once in the window, once in the panel.
    EXPECT_EQ(RowsWith(screen, "That's the ballgame!"), 2) << label;
    EXPECT_EQ(RowsWith(screen, "takes this one."), 1) << label;
    EXPECT_EQ(RowsWith(screen, "Game over!"), 0) << label << ": said again after the closing lines";
    return outcome.result;
}

TEST(DisplayedGame, ClosingTextsOnScreenAtTheBarHoweverTheGameEnds) {
    std::map<Ending, std::uint64_t> seedOf;
    for (std::uint64_t seed = 1; seed <= 60 && seedOf.size() < 4; ++seed)
        seedOf.emplace(EndingOf(PlayToTheBarWithSound(seed, GameMode::Manual)), seed);
    ASSERT_EQ(seedOf.size(), 4u) << "every kind of ending among the seeds tried";
    // The modes differ only around the game; the ending that hid the
    // window once is played under each of them.
    for (GameMode mode : {GameMode::TwoTeam, GameMode::Schedule, GameMode::Series})
        PlayToTheBarWithSound(seedOf[Ending::TopOfTheNinth], mode);
}

// A game stopped in its middle: which answers stop it, what is saved, and
// what the caller is told to do next.
TEST(DisplayedGame, QuitPendingDuringTheGame) {
    const std::string ctrlC(1, kInterruptKey);
    struct Case {
        const char* what;
        GameMode mode;
        std::vector<std::string> keys;  // read in the first pass
        bool completed;
        AfterGame after;
        bool quitPending;
        int statisticsSaves, scheduleSaves;
    };
    using enum GameMode;
    using enum AfterGame;
    // clang-format off
    const Case cases[] = {
        {"Ctrl-C twice",               Manual,   {ctrlC, ctrlC}, false, EndProgram, false, 1, 0},
        {"Q then N",                   TwoTeam,  {"q", "n"},     false, MainMenu,   false, 1, 0},
        {"Q then another key",         Manual,   {"q", "x"},     true,  NextGame,   false, 0, 0},
        {"schedule: Q twice",          Schedule, {"Q", "Q"},     false, EndProgram, false, 1, 1},
        {"schedule: finish this game", Schedule, {"Q", " "},     true,  NextGame,   true,  0, 1},
    };
    // clang-format on
    for (const Case& c : cases) {
        DisplayedFixture f;
        MemoryConsole console(24, 80);
        for (const auto& key : c.keys) console.pushKey(key);
        console.pushQuietPolls();
        console.pushKey("q");  // the end-of-game bar, when the game gets there
        int statisticsSaves = 0, scheduleSaves = 0;
        DisplayedGameSettings settings;
        settings.mode = c.mode;
        settings.saveStatistics = [&](Console&, Session&) { ++statisticsSaves; };
        settings.saveScheduleState = [&](Console&, Session&) { ++scheduleSaves; };
        const DisplayedGameOutcome outcome = f.play(console, settings);
        EXPECT_EQ(outcome.completed, c.completed) << c.what;
        EXPECT_EQ(outcome.after, c.after) << c.what;
        EXPECT_EQ(outcome.quitPending, c.quitPending) << c.what;
        EXPECT_EQ(statisticsSaves, c.statisticsSaves) << c.what;
        EXPECT_EQ(scheduleSaves, c.scheduleSaves) << c.what;
        EXPECT_EQ(console.savedScreens(), 0) << c.what;
        EXPECT_EQ(console.dryReads(), 0) << c.what;
        // A stopped game leaves the game's seams as they were.
        EXPECT_EQ(f.game->pacer->pollKey(), false) << c.what;
    }
}

// "T" only at delay 0, refused while a pause-after option is set; the other
// keys open their screens or say they are missing, and the game goes on.
TEST(DisplayedGame, WatchKeysAndRefusals) {
    DisplayedFixture f(0);
    MemoryConsole console(24, 80);
    for (const char* key : {"t", " ", "o", "\x1b", "b", "\x1b", "c", "\x1b", "d", "z"})
        console.pushKey(key);
    console.pushQuietPolls();
    console.pushKey("q");
    DisplayedGameSettings settings;
    settings.mode = GameMode::TwoTeam;
    settings.pauseAfterGame = true;
    const DisplayedGameOutcome outcome = f.play(console, settings);
    EXPECT_TRUE(outcome.completed);
    EXPECT_FALSE(outcome.standingsOnly);
    EXPECT_TRUE(console.shownAtSomeWait(kStandingsModeRefused));
    EXPECT_TRUE(console.shownAtSomeWait("Quick-Play game:"));
    // The box score so far, written to the write folder, and the score card.
    EXPECT_TRUE(console.shownAtSomeWait("Camhaven"));
    EXPECT_TRUE(std::filesystem::exists(f.writeFolder / "~BOX.PRN"));
    EXPECT_TRUE(console.shownAtSomeWait("Score Card"));
    EXPECT_TRUE(console.shownAtSomeWait("Quick Play Mode"));
    EXPECT_TRUE(console.shownAtSomeWait("Toggle Display  Quit"));
    EXPECT_EQ(console.keysLeft(), 0u);

    // Without the pause options "T" switches to the standings-only mode.
    DisplayedFixture g(0);
    MemoryConsole second(24, 80);
    second.pushKey("T");
    second.pushQuietPolls();
    second.pushKey("q");
    DisplayedGameSettings plain;
    plain.mode = GameMode::TwoTeam;
    int standings = 0;
    plain.standings = [&](Console&, Session&) { ++standings; };
    const DisplayedGameOutcome switched = g.play(second, plain);
    EXPECT_TRUE(switched.standingsOnly);
    EXPECT_EQ(standings, 1);
    EXPECT_TRUE(switched.completed);
}

// A side managed from the keyboard: its own key bar and strategy key, read
// by the manager's input rather than the watch-mode poll.
TEST(DisplayedGame, UserManagedSideKeys) {
    DisplayedFixture f(2);
    f.game->options.userManaged = {false, false, true};
    MemoryConsole console(25, 80);
    for (const char* key : {"5", " ", "r", "S"}) console.pushKey(key);
    console.pushQuietPolls();
    console.pushKey("q");
    DisplayedGameSettings settings;
    settings.concealed = true;
    int windows = 0;
    const DisplayedGameOutcome outcome = f.play(console, settings);
    EXPECT_TRUE(outcome.completed);
    EXPECT_TRUE(console.shownAtSomeWait("The strategy window is not available yet."));
    EXPECT_TRUE(console.shownAtSomeWait("Options  Box  Card  Doc  5=Home  Quit"));
    EXPECT_EQ(console.keysLeft(), 0u);

    DisplayedFixture g(2);
    g.game->options.userManaged = {false, true, false};
    MemoryConsole second(24, 80);
    second.pushKey("s");
    second.pushQuietPolls();
    second.pushKey("q");
    DisplayedGameSettings withWindow;
    withWindow.strategyWindow = [&](Console&, Session&, Game&, int team) {
        EXPECT_EQ(team, 1);
        ++windows;
    };
    EXPECT_TRUE(g.play(second, withWindow).completed);
    EXPECT_EQ(windows, 1);
}

// What the Options window changes is in force at once: a new colour
// scheme redraws the board in its colours.
TEST(DisplayedGame, OptionsWindowAppliesTheColourScheme) {
    DisplayedFixture f;
    MemoryConsole console(24, 80);
    console.pushKey("O");
    console.pushQuietPolls();
    console.pushKey("q");
    DisplayedGameSettings settings;
    int opened = 0;
    settings.optionsWindow = [&](Console&, Session& session, Game&) {
        ++opened;
        session.config.fieldTextColor = 14;
        session.config.fieldBackColor = 2;
    };
    f.play(console, settings);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(console.attributeAt(2, 5), 14 + 16 * 2);
}

// The screen follows the terminal: the status bar moves to the new last
// row and the play area to the new centre.
TEST(DisplayedGame, RedrawnAfterAResize) {
    DisplayedFixture f;
    MemoryConsole console(24, 80);
    console.pushResize(40, 100);
    console.pushQuietPolls();
    console.pushKey("q");
    const DisplayedGameOutcome outcome = f.play(console);
    EXPECT_TRUE(outcome.completed);
    ASSERT_EQ(console.rows(), 40);
    const std::vector<std::string>& screen = console.screenAtLastWait();
    EXPECT_EQ(screen[39].substr(10, 12), " VRK v4.9.4b");
    EXPECT_EQ(static_cast<unsigned char>(screen[8][10]), 213);  // the scoreboard's corner
    EXPECT_NE(screen[17].find("That's the ballgame!"), std::string::npos);
}

// A resize at the end-of-game bar draws the closing window again as the game
// left it, seed and all.
TEST(DisplayedGame, ClosingWindowRedrawnAfterAResizeAtTheBar) {
    DisplayedFixture f;
    MemoryConsole console(24, 80);
    console.pushQuietPolls();
    console.pushResize(30, 90);
    console.pushKey("x");  // no key of the bar: the next wait shows the redrawn screen
    console.pushKey("q");
    const DisplayedGameOutcome outcome = f.play(console);
    ASSERT_TRUE(outcome.completed);
    ASSERT_EQ(console.rows(), 30);
    const std::vector<std::string>& screen = console.screenAtLastWait();
    EXPECT_NE(screen.back().find("New  Box  Card"), std::string::npos);
    for (const std::string& line : {std::string("That's the ballgame!"),
                                    "WINNER: '" + f.game->team(outcome.result.winner).teamName,
                                    "Seed: " + std::to_string(outcome.result.seed),
                                    std::string("Select an Option from the Menu Bar below.")})
        EXPECT_EQ(RowsWith(screen, line), 1) << line;
}

}  // namespace
}  // namespace vrk
