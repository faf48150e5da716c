#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "engine/engine_helpers.h"
#include "engine/event_rates.h"
#include "engine/expected_pitches.h"
#include "engine/game.h"
#include "engine/hit_factor.h"
#include "engine/matchup_rates.h"
#include "engine/plate_appearance.h"
#include "engine/resolve_out.h"
#include "engine/strikeout.h"
#include "engine/test_teams.h"
#include "engine/walk.h"

namespace vrk {
namespace {

using testing::GameFixture;

// The top of the first: visitors' slot 1 against the home starter.
struct Matchup : GameFixture {
    explicit Matchup(std::uint64_t seed = 1) : GameFixture(seed), g(*game) {
        g.state.battingTeam = kVisitors;
        g.state.fieldingTeam = kHome;
        g.state.currentBatterSlot = g.state.batter = 1;
        g.state.pitcher = 10;
        g.state.currentPitcher = {0, 10, 10};
        g.state.pitchersUsed = {0, 1, 1};
    }
    Game& g;
};

// Batter and pitcher both at the league's line.
EventRates LeagueRates(const LeagueContext& l) {
    EventRates rates;
    rates.batter = {l.walkRate, l.singleRate, l.doubleRate, l.tripleRate, l.homeRunRate};
    rates.pitcher = rates.batter;
    return rates;
}

// Bases empty and nobody out before each plate appearance.
void ClearBases(Game& g) {
    g.state.outs = 0;
    testing::SetBases(g.state, 0, 0, 0);
    g.state.play.errorOnPlay = false;
}

TEST(OutcomeModel, LeagueRatesComeBackForALeagueAverageMatchup) {
    Matchup f;
    Game& g = f.g;
    const LeagueContext& l = f.teams[2].leagueContext;
    EventRates rates = LeagueRates(l);
    rates.hitByPitch = 0.01f;
    OutcomeThresholds th = ComputeThresholds(g, rates, 1.0f);
    // Walks at the share pitched to the batter (the rest the managers give).
    const float bands[] = {
        PitchedToWalkShare(g.options.designatedHitter, l.homeRunRate) * l.walkRate,
        0.01f,
        l.singleRate,
        l.doubleRate,
        l.tripleRate,
        l.homeRunRate};
    for (std::size_t k = 1; k <= 6; ++k)
        EXPECT_NEAR(th.t[k] - th.t[k - 1], bands[k - 1], 1e-6) << k;

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
    Matchup f;
    Game& g = f.g;
    const float walkRate = f.teams[2].leagueContext.walkRate;
    const float share =
        PitchedToWalkShare(g.options.designatedHitter, f.teams[2].leagueContext.homeRunRate);
    const float pitchedTo = share * walkRate;
    EventRates rates = LeagueRates(f.teams[2].leagueContext);
    g.flags.pitchAround = true;
    OutcomeThresholds th = ComputeThresholds(g, rates, 1.0f);
    EXPECT_FLOAT_EQ(th.walkFactor, 1.5f);
    EXPECT_NEAR(th.t[1], 1.5 * pitchedTo, 1e-6);
    EXPECT_NEAR(th.hitFactor, 1 - 0.5 * pitchedTo, 1e-6);

    // A walk chance of 0.3 once the given walks are out of it.
    rates.batter.walk = rates.pitcher.walk = 0.3f / share;
    f.teams[2].leagueContext.walkRate = 0.3f / share;
    th = ComputeThresholds(g, rates, 1.0f);
    EXPECT_FLOAT_EQ(th.walkFactor, 1.0f);
    EXPECT_FLOAT_EQ(th.hitFactor, 1.0f);

    // After a home run the next batter is pitched carefully and hit more often.
    g.flags.pitchAround = false;
    f.teams[2].leagueContext.walkRate = walkRate;
    rates.batter.walk = rates.pitcher.walk = walkRate;
    rates.hitByPitch = 0.005f;
    g.state.afterHomeRun = true;
    th = ComputeThresholds(g, rates, 1.0f);
    EXPECT_FLOAT_EQ(th.walkFactor, 1.2f);
    EXPECT_FLOAT_EQ(th.hitByPitch, 0.04f);
}

// The managers give fewer walks on purpose where no pitcher bats and more
// in a league of power; whatever a league row holds, most walks stay pitched.
TEST(OutcomeModel, WalksPitchedToTheBatterByRuleAndLeaguePower) {
    const double leagues[] = {0.0, 0.007, 0.019, 0.037, 0.5, -1.0, std::nan("")};
    for (double hr : leagues) {
        const float dh = PitchedToWalkShare(true, hr);
        const float pitchers = PitchedToWalkShare(false, hr);
        EXPECT_GT(dh, pitchers) << hr;
        for (float share : {dh, pitchers}) {
            EXPECT_GE(share, 0.8f) << hr;
            EXPECT_LE(share, 1.0f) << hr;
        }
    }
    EXPECT_LT(PitchedToWalkShare(true, 0.037), PitchedToWalkShare(true, 0.019));
    EXPECT_LT(PitchedToWalkShare(false, 0.037), PitchedToWalkShare(false, 0.019));
}

TEST(OutcomeModel, HitFactorTerms) {
    Matchup f;
    Game& g = f.g;
    f.config.homeFieldFactor = 0;
    Player& b = f.teams[1].player(1);
    Player& p = f.teams[2].player(10);
    b.hand = 'X';  // no platoon term
    float base = HitFactor(g).hitFactor;
    // Infield back (-0.004) and a fresh starter with pitch data (-0.0875).
    EXPECT_NEAR(base, 1 - 0.004 - 0.0875, 1e-5);
    {
        // Halfway through his usual outing a pitcher is his real line, so
        // tiring over a whole outing averages out instead of helping him.
        const int half = ExpectedPitchesPerGame(g, g.state.pitcher, g.state.fieldingTeam) / 2;
        const int saved = g.state.pitchCount[std::size_t(g.state.fieldingTeam)];
        g.state.pitchCount[std::size_t(g.state.fieldingTeam)] = half * 2;
        const float full = HitFactor(g).hitFactor;
        g.state.pitchCount[std::size_t(g.state.fieldingTeam)] = half;
        EXPECT_NEAR(HitFactor(g).hitFactor, 1 - 0.004, 0.002);
        EXPECT_NEAR((base + full) / 2, 1 - 0.004, 0.002);
        g.state.pitchCount[std::size_t(g.state.fieldingTeam)] = saved;
    }

    // Platoon terms; the pitcher's hand is upper-cased; a platoon player ('P')
    // loses his edge against the other hand only.
    const std::tuple<char, char, char, double> kPlatoon[] = {
        {'R', 'L', ' ', 0.068},  {'R', 'R', ' ', -0.025}, {'L', 'R', ' ', 0.04},
        {'L', 'L', ' ', -0.108}, {'L', 'l', ' ', -0.108}, {'S', 'L', ' ', 0},
        {'S', 'R', ' ', 0},      {'R', 'L', 'P', 0},      {'R', 'R', 'P', -0.025},
        {'L', 'L', 'P', -0.108}, {'L', 'r', 'P', 0},      {'S', 'L', 'P', 0},
        {'r', 'R', ' ', 0},      {'L', 'S', ' ', -0.108}, {'R', ' ', ' ', 0.068}};
    for (auto [bats, throws, mark, delta] : kPlatoon) {
        b.hand = bats;
        b.platoonMark = mark;
        p.hand = throws;
        EXPECT_NEAR(HitFactor(g).hitFactor - base, delta, 1e-5) << bats << throws << mark;
    }

    b.hand = 'X';
    f.config.homeFieldFactor = 3;
    EXPECT_NEAR(HitFactor(g).hitFactor - base, -0.028332, 1e-5);
    g.state.battingTeam = kHome;
    g.state.fieldingTeam = kVisitors;
    f.teams[2].player(1).hand = 'X';
    EXPECT_NEAR(HitFactor(g).hitFactor - base, 0.03, 1e-5);

    // The park counts only when park effects are on.
    f.config.homeFieldFactor = 0;
    g.state.parkBattingAdjustment[kHome] = 0.05;
    g.state.parkPitchingAdjustment[kVisitors] = 0.02;
    f.config.parkEffects = 'N';
    EXPECT_FLOAT_EQ(HitFactor(g).hitFactor, base);
    f.config.parkEffects = 'Y';
    EXPECT_NEAR(HitFactor(g).hitFactor - base, 0.07, 1e-5);
    g.state.parkBattingAdjustment[kHome] = 0;
    g.state.parkPitchingAdjustment[kVisitors] = 0;

    // Infield in, a tired reliever and a pitcher working on short rest.
    g.flags.infieldIn = true;
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

// A staff that seldom used its bullpen lets its pitchers go longer, but a
// pitcher at a given count is as tired as on any other staff: his hit factor
// is the same at every count whether or not the longer leash applies.
TEST(OutcomeModel, LongerLeashLeavesTirednessAtACountAlone) {
    for (int count : {0, 30, 60, 90, 120, 150}) {
        std::array<float, 2> factor{};
        for (std::size_t k = 0; k < 2; ++k) {
            Matchup f;
            Game& g = f.g;
            f.teams[1].player(1).hand = 'X';
            f.teams[2].appearancesPerStart = k == 0 ? 3.0 : 1.2;
            f.config.deadballAdj = 'Y';
            g.state.pitchCount[kHome] = count;
            factor[k] = HitFactor(g).hitFactor;
            if (k == 1) {
                Matchup plain;
                EXPECT_GT(ExpectedPitchesPerGame(g, 10, kHome),
                          ExpectedPitchesPerGame(plain.g, 10, kHome));
            }
        }
        EXPECT_NEAR(factor[1], factor[0], 0.002) << count << " pitches";
    }
}

TEST(OutcomeModel, RegressionTowardTheRealSeason) {
    Matchup f(19);
    Game& g = f.g;
    float base = HitFactor(g).hitFactor;
    Player& b = f.teams[1].player(1);
    b.sim.atBats = 400;  // more than half his real at-bats
    b.sim.hits = 80;     // .200 against a real .238: he is due
    b.sim.homeRuns = 4;
    // Off unless both the option and a statistics file are in force.
    g.options.regressionOption = true;
    EXPECT_FLOAT_EQ(HitFactor(g).hitFactor, base);
    g.options.statisticsRecorded = true;
    double a = 131.0 / 551;
    double s = 80.0 / 400;
    int batterSide = 0;
    for (int i = 0; i < 400; ++i) {
        HitFactorResult r = HitFactor(g);
        if (r.hitFactor == base) continue;
        ++batterSide;
        EXPECT_NEAR(r.hitFactor - base, (a - s) / a, 1e-5);
        EXPECT_NEAR(r.homeRunScale, 1 + (11.0 / 551 - 4.0 / 400) / (11.0 / 551), 1e-5);
    }
    EXPECT_NEAR(batterSide / 400.0, 0.75, 0.07);

    // Overuse: a part-timer far past his real at-bats loses hits.
    b.atBats = 200;
    b.hits = 50;
    b.sim.hits = 0;
    b.sim.homeRuns = 0;
    f.config.batterOveruse = true;
    EXPECT_NEAR(HitFactor(g).hitFactor - base, -0.25, 1e-5);
}

TEST(OutcomeModel, EventRateFloorsAndFallbacks) {
    Matchup f;
    Game& g = f.g;
    // Walk grade scales the hit-by-pitch rate.
    Player& b = f.teams[1].player(1);
    float plain = ComputeEventRates(g, 1).hitByPitch;
    for (auto [grade, scale] : {std::pair{'A', 5.0}, std::pair{'F', 0.5}, std::pair{'z', 0.2}}) {
        b.walkGrade = grade;
        EXPECT_NEAR(ComputeEventRates(g, 1).hitByPitch, scale * plain, 1e-6) << grade;
    }

    // A pitcher without extra-base hit data gets the league shares of his hits.
    Player& p = f.teams[2].player(10);
    p.pitching.doublesAllowed = p.pitching.triplesAllowed = 0;
    f.teams[2].hrAllowedData = false;
    EventRates r = ComputeEventRates(g, 1.0f);
    const PitcherLine& line = p.pitching;
    double hp = line.hitsAllowed / EstimateBattersFaced(line.inningsPitched, line.hitsAllowed,
                                                        line.walksAllowed, line.strikeouts);
    const LeagueContext& l = f.teams[2].leagueContext;
    EXPECT_NEAR(r.pitcher.doubles, l.doubleShare * hp, 1e-6);
    EXPECT_NEAR(r.pitcher.triple, l.tripleShare * hp, 1e-6);
    EXPECT_NEAR(r.pitcher.homeRun, l.homeRunShare * hp, 1e-6);

    // A batter with no extra-base hits still has the floor rates; an empty
    // line does not divide by zero.
    b = Player{};
    b.hand = 'R';
    p = Player{};
    r = ComputeEventRates(g, 1.0f);
    EXPECT_FLOAT_EQ(r.batter.homeRun, 0.001f);
    EXPECT_FLOAT_EQ(r.batter.doubles, 0.001f);
    EXPECT_FLOAT_EQ(r.pitcher.homeRun, 0.0015f);
    EXPECT_TRUE(std::isfinite(r.pitcher.single));
}

TEST(OutcomeModel, LeagueStrengthAndNormalisation) {
    Matchup f;
    Game& g = f.g;
    EventRates same = ComputeEventRates(g, 1);
    f.teams[1].leagueContext.leagueIndex = 120;
    EventRates strong = ComputeEventRates(g, 1);
    EXPECT_NEAR(strong.batter.single, same.batter.single * 1.1, 1e-5);
    EXPECT_NEAR(strong.pitcher.walk, same.pitcher.walk * 1.1, 1e-5);
    f.teams[1].leagueContext.leagueIndex = 100;

    // Normalising to an identical league changes nothing; to a league with
    // more runs per out it raises the batter's rates.
    g.options.normalizeMode = "B";
    EventRates toSame = ComputeEventRates(g, 1);
    EXPECT_NEAR(toSame.batter.single, same.batter.single, 1e-6);
    EXPECT_NEAR(toSame.pitcher.single, same.pitcher.single, 1e-6);
    f.teams[2].leagueContext.homeRuns = 4000;
    EXPECT_GT(ComputeEventRates(g, 1).batter.single, same.batter.single);
}

TEST(OutcomeModel, NoStrikeoutOnTheHitAndRun) {
    Matchup f(7);
    Game& g = f.g;
    f.teams[2].player(10).pitching.strikeouts = 400;  // a strikeout pitcher
    for (int i = 0; i < 3000; ++i) {
        ClearBases(g);
        g.flags.hitAndRunCall = true;
        ResolveOut(g);
        ASSERT_NE(g.state.play.playResult.rfind("K", 0), 0u) << i;
    }
    EXPECT_EQ(g.counters.bat(kVisitors, 1).strikeouts, 0);

    // Without it the same pitcher strikes out a good share.
    g.flags.hitAndRunCall = false;
    for (int i = 0; i < 1000; ++i) {
        ClearBases(g);
        ResolveOut(g);
    }
    EXPECT_GT(g.counters.bat(kVisitors, 1).strikeouts, 300);
}

// A batter's strikeouts are spread over every out draw his line stands for,
// the at-bats he made outs in and his extra plate appearances alike, as a
// pitcher's are over all his outs: a batter and a pitcher at the league's
// strikeout share then strike out at that share, on fast teams (many extra
// appearances) and slow ones.
// Slow teams get the floor, up to and including a speed of 3.5; above it the
// share grows with speed (picked by a mask, so each side is checked).
TEST(OutcomeModel, ExtraAppearancesBySpeed) {
    const struct {
        double speed;
        float extra;
    } kCases[] = {{1.0, 0.0035f},
                  {3.5, 0.0035f},
                  {3.6, static_cast<float>(0.015 * 3.6 - 0.049)},
                  {6.0, static_cast<float>(0.015 * 6.0 - 0.049)},
                  {9.0, static_cast<float>(0.015 * 9.0 - 0.049)}};
    for (const auto& c : kCases) {
        EXPECT_EQ(ExtraAppearancesPerAtBat(c.speed), c.extra) << "speed " << c.speed;
    }
}

TEST(OutcomeModel, StrikeoutShareOfALeagueMatchupIsTheLeagues) {
    for (double speed : {2.0, 6.0, 9.0}) {
        Matchup f(5);
        Game& g = f.g;
        LeagueContext& league = f.teams[2].leagueContext;
        league.strikeoutsPerOut = 0.23f;
        Player& p = f.teams[2].player(10);
        p.pitching.inningsPitched = 200;
        p.pitching.strikeouts = 138;  // 0.23 of 600 outs
        f.teams[1].averageTeamSpeed = speed;
        Player& b = f.teams[1].player(1);
        b.atBats = 500;
        b.hits = 150;
        const double extra = ExtraAppearancesPerAtBat(speed) * b.atBats;
        b.strikeouts = static_cast<int>(std::lround(0.23 * (b.atBats - b.hits + extra)));
        const double share = b.strikeouts / (b.atBats - b.hits + extra);

        const int draws = 20000;
        for (int i = 0; i < draws; ++i) {
            ClearBases(g);
            ResolveOut(g);
        }
        const double k = g.counters.bat(kVisitors, 1).strikeouts / double(draws);
        EXPECT_NEAR(k, share, 0.009) << "team speed " << speed;
    }
}

TEST(OutcomeModel, DroppedThirdStrikeOnlyWithTheBasesEmpty) {
    Matchup f(3);
    Game& g = f.g;
    // A wild pitcher in a league that walks nobody: every dropped third
    // strike chance is certain.
    f.teams[2].leagueContext.walkRate = 0.0001f;
    g.state.runnerOnFirst = 5;
    ResolveStrikeout(g);
    EXPECT_EQ(g.state.play.playResult, "K");
    EXPECT_EQ(g.state.outs, 1);

    g.state.runnerOnFirst = 0;
    ResolveStrikeout(g);
    EXPECT_EQ(g.state.play.playResult, "K-DTS WP");
    EXPECT_EQ(g.state.outs, 1);  // the second strikeout did not count an out
    EXPECT_EQ(g.state.runnerOnFirst, 1);
    EXPECT_EQ(g.state.responsiblePitcher[kVisitors][1], 10);
    EXPECT_EQ(g.state.outsRecorded[kHome][10], 1);
    EXPECT_EQ(g.counters.pitch(kHome, 10).strikeouts, 2);
    EXPECT_EQ(g.counters.of(kHome).wildPitches.count, 1);
    EXPECT_EQ(g.counters.field(kHome, 1).putouts, 1);  // catcher: one putout kept
}

TEST(OutcomeModel, WalkAndHitByPitchForceRunners) {
    Matchup f;
    Game& g = f.g;
    testing::SetBases(g.state, 7, 8, 9);
    g.state.responsiblePitcher[kVisitors][9] = 10;
    ResolveWalk(g);
    EXPECT_EQ(g.state.score[kVisitors], 1);
    EXPECT_EQ(testing::Bases(g.state), (std::array{1, 7, 8}));
    EXPECT_EQ(g.state.play.playResult, "BB");
    EXPECT_EQ(g.counters.bat(kVisitors, 1).atBats, -1);  // the pass adds it back
    EXPECT_EQ(g.counters.bat(kVisitors, 1).runsBattedIn, 1);
    EXPECT_EQ(g.counters.pitch(kHome, 10).earnedRuns, 1);

    // Runners on first and third: only the forced runner moves.
    testing::SetBases(g.state, 2, 0, 3);
    g.state.currentBatterSlot = g.state.batter = 4;
    ResolveHitByPitch(g);
    EXPECT_EQ(testing::Bases(g.state), (std::array{4, 2, 3}));
    EXPECT_EQ(g.state.play.playResult, "HBP");
    EXPECT_EQ(g.counters.of(kHome).hitByPitch.count, 1);
    EXPECT_EQ(g.counters.of(kHome).hitByPitch[0], (TeamEntry{kVisitors, 4}));
}

TEST(OutcomeModel, PlateAppearancesAddUp) {
    Matchup f(11);
    Game& g = f.g;
    // Plays 4000 plate appearances, each by a fresh pitcher or one `pitchCount` deep.
    auto play = [&](int pitchCount, int& walks, int& hits, int& pitches) {
        for (int i = 0; i < 4000; ++i) {
            ClearBases(g);
            g.state.pitchCount[kHome] = pitchCount;
            ResolvePlateAppearance(g);
            pitches += g.state.pitchCount[kHome] - pitchCount;
            hits += g.state.play.hitType > 0;
            walks += g.state.play.hitType == 0 && g.state.play.playResult == "BB";
        }
    };
    int walks = 0, hits = 0, pitches = 0;
    play(0, walks, hits, pitches);
    // Around the league line, with the default hit-factor terms.
    EXPECT_NEAR(walks / 4000.0, 0.08, 0.02);
    EXPECT_NEAR(hits / 4000.0, 0.21, 0.03);
    EXPECT_NEAR(pitches / 4000.0, 3.4, 0.4);

    // A pitcher deep into his pitch count gives up more hits.
    int tiredWalks = 0, tiredHits = 0, tiredPitches = 0;
    play(200, tiredWalks, tiredHits, tiredPitches);
    EXPECT_GT(tiredHits, hits + 100);
}

// A matchup with no batting slot to keep it under is worked out for each ask,
// also when the one before was another matchup.
TEST(OutcomeModel, UnkeptMatchupRatesAreFreshEachTime) {
    Matchup m;
    Game& g = m.g;
    g.team(kVisitors).player(2).homeRuns = 50;
    g.team(kVisitors).player(3).walks = 120;
    const std::tuple<int, int, float> kCases[] = {
        {1, 0, 1.0f}, {2, 0, 1.0f}, {3, 0, 1.2f}, {2, kLineupSize + 1, 1.0f}, {1, 0, 1.0f}};
    for (const auto& [batter, slot, scale] : kCases) {
        g.state.batter = batter;
        g.state.currentBatterSlot = slot;
        const EventRates fresh = ComputeEventRates(g, scale);
        const CombinedRates combined = CombineEventRates(g, fresh);
        const KeptMatchup& kept = MatchupRates(g, scale);
        EXPECT_EQ(kept.rates.batter.homeRun, fresh.batter.homeRun) << batter;
        EXPECT_EQ(kept.rates.batter.walk, fresh.batter.walk) << batter;
        EXPECT_EQ(kept.combined.homeRun, combined.homeRun) << batter;
        EXPECT_EQ(kept.combined.walk, combined.walk) << batter;
    }
}

}  // namespace
}  // namespace vrk
