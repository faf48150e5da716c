// The computer manager's decisions in set situations.
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <utility>
#include <vector>

#include "engine/engine_helpers.h"
#include "engine/game.h"
#include "engine/game_start.h"
#include "engine/test_teams.h"
#include "managers/auto_manager.h"
#include "managers/bullpen_state.h"
#include "managers/roster_swap.h"
#include "managers/starters.h"

namespace vrk {
namespace {

// A started game between the fixture's teams with the managers' state
// installed. Each staff ends with a closer (17); 18..20 are the bench.
struct Managed {
    explicit Managed(std::uint64_t seed = 1) : f(seed), g(*f.game) {
        for (std::size_t t : {1u, 2u}) {
            Team& team = f.teams[t];
            team.lastPitcherEntry = 17;
            team.savesData = true;
            team.appearancesPerStart = 2.5;
            for (int e = 16; e <= 17; ++e) {
                team.player(e) = testing::AveragePitcher("Relief, No" + std::to_string(e));
                team.player(e).pitching.gamesStarted = 0;
                team.player(e).pitching.games = 60;
            }
            for (int e = 18; e <= 20; ++e) {
                team.player(e) = testing::AverageBatter("Bench, No" + std::to_string(e), 7);
                team.player(e).lineupPosition = 0;
            }
            team.player(17).pitching.saves = 35;
            team.playerCount = 20;
        }
        StartGame(g);
        InstallStarters(g, bullpen);
        At(1, 0);
    }
    // Visitors batting with slot 4 up and the bases empty, the home pitcher on the mound.
    void At(int inning, int outs) {
        GameState& s = g.state;
        s.inning = inning;
        s.battingTeam = kVisitors;
        s.fieldingTeam = kHome;
        s.outs = outs;
        s.currentBatterSlot = s.batter = 4;
        s.pitcher = s.currentPitcher[kHome];
        s.runnerOnFirst = s.runnerOnSecond = s.runnerOnThird = 0;
        g.flags = StrategyFlags{};
    }
    void Relieved(int entry) {
        GameState& s = g.state;
        s.pitchersUsed[kHome] = 2;
        s.pitcherList[kHome][2] = s.currentPitcher[kHome] = s.pitcher = entry;
        bullpen.markUsed(kHome, entry);
    }
    int& Runs(int entry) { return g.counters.pitch(kHome, entry).runs; }
    int& Outs(int entry) { return g.state.outsRecorded[kHome][static_cast<std::size_t>(entry)]; }
    bool Change() { return ManagePitchingChange(g, c); }
    // Share of `trials` calls of `once` that say yes.
    template <typename Once>
    double Rate(int trials, Once once) {
        int yes = 0;
        for (int i = 0; i < trials; ++i) yes += once() ? 1 : 0;
        return yes / static_cast<double>(trials);
    }

    testing::GameFixture f;
    Game& g;
    BullpenState bullpen;
    AutoManagerCounters counters;
    AutoManagerGame perGame;
    AutoManagerContext c{bullpen, counters, perGame};
};

TEST(AutoManager, KnockOutThresholdAndTheFirstTenPitches) {
    // Appearances per start and the run threshold T (half to even).
    const std::pair<double, int> thresholds[] = {
        {2.5, 5}, {1.1, 10}, {2.0, 7}, {1.25, 8}, {1.8, 7}};
    for (auto [aps, t] : thresholds) EXPECT_EQ(KnockOutThreshold(aps), t) << aps;

    Managed m;
    m.Runs(10) = 12;
    m.g.state.pitchCount[kHome] = 9;
    EXPECT_DOUBLE_EQ(m.Rate(200, [&] { return m.Change() || m.g.flags.changePitcher[kHome]; }),
                     0.0);
    m.g.state.pitchCount[kHome] = 10;
    EXPECT_TRUE(m.Change() && m.g.flags.changePitcher[kHome]);
    EXPECT_EQ(m.counters.starterRemoval[kBombedEarly], 1);
}

TEST(AutoManager, BombedEarlyWithTheTeamsWorkload) {
    Managed m;
    m.f.teams[2].appearancesPerStart = 2.0;  // T = 7
    m.At(3, 2);
    m.g.state.pitchCount[kHome] = 60;
    m.g.state.score = {0, 7, 0};
    m.Runs(10) = 7;
    m.Outs(10) = 8;
    EXPECT_TRUE(m.Change());
    EXPECT_EQ(m.counters.starterRemoval[kBombedEarly], 1);

    // With nine outs and nobody on, 7 runs are not more than T.
    m.Outs(10) = 9;
    m.At(4, 0);
    EXPECT_DOUBLE_EQ(m.Rate(100, [&] { return m.Change(); }), 0.0);
    // Two runners on make R = 8: "Bombed other".
    m.g.state.runnerOnFirst = 1;
    m.g.state.runnerOnSecond = 2;
    EXPECT_TRUE(m.Change());
    EXPECT_EQ(m.counters.starterRemoval[kBombedOther], 1);
    // A reliever has a shorter leash: T - 2 before the 6th; only starters are counted.
    m.At(4, 0);
    m.Relieved(11);
    m.g.state.score = {0, 3, 0};
    m.Runs(11) = 6;
    EXPECT_TRUE(m.Change());
    EXPECT_EQ(m.counters.starterRemoval[kBombedOther], 1);
}

TEST(AutoManager, NoRemovalWithoutRelievers) {
    Managed m;
    for (int e = 11; e <= 17; ++e) m.bullpen.markUsed(kHome, e);
    m.Runs(10) = 15;
    m.Outs(10) = 31;
    m.g.state.pitchCount[kHome] = 150;
    EXPECT_DOUBLE_EQ(m.Rate(100, [&] { return m.Change(); }), 0.0);
    // One rested arm is enough; under the days-off rule a tired arm does not count.
    m.bullpen.usedInGame[kHome][14] = false;
    EXPECT_TRUE(m.Change());
    m.g.flags = StrategyFlags{};
    m.f.config.daysOffRule = true;
    m.f.teams[2].player(14).restDaysNeeded = 2;
    EXPECT_FALSE(m.Change());
}

TEST(AutoManager, TheCloserInTheNinthAndTheEighth) {
    Managed m(9);
    m.Relieved(12);
    auto rate = [&](int inning, int outs, int runnerOnFirst, int trials) {
        return m.Rate(trials, [&] {
            m.At(inning, outs);
            m.g.state.runnerOnFirst = runnerOnFirst;
            m.g.state.pitchCount[kHome] = 12;
            m.g.state.score = {0, 1, 2};
            m.g.counters.team[kVisitors].hits = 4;
            m.Outs(12) = 3;
            return m.Change();
        });
    };
    // Ninth, up by one, bases empty, nobody out: nine times in ten; a runner on: always.
    EXPECT_NEAR(rate(9, 0, 0, 4000), 0.9, 0.02);
    EXPECT_DOUBLE_EQ(rate(9, 1, 1, 200), 1.0);
    // Eighth, one out, a runner on: four times in five, never under the strict rule.
    EXPECT_NEAR(rate(8, 1, 1, 4000), 0.8, 0.025);
    m.f.config.strictCloserRule = true;
    EXPECT_DOUBLE_EQ(rate(8, 1, 1, 500), 0.0);
    m.f.config.strictCloserRule = false;
    // Once the closer has pitched, or with nobody with saves left, no call.
    m.bullpen.closerUsed[kHome] = true;
    EXPECT_DOUBLE_EQ(rate(9, 1, 1, 200), 0.0);
    m.bullpen.closerUsed[kHome] = false;
    m.bullpen.markUsed(kHome, 17);
    EXPECT_DOUBLE_EQ(rate(9, 1, 1, 200), 0.0);
    // With nobody left to bring in, the call draws no number: the rest of
    // the game plays as if it had not been asked.
    m.bullpen.closerUsed[kHome] = false;
    for (int e = 10; e <= 17; ++e) m.bullpen.markUsed(kHome, e);
    Rng unasked = m.g.rng;
    EXPECT_DOUBLE_EQ(rate(9, 0, 0, 50), 0.0);
    EXPECT_EQ(m.g.rng.draw(), unasked.draw());
}

TEST(AutoManager, PitchOutsBySpeed) {
    Managed m(4);
    auto rate = [&](int speed) {
        return m.Rate(5000, [&] {
            m.At(3, 0);
            m.g.state.runnerOnFirst = 2;
            m.f.teams[1].player(2).speed = speed;
            ManageInfieldAndPitchOut(m.g, m.c);
            return m.g.flags.pitchOut;
        });
    };
    EXPECT_DOUBLE_EQ(rate(4), 0.0);
    EXPECT_NEAR(rate(9), 0.25, 0.02);  // 90 + RandInt(100) > 165
    // A runner who has run a lot draws more: penalty 20 lowers the bar.
    m.g.state.runnerStealAttempts[kVisitors][2] = 3;
    EXPECT_NEAR(rate(9), 0.45, 0.02);
    EXPECT_NEAR(rate(4), 0.20, 0.02);  // 40 + RandInt(100) > 120
}

TEST(AutoManager, PinchHittersInRosterOrderOnTies) {
    Managed m(8);
    m.f.teams[1].player(4).hits = 50;  // a .091 hitter
    m.f.teams[1].player(4).homeRuns = 0;
    std::array<int, 21> picks{};
    for (int i = 0; i < 3000; ++i) {
        m.At(8, 0);
        m.g.state.score = {0, 0, 0};
        ASSERT_TRUE(ManagePinchHitter(m.g, m.c));
        ++picks[static_cast<std::size_t>(m.g.flags.pinchHitter)];
    }
    // Three equal bench players: the first in roster order, else a draw.
    EXPECT_NEAR(picks[18] / 3000.0, 0.70, 0.025);
    EXPECT_NEAR(picks[19] / 3000.0, 0.15, 0.02);
    EXPECT_NEAR(picks[20] / 3000.0, 0.15, 0.02);
    EXPECT_EQ(m.counters.pinchHits, 3000);
    // A used bench player is no candidate; a better one is preferred.
    m.bullpen.markUsed(kVisitors, 18);
    m.f.teams[1].player(20).hits = 200;
    m.perGame = AutoManagerGame{};  // a new season line: the figures of a new game
    m.At(8, 0);
    ASSERT_TRUE(ManagePinchHitter(m.g, m.c));
    EXPECT_NE(m.g.flags.pinchHitter, 18);
    m.At(2, 0);  // early in the game a .091 hitter still bats
    EXPECT_FALSE(ManagePinchHitter(m.g, m.c));
}

// The bench's figures are kept for the game: after an exchange of entries the
// better hitter is still the one picked, under his new entry.
TEST(AutoManager, PinchHitterFollowsThePlayerAcrossAnExchangeOfEntries) {
    Managed m(8);
    m.f.teams[1].player(4).hits = 50;
    m.f.teams[1].player(4).homeRuns = 0;
    m.f.teams[1].player(20).hits = 200;
    auto share = [&m](int entry) {
        int picked = 0;
        for (int i = 0; i < 2000; ++i) {
            m.At(8, 0);
            m.g.state.score = {0, 0, 0};
            EXPECT_TRUE(ManagePinchHitter(m.g, m.c));
            picked += m.g.flags.pinchHitter == entry ? 1 : 0;
        }
        return picked / 2000.0;
    };
    EXPECT_NEAR(share(20), 0.70, 0.03);
    swapGameEntries(m.g, m.bullpen, kVisitors, 18, 20);
    EXPECT_NEAR(share(18), 0.70, 0.03);
    EXPECT_EQ(m.f.teams[1].player(18).hits, 200);
}

TEST(AutoManager, OneCallNeverRemovesThePitcherAndManagesTheOffence) {
    Managed m(12);
    std::mt19937 pick(5);
    auto draw = [&](int n) { return static_cast<int>(pick() % static_cast<unsigned>(n)); };
    int removals = 0;
    for (int i = 0; i < 4000; ++i) {
        m.At(1 + draw(9), draw(3));
        GameState& s = m.g.state;
        s.runnerOnFirst = draw(2) ? 1 : 0;
        s.runnerOnSecond = draw(3) == 0 ? 2 : 0;
        s.score = {0, draw(4), draw(4)};
        m.g.counters.team[kVisitors].hits = 5;
        s.pitchCount[kHome] = 20 + draw(120);
        m.Runs(10) = draw(9);
        m.Outs(10) = draw(27);
        m.f.teams[1].player(1).speed = 9;
        Manage(m.g, m.c);
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

// The turn passes over a piece on a plain test of the situation; every
// piece asked in turn, whatever the situation, must decide the same and
// draw the same numbers.
TEST(AutoManager, TheTurnDecidesAsEveryPieceAskedInTurn) {
    Managed m(21);
    for (std::size_t t : {1u, 2u}) {
        Team& team = m.f.teams[t];
        team.player(4).hits = 50;  // worth batting for
        team.player(20).hits = 200;
        Player& runner = team.player(19);  // fast, and plays where the runners do
        runner.speed = 9;
        runner.positionCode[1] = team.player(1).lineupPosition;
        runner.positionCode[2] = team.player(2).lineupPosition;
    }
    std::mt19937 pick(8);
    auto draw = [&](int n) { return static_cast<int>(pick() % static_cast<unsigned>(n)); };
    auto decided = [&] {
        const StrategyFlags& f = m.g.flags;
        const AutoManagerCounters& k = m.counters;
        return std::vector<int>{f.intentionalWalk,
                                f.pitchAround,
                                f.pitchOut,
                                f.infieldIn,
                                f.changePitcher[kVisitors],
                                f.changePitcher[kHome],
                                f.pinchHitCall,
                                f.pinchRunCall,
                                f.stealCall,
                                f.buntCall,
                                f.hitAndRunCall,
                                f.pinchHitter,
                                f.pinchRunner,
                                f.pinchRunnerSlot,
                                k.pitchingChanges,
                                k.pinchHits,
                                k.pinchRuns,
                                k.steals,
                                k.bunts,
                                k.hitAndRuns,
                                k.pitchOuts,
                                k.infieldIn,
                                k.intentionalWalkRegular,
                                k.pitchAroundOther,
                                k.intentionalWalkDesperate,
                                m.perGame.pitcherLetBat[kVisitors],
                                m.perGame.pitcherLetBat[kHome]};
    };
    auto everyPiece = [&] {
        ManageInfieldAndPitchOut(m.g, m.c);
        ManageWalks(m.g, m.c);
        if (ManagePitchingChange(m.g, m.c) || ManagePinchHitter(m.g, m.c) ||
            ManageRunningPlay(m.g, m.c)) {
            return;
        }
        ManagePinchRunner(m.g, m.c);
    };
    std::array<int, 4> acted{};  // fielding calls, pinch hitters, running plays, pinch runners
    for (int i = 0; i < 6000; ++i) {
        m.At(1 + draw(11), draw(3));
        GameState& s = m.g.state;
        if (draw(2)) std::swap(s.battingTeam, s.fieldingTeam);
        s.pitcher = s.currentPitcher[s.fieldingTeam];
        s.currentBatterSlot = s.batter = 1 + draw(9);
        s.runnerOnFirst = draw(2) ? 1 : 0;
        s.runnerOnSecond = draw(3) == 0 ? 2 : 0;
        s.runnerOnThird = draw(3) == 0 ? 3 : 0;
        s.score = {0, draw(6), draw(6)};
        s.pitchCount = {0, draw(130), draw(130)};
        for (int t = kVisitors; t <= kHome; ++t) {
            m.g.counters.team[t].hits = draw(8);
            m.g.counters.pitch(t, s.currentPitcher[t]).runs = draw(9);
            m.g.state.outsRecorded[t][static_cast<std::size_t>(s.currentPitcher[t])] = draw(30);
        }
        const StrategyFlags flags = m.g.flags;
        const AutoManagerCounters counters = m.counters;
        const AutoManagerGame perGame = m.perGame;
        const Rng::State before = m.g.rng.state();

        Manage(m.g, m.c);
        const std::vector<int> turn = decided();
        const Rng::State after = m.g.rng.state();

        m.g.flags = flags;
        m.counters = counters;
        m.perGame = perGame;
        m.g.rng.restore(before);
        everyPiece();
        ASSERT_EQ(turn, decided()) << "situation " << i;
        ASSERT_EQ(after, m.g.rng.state()) << "situation " << i;

        const StrategyFlags& f = m.g.flags;
        acted[0] += f.intentionalWalk || f.pitchAround || f.pitchOut || f.infieldIn ||
                    f.changePitcher[s.fieldingTeam];
        acted[1] += f.pinchHitCall;
        acted[2] += f.stealCall || f.buntCall || f.hitAndRunCall;
        acted[3] += f.pinchRunCall;
    }
    // The situations reached every piece's decisions.
    for (int n : acted) EXPECT_GT(n, 20);
}

}  // namespace
}  // namespace vrk
