#include <gtest/gtest.h>

#include <cmath>

#include "engine/engine_helpers.h"
#include "engine/outcome_model.h"
#include "engine/test_teams.h"

namespace vrk {
namespace {

using testing::GameFixture;

// Puts the top of the first on: visitors' slot 1 against the home starter.
void FirstBatter(Game& g) {
    g.state.battingTeam = kVisitors;
    g.state.fieldingTeam = kHome;
    g.state.currentBatterSlot = 1;
    g.state.batter = 1;
    g.state.pitcher = 10;
    g.state.currentPitcher = {0, 10, 10};
    g.state.pitchersUsed = {0, 1, 1};
}

TEST(OutcomeModel, LeagueRatesComeBackForALeagueAverageMatchup) {
    GameFixture f;
    Game& g = *f.game;
    FirstBatter(g);
    const LeagueContext& l = f.teams[2].leagueContext;
    EXPECT_NEAR(CombineRates(0.3, 0.3, 0.3), 0.3, 1e-12);
    EventRates rates;
    rates.batter = {l.walkRate, l.singleRate, l.doubleRate, l.tripleRate, l.homeRunRate};
    rates.pitcher = rates.batter;
    rates.hitByPitch = 0.01f;
    OutcomeThresholds th = ComputeThresholds(g, rates, 1.0f);
    EXPECT_NEAR(th.t[1], l.walkRate, 1e-6);
    EXPECT_NEAR(th.t[2] - th.t[1], 0.01, 1e-6);
    EXPECT_NEAR(th.t[3] - th.t[2], l.singleRate, 1e-6);
    EXPECT_NEAR(th.t[4] - th.t[3], l.doubleRate, 1e-6);
    EXPECT_NEAR(th.t[5] - th.t[4], l.tripleRate, 1e-6);
    EXPECT_NEAR(th.t[6] - th.t[5], l.homeRunRate, 1e-6);

    // The built players are close to the league line too.
    EventRates built = ComputeEventRates(g, 1.0f);
    EXPECT_NEAR(built.batter.walk, l.walkRate, 0.01);
    EXPECT_NEAR(built.batter.single, l.singleRate, 0.015);
    EXPECT_NEAR(built.pitcher.homeRun, l.homeRunRate, 0.003);

    // A hit factor above 1 moves every hit band up by its league share.
    OutcomeThresholds hot = ComputeThresholds(g, rates, 1.2f);
    EXPECT_NEAR(hot.t[3] - hot.t[2], l.singleRate * (1 + 0.2 * l.singleShare), 1e-6);
}

TEST(OutcomeModel, PitchAroundOnlyBelowAWalkChanceOfPointThree) {
    GameFixture f;
    Game& g = *f.game;
    FirstBatter(g);
    const LeagueContext& l = f.teams[2].leagueContext;
    EventRates rates;
    rates.batter = {l.walkRate, l.singleRate, l.doubleRate, l.tripleRate, l.homeRunRate};
    rates.pitcher = rates.batter;
    g.flags.pitchAround = true;
    OutcomeThresholds th = ComputeThresholds(g, rates, 1.0f);
    EXPECT_FLOAT_EQ(th.walkFactor, 1.5f);
    EXPECT_NEAR(th.t[1], 1.5 * l.walkRate, 1e-6);
    EXPECT_NEAR(th.hitFactor, 1 - 0.5 * l.walkRate, 1e-6);

    rates.batter.walk = 0.3f;
    rates.pitcher.walk = 0.3f;
    f.teams[2].leagueContext.walkRate = 0.3f;
    th = ComputeThresholds(g, rates, 1.0f);
    EXPECT_FLOAT_EQ(th.walkFactor, 1.0f);
    EXPECT_FLOAT_EQ(th.hitFactor, 1.0f);

    // After a home run the next batter is pitched carefully and hit more often.
    g.flags.pitchAround = false;
    f.teams[2].leagueContext.walkRate = l.walkRate;
    rates.batter.walk = rates.pitcher.walk = l.walkRate;
    rates.hitByPitch = 0.005f;
    g.lastScoreCardText = "HR";
    th = ComputeThresholds(g, rates, 1.0f);
    EXPECT_FLOAT_EQ(th.walkFactor, 1.2f);
    EXPECT_FLOAT_EQ(th.hitByPitch, 0.04f);
}

TEST(OutcomeModel, HitFactorTerms) {
    GameFixture f;
    Game& g = *f.game;
    FirstBatter(g);
    f.config.homeFieldFactor = 0;
    Player& b = f.teams[1].player(1);
    Player& p = f.teams[2].player(10);
    b.hand = 'X';  // no platoon term
    float base = HitFactor(g).hitFactor;
    // Infield back (-0.004) and a fresh starter with pitch data (-0.0965).
    EXPECT_NEAR(base, 1 - 0.004 - 0.0965, 1e-5);

    auto delta = [&](char bats, char throws, char mark = ' ') {
        b.hand = bats;
        b.platoonMark = mark;
        p.hand = throws;
        return HitFactor(g).hitFactor - base;
    };
    EXPECT_NEAR(delta('R', 'L'), 0.068, 1e-5);
    EXPECT_NEAR(delta('R', 'R'), -0.025, 1e-5);
    EXPECT_NEAR(delta('L', 'R'), 0.04, 1e-5);
    EXPECT_NEAR(delta('L', 'L'), -0.108, 1e-5);
    EXPECT_NEAR(delta('L', 'l'), -0.108, 1e-5);  // the pitcher's hand is upper-cased
    EXPECT_NEAR(delta('S', 'L'), 0, 1e-6);
    EXPECT_NEAR(delta('S', 'R'), 0, 1e-6);
    EXPECT_NEAR(delta('R', 'L', 'P'), 0, 1e-6);  // platoon player facing the other hand
    EXPECT_NEAR(delta('R', 'R', 'P'), -0.025, 1e-5);

    b.hand = 'X';
    f.config.homeFieldFactor = 3;
    EXPECT_NEAR(HitFactor(g).hitFactor - base, -0.028332, 1e-5);
    g.state.battingTeam = kHome;
    g.state.fieldingTeam = kVisitors;
    g.state.batter = 1;
    f.teams[2].player(1).hand = 'X';
    EXPECT_NEAR(HitFactor(g).hitFactor - base, 0.03, 1e-5);

    // Infield in, a tired reliever and a pitcher working on short rest.
    g.flags.infieldIn = true;
    f.config.homeFieldFactor = 0;
    EXPECT_NEAR(HitFactor(g).hitFactor - base, 0.204, 1e-5);
    g.flags.infieldIn = false;
    f.teams[1].pitcherGamesData = false;
    g.state.pitchersUsed[kVisitors] = 2;
    g.state.outsRecorded[kVisitors][10] = 6;
    EXPECT_NEAR(HitFactor(g).hitFactor, 1 - 0.004 + 0.01 * 6 - 0.05, 1e-5);
    f.teams[1].player(10).restDaysNeeded = -1;
    EXPECT_NEAR(HitFactor(g).hitFactor, 1 - 0.004 + 0.01 + 1.0 / 3, 1e-5);
    f.teams[1].player(10).restDaysNeeded = -30;
    EXPECT_FLOAT_EQ(HitFactor(g).hitFactor, 2.0f);  // clamped
}

TEST(OutcomeModel, EventRateFloorsAndFallbacks) {
    GameFixture f;
    Game& g = *f.game;
    FirstBatter(g);
    Player& p = f.teams[2].player(10);
    p.doubles = 0;
    p.triples = 0;
    f.teams[2].hrAllowedData = false;
    EventRates r = ComputeEventRates(g, 1.0f);
    double bfp = EstimateBattersFaced(p.atBats, p.hits, p.walks, p.strikeouts);
    double hp = p.hits / bfp;
    const LeagueContext& l = f.teams[2].leagueContext;
    EXPECT_NEAR(r.pitcher.doubles, l.doubleShare * hp, 1e-6);
    EXPECT_NEAR(r.pitcher.triple, l.tripleShare * hp, 1e-6);
    EXPECT_NEAR(r.pitcher.homeRun, l.homeRunShare * hp, 1e-6);

    // A batter with no extra-base hits still has the floor rates; an empty
    // line does not divide by zero.
    Player& b = f.teams[1].player(1);
    b = Player{};
    b.hand = 'R';
    p = Player{};
    r = ComputeEventRates(g, 1.0f);
    EXPECT_FLOAT_EQ(r.batter.homeRun, 0.001f);
    EXPECT_FLOAT_EQ(r.batter.doubles, 0.001f);
    EXPECT_FLOAT_EQ(r.pitcher.homeRun, 0.0015f);
    EXPECT_TRUE(std::isfinite(r.pitcher.single));

    // Walk grade scales the hit-by-pitch rate.
    GameFixture f2;
    FirstBatter(*f2.game);
    float plain = ComputeEventRates(*f2.game, 1).hitByPitch;
    f2.teams[1].player(1).walkGrade = 'A';
    EXPECT_NEAR(ComputeEventRates(*f2.game, 1).hitByPitch, 5 * plain, 1e-6);
    f2.teams[1].player(1).walkGrade = 'F';
    EXPECT_NEAR(ComputeEventRates(*f2.game, 1).hitByPitch, plain / 2, 1e-6);
    f2.teams[1].player(1).walkGrade = 'z';
    EXPECT_NEAR(ComputeEventRates(*f2.game, 1).hitByPitch, plain / 5, 1e-6);
}

TEST(OutcomeModel, LeagueStrengthAndNormalisation) {
    GameFixture f;
    Game& g = *f.game;
    FirstBatter(g);
    EventRates same = ComputeEventRates(g, 1);
    f.teams[1].leagueContext.leagueIndex = 120;
    EventRates strong = ComputeEventRates(g, 1);
    EXPECT_NEAR(strong.batter.single, same.batter.single * 1.1, 1e-5);
    EXPECT_NEAR(strong.pitcher.walk, same.pitcher.walk * 1.1, 1e-5);
    f.teams[1].leagueContext.leagueIndex = 100;

    // Normalising to an identical league changes nothing; to a league with
    // more runs per out it raises the batter's rates.
    g.options.normalizeMode = "B";
    EventRates to_same = ComputeEventRates(g, 1);
    EXPECT_NEAR(to_same.batter.single, same.batter.single, 1e-6);
    EXPECT_NEAR(to_same.pitcher.single, same.pitcher.single, 1e-6);
    f.teams[2].leagueContext.homeRuns = 4000;
    EventRates livelier = ComputeEventRates(g, 1);
    EXPECT_GT(livelier.batter.single, same.batter.single);
}

TEST(OutcomeModel, PitchTable) {
    EXPECT_EQ(PitchesFor(PitchColumn::Hit, 1), 1);
    EXPECT_EQ(PitchesFor(PitchColumn::Hit, 10), 6);
    EXPECT_EQ(PitchesFor(PitchColumn::Strikeout, 4), 5);
    EXPECT_EQ(PitchesFor(PitchColumn::Out, 8), 4);
    EXPECT_EQ(PitchesFor(PitchColumn::Walk, 10), 8);
    EXPECT_EQ(PitchesFor(PitchColumn::Walk, 0), 0);
}

TEST(OutcomeModel, NoStrikeoutOnTheHitAndRun) {
    GameFixture f(7);
    Game& g = *f.game;
    FirstBatter(g);
    f.teams[2].player(10).strikeouts = 400;  // a strikeout pitcher
    int strikeouts = 0;
    for (int i = 0; i < 3000; ++i) {
        g.state.outs = 0;
        g.state.runnerOnFirst = g.state.runnerOnSecond = g.state.runnerOnThird = 0;
        g.flags.hitAndRunCall = true;
        g.state.errorOnPlay = false;
        ResolveOut(g);
        if (g.state.playResult.rfind("K", 0) == 0) ++strikeouts;
    }
    EXPECT_EQ(strikeouts, 0);
    EXPECT_EQ(g.counters.bat(kVisitors, 1).strikeouts, 0);

    // Without it the same pitcher strikes out a good share.
    for (int i = 0; i < 1000; ++i) {
        g.state.outs = 0;
        g.state.runnerOnFirst = g.state.runnerOnSecond = g.state.runnerOnThird = 0;
        g.flags.hitAndRunCall = false;
        ResolveOut(g);
    }
    EXPECT_GT(g.counters.bat(kVisitors, 1).strikeouts, 300);
}

TEST(OutcomeModel, DroppedThirdStrikeOnlyWithTheBasesEmpty) {
    GameFixture f(3);
    Game& g = *f.game;
    FirstBatter(g);
    // A wild pitcher in a league that walks nobody: every dropped third
    // strike chance is certain.
    f.teams[2].leagueContext.walkRate = 0.0001f;
    g.state.runnerOnFirst = 5;
    ResolveStrikeout(g);
    EXPECT_EQ(g.state.playResult, "K");
    EXPECT_EQ(g.state.outs, 1);

    g.state.runnerOnFirst = 0;
    g.state.runnerOnThird = 0;
    ResolveStrikeout(g);
    EXPECT_EQ(g.state.playResult, "K-DTS WP");
    EXPECT_EQ(g.state.outs, 1);  // the second strikeout did not count an out
    EXPECT_EQ(g.state.runnerOnFirst, 1);
    EXPECT_EQ(g.state.responsiblePitcher[kVisitors][1], 10);
    EXPECT_EQ(g.state.outsRecorded[kHome][10], 1);
    EXPECT_EQ(g.counters.pitch(kHome, 10).strikeouts, 2);
    EXPECT_EQ(g.counters.of(kHome).wildPitches.count, 1);
    EXPECT_EQ(g.counters.field(kHome, 1).putouts, 1);  // catcher: one putout kept
}

TEST(OutcomeModel, WalkAndHitByPitchForceRunners) {
    GameFixture f;
    Game& g = *f.game;
    FirstBatter(g);
    g.state.runnerOnFirst = 7;
    g.state.runnerOnSecond = 8;
    g.state.runnerOnThird = 9;
    g.state.responsiblePitcher[kVisitors][9] = 10;
    ResolveWalk(g);
    EXPECT_EQ(g.state.score[kVisitors], 1);
    EXPECT_EQ(g.state.runnerOnFirst, 1);
    EXPECT_EQ(g.state.runnerOnSecond, 7);
    EXPECT_EQ(g.state.runnerOnThird, 8);
    EXPECT_EQ(g.state.playResult, "BB");
    EXPECT_EQ(g.counters.bat(kVisitors, 1).atBats, -1);  // the pass adds it back
    EXPECT_EQ(g.counters.bat(kVisitors, 1).runsBattedIn, 1);
    EXPECT_EQ(g.counters.pitch(kHome, 10).earnedRuns, 1);

    // Runners on first and third: only the forced runner moves.
    g.state.runnerOnFirst = 2;
    g.state.runnerOnSecond = 0;
    g.state.runnerOnThird = 3;
    g.state.currentBatterSlot = 4;
    g.state.batter = 4;
    ResolveHitByPitch(g);
    EXPECT_EQ(g.state.runnerOnFirst, 4);
    EXPECT_EQ(g.state.runnerOnSecond, 2);
    EXPECT_EQ(g.state.runnerOnThird, 3);
    EXPECT_EQ(g.state.playResult, "HBP");
    EXPECT_EQ(g.counters.of(kHome).hitByPitch.count, 1);
    EXPECT_EQ(g.counters.of(kHome).hitByPitch[0], (TeamEntry{kVisitors, 4}));
}

TEST(OutcomeModel, PlateAppearancesAddUp) {
    GameFixture f(11);
    Game& g = *f.game;
    FirstBatter(g);
    int walks = 0, hits = 0, outs = 0;
    int pitches = 0;
    for (int i = 0; i < 4000; ++i) {
        g.state.outs = 0;
        g.state.runnerOnFirst = g.state.runnerOnSecond = g.state.runnerOnThird = 0;
        g.state.pitchCount[kHome] = 0;  // a fresh pitcher every time
        g.state.errorOnPlay = false;
        ResolvePlateAppearance(g);
        pitches += g.state.pitchCount[kHome];
        if (g.state.hitType > 0)
            ++hits;
        else if (g.state.playResult == "BB")
            ++walks;
        else if (g.state.playResult != "HBP")
            ++outs;
    }
    // Around the league line, with the default hit-factor terms.
    EXPECT_NEAR(walks / 4000.0, 0.08, 0.02);
    EXPECT_NEAR(hits / 4000.0, 0.21, 0.03);
    EXPECT_NEAR(pitches / 4000.0, 3.4, 0.4);

    // A pitcher deep into his pitch count gives up more hits.
    int tiredHits = 0;
    for (int i = 0; i < 4000; ++i) {
        g.state.outs = 0;
        g.state.runnerOnFirst = g.state.runnerOnSecond = g.state.runnerOnThird = 0;
        g.state.pitchCount[kHome] = 200;
        g.state.errorOnPlay = false;
        ResolvePlateAppearance(g);
        if (g.state.hitType > 0) ++tiredHits;
    }
    EXPECT_GT(tiredHits, hits + 100);
}

}  // namespace
}  // namespace vrk
