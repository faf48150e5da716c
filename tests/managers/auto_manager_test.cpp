// The computer manager's decisions in set situations.
#include <gtest/gtest.h>

#include <random>

#include "engine/engine_helpers.h"
#include "engine/game_flow.h"
#include "engine/test_teams.h"
#include "managers/auto_manager.h"
#include "managers/bullpen_state.h"
#include "managers/starters.h"

namespace vrk {
namespace {

using testing::GameFixture;

// A started game between the fixture's teams, the home side in the field,
// with the managers' state installed. The home staff has a closer (entry 17).
struct Managed {
    explicit Managed(std::uint64_t seed = 1) : f(seed), g(*f.game) {
        for (int t = kVisitors; t <= kHome; ++t) {
            Team& team = f.teams[static_cast<std::size_t>(t)];
            team.lastPitcherEntry = 17;
            team.savesData = true;
            team.appearancesPerStart = 2.5;
            for (int e = 16; e <= 17; ++e) {
                team.player(e) = testing::AveragePitcher("Relief, No" + std::to_string(e));
                team.player(e).gamesAtPosition[1] = 0;
                team.player(e).games = 60;
            }
            team.player(17).caughtStealing = 35;  // saves
            team.playerCount = 20;
            for (int e = 18; e <= 20; ++e) {
                team.player(e) = testing::AverageBatter("Bench, No" + std::to_string(e), 7);
                team.player(e).lineupPosition = 0;
            }
        }
        StartGame(g);
        InstallStarters(g, bullpen);
        At(1, 0);
    }
    // Visitors batting in an inning, the home starter pitching.
    void At(int inning, int outs) {
        GameState& s = g.state;
        s.inning = inning;
        s.battingTeam = kVisitors;
        s.fieldingTeam = kHome;
        s.outs = outs;
        s.currentBatterSlot = 4;
        s.batter = 4;
        s.pitcher = s.currentPitcher[kHome];
        s.runnerOnFirst = s.runnerOnSecond = s.runnerOnThird = 0;
        g.flags = StrategyFlags{};
    }
    void Relieved(int entry) {
        GameState& s = g.state;
        s.pitchersUsed[kHome] = 2;
        s.pitcherList[kHome][2] = entry;
        s.currentPitcher[kHome] = entry;
        s.pitcher = entry;
        bullpen.markUsed(kHome, entry);
    }
    int& Runs(int entry) { return g.counters.pitch(kHome, entry).runs; }
    int& Outs(int entry) { return g.state.outsRecorded[kHome][static_cast<std::size_t>(entry)]; }
    AutoManagerContext Context() { return {bullpen, counters, perGame}; }

    GameFixture f;
    Game& g;
    BullpenState bullpen;
    AutoManagerCounters counters;
    AutoManagerGame perGame;
};

TEST(AutoManager, KnockOutThresholdAndTheFirstTenPitches) {
    EXPECT_EQ(KnockOutThreshold(2.5), 5);
    EXPECT_EQ(KnockOutThreshold(1.1), 10);
    EXPECT_EQ(KnockOutThreshold(2.0), 7);
    EXPECT_EQ(KnockOutThreshold(1.25), 8);  // 8.5 to even
    EXPECT_EQ(KnockOutThreshold(1.8), 7);

    Managed m;
    AutoManagerContext c = m.Context();
    m.Runs(10) = 12;
    m.g.state.pitchCount[kHome] = 9;
    for (int i = 0; i < 200; ++i) EXPECT_FALSE(ManagePitchingChange(m.g, c));
    EXPECT_FALSE(m.g.flags.changePitcher[kHome]);
    m.g.state.pitchCount[kHome] = 10;
    EXPECT_TRUE(ManagePitchingChange(m.g, c));
    EXPECT_TRUE(m.g.flags.changePitcher[kHome]);
    EXPECT_EQ(m.counters.starterRemoval[kBombedEarly], 1);
}

TEST(AutoManager, BombedEarlyWithTheTeamsWorkload) {
    Managed m;
    AutoManagerContext c = m.Context();
    m.f.teams[2].appearancesPerStart = 2.0;  // T = 7
    m.At(3, 2);
    m.g.state.pitchCount[kHome] = 60;
    m.g.state.score = {0, 7, 0};
    m.Runs(10) = 7;
    m.Outs(10) = 8;
    EXPECT_TRUE(ManagePitchingChange(m.g, c));
    EXPECT_EQ(m.counters.starterRemoval[kBombedEarly], 1);

    // With nine outs and nobody on, 7 runs are not more than T.
    m.g.flags = StrategyFlags{};
    m.Outs(10) = 9;
    m.At(4, 0);
    for (int i = 0; i < 100; ++i) EXPECT_FALSE(ManagePitchingChange(m.g, c));
    // Two runners on make R = 8: "Bombed other".
    m.g.state.runnerOnFirst = 1;
    m.g.state.runnerOnSecond = 2;
    EXPECT_TRUE(ManagePitchingChange(m.g, c));
    EXPECT_EQ(m.counters.starterRemoval[kBombedOther], 1);
    // A reliever has a shorter leash: T - 2 before the 6th.
    m.g.flags = StrategyFlags{};
    m.Relieved(11);
    m.g.state.score = {0, 3, 0};
    m.g.state.runnerOnFirst = m.g.state.runnerOnSecond = 0;
    m.Runs(11) = 6;
    EXPECT_TRUE(ManagePitchingChange(m.g, c));
    EXPECT_EQ(m.counters.starterRemoval[kBombedOther], 1);  // only starters are counted
}

TEST(AutoManager, NoRemovalWithoutRelievers) {
    Managed m;
    AutoManagerContext c = m.Context();
    for (int e = 11; e <= 17; ++e) m.bullpen.markUsed(kHome, e);
    m.Runs(10) = 15;
    m.Outs(10) = 31;
    m.g.state.pitchCount[kHome] = 150;
    for (int i = 0; i < 100; ++i) EXPECT_FALSE(ManagePitchingChange(m.g, c));
    // One rested arm is enough.
    m.bullpen.usedInGame[kHome][14] = false;
    EXPECT_TRUE(ManagePitchingChange(m.g, c));
    // Under the days-off rule a tired arm does not count.
    m.g.flags = StrategyFlags{};
    m.f.config.daysOffRule = true;
    m.f.teams[2].player(14).restDaysNeeded = 2;
    EXPECT_FALSE(ManagePitchingChange(m.g, c));
}

TEST(AutoManager, TheCloserInTheNinthAndTheEighth) {
    Managed m(9);
    AutoManagerContext c = m.Context();
    m.Relieved(12);
    auto rate = [&](int inning, int outs, bool runnerOn, int trials) {
        int calls = 0;
        for (int i = 0; i < trials; ++i) {
            m.At(inning, outs);
            m.g.state.runnerOnFirst = runnerOn ? 1 : 0;
            m.g.state.pitchCount[kHome] = 12;
            m.g.state.score = {0, 1, 2};
            m.g.state.teamHits[kVisitors] = 4;
            m.Outs(12) = 3;
            calls += ManagePitchingChange(m.g, c);
        }
        return calls / static_cast<double>(trials);
    };
    // Ninth, up by one, bases empty, nobody out: nine times in ten.
    EXPECT_NEAR(rate(9, 0, false, 4000), 0.9, 0.02);
    // A runner on: always.
    EXPECT_DOUBLE_EQ(rate(9, 1, true, 200), 1.0);
    // Eighth, one out, a runner on: four times in five, never under the strict rule.
    EXPECT_NEAR(rate(8, 1, true, 4000), 0.8, 0.025);
    m.f.config.strictCloserRule = true;
    EXPECT_DOUBLE_EQ(rate(8, 1, true, 500), 0.0);
    m.f.config.strictCloserRule = false;
    // Once the closer has pitched, or with nobody with saves left, no call.
    m.bullpen.closerUsed[kHome] = true;
    EXPECT_DOUBLE_EQ(rate(9, 1, true, 200), 0.0);
    m.bullpen.closerUsed[kHome] = false;
    m.bullpen.markUsed(kHome, 17);
    EXPECT_DOUBLE_EQ(rate(9, 1, true, 200), 0.0);
}

TEST(AutoManager, PitchOutsBySpeed) {
    Managed m(4);
    AutoManagerContext c = m.Context();
    auto rate = [&](int speed, int trials) {
        int calls = 0;
        for (int i = 0; i < trials; ++i) {
            m.At(3, 0);
            m.g.state.runnerOnFirst = 2;
            m.f.teams[1].player(2).speed = speed;
            ManageInfieldAndPitchOut(m.g, c);
            calls += m.g.flags.pitchOut;
        }
        return calls / static_cast<double>(trials);
    };
    EXPECT_EQ(PitchOutSpeedThreshold(4), 140);
    EXPECT_EQ(PitchOutSpeedThreshold(9), 165);
    EXPECT_DOUBLE_EQ(rate(4, 5000), 0.0);
    // Speed 9: 90 + RandInt(100) > 165 in 25 of 100.
    EXPECT_NEAR(rate(9, 5000), 0.25, 0.02);
    // A runner who has run a lot draws more: penalty 20 lowers the bar.
    m.g.state.runnerStealAttempts[kVisitors][2] = 3;
    EXPECT_NEAR(rate(9, 5000), 0.45, 0.02);
    // Speed 4 with the penalty: 40 + RandInt(100) > 120 in 20 of 100.
    EXPECT_NEAR(rate(4, 5000), 0.20, 0.02);
}

TEST(AutoManager, WalksAndPitchingAround) {
    Managed m(6);
    AutoManagerContext c = m.Context();
    Team& visitors = m.f.teams[1];
    visitors.player(4).hits = 180;
    visitors.player(4).homeRuns = 40;  // value (180 + 60) / 551
    visitors.player(5).hits = 100;
    visitors.player(5).homeRuns = 5;
    int walks = 0;
    for (int i = 0; i < 2000; ++i) {
        m.At(8, 1);
        m.g.state.runnerOnSecond = 1;
        m.g.state.score = {0, 0, 3};
        ManageWalks(m.g, c);
        walks += m.g.flags.intentionalWalk;
    }
    EXPECT_NEAR(walks / 2000.0, 0.95, 0.02);
    EXPECT_EQ(m.counters.intentionalWalkRegular, walks);
    // Leading by no more than the runners on base: pitch around instead.
    int around = 0;
    for (int i = 0; i < 2000; ++i) {
        m.At(8, 1);
        m.g.state.runnerOnSecond = 1;
        m.g.state.score = {0, 0, 1};
        ManageWalks(m.g, c);
        EXPECT_FALSE(m.g.flags.intentionalWalk);
        around += m.g.flags.pitchAround;
    }
    EXPECT_NEAR(around / 2000.0, 0.85, 0.03);
    EXPECT_EQ(m.counters.pitchAroundOther, around);

    // Home team batting, tied in the ninth, runner on third: load them up.
    m.At(9, 1);
    m.g.state.battingTeam = kHome;
    m.g.state.fieldingTeam = kVisitors;
    m.g.state.score = {0, 2, 2};
    m.g.state.runnerOnThird = 3;
    ManageWalks(m.g, c);
    EXPECT_TRUE(m.g.flags.intentionalWalk);
    EXPECT_EQ(m.counters.intentionalWalkDesperate, 1);
}

TEST(AutoManager, PinchHittersInRosterOrderOnTies) {
    Managed m(8);
    AutoManagerContext c = m.Context();
    m.f.teams[1].player(4).hits = 50;  // a .091 hitter
    m.f.teams[1].player(4).homeRuns = 0;
    std::array<int, 21> picks{};
    for (int i = 0; i < 3000; ++i) {
        m.At(8, 0);
        m.g.state.score = {0, 0, 0};
        ASSERT_TRUE(ManagePinchHitter(m.g, c));
        ++picks[static_cast<std::size_t>(m.g.flags.pinchHitter)];
    }
    EXPECT_NEAR(picks[18] / 3000.0, 0.70, 0.025);
    EXPECT_NEAR(picks[19] / 3000.0, 0.15, 0.02);
    EXPECT_NEAR(picks[20] / 3000.0, 0.15, 0.02);
    EXPECT_EQ(m.counters.pinchHits, 3000);
    // A used bench player is no candidate; a better one is preferred.
    m.bullpen.markUsed(kVisitors, 18);
    m.f.teams[1].player(20).hits = 200;
    m.At(8, 0);
    ASSERT_TRUE(ManagePinchHitter(m.g, c));
    EXPECT_NE(m.g.flags.pinchHitter, 18);
    // Early in the game a .091 hitter still bats.
    m.At(2, 0);
    EXPECT_FALSE(ManagePinchHitter(m.g, c));

    EXPECT_DOUBLE_EQ(PinchHitMargin(3, false), 0.205);
    EXPECT_DOUBLE_EQ(PinchHitMargin(9, true), 0.04);
    EXPECT_NEAR(CompleteGameShare(2.0), 64.35 / 162, 1e-9);
}

TEST(AutoManager, StealRatesAndSituations) {
    Player runner;
    runner.speed = 9;
    EXPECT_DOUBLE_EQ(StealAttemptRate(runner), 0.42);
    runner.speed = 4;
    EXPECT_DOUBLE_EQ(StealAttemptRate(runner), 0.09);
    runner.stolenBases = 30;
    runner.caughtStealing = 10;
    runner.walks = 50;
    runner.hits = 150;
    runner.doubles = 30;
    runner.triples = 5;
    runner.homeRuns = 15;  // 100 singles
    runner.speed = 8;
    EXPECT_NEAR(StealAttemptRate(runner), 40.0 / 150 * 1.1, 1e-12);

    Managed m(10);
    AutoManagerContext c = m.Context();
    // Runners on second and third: never a steal or hit-and-run.
    for (int i = 0; i < 500; ++i) {
        m.At(5, 1);
        m.g.state.runnerOnSecond = 1;
        m.g.state.runnerOnThird = 2;
        m.f.teams[1].player(4).homeRuns = 30;  // no squeeze either
        EXPECT_FALSE(ManageRunningPlay(m.g, c));
        EXPECT_FALSE(m.g.flags.stealCall || m.g.flags.hitAndRunCall);
    }
    // Runner on second with nobody out: no steal of third, but the hit-and-run
    // is still looked at (it needs a runner on first).
    int steals = 0;
    for (int i = 0; i < 500; ++i) {
        m.At(5, 0);
        m.g.state.runnerOnSecond = 1;
        m.f.teams[1].player(1).speed = 9;
        ManageRunningPlay(m.g, c);
        steals += m.g.flags.stealCall;
    }
    EXPECT_EQ(steals, 0);
}

TEST(AutoManager, OneCallNeverRemovesThePitcherAndManagesTheOffence) {
    Managed m(12);
    std::mt19937 pick(5);
    int removals = 0;
    for (int i = 0; i < 4000; ++i) {
        m.At(1 + static_cast<int>(pick() % 9), static_cast<int>(pick() % 3));
        GameState& s = m.g.state;
        s.runnerOnFirst = pick() % 2 ? 1 : 0;
        s.runnerOnSecond = pick() % 3 == 0 ? 2 : 0;
        s.score = {0, static_cast<int>(pick() % 4), static_cast<int>(pick() % 4)};
        s.teamHits[kVisitors] = 5;
        s.pitchCount[kHome] = 20 + static_cast<int>(pick() % 120);
        m.Runs(10) = static_cast<int>(pick() % 9);
        m.Outs(10) = static_cast<int>(pick() % 27);
        m.f.teams[1].player(1).speed = 9;
        AutoManagerContext c = m.Context();
        Manage(m.g, c);
        const StrategyFlags& f = m.g.flags;
        if (f.changePitcher[kHome]) {
            ++removals;
            EXPECT_FALSE(f.pinchHitCall || f.pinchRunCall || f.stealCall || f.buntCall ||
                         f.hitAndRunCall);
        }
    }
    EXPECT_GT(removals, 100);
    EXPECT_GT(m.counters.steals + m.counters.bunts + m.counters.pinchHits, 100);
}

}  // namespace
}  // namespace vrk
