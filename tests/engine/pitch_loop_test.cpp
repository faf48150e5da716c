#include <gtest/gtest.h>

#include "engine/expected_pitches.h"
#include "engine/game.h"
#include "engine/game_texts.h"
#include "engine/pitch_loop.h"
#include "engine/recording_seams.h"
#include "engine/test_teams.h"

namespace vrk {
namespace {

using testing::AtThePlate;
using testing::FlagManager;
using testing::GameFixture;

TEST(PitchLoop, PickoffAndThrowOverRatesForSpeedNine) {
    testing::StartedGame f(21);
    Game& g = f.g;
    f.teams[1].player(5).speed = 9;
    const int passes = 40000;
    int pickoffs = 0, throwOvers = 0;
    for (int i = 0; i < passes; ++i) {
        AtThePlate(g, 1);
        g.state.runnerOnFirst = 5;
        g.state.appearance.throwOverMade = false;
        std::size_t before = f.card.lines.size();
        int atBats = g.counters.bat(kVisitors, 1).atBats;
        int assists = g.counters.field(kHome, 10).assists;
        int pitcherOuts = g.state.outsRecorded[kHome][10];
        PlayPass(g);
        throwOvers += g.state.appearance.throwOverMade;
        if (f.card.lines.size() == before || f.card.lines[before].text != "1-3 PkOff") continue;
        ++pickoffs;
        // The runner is out; the batter steps back in: no at-bat, the same slot next.
        EXPECT_EQ(f.card.lines[before].code, '1');
        EXPECT_EQ(g.state.runnerOnFirst, 0);
        EXPECT_EQ(g.state.outs, 1);
        EXPECT_TRUE(g.state.appearance.continues);
        EXPECT_EQ(g.state.lastBatterSlot[kVisitors], 0);
        EXPECT_EQ(g.counters.bat(kVisitors, 1).atBats, atBats);
        EXPECT_EQ(g.counters.field(kHome, 10).assists, assists + 1);
        EXPECT_EQ(g.state.outsRecorded[kHome][10], pitcherOuts + 1);
    }
    EXPECT_NEAR(pickoffs / double(passes), 0.0045, 0.0015);
    EXPECT_NEAR(throwOvers / double(passes), 0.2205, 0.01);

    // A runner of speed 4 is never thrown at; nor when the game is not close.
    for (auto [speed, visitorsScore] : {std::pair{4, 0}, std::pair{9, 3}}) {
        f.teams[1].player(5).speed = speed;
        for (int i = 0; i < 2000; ++i) {
            AtThePlate(g, 1);
            g.state.score = {0, visitorsScore, 0};
            g.state.runnerOnFirst = 5;
            g.state.appearance.throwOverMade = false;
            PlayPass(g);
            ASSERT_FALSE(g.state.appearance.throwOverMade) << speed;
        }
    }
}

TEST(PitchLoop, FourthBallOnAWildPitchOrPitchOutIsAWalk) {
    testing::StartedGame f(9);
    Game& g = f.g;
    FlagManager manager;
    g.managers = &manager;
    f.teams[1].player(5).speed = 1;
    // A league that hardly walks makes every pitch with a runner on wild.
    f.teams[2].leagueContext.walkRate = 0.0001f;
    auto pass = [&](int slot, int ballsBefore, int pitchOuts = 0) {
        AtThePlate(g, slot);
        g.state.runnerOnFirst = 5;
        g.state.appearance.ballsFromWildPitches = ballsBefore;
        g.state.appearance.pitchOuts = pitchOuts;
        PlayPass(g);
    };

    pass(1, 0);
    EXPECT_TRUE(g.state.appearance.continues);
    EXPECT_EQ(g.state.runnerOnSecond, 5);
    EXPECT_EQ(g.state.appearance.ballsFromWildPitches, 1);
    EXPECT_EQ(g.counters.wildPitches, 1);

    pass(1, 3);
    EXPECT_FALSE(g.state.appearance.continues);
    EXPECT_EQ(g.state.play.playResult, "BB");
    EXPECT_EQ(g.state.runnerOnFirst, 1);
    EXPECT_EQ(g.state.runnerOnSecond, 5);
    EXPECT_EQ(g.state.appearance.ballsFromWildPitches, 0);

    // Pitch-outs: with three balls already the pitch-out is ball four; with
    // fewer and no running play the batter stays and the runner too.
    f.teams[2].leagueContext.walkRate = 0.0815f;
    manager.wanted.pitchOut = true;
    pass(2, 2, 1);
    EXPECT_EQ(g.state.play.playResult, "BB");
    EXPECT_EQ(g.state.runnerOnSecond, 5);

    for (int i = 0; i < 200; ++i) {
        pass(2, 0);
        if (g.state.appearance.pitchOuts != 1) continue;
        EXPECT_TRUE(g.state.appearance.continues);
        EXPECT_EQ(g.state.runnerOnFirst, 5);
        EXPECT_EQ(g.state.outs, 0);
        return;
    }
    FAIL() << "the pitch-out never came";
}

TEST(PitchLoop, IntentionalWalkAndBasesEmptyPasses) {
    testing::StartedGame f(13);
    Game& g = f.g;
    FlagManager manager;
    g.managers = &manager;
    manager.wanted.intentionalWalk = true;
    AtThePlate(g, 3);
    PlayPass(g);
    EXPECT_EQ(g.state.play.playResult, "Int BB");
    EXPECT_EQ(g.state.runnerOnFirst, 3);
    EXPECT_EQ(g.counters.pitch(kHome, 10).battersFaced, 1);
    EXPECT_EQ(g.counters.bat(kVisitors, 3).atBats, 0);

    // With nobody on every pass is a whole plate appearance.
    manager.wanted = {};
    for (int i = 0; i < 500; ++i) {
        AtThePlate(g, 4);
        PlayPass(g);
        ASSERT_FALSE(g.state.appearance.continues);
        ASSERT_FALSE(g.state.play.playResult.empty());
    }
    EXPECT_EQ(g.counters.wildPitches + g.counters.passedBalls, 0);
}

TEST(PitchLoop, HitAndRunStrikeoutsComeOnlyFromTheSwingAndMiss) {
    testing::StartedGame f(17);
    Game& g = f.g;
    FlagManager manager;
    g.managers = &manager;
    manager.wanted.hitAndRunCall = true;
    int strikeouts = 0;
    for (int i = 0; i < 2000; ++i) {
        AtThePlate(g, 6);
        g.state.runnerOnFirst = 5;
        PlayPass(g);
        if (g.state.play.playResult.rfind("K", 0) != 0) continue;
        ++strikeouts;
        ASSERT_FALSE(g.state.appearance.continues);
    }
    // About the batter's strikeout rate: the outcome step adds none.
    EXPECT_GT(strikeouts, 100);
    EXPECT_LT(strikeouts, 500);
}

// A manager that pulls the home starter before the first pitch.
struct HookToReliever final : ManagerHooks {
    void input(Game&) override {}
    void autoManage(Game& game) override { game.flags.changePitcher[kHome] = true; }
    int substitutions(Game& game) override {
        return game.flags.changePitcher[kHome] && game.state.currentPitcher[kHome] == 10 ? 13 : 0;
    }
    bool doubleSwitch(Game&, int) override { return false; }
    int replacePitcher(Game&, int) override { return 0; }
    void warmups(Game&) override {}
};

TEST(PitchLoop, PitchingChangeThroughTheManagerSeam) {
    testing::StartedGame f(23);
    Game& g = f.g;
    HookToReliever manager;
    g.managers = &manager;
    AtThePlate(g, 1);
    g.state.pitchCount[kHome] = 80;
    PlayPass(g);
    EXPECT_EQ(g.state.pitcher, 13);
    EXPECT_EQ(g.state.currentPitcher[kHome], 13);
    EXPECT_EQ(g.state.pitchersUsed[kHome], 2);
    EXPECT_EQ(g.state.pitcherList[kHome][2], 13);
    EXPECT_FALSE(g.flags.changePitcher[kHome]);
    EXPECT_EQ(g.counters.pitch(kHome, 13).battersFaced, 1);
    EXPECT_LT(g.state.pitchCount[kHome], 10);  // the count starts again
    EXPECT_EQ(f.card.count("[Relief] "), 1);
    // The flag is cleared even when no reliever is left.
    PlayPass(g);
    EXPECT_EQ(g.state.pitchersUsed[kHome], 2);
}

TEST(PitchLoop, ExpectedPitchesAndFatigueText) {
    testing::StartedGame f;
    Game& g = f.g;
    // 32 starts in 32 games, 200 innings: the season's pitches over games.
    EXPECT_EQ(ExpectedPitchesPerGame(g, 10, kHome), 100);
    // A reliever without starts: round(P / G), at least 15.
    Player& r = f.teams[2].player(11);
    int reliefPitches = ExpectedPitchesPerGame(g, 11, kHome);
    EXPECT_GE(reliefPitches, 15);
    EXPECT_LT(reliefPitches, 30);
    // Limits are worked out once per game; a line edited mid-game needs a
    // fresh start of the cache.
    r.pitching.games = 0;
    r.pitching.gamesStarted = 0;
    g.pitchLimits = PitchLimitCache{};
    EXPECT_EQ(ExpectedPitchesPerGame(g, 11, kHome), 115);
    // A swing man as a starter is held to 64..125, from the bullpen to 15..100.
    Player& s = f.teams[2].player(12);
    s.pitching.games = 40;
    s.pitching.gamesStarted = 20;
    s.pitching.inningsPitched = 150;
    g.pitchLimits = PitchLimitCache{};
    int asStarter = ExpectedPitchesPerGame(g, 12, kHome);
    EXPECT_GE(asStarter, 64);
    EXPECT_LE(asStarter, 125);
    g.state.pitchersUsed[kHome] = 2;
    int asReliever = ExpectedPitchesPerGame(g, 12, kHome);
    EXPECT_GE(asReliever, 15);
    EXPECT_LE(asReliever, 100);
    EXPECT_LT(asReliever, asStarter);
    // Dead-ball teams pitch deeper.
    g.state.pitchersUsed[kHome] = 1;
    f.teams[2].appearancesPerStart = 1.5;
    g.pitchLimits = PitchLimitCache{};
    EXPECT_EQ(ExpectedPitchesPerGame(g, 10, kHome), 115);

    g.state.fieldingTeam = kHome;
    g.state.pitchCount[kHome] = 57;
    EXPECT_EQ(FatigueText(g), "(50%) ");
}

}  // namespace
}  // namespace vrk
