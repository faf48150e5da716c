#include <gtest/gtest.h>
#include <unistd.h>

#include "core/numbering.h"
#include "presentation/console_keys.h"
#include "presentation/console_memory.h"
#include "screens/end_of_game_bar.h"
#include "shell/batch_test_home.h"
#include "shell/config_file.h"
#include "shell/game_modes.h"
#include "shell/game_setup.h"
#include "shell/in_game_options.h"
#include "shell/main_menu.h"
#include "shell/startup.h"

namespace vrk {
namespace {

Team TeamOf(char league, const std::string& season, int dhKeyword = 0) {
    Team t;
    t.league = league;
    t.season = season;
    t.dhRule = dhKeyword;
    for (int slot = 1; slot <= kLineupSize; ++slot) t.player(slot).lineupPosition = slot;
    return t;
}

// The menu's questions: the default (any other key, or Enter) follows the
// home team's rules, which the batch rules test covers season by season; an
// answer overrides it, and a line-up written with a designated hitter plays
// without him when the answer is no.
TEST(GameSetup, RuleQuestionsDefaultToTheHomeRulesAndAnswersOverride) {
    struct Case {
        char league;
        const char* season;
        int dhKeyword;
        const char* dhKey;
        const char* runnerKey;
        bool dh;
        bool runner;
    } cases[] = {
        {'A', "1973", 0, "x", "x", false, false}, {'N', "2022", 0, "x", "x", true, true},
        {'A', "2026", 1, "x", "x", false, true},  {'N', "2021", 0, "y", "Y", true, true},
        {'A', "2026", 0, "n", "n", false, false}, {'A', "2021", 0, "\r", "\r", true, false},
    };
    for (const Case& c : cases) {
        GameSetup setup;
        setup.teams[1] = TeamOf('N', "1990");
        setup.teams[2] = TeamOf(c.league, c.season, c.dhKeyword);
        MemoryConsole console;
        console.pushKey(c.dhKey);
        console.pushKey(c.runnerKey);
        Session session;
        askRuleQuestions(console, session, setup);
        resolveRules(setup);
        EXPECT_EQ(setup.designatedHitter, c.dh) << c.league << c.season << " " << c.dhKey;
        EXPECT_EQ(setup.automaticRunner, c.runner) << c.league << c.season << " " << c.runnerKey;
        EXPECT_EQ(console.dryReads(), 0);
    }
    EXPECT_EQ(dhQuestion(false), " Use Designated Hitter? [y/N] ");
    EXPECT_EQ(dhQuestion(true), " Use Designated Hitter? [Y/n] ");

    GameSetup needs;
    needs.teams[1] = TeamOf('A', "2026");
    needs.teams[1].player(1).lineupPosition = kDesignatedHitter;  // no pitcher's slot
    needs.teams[2] = TeamOf('N', "1990");
    needs.teams[1].player(1).playerName = "Hitter";
    needs.teams[1].playerCount = kLineupSize;
    needs.rules.dhChoice = "N";
    resolveRules(needs);
    EXPECT_FALSE(needs.designatedHitter);
    EXPECT_EQ(needs.teams[1].player(kLineupSize).lineupPosition, kPitcher);
    for (int slot = 1; slot <= kLineupSize; ++slot)
        EXPECT_NE(needs.teams[1].player(slot).playerName, "Hitter") << slot;

    EXPECT_EQ(defaultSimulationNormalization(TeamOf('A', "1990"), TeamOf('A', "2026")), "H");
    EXPECT_EQ(defaultSimulationNormalization(TeamOf('A', "2026"), TeamOf('N', "2026")), "");
}

TEST(GameSetup, ConcealmentOnlyWhenNobodyIsTheComputer) {
    struct Case {
        bool visitorComputer, homeComputer;
        const char* key;
        bool asked, conceal;
        char visitorKey, homeKey;
    } cases[] = {
        {true, true, "y", false, false, ' ', ' '},  {false, true, "y", false, false, 'S', ' '},
        {true, false, "y", false, false, ' ', 'S'}, {false, false, "y", true, true, 'S', '5'},
        {false, false, "x", true, false, 'S', 'S'},
    };
    for (const Case& c : cases) {
        GameSetup setup;
        setup.mode = 'M';
        setup.manager.computerManages = {false, c.visitorComputer, c.homeComputer};
        MemoryConsole console;
        console.pushKey(c.key);
        Session session;
        askConcealment(console, session, setup);
        EXPECT_EQ(console.keysLeft() == 0, c.asked);
        EXPECT_EQ(setup.conceal, c.conceal);
        EXPECT_EQ(setup.strategyKey[1], c.visitorKey);
        EXPECT_EQ(setup.strategyKey[2], c.homeKey);
        const auto lines = strategyKeyLines(setup);
        EXPECT_EQ(lines.size(),
                  static_cast<std::size_t>((c.visitorKey != ' ') + (c.homeKey != ' ')));
        if (c.conceal) {
            EXPECT_EQ(lines[0], "Visiting team: Press S to pop up Strategy window.");
            EXPECT_EQ(lines[1], "Home team    : Press 5 to pop up Strategy window.");
        }
    }
}

struct Home {
    testing::BatchHome home{"setup" + std::to_string(::getpid())};
    Session session;
    StartupInputs inputs;
    Home() {
        inputs.currentDir = home.dir.string();
        inputs.timeSeed = 7;
        const StartupOutcome out = prepareSession(inputs, session);
        EXPECT_EQ(out.status, StartupStatus::Ready);
    }
};

void Keys(MemoryConsole& console, std::initializer_list<std::string_view> keys) {
    for (std::string_view k : keys) console.pushKey(k);
}

TEST(TwoTeamMode, StandingsOnlyRunPlaysEveryGame) {
    Home h;
    MemoryConsole console;
    // Visitors CAMHAVEN, home FELVORA (the list moves on by one), 3 games,
    // then the simulation options as they stand: delay 0, no pauses.
    Keys(console, {kKeyEnter, kKeyEnter, "3", kKeyEscape, kKeyEscape});
    GameSetup setup;
    ASSERT_TRUE(setUpTwoTeamGames(console, h.session, setup));
    EXPECT_EQ(setup.visitorsFile, "CAMHAVEN.DAT");
    EXPECT_EQ(setup.homeFile, "FELVORA.DAT");
    EXPECT_EQ(setup.twoTeam.games, 3);
    EXPECT_TRUE(setup.standingsOnly());

    TwoTeamTally tally;
    EXPECT_EQ(runTwoTeamGames(console, h.session, setup, tally), RunEnd::Finished);
    EXPECT_EQ(tally.games, 3);
    EXPECT_EQ(tally.wins[1] + tally.wins[2], 3);
    EXPECT_GT(tally.runs[1] + tally.runs[2], 0);
    EXPECT_TRUE(console.screenContains("Game 3 of 3"));
    EXPECT_TRUE(console.screenContains("Camhaven"));
    EXPECT_EQ(console.sleptMs(), 0) << "no pause in the standings-only mode";
}

TEST(TwoTeamMode, DisplayedGamesCloseWithTheBarAndTheEndOfTheSimulation) {
    // Two displayed games at delay 0; with or without the pause after every
    // game. Each game ends at its bar, the run at the completion screen,
    // whose "Q" asks for the main menu.
    struct Case {
        bool pause;
        bool toMenu;
    } cases[] = {{true, true}, {false, false}};
    for (const Case& c : cases) {
        Home h;
        MemoryConsole console(24, 80);
        Keys(console, {kKeyEnter, kKeyEnter, "2", kKeyEscape});
        if (c.pause) Keys(console, {kKeyDown, kKeyDown, "y"});
        Keys(console, {kKeyEscape});
        GameSetup setup;
        ASSERT_TRUE(setUpTwoTeamGames(console, h.session, setup));
        EXPECT_NE(setup.standingsOnly(), c.pause);
        if (!c.pause) setup.simulation.delay = 0, setup.simulation.pauseAfterDate = true;
        console.pushQuietPolls();
        // First bar: Enter continues when the run goes on by itself; else
        // it is ignored, and "N" asks whether to go on, Enter says yes.
        if (c.pause) {
            Keys(console, {kKeyEnter, "n", kKeyEnter});
        } else {
            Keys(console, {kKeyEnter});
        }
        console.pushQuietPolls();
        Keys(console, {"q", "q", c.toMenu ? "y" : "n"});
        TwoTeamTally tally;
        EXPECT_EQ(runTwoTeamGames(console, h.session, setup, tally),
                  c.toMenu ? RunEnd::Finished : RunEnd::EndProgram);
        EXPECT_EQ(tally.games, 2);
        EXPECT_EQ(h.session.completedGames, 2);
        EXPECT_FALSE(tally.standingsOnly);
        EXPECT_EQ(console.keysLeft(), 0u) << c.pause;
        EXPECT_EQ(console.shownAtSomeWait(kContinueSimulation), !c.pause);
        EXPECT_TRUE(console.shownAtSomeWait("Your Two-Team game simulation is complete!"));
        EXPECT_TRUE(console.shownAtSomeWait("That's the ballgame!"));
    }
}

TEST(TwoTeamMode, RefusedToggleAndMainMenuInAGame) {
    Home h;
    MemoryConsole console(24, 80);
    // Three games at delay 0 with "pause after date" set: displayed.
    Keys(console, {kKeyEnter, kKeyEnter, "3", kKeyEscape, kKeyEscape});
    GameSetup setup;
    ASSERT_TRUE(setUpTwoTeamGames(console, h.session, setup));
    setup.simulation.pauseAfterDate = true;
    ASSERT_FALSE(setup.standingsOnly());
    // "T" is refused while a pause is set; the run stays displayed.
    Keys(console, {"t", kKeyEnter});
    console.pushQuietPolls();
    Keys(console, {"q"});
    // The second game: "Q" then any other key goes on; "Q" "N" returns to
    // the main menu at once, the game not counted.
    Keys(console, {"q", "x", "q", "n"});
    TwoTeamTally tally;
    EXPECT_EQ(runTwoTeamGames(console, h.session, setup, tally), RunEnd::MainMenu);
    EXPECT_EQ(tally.games, 1);
    EXPECT_TRUE(console.shownAtSomeWait("Can't switch to Standings Mode"));
    EXPECT_EQ(console.keysLeft(), 0u);
}

TEST(ManualMode, WatchedGameReachesTheEndOfGameBar) {
    // Teams, both questions answered by default, both sides to the computer
    // at delay 0, the key to begin; then "N" at the bar (the menu) or "Q"
    // (the completion screen, whose "Q" with "n" ends the program).
    struct Case {
        std::vector<std::string_view> barKeys;
        bool goOn;
    } cases[] = {{{"n"}, true}, {{"q", "q", "y"}, true}, {{"q", "q", "n"}, false}};
    for (const Case& c : cases) {
        Home h;
        MemoryConsole console(24, 80);
        Keys(console, {kKeyEnter, kKeyEnter, "x", "x", "y", "y", "0", kKeyEscape, "x"});
        console.pushQuietPolls();
        for (std::string_view k : c.barKeys) console.pushKey(k);
        EXPECT_EQ(runManualMode(console, h.session), c.goOn);
        EXPECT_TRUE(console.shownAtSomeWait("That's the ballgame!"));
        EXPECT_TRUE(console.shownAtSomeWait("ptions"));
        EXPECT_EQ(h.session.completedGames, 1);
        EXPECT_EQ(console.keysLeft(), 0u);
    }
}

TEST(ManualMode, QuittingInTheGameEndsTheProgram) {
    Home h;
    MemoryConsole console(24, 80);
    // "Q" twice in the first pass of the game: the statistics are saved
    // (none here) and the program ends through the menu's dispatch.
    Keys(console, {kKeyEnter, kKeyEnter, "x", "x", "y", "y", "0", kKeyEscape, "x", "q", "q"});
    EXPECT_FALSE(dispatchMenuChoice('M', console, h.session, h.inputs, MenuActions{}));
    EXPECT_EQ(h.session.completedGames, 0);
}

TEST(MainMenu, DispatchesEveryItem) {
    Home h;
    struct Case {
        char choice;
        const char* shown;
    } cases[] = {{'S', "Schedule Mode is not available yet"},
                 {'E', "Series Mode is not available yet"},
                 {'A', "Statistics Reports is not available yet"},
                 {'F', "File Viewer is not available yet"}};
    for (const Case& c : cases) {
        MemoryConsole console;
        console.pushKey(kKeyEnter);
        EXPECT_TRUE(dispatchMenuChoice(c.choice, console, h.session, h.inputs, MenuActions{}));
        bool shown = false;
        for (const std::string& row : console.screenAtLastWait())
            shown = shown || row.find(c.shown) != std::string::npos;
        EXPECT_TRUE(shown) << c.choice;
    }

    // A plugged-in item runs instead of the message.
    MenuActions actions;
    int series = 0;
    actions.series = [&](Console&, Session&) { ++series; };
    std::vector<std::vector<std::string>> runs;
    actions.runProgram = [&](Console&, const std::vector<std::string>& argv) {
        runs.push_back(argv);
        return 0;
    };
    MemoryConsole console;
    EXPECT_TRUE(dispatchMenuChoice('E', console, h.session, h.inputs, actions));
    EXPECT_EQ(series, 1);

    // "P": the editor on BASEBALL.CFG, then the offer to apply (declined).
    h.session.config.editor = "myedit -x ";
    console.pushKey("n");
    EXPECT_TRUE(dispatchMenuChoice('P', console, h.session, h.inputs, actions));
    ASSERT_EQ(runs.size(), 1u);
    ASSERT_EQ(runs[0].size(), 3u);
    EXPECT_EQ(runs[0][0], "myedit");
    EXPECT_EQ(runs[0][1], "-x");
    EXPECT_EQ(runs[0][2], (h.home.dir / "BASEBALL.CFG").string());
    EXPECT_EQ(h.session.config.editor, "myedit -x ") << "declined: the settings stay";

    EXPECT_FALSE(dispatchMenuChoice('Q', console, h.session, h.inputs, actions));

    // The loop: "Z" is ignored, "E" runs the series item, "Q" ends.
    Keys(console, {"Z", "e", "q"});
    EXPECT_EQ(runMainMenu(console, h.session, h.inputs, actions), 0);
    EXPECT_EQ(series, 2);
    EXPECT_EQ(console.dryReads(), 0);
}

TEST(InGameOptions, AppliedAtOnce) {
    Home h;
    TeamSlots teams;
    ASSERT_FALSE(loadTeamPair(teams, "CAMHAVEN", "FELVORA", h.session.config).abort);
    LeagueContext normalization;
    Game game(teams, normalization, h.session.config, h.session.rng);
    game.state.display.playDelay = 3;
    game.state.display.soundOn = true;
    game.state.display.userManaged = {false, false, true};
    WatchSettings watch;

    InGameOptions o = currentInGameOptions(game, h.session.config, watch);
    EXPECT_FALSE(o.computerManages[2]);
    EXPECT_EQ(o.delay, 3);
    o.colourScheme = h.session.config.colorScheme == 1 ? 2 : 1;
    o.computerManages = {false, true, true};
    o.delay = 0;
    o.pauseAfterGame = true;
    EXPECT_TRUE(applyInGameOptions(o, game, h.session.config, watch));
    EXPECT_EQ(h.session.config.colorScheme, o.colourScheme);
    EXPECT_EQ(h.session.config.fieldBackColor, 2) << "schemes 1 and 2 are on green";
    EXPECT_EQ(game.state.display.playDelay, 0);
    EXPECT_FALSE(game.state.display.soundOn) << "delay 0 switches sound off";
    EXPECT_FALSE(game.state.display.userManaged[2]);
    EXPECT_TRUE(watch.pauseAfterGame);
    EXPECT_FALSE(applyInGameOptions(o, game, h.session.config, watch)) << "scheme unchanged";
}

}  // namespace
}  // namespace vrk
