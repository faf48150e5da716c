#include <gtest/gtest.h>

#include <tuple>

#include "engine/bunts.h"
#include "engine/engine_helpers.h"
#include "engine/game.h"
#include "engine/pitch_loop.h"
#include "engine/recording_seams.h"
#include "engine/steals.h"
#include "engine/steals_chance.h"
#include "engine/steals_home.h"
#include "engine/steals_support.h"
#include "engine/test_teams.h"

namespace vrk {
namespace {

using testing::AtThePlate;
using testing::GameFixture;
using testing::OutsSoFar;

TEST(RunningPlays, StealOddsFromTheSeasonLines) {
    GameFixture f;
    Team& team = f.teams[1];
    team.stealColumns = -1;
    team.player(2).caughtStealing = 4;  // the line-up has caught-stealing data
    Player runner = team.player(1);
    runner.stolenBases = 30;
    runner.caughtStealing = 10;
    double p = StealSuccessChance(team, runner, false);
    EXPECT_DOUBLE_EQ(p, 0.75);
    EXPECT_NEAR(FinalStealChance(p, StealFactor(p, false, 2, 'R')), 0.765, 1e-12);
    // Against a left-hander the steal of second is harder, of third easier.
    EXPECT_NEAR(StealFactor(p, false, 2, 'L'), 0.84, 1e-12);
    EXPECT_NEAR(StealFactor(p, false, 3, 'l'), 1.02, 1e-12);
    EXPECT_NEAR(StealFactor(p, false, 3, 'R'), 0.84, 1e-12);

    // No caught-stealing data anywhere: c = 0.27 x 3 rounded = 1, 3/4 capped at 0.7.
    team.player(2).caughtStealing = 0;
    runner.caughtStealing = 0;
    // {stolen bases, the pitcher running, chance}; 1 of 1 meets the floor and the cap.
    const std::tuple<int, bool, double> kNoData[] = {
        {3, false, 0.7}, {3, true, 0.6}, {0, false, 0.6}, {1, false, 0.7}};
    for (auto [stolen, pitcher, chance] : kNoData) {
        runner.stolenBases = stolen;
        EXPECT_DOUBLE_EQ(StealSuccessChance(team, runner, pitcher), chance) << stolen;
    }
    // A team rated by speed.
    team.stealColumns = 0;
    runner.speed = 7;
    EXPECT_DOUBLE_EQ(StealSuccessChance(team, runner, false), 0.7);

    // The pitch-out: below 0.5 only 0.32 of the chance is left.
    EXPECT_NEAR(StealFactor(0.4, true, 2, 'R'), 0.32, 1e-12);
    EXPECT_NEAR(FinalStealChance(0.4, StealFactor(0.4, true, 2, 'R')), 0.128, 1e-12);
    EXPECT_DOUBLE_EQ(FinalStealChance(0.01, 1.0), 0.02);
    EXPECT_DOUBLE_EQ(FinalStealChance(1.5, 1.0), 0.98);
}

TEST(RunningPlays, CaughtStealingIsAnOutWithPutoutAndAssist) {
    testing::StartedGame f(3);
    Game& g = f.g;
    int caught = 0, stolen = 0;
    for (int i = 0; i < 400; ++i) {
        AtThePlate(g, 4);
        f.teams[1].player(4).hand = 'R';
        g.state.runnerOnFirst = 3;
        f.teams[1].player(3).speed = 5;
        testing::FieldingOuts before = OutsSoFar(g, kHome);
        int secondBasePutouts = g.counters.of(kHome).positionPutouts[kSecondBase];
        ResolveSteal(g);
        if (g.state.runnerOnSecond == 3) {
            ++stolen;
            EXPECT_EQ(g.state.outs, 0);
            EXPECT_TRUE(g.state.appearance.continues);
        } else if (g.state.outs == 1) {
            ++caught;
            EXPECT_EQ(g.state.play.resultCode, 90);
            EXPECT_EQ(g.state.runnerOnFirst + g.state.runnerOnSecond, 0);
            EXPECT_EQ(OutsSoFar(g, kHome).pitcherOuts, before.pitcherOuts + 1);
            EXPECT_EQ(OutsSoFar(g, kHome).putouts, before.putouts + 1);
            EXPECT_EQ(g.counters.of(kHome).positionPutouts[kSecondBase], secondBasePutouts + 1);
            EXPECT_EQ(f.card.lines.back().text, "CS 2-4");
            EXPECT_EQ(f.card.lines.back().code, '2');
        } else {
            // The throw got away: the stealer is on third.
            EXPECT_EQ(g.state.runnerOnThird, 3);
            EXPECT_EQ(f.card.lines.back().text, "SB/E-2");
        }
        g.state.play.resultCode = 0;
    }
    // Speed 5: half the steals work, a little more against a right-hander.
    EXPECT_NEAR(stolen / 400.0, 0.51, 0.08);
    EXPECT_GT(caught, 100);
}

TEST(RunningPlays, StealOfHomeAloneAndInADoubleSteal) {
    testing::StartedGame f(5);
    Game& g = f.g;
    testing::ScriptedDecisions yes;
    yes.answer = true;
    g.decisions = &yes;
    f.teams[1].player(6).speed = 9;
    // Speed 9 alone scores when r + 0.48 < 0.9; with a runner on first the
    // user's side chooses the double steal and scores when r + 0.28 < 0.9.
    const std::tuple<int, double, bool> kCases[] = {
        {0, 0.41, true}, {0, 0.43, false}, {2, 0.61, true}, {2, 0.63, false}};
    int stolen = 0, caught = 0;
    for (auto [first, roll, scores] : kCases) {
        g.state.display.userManaged[kVisitors] = first != 0;
        AtThePlate(g, 1);
        testing::SetBases(g.state, first, 0, 6);
        g.state.play.resultCode = 0;
        steals::StealHome(g, roll);
        (scores ? stolen : caught) += 1;
        EXPECT_EQ(g.state.score[kVisitors], scores ? 1 : 0) << roll;
        EXPECT_EQ(g.state.outs, scores ? 0 : 1) << roll;
        // The trailing runner takes his base either way.
        EXPECT_EQ(testing::Bases(g.state), (std::array{0, first, 0})) << roll;
        EXPECT_EQ(g.counters.bat(kVisitors, 6).stolenBases, stolen);
        EXPECT_EQ(g.counters.bat(kVisitors, 6).caughtStealing, caught);
        EXPECT_TRUE(scores || g.state.play.resultCode == 90);
    }
    EXPECT_EQ(g.counters.bat(kVisitors, 1).runsBattedIn, 0);
    EXPECT_EQ(yes.questions.size(), 2u);  // only the user's side is asked
    // A pitch-out halves the chance.
    EXPECT_DOUBLE_EQ(StealHomeChance(9, true), 0.45);
}

TEST(RunningPlays, StrikeoutThrowOutDoublePlayOnTheHitAndRun) {
    testing::StartedGame f(11);
    Game& g = f.g;
    testing::FlagManager manager;
    manager.wanted.hitAndRunCall = true;
    g.managers = &manager;
    f.teams[1].player(3).speed = 1;  // rated 0.1: nearly always caught
    int doublePlays = 0;
    for (int i = 0; i < 3000 && doublePlays < 5; ++i) {
        AtThePlate(g, 4);
        g.state.runnerOnFirst = 3;
        int atBats = g.counters.bat(kVisitors, 4).atBats;
        int teamDoublePlays = g.counters.team[kHome].doublePlays;
        testing::FieldingOuts before = OutsSoFar(g, kHome);
        PlayPass(g);
        if (g.state.play.playResult != "K DP") continue;
        ++doublePlays;
        EXPECT_EQ(g.state.outs, 2);
        EXPECT_EQ(g.state.play.resultCode, 0);
        EXPECT_EQ(g.counters.team[kHome].doublePlays, teamDoublePlays + 1);
        EXPECT_FALSE(g.state.appearance.continues);
        EXPECT_EQ(g.state.lastBatterSlot[kVisitors], 4);
        EXPECT_EQ(g.counters.bat(kVisitors, 4).atBats, atBats + 1);
        EXPECT_EQ(OutsSoFar(g, kHome).pitcherOuts, before.pitcherOuts + 2);
        EXPECT_EQ(OutsSoFar(g, kHome).putouts, before.putouts + 2);
    }
    EXPECT_EQ(doublePlays, 5);
}

TEST(RunningPlays, BuntsSacrificesAndSqueezes) {
    testing::StartedGame f(17);
    Game& g = f.g;
    SimulationRecord record;
    g.record = &record;
    f.teams[1].player(4).speed = 9;
    // Slot 4 bunts with the given runner on first (or third) and the infield in or back.
    auto bunt = [&](int first, int third, bool infieldIn, bool pitchOut = false) {
        AtThePlate(g, 4);
        testing::SetBases(g.state, first, 0, third);
        g.flags.infieldIn = infieldIn;
        g.flags.pitchOut = pitchOut;
    };

    // With the infield in no bunt is a hit, however fast the batter.
    int hits = 0;
    for (int i = 0; i < 500; ++i) {
        bunt(3, 0, true);
        g.state.play.buntFielderDraw = 1 + i % 4;
        ResolveBunt(g);
        hits += g.state.play.playResult == "1B";
        EXPECT_EQ(g.state.outs, 1);
    }
    EXPECT_EQ(hits, 0);
    EXPECT_GT(record.sacrificesMade, 0);
    // Playing back, a speed-9 batter beats out 0.28 - 0.17 of his bunts.
    for (int i = 0; i < 2000; ++i) {
        bunt(3, 0, false);
        ResolveBunt(g);
        hits += g.state.play.playResult == "1B";
    }
    EXPECT_NEAR(hits / 2000.0, 0.11, 0.025);

    // The sacrifice: the runner moves up, the batter has no at-bat.
    int sacrifices = g.counters.bat(kVisitors, 4).sacrifices;
    for (int i = 0; i < 50 && g.counters.bat(kVisitors, 4).sacrifices == sacrifices; ++i) {
        bunt(3, 0, false);
        g.state.play.buntFielderDraw = 3;
        ResolveBunt(g);
    }
    EXPECT_EQ(g.state.play.playResult, "3-1 SAC");
    EXPECT_EQ(testing::Bases(g.state), (std::array{0, 3, 0}));

    // A squeeze against a pitch-out: the runner is out at the plate, the batter stays.
    bunt(0, 6, false, true);
    g.state.outs = 1;
    ResolveBunt(g);
    EXPECT_EQ(g.state.outs, 2);
    EXPECT_EQ(g.state.runnerOnThird, 0);
    EXPECT_TRUE(g.state.appearance.continues);
    EXPECT_EQ(f.card.lines.back().text, "1-2 Bad SQZ");
    EXPECT_EQ(g.counters.bat(kVisitors, 6).caughtStealing, 1);

    // A pitch-out with nobody on third: the batter pulls back and nothing happens.
    bunt(3, 0, false, true);
    ResolveBunt(g);
    EXPECT_EQ(g.state.outs, 0);
    EXPECT_EQ(testing::Bases(g.state), (std::array{3, 0, 0}));
    EXPECT_TRUE(g.state.appearance.continues);
}

TEST(RunningPlays, TheUsersSideChoosesTheSqueezeUnlessTheCoachDoes) {
    testing::StartedGame f(19);
    Game& g = f.g;
    testing::ScriptedDecisions yes;
    yes.answer = true;
    g.decisions = &yes;
    g.state.display.userManaged[kVisitors] = true;
    auto bunt = [&]() {
        AtThePlate(g, 4);
        testing::SetBases(g.state, 2, 0, 6);
        g.state.outs = 1;
        ResolveBunt(g);
        return std::string(g.state.play.playResult);
    };
    int hits = 0;
    for (int i = 0; i < 200; ++i) {
        std::size_t asked = yes.questions.size();
        std::string result = bunt();
        bool hit = result == "1B";
        hits += hit;
        // Unless he beat it out the user chose the squeeze: the run scores or
        // the runner is out at the plate.
        EXPECT_EQ(yes.questions.size(), asked + (hit ? 0 : 1));
        EXPECT_TRUE(hit || result.find("SQZ") != std::string::npos ||
                    (g.state.appearance.continues && f.card.lines.back().text == "1-2 Bad SQZ"))
            << result;
    }
    EXPECT_LT(hits, 40);
    // With AUTOCOACH the computer decides and nobody is asked.
    f.config.autoCoach = true;
    std::size_t asked = yes.questions.size();
    for (int i = 0; i < 50; ++i) bunt();
    EXPECT_EQ(yes.questions.size(), asked);
}

}  // namespace
}  // namespace vrk
