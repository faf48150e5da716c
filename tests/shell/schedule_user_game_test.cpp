#include "shell/schedule_user_game.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "data/schedule_csv.h"
#include "data/team.h"
#include "presentation/console_keys.h"
#include "presentation/console_memory.h"
#include "screens/manual_manage_screen.h"
#include "shell/batch_test_home.h"
#include "shell/schedule_mode.h"
#include "shell/startup.h"

namespace vrk {
namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Three dates, two games a date; the third game is the home side's to
// manage (/HM:+), and the fourth hands FELVORA back (/VM:-).
constexpr const char* kMarked =
    "04/01/26,CAMHAVEN,FELVORA\n04/01/26,FELVORA,CAMHAVEN\n"
    "04/02/26,CAMHAVEN,FELVORA,/HM:+\n04/02/26,FELVORA,CAMHAVEN,/VM:-\n"
    "04/03/26,CAMHAVEN,FELVORA\n04/03/26,FELVORA,CAMHAVEN\n";
constexpr const char* kUnmarked =
    "04/01/26,CAMHAVEN,FELVORA\n04/01/26,FELVORA,CAMHAVEN\n"
    "04/02/26,CAMHAVEN,FELVORA\n04/02/26,FELVORA,CAMHAVEN\n"
    "04/03/26,CAMHAVEN,FELVORA\n04/03/26,FELVORA,CAMHAVEN\n";

struct UserHome {
    testing::BatchHome home;
    Session session;
    explicit UserHome(const std::string& tag, const char* csvText) : home(tag) {
        std::istringstream csv(csvText);
        const CsvSchedule schedule = ScheduleFromCsv(csv);
        home.write("TINY.SCH", std::string(schedule.bytes.begin(), schedule.bytes.end()));
        StartupInputs inputs;
        inputs.currentDir = home.dir.string();
        inputs.timeSeed = 11;
        const StartupOutcome out = prepareSession(inputs, session);
        EXPECT_EQ(out.status, StartupStatus::Ready) << out.message;
    }

    // The schedule mode from its file list: TINY.SCH, its set TINY, no
    // filter, home-team rules; `atGame3` are the keys of the user's game
    // ("" lets the game's polls find nothing until the next wait); the log
    // is not viewed.
    void replay(MemoryConsole& console, const std::vector<std::string>& atGame3) {
        for (const char* key : {"\r", "\r"}) console.pushKey(key);
        if (!fs::exists(home.dir / "TINY.STS")) console.pushKey(kKeyEscape);
        for (const char* key : {"\x1b", "H", "H"}) console.pushKey(key);
        console.pushQuietPolls();
        for (const std::string& key : atGame3) {
            if (key.empty()) {
                console.pushQuietPolls();
            } else {
                console.pushKey(key);
            }
        }
        console.pushQuietPolls();
        console.pushKey("N");
        try {
            runScheduleItem(console, session);
        } catch (...) {
            for (const auto& row : console.screenAtLastWait()) std::cerr << row << "\n";
            throw;
        }
    }

    std::string set(const char* extension) const {
        return ReadBytes(home.dir / (std::string("TINY") + extension));
    }
};

// The same schedule without marks, replayed unattended with the same seed.
std::vector<std::string> UnattendedSet() {
    UserHome plain("plain", kUnmarked);
    const auto run = plain.home.batch("/SCH:TINY /ST:TINY /SEED:11");
    EXPECT_EQ(run.status, 0) << run.err;
    return {plain.set(".STS"), plain.set(".STB"), plain.set(".STP"), plain.set(".STF"),
            plain.set(".STH")};
}

std::vector<std::string> SetOf(const UserHome& h) {
    return {h.set(".STS"), h.set(".STB"), h.set(".STP"), h.set(".STF"), h.set(".STH")};
}

TEST(ScheduleUserGame, MarkedGameShownAfterTheOptionsScreenAndRecordedAsUnattended) {
    const std::vector<std::string> unattended = UnattendedSet();
    UserHome h("watch", kMarked);
    MemoryConsole console(25, 80);
    // Any key past the notice, keep the starter, no line-up, watch it; "q"
    // leaves its end-of-game bar.
    h.replay(console, {"x", "n", "n", "w", "", "q"});

    EXPECT_TRUE(console.shownAtSomeWait("The next game is 'Manually-Managed'."));
    EXPECT_TRUE(console.shownAtSomeWait("Manual Manage Options"));
    EXPECT_TRUE(console.shownAtSomeWait(" This is game 3 of 6"));
    EXPECT_TRUE(console.shownAtSomeWait("Scheduled to start for YOUR "));
    EXPECT_TRUE(console.shownAtSomeWait(kStarterHeading));
    EXPECT_TRUE(console.shownAtSomeWait(" [SIM]")) << "pitchers of games 1 and 2 have sim lines";
    // Its closing window, whoever wins, is over the field at the bar.
    EXPECT_TRUE(console.shownAtSomeWait("WINNER: '26 "));
    EXPECT_TRUE(console.shownAtSomeWait("Select an Option from the Menu Bar below."));
    // One game shown: its bar took the one "q"; no other game waited.
    EXPECT_EQ(console.keysLeft(), 0u);
    EXPECT_EQ(console.dryReads(), 0);
    EXPECT_EQ(SetOf(h), unattended) << "a shown game is the game played unattended";
    EXPECT_TRUE(console.shownAtSomeWait("Your Schedule game simulation is complete!"));
}

TEST(ScheduleUserGame, QuitAtTheNoticeSavesBeforeTheGameAndTheReplayGoesOnExactly) {
    const std::vector<std::string> unattended = UnattendedSet();
    UserHome h("quit", kMarked);
    MemoryConsole console(25, 80);
    h.replay(console, {"q"});
    EXPECT_FALSE(console.shownAtSomeWait("Manual Manage Options"));
    const std::string log = ReadBytes(h.home.dir / "TINY.LOG");
    EXPECT_NE(log.find("Stopped before game 3"), std::string::npos) << log;

    // Run again: the same game comes up first; simulated without display.
    MemoryConsole again(25, 80);
    h.replay(again, {"x", "n", "n", "s"});
    EXPECT_TRUE(again.shownAtSomeWait(" This is game 3 of 6"));
    EXPECT_FALSE(again.shownAtSomeWait("That's the ballgame!"));
    EXPECT_EQ(again.keysLeft(), 0u);
    EXPECT_EQ(SetOf(h), unattended) << "stopped and resumed, the set is the one played through";
}

TEST(ScheduleUserGame, ManagedGameIsTheUsersAndRecorded) {
    UserHome h("manage", kMarked);
    // The coaches answer the running and throwing questions.
    h.session.config.autoCoach = true;
    h.session.config.autoDefense = true;
    MemoryConsole console(25, 80);
    // "s" opens the home side's strategy window at the first pitch.
    h.replay(console, {"x", "n", "n", "p", "s", std::string(kKeyEscape), "", "q"});
    EXPECT_TRUE(console.shownAtSomeWait("S=Home")) << "the home side's strategy key";
    EXPECT_TRUE(console.shownAtSomeWait("New  Box  Card")) << "the end-of-game bar";
    EXPECT_EQ(console.keysLeft(), 0u);
    const std::string log = ReadBytes(h.home.dir / "TINY.LOG");
    for (const char* line : {"    3 04/02/26", "    6 04/03/26"})
        EXPECT_NE(log.find(line), std::string::npos) << line << "\n" << log;
}

TEST(ManualManageScreen, StarterLinesAndOrder) {
    Player p;
    p.playerName = "Marsh, Tom";
    p.pitching.wins = 12;
    p.pitching.losses = 7;
    p.pitching.eraTimes100 = 345;
    const std::string file = StarterCandidateLine(p, true);
    EXPECT_EQ(file.substr(0, 12), "->Marsh, Tom");
    EXPECT_EQ(file.size(), std::string(kStarterHeading).size());
    EXPECT_EQ(file.substr(25), " 12  7  3.45");
    // Once he has pitched in the set his season to date is used, marked.
    p.sim.games = 2;
    p.sim.innings = 9;
    p.sim.wins = 1;
    p.sim.losses = 1;
    p.sim.earnedRuns = 4;
    const std::string sim = StarterCandidateLine(p, false);
    EXPECT_EQ(sim.substr(0, 2), "  ");
    EXPECT_EQ(sim.substr(25), "  1  1  4.00 [SIM]");

    const struct {
        std::vector<int> rotation;
        int scheduled;
        std::vector<int> expected;
    } cases[] = {
        {{10, 11, 12, 13, 14}, 12, {12, 13, 14, 10, 11}},
        {{10, 11, 12, 13, 14}, 14, {14, 10, 11, 12, 13}},
        {{10, 11, 12}, 17, {17, 10, 11, 12}},  // a spot starter leads
        {{}, 10, {10}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StarterCandidates(c.rotation, c.scheduled), c.expected) << c.scheduled;
}

}  // namespace
}  // namespace vrk
