#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "presentation/console_memory.h"
#include "presentation/play_by_play_queue.h"

namespace vrk {
namespace {

namespace fs = std::filesystem;

struct Announcements {
    std::vector<std::vector<std::string>> launched;
    AnnouncerEnvironment environment(std::string configured = "", bool espeak = false) {
        AnnouncerEnvironment env;
        env.configured = std::move(configured);
        env.locate = [espeak](const std::string& name) -> std::optional<std::string> {
            if (espeak && name == "espeak-ng") return "espeak-ng";
            if (name == "mysay") return "/opt/bin/mysay";
            return std::nullopt;
        };
        env.launch = [this](const std::vector<std::string>& argv) {
            launched.push_back(argv);
            return true;
        };
        return env;
    }
};

PlayByPlayQueue queueOf(int lines) {
    PlayByPlayQueue q;
    for (int i = 1; i <= lines; ++i) AddPlayByPlayLine(q, {}, 0, "Line " + std::to_string(i));
    return q;
}

TEST(PlayByPlayQueue, KeepsTwelveLinesOfFiftyConvertedByTeam) {
    PlayByPlayQueue q = queueOf(14);
    EXPECT_EQ(q.count, 12);
    EXPECT_EQ(q.lines[11], "Line 12" + std::string(43, ' '));
    ClearPlayByPlay(q);
    Team female;
    female.femaleTeam = true;
    const TeamRefs teams{nullptr, nullptr, &female};
    AddPlayByPlayLine(q, teams, 2, "He hits it " + std::string(60, '.'));
    AddPlayByPlayLine(q, teams, 0, "He hits it");
    EXPECT_EQ(q.lines[0], ("She hits it " + std::string(60, '.')).substr(0, 50));
    EXPECT_EQ(q.lines[1].substr(0, 10), "He hits it");
}

TEST(PlayByPlayQueue, ShowsThreeRowsAtATimeWithDelayPauses) {
    MemoryConsole console;
    Announcements a;
    PlayByPlayQueue q = queueOf(14);
    ShowPlaySettings s;
    s.playDelay = 2;
    int redraws = 0;
    s.redrawBall = [&] { ++redraws; };
    ShowPlay(q, s, console, a.environment());
    // Lines 10 to 12 are the last three shown; 13 and 14 were dropped.
    EXPECT_EQ(console.textAt(2, 42, 7), "Line 10");
    EXPECT_EQ(console.textAt(4, 42, 7), "Line 12");
    EXPECT_FALSE(console.screenContains("Line 13"));
    EXPECT_EQ(redraws, 1);
    // Eleven pauses of 200 x delay, two more of 175 x delay; no announcer.
    EXPECT_EQ(console.sleptMs(), 11 * 400 + 2 * 350);
    EXPECT_TRUE(a.launched.empty());

    // Delay 0 with a human manager: shown, without a pause.
    MemoryConsole quiet;
    PlayByPlayQueue two = queueOf(2);
    s.playDelay = 0;
    ShowPlay(two, s, quiet, a.environment());
    EXPECT_EQ(quiet.textAt(3, 42, 6), "Line 2");
    EXPECT_EQ(quiet.sleptMs(), 0);

    // Both sides computer-managed: only the banner.
    MemoryConsole quick;
    s.bothComputerManaged = true;
    ShowPlay(two, s, quick, a.environment());
    EXPECT_EQ(quick.textAt(2, 42, 38), " Quick Play Mode                      ");
    EXPECT_FALSE(quick.screenContains("Line 1"));
}

TEST(PlayByPlayQueue, WalkOffEndsWithGoneAndGameOver) {
    MemoryConsole console;
    Announcements a;
    PlayByPlayQueue q = queueOf(1);
    ShowPlaySettings s;
    s.playDelay = 1;
    s.inning = 10;
    s.battingTeam = 2;
    s.visitorsScore = 3;
    s.homeScore = 5;
    s.homeRunOnPlay = true;
    ShowPlay(q, s, console, a.environment());
    EXPECT_EQ(q.count, 3);
    EXPECT_EQ(console.textAt(3, 42, 5), "Gone!");
    EXPECT_EQ(console.textAt(4, 42, 10), "Game over!");
    ShowPlay(q, s, console, a.environment());  // shown again: not added twice
    EXPECT_EQ(q.count, 3);

    PlayByPlayQueue single = queueOf(1);
    s.homeRunOnPlay = false;
    s.homeScore = 3;  // tied: no walk-off
    ShowPlay(single, s, console, a.environment());
    EXPECT_EQ(single.count, 1);
    s.homeScore = 4;
    ShowPlay(single, s, console, a.environment());
    EXPECT_EQ(single.count, 2);
    EXPECT_EQ(single.lines[1].substr(0, 10), "Game over!");
}

TEST(PlayByPlayQueue, HandsEachLineToTheAnnouncer) {
    const fs::path home = fs::temp_directory_path() / "vrk_announcer_test";
    fs::remove_all(home);
    fs::create_directories(home);
    MemoryConsole console;
    Announcements a;
    PlayByPlayQueue q;
    AddPlayByPlayLine(q, {}, 0, "He's 0 for 3 today...");
    AddPlayByPlayLine(q, {}, 0, "A line-drive double!");
    ShowPlaySettings s;
    s.playDelay = 1;
    s.soundOn = true;
    s.announcerOn = true;

    // No espeak-ng: silent.
    ShowPlay(q, s, console, a.environment());
    EXPECT_TRUE(a.launched.empty());
    EXPECT_EQ(console.sleptMs(), 200);

    ShowPlay(q, s, console, a.environment("", true));
    ASSERT_EQ(a.launched.size(), 2u);
    EXPECT_EQ(a.launched[0], (std::vector<std::string>{"espeak-ng", "He's oh for 3 today"}));
    EXPECT_EQ(a.launched[1][1], "A line drive double!");

    // The configured program wins; one planted in the folder is never run.
    std::ofstream(home / "voxcall").put('x');
    fs::permissions(home / "voxcall", fs::perms::owner_all);
    const fs::path before = fs::current_path();
    fs::current_path(home);
    a.launched.clear();
    ShowPlay(q, s, console, a.environment("mysay", true));
    ASSERT_EQ(a.launched.size(), 2u);
    EXPECT_EQ(a.launched[0][0], "/opt/bin/mysay");
    EXPECT_EQ(ChooseAnnouncer(a.environment("voxcall", true)), "");
    EXPECT_EQ(ChooseAnnouncer(a.environment("./voxcall", true)), "");
    EXPECT_EQ(ChooseAnnouncer(a.environment((home / "voxcall").string())),
              (home / "voxcall").string());
    fs::current_path(before);

    // Sound off: the switch alone does not speak.
    a.launched.clear();
    s.soundOn = false;
    ShowPlay(q, s, console, a.environment("", true));
    EXPECT_TRUE(a.launched.empty());
    fs::remove_all(home);

    EXPECT_EQ(SpokenText("10 for 12 -- great..."), "10 for 12    great");
}

TEST(Announcer, SearchPathSkipsTheCurrentFolder) {
    const fs::path dir = fs::temp_directory_path() / "vrk_announcer_path";
    fs::remove_all(dir);
    fs::create_directories(dir);
    std::ofstream(dir / "say").put('x');
    fs::permissions(dir / "say", fs::perms::owner_all);
    const fs::path before = fs::current_path();
    fs::current_path(dir);
    const std::string abs = dir.string();
    const struct {
        std::string searchPath;
        bool found;
    } cases[] = {{"", false},
                 {":", false},
                 {".", false},
                 {"./:.", false},
                 {"/nonexistent", false},
                 {"/nonexistent:" + abs, true},
                 {abs + ":.", true}};
    for (const auto& c : cases) {
        EXPECT_EQ(LocateOnSearchPath("say", c.searchPath).has_value(), c.found) << c.searchPath;
    }
    EXPECT_FALSE(LocateOnSearchPath("sub/say", abs).has_value());
    fs::current_path(before);
    fs::remove_all(dir);
}

}  // namespace
}  // namespace vrk
