#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "presentation/console_keys.h"
#include "presentation/console_memory.h"
#include "screens/debug_statistics_screen.h"
#include "screens/end_of_game_bar.h"
#include "screens/game_messages.h"
#include "screens/quit_pending.h"

namespace vrk {
namespace {

bool waited(const MemoryConsole& console, std::string_view text) {
    return console.shownAtSomeWait(text);
}

TEST(QuitPending, EachVariantAndAnswer) {
    struct Case {
        bool schedule, displayed;
        std::string key;
        QuitChoice choice;
        std::string_view prompt;
    };
    const std::string ctrlC(1, kInterruptKey);
    const Case cases[] = {
        {false, true, "q", QuitChoice::EndProgram, kQuitPrompt},
        {false, true, ctrlC, QuitChoice::EndProgram, kQuitPrompt},
        {false, true, "n", QuitChoice::MainMenu, kQuitPrompt},
        {false, true, "x", QuitChoice::Continue, kQuitPrompt},
        {false, false, "\r", QuitChoice::Continue, kQuitPrompt},
        {true, true, "Q", QuitChoice::EndProgram, kCancelGamePrompt},
        {true, true, ctrlC, QuitChoice::EndProgram, kCancelGamePrompt},
        {true, true, "N", QuitChoice::QuitPending, kCancelGamePrompt},
    };
    for (const Case& c : cases) {
        MemoryConsole console(24, 80);
        console.pushKey(c.key);
        const QuitVariant variant = quitVariantFor(c.schedule, c.displayed);
        EXPECT_EQ(askQuitPending(console, variant), c.choice) << c.key;
        EXPECT_TRUE(waited(console, c.prompt.substr(1, 20))) << c.key;
    }
    // A replay with nothing on screen only notes it and goes on.
    MemoryConsole console(24, 80);
    EXPECT_EQ(askQuitPending(console, quitVariantFor(true, false)), QuitChoice::QuitPending);
    EXPECT_EQ(console.dryReads(), 0);
    EXPECT_EQ(console.sleptMs(), 1000);
}

struct BarRun {
    int boxScores = 0, scheduleSaves = 0, reports = 0;
    GameBarActions actions() {
        GameBarActions a;
        a.boxScore = [this] { ++boxScores; };
        a.saveScheduleState = [this] { ++scheduleSaves; };
        return a;
    }
};

TEST(EndOfGameBar, Keys) {
    struct Case {
        const char* what;
        bool simulation, lastGame, byItself;
        std::vector<std::string> keys;
        BarChoice choice;
        int scheduleSaves;
    };
    const std::string enter(kKeyEnter);
    const Case cases[] = {
        {"Q leaves the bar and saves", false, true, false, {"q"}, BarChoice::Next, 1},
        {"Ctrl-C is Q", false, true, false, {"\x03"}, BarChoice::Next, 1},
        {"N after a single game: main menu", false, true, false, {"n"}, BarChoice::MainMenu, 0},
        {"N, then continue", true, false, false, {"N", "y"}, BarChoice::Next, 0},
        {"N, then any key continues", true, false, false, {"N", " "}, BarChoice::Next, 0},
        {"N, then stop the simulation", true, false, false, {"N", "n"}, BarChoice::MainMenu, 1},
        {"Enter continues by itself", true, false, true, {enter}, BarChoice::Next, 0},
        {"Enter alone does nothing else", true, false, false, {enter, "Q"}, BarChoice::Next, 1},
        {"B and C stay on the bar", false, true, false, {"b", "c", " ", "Q"}, BarChoice::Next, 1},
        {"a click on Quit",
         false,
         true,
         false,
         {mouseCode({MouseKind::LeftClick, 24, 61})},
         BarChoice::Next,
         1},
        {"Z is ignored", false, true, false, {"z", "Q"}, BarChoice::Next, 1},
    };
    for (const Case& c : cases) {
        MemoryConsole console(24, 80);
        for (const auto& key : c.keys) console.pushKey(key);
        BarRun run;
        EndOfGameBarSettings s;
        s.mode = "Two-Team";
        s.simulation = c.simulation;
        s.lastGame = c.lastGame;
        s.continuesByItself = c.byItself;
        EXPECT_EQ(runEndOfGameBar(console, s, run.actions()), c.choice) << c.what;
        EXPECT_EQ(run.scheduleSaves, c.scheduleSaves) << c.what;
        EXPECT_EQ(console.keysLeft(), 0u) << c.what;
        EXPECT_EQ(console.dryReads(), 0) << c.what;
        EXPECT_EQ(waited(console, kContinueSimulation), c.byItself) << c.what;
    }
}

TEST(EndOfGameBar, RefusalsAndMissingScreens) {
    struct Case {
        std::string key;
        std::string_view shown;
    };
    const Case cases[] = {
        {"s", kNoStatisticsFile},
        {"c", "The score card is not available yet."},
        {"r", "The standings are not available yet."},
        {"D", "The documentation is not available yet."},
    };
    for (const Case& c : cases) {
        MemoryConsole console(24, 80);
        console.pushKey(c.key);
        console.pushKey(" ");
        console.pushKey("q");
        EndOfGameBarSettings s;
        s.mode = "Manual  ";
        runEndOfGameBar(console, s, {});
        EXPECT_TRUE(console.shownAtSomeWait(c.shown)) << c.key;
        EXPECT_EQ(console.keysLeft(), 0u) << c.key;
    }
}

std::vector<std::string> launched;
bool recordLaunch(const std::vector<std::string>& argv) {
    launched = argv;
    return true;
}

TEST(Documentation, RtfBeforeDocOrTheMessage) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / "vrk_doc_test";
    fs::remove_all(folder);
    fs::create_directories(folder);
    Config config;
    config.homeDir = folder.string();
    config.wordProcessor = "writer ";

    MemoryConsole console(24, 80);
    launched.clear();
    showDocumentation(console, config, recordLaunch);
    EXPECT_TRUE(console.shownAtSomeWait(kDocumentationMissing.substr(1)));
    EXPECT_TRUE(launched.empty());

    std::ofstream(folder / "BASEBALL.DOC") << "doc";
    showDocumentation(console, config, recordLaunch);
    ASSERT_EQ(launched.size(), 2u);
    EXPECT_EQ(launched[0], "writer");
    EXPECT_EQ(fs::path(launched[1]).filename(), "BASEBALL.DOC");

    std::ofstream(folder / "baseball.rtf") << "rtf";
    showDocumentation(console, config, recordLaunch);
    EXPECT_EQ(fs::path(launched[1]).filename(), "baseball.rtf");
    fs::remove_all(folder);
}

TEST(EndOfSimulation, QuitAsksForTheMainMenu) {
    struct Case {
        std::vector<std::string> keys;
        SimulationEnd end;
    };
    const Case cases[] = {{{"q", "y"}, SimulationEnd::MainMenu},
                          {{"q", "x"}, SimulationEnd::EndProgram},
                          {{"\x03", "\x03"}, SimulationEnd::EndProgram},
                          {{"n"}, SimulationEnd::MainMenu}};
    for (const Case& c : cases) {
        MemoryConsole console(24, 80);
        for (const auto& key : c.keys) console.pushKey(key);
        EndOfGameBarSettings s;
        s.mode = "Two-Team";
        EXPECT_EQ(runEndOfSimulation(console, s, {}), c.end);
        EXPECT_EQ(console.keysLeft(), 0u);
    }
    MemoryConsole console(24, 80);
    console.pushKey("q");
    EndOfGameBarSettings s;
    s.mode = "Series  ";
    runEndOfSimulation(console, s, {});
    EXPECT_TRUE(waited(console, "Your Series game simulation is complete!"));
    EXPECT_TRUE(waited(console, kReturnToMainMenu.substr(1, 20)));
}

TEST(DebugStatistics, EveryCounterHasItsLine) {
    AutoManagerCounters c;
    SimulationRecord r;
    c.intentionalWalkDesperate = 3;
    c.pinchHits = 17;
    c.starterRemoval[4] = 9;  // pitch count
    r.stealAttemptsByChance[0] = 5;
    r.fieldingChances[6] = 30;
    r.fieldingChances[3] = 10;
    r.doublePlays = 12;
    r.gamesCompleted = 2;
    r.teamSpeedTotal = 20;
    const auto lines = debugStatisticsLines(c, r);
    auto line = [&](std::string_view start) {
        for (const auto& l : lines)
            if (l.starts_with(start)) return l;
        return std::string();
    };
    EXPECT_NE(line("I-Walk1 (desperate):").find(" 3"), std::string::npos);
    EXPECT_NE(line("P-Hit:").find("17"), std::string::npos);
    EXPECT_NE(line("  Pitch Count").find(" 9"), std::string::npos);
    EXPECT_NE(line("  < 40%").find(" 5"), std::string::npos);
    EXPECT_NE(line("DP:").find("12"), std::string::npos);
    EXPECT_NE(line("  6 ").find("75.0"), std::string::npos);
    EXPECT_NE(line("Tot:").find("40"), std::string::npos);
    EXPECT_NE(line("AvgTeamSpeed:").find("5.00"), std::string::npos);
    for (const char* label :
         {"SB Attempts by Succ.Rate", "Catcher Throw. Errs:", "WP:", "PB:", "PRun:", "Dbl-Sw:",
          "SacOK:", "SacFail:", "I-Walk2 (get2pit):", "I-Walk3:(regular)",
          "St-Att-P:", "St-Suc-P:", "PitchOut:", "Pit-p-Game(DAT):", "Start. Pit. Removal",
          "  Bombed early", "  PH (All)", "Pitch Arnd (get2pit):", "Pitch Arnd (other)  :"})
        EXPECT_FALSE(line(label).empty()) << label;

    // Shown a page at a time on an 80 x 24 screen, each line once.
    MemoryConsole console(24, 80);
    showDebugStatistics(console, lines);
    EXPECT_GE(console.dryReads(), 1);
    EXPECT_TRUE(waited(console, "Hit any key"));
}

}  // namespace
}  // namespace vrk
