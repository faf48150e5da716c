// The kept matchup rates must be what a fresh computation gives, whatever
// changed since they were worked out.
#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

#include "engine/event_rates.h"
#include "engine/expected_pitches.h"
#include "engine/matchup_rates.h"
#include "engine/play_game.h"
#include "engine/test_teams.h"
#include "managers/auto_manager_hooks.h"
#include "managers/batting_order.h"
#include "managers/bullpen_state.h"
#include "managers/roster_swap.h"
#include "managers/rotation.h"
#include "managers/starters.h"
#include "managers_test_support.h"

namespace vrk {
namespace {

bool SameSide(const SideRates& a, const SideRates& b) {
    return a.walk == b.walk && a.single == b.single && a.doubles == b.doubles &&
           a.triple == b.triple && a.homeRun == b.homeRun;
}

bool SameRates(const EventRates& a, const EventRates& b) {
    return SameSide(a.batter, b.batter) && SameSide(a.pitcher, b.pitcher) &&
           a.hitByPitch == b.hitByPitch;
}

// The kept rates, their combination against the league and the out chances,
// all exactly as a fresh computation for the matchup now at the plate gives them.
bool SameAsFresh(const KeptMatchup& kept, const Game& g, float scale) {
    const EventRates rates = ComputeEventRates(g, scale);
    const CombinedRates c = CombineEventRates(g, rates);
    const CombinedRates& k = kept.combined;
    const OutChances out = ComputeOutChances(g);
    return SameRates(kept.rates, rates) && kept.out.strikeout == out.strikeout &&
           kept.out.pull == out.pull && kept.out.countTurnsGrounders == out.countTurnsGrounders &&
           k.walk == c.walk && k.single == c.single && k.doubles == c.doubles &&
           k.triple == c.triple && k.homeRun == c.homeRun;
}

TEST(MatchupRates, FollowBatterPitcherScaleAndExchangedEntries) {
    testing::GameFixture f;
    Game& g = *f.game;
    // Players whose lines differ from the average ones, so that a stale
    // answer shows.
    g.team(kVisitors).player(16).homeRuns = 45;
    g.team(kVisitors).player(16).walks = 110;
    g.team(kHome).player(11).pitching.walksAllowed = 90;
    g.team(kHome).player(11).pitching.strikeouts = 250;
    g.team(kHome).player(12).pitching.homeRunsAllowed = 40;
    // Each side is combined against the league of the side in the field.
    g.team(kVisitors).leagueContext.singleRate += 0.02f;
    testing::AtThePlate(g, 1);
    BullpenState bullpen;
    float scale = 1;

    struct Step {
        const char* what;
        std::function<void()> change;
        bool ratesChange;  // a fresh computation differs from the step before
    };
    const std::vector<Step> steps = {
        {"first look", [] {}, false},
        {"a new pitcher", [&] { g.state.pitcher = 11; }, true},
        {"the first pitcher again", [&] { g.state.pitcher = 10; }, true},
        {"a regressed home-run scale", [&] { scale = 1.3f; }, true},
        // An exchange keeps following each player; the entry number that
        // stays at the plate or on the mound then names another man.
        {"a bench player exchanged into the batter's entry",
         [&] {
             swapGameEntries(g, bullpen, kVisitors, 1, 16);
             g.state.batter = 1;
         },
         true},
        {"a reliever exchanged into the pitcher's entry",
         [&] {
             swapGameEntries(g, bullpen, kHome, 10, 12);
             g.state.pitcher = 10;
         },
         true},
        {"new batting figures in the batter's entry",
         [&] {
             g.team(kVisitors).player(1).homeRuns = 2;
             ForgetMatchupRates(g);
         },
         true},
        {"the next slot", [&] { g.state.currentBatterSlot = g.state.batter = 2; }, true},
        {"the other side bats",
         [&] {
             g.state.battingTeam = kHome;
             g.state.fieldingTeam = kVisitors;
             g.state.batter = g.state.currentBatterSlot = 2;
             g.state.pitcher = 10;
         },
         true},
    };
    EventRates before = ComputeEventRates(g, scale);
    for (const Step& step : steps) {
        // Asked for twice: the second answer comes from the cache.
        (void)MatchupRates(g, scale);
        step.change();
        // What a hit reads before the next plate appearance is never stale.
        const KeptMatchup* now = KeptMatchupNow(g);
        EXPECT_TRUE(now == nullptr || now->out.pull == ComputeOutChances(g).pull) << step.what;
        const EventRates fresh = ComputeEventRates(g, scale);
        EXPECT_EQ(step.ratesChange, !SameRates(fresh, before)) << step.what;
        EXPECT_TRUE(SameAsFresh(MatchupRates(g, scale), g, scale)) << step.what;
        EXPECT_TRUE(SameAsFresh(MatchupRates(g, scale), g, scale)) << step.what << ", again";
        before = fresh;
    }
}

// Entries exchanged on either side, with the cache warm for every slot of
// both sides against several pitchers: each kept answer afterwards is the one
// a fresh computation gives for the men now at the entries.
TEST(MatchupRates, KeptAnswersFollowEveryKindOfExchange) {
    struct Case {
        const char* what;
        int team;
        int a;
        int b;
    };
    const Case kCases[] = {
        {"a batter and a bench player", kVisitors, 1, 16},
        {"two batters in the order", kVisitors, 2, 5},
        {"the pitcher and a reliever", kHome, 10, 12},
        {"two relievers", kHome, 11, 13},
        {"the home side's batter and its pitcher", kHome, 3, 11},
        {"the visitors' pitcher and a bench player", kVisitors, 10, 16},
    };
    const int kPitchers[] = {10, 11, 12, 13};
    for (const Case& c : kCases) {
        testing::GameFixture f;
        Game& g = *f.game;
        // Every man a line of his own, so that an answer kept for another shows.
        for (int t = kVisitors; t <= kHome; ++t) {
            for (int e = 1; e <= 16; ++e) {
                Player& p = g.team(t).player(e);
                p.homeRuns = 3 * e + 7 * t;
                p.walks = 20 + 5 * e + t;
                p.pitching.walksAllowed = 30 + 4 * e + 3 * t;
                p.pitching.homeRunsAllowed = 8 + e + 2 * t;
                p.strikeouts = 40 + 6 * e + t;
                p.pitching.strikeouts = 60 + 9 * e + 5 * t;
                p.hand = "RLS"[e % 3];
            }
        }
        auto face = [&](int batting, int slot, int batter, int pitcher) {
            testing::AtThePlate(g, slot);
            g.state.battingTeam = batting;
            g.state.fieldingTeam = otherTeam(batting);
            g.state.batter = batter;
            g.state.pitcher = pitcher;
        };
        for (int batting = kVisitors; batting <= kHome; ++batting) {
            for (int slot = 1; slot <= kLineupSize; ++slot) {
                for (int pitcher : kPitchers) {
                    face(batting, slot, slot, pitcher);
                    (void)MatchupRates(g, 1.0f);
                }
            }
        }
        BullpenState bullpen;
        swapGameEntries(g, bullpen, c.team, c.a, c.b);
        int mismatches = 0;
        for (int batting = kVisitors; batting <= kHome; ++batting) {
            for (int slot = 1; slot <= kLineupSize; ++slot) {
                // The slot's own man, then a bench player sent up there; the
                // pitcher kept last at each slot is asked about first.
                for (int batter : {slot, 16}) {
                    for (int k = static_cast<int>(std::size(kPitchers)) - 1; k >= 0; --k) {
                        const int pitcher = kPitchers[k];
                        face(batting, slot, batter, pitcher);
                        mismatches += !SameAsFresh(MatchupRates(g, 1.0f), g, 1.0f);
                    }
                }
            }
        }
        EXPECT_EQ(mismatches, 0) << c.what;
    }
}

// A pitcher's own batting line put in the slot's entry reaches that entry's
// matchups, and only those are worked out again.
TEST(MatchupRates, NewBattingLineOfOneEntry) {
    testing::GameFixture f;
    Game& g = *f.game;
    testing::AtThePlate(g, 9);
    (void)MatchupRates(g, 1.0f);
    g.team(kVisitors).player(9).homeRuns = 1;
    g.team(kVisitors).player(9).walks = 2;
    ForgetBatterMatchups(g, kHome, 9);  // the other side's entry 9: no change here
    EXPECT_FALSE(SameAsFresh(MatchupRates(g, 1.0f), g, 1.0f));
    ForgetBatterMatchups(g, kVisitors, 9);
    EXPECT_TRUE(SameAsFresh(MatchupRates(g, 1.0f), g, 1.0f));
}

// An exchange puts another pitcher at the entry the usual outing was kept
// for: the next plate appearance measures him, not the one who left.
TEST(MatchupRates, UsualOutingFollowsAnExchangedEntry) {
    testing::GameFixture f;
    Game& g = *f.game;
    testing::AtThePlate(g, 1);
    g.team(kHome).player(11).pitching.games = 70;  // a reliever's short outings
    g.team(kHome).player(11).pitching.gamesStarted = 0;
    const int pitcher = g.state.pitcher;
    const double before = UsualOuting(g, pitcher, kHome);
    BullpenState bullpen;
    swapGameEntries(g, bullpen, kHome, pitcher, 11);
    const double after = UsualOuting(g, pitcher, kHome);
    EXPECT_NE(after, before);
    g.pitchLimits = PitchLimitCache{};
    EXPECT_EQ(after, UsualOuting(g, pitcher, kHome));
}

TEST(MatchupRates, ForgottenWhenTheStampComesRound) {
    testing::GameFixture f;
    Game& g = *f.game;
    testing::AtThePlate(g, 1);
    g.matchupRates.stamp = UINT32_MAX;
    (void)MatchupRates(g, 1.0f);
    g.team(kVisitors).player(1).homeRuns = 60;
    ForgetMatchupRates(g);
    EXPECT_TRUE(SameAsFresh(MatchupRates(g, 1.0f), g, 1.0f));
}

// The kept rates of the matchup at hand against a fresh computation.
struct RatesCheck {
    int checks = 0;
    int mismatches = 0;
    int usualMismatches = 0;
    void operator()(Game& game) {
        const GameState& s = game.state;
        if (s.batter <= 0 || s.pitcher <= 0 || s.battingTeam == s.fieldingTeam) return;
        ++checks;
        mismatches += !SameAsFresh(MatchupRates(game, 1.0f), game, 1.0f);
        // The fatigue term's usual outing, kept for the last pitcher asked about.
        const double kept = UsualOuting(game, s.pitcher, s.fieldingTeam);
        const PitchLimitCache limits = game.pitchLimits;
        game.pitchLimits = PitchLimitCache{};
        usualMismatches += kept != UsualOuting(game, s.pitcher, s.fieldingTeam);
        game.pitchLimits = limits;
    }
};

TEST(MatchupRates, ManagedGamesWithSubstitutionsKeepFreshRates) {
    const Config config = mgrtest::ShippedConfig();
    // The kept pitcher and batting-side terms take the leagues' strength and
    // the normalisation, so games with each of them on are checked as well.
    struct Case {
        const char* visitors;
        const char* home;
        bool dh;
        const char* normalize;  // H, V, B or blank
        bool target;            // normalised toward another league's run level
        int homeLeagueIndex;    // 0 = as loaded
    };
    const Case kCases[] = {{"ARDMOUTH", "FELVORA", false, "", false, 0},
                           {"CAMHAVEN", "DALMOUTH", true, "", false, 0},
                           {"GORWICK", "PRAFORD", false, "H", false, 120},
                           {"WENSTEAD", "YSTVORA", true, "V", false, 0},
                           {"KORRIDGE", "LUNDALE", true, "B", false, 90},
                           {"MARDALE", "NEVHOLM", false, "", true, 0}};
    RotationTable rotations;
    RotationSettings settings;
    AutoManagerCounters counters;
    AutoManagerHooks inner(counters, &rotations);
    RatesCheck check;
    mgrtest::CheckedHooks hooks(inner, std::ref(check));
    Rng rng(77);
    // One game object for every game, as a long run plays them: what was kept
    // for one game must not outlive it.
    std::array<Team, 3> teams{};
    LeagueContext normalization;
    Game game(teams, normalization, config, rng);
    game.managers = &hooks;
    int doubleSwitches = 0;
    for (const Case& c : kCases) {
        std::array<Team, 3> loaded{};
        ASSERT_FALSE(loadTeamPair(loaded, c.visitors, c.home, config).abort) << c.visitors;
        if (c.homeLeagueIndex > 0) loaded[kHome].leagueContext.leagueIndex = c.homeLeagueIndex;
        normalization = loaded[kVisitors].leagueContext;
        normalization.homeRuns = normalization.homeRuns * 3 / 2;
        normalization.walks = normalization.walks * 5 / 4;
        game.options.designatedHitter = c.dh;
        game.options.normalizeMode = c.normalize;
        game.options.normalizationHomeRunRate = c.target ? 0.03 : 0;
        for (int n = 0; n < 30; ++n) {
            teams = loaded;
            ChooseStarters(game, rotations, settings);
            for (int t = kVisitors; t <= kHome; ++t) BattingOrder(game, t, 'C', false);
            inner.beginGame(game);
            (void)PlayGame(game);
            doubleSwitches += game.counters.doubleSwitches;
        }
    }
    // Enough substitutions that stale rates would have been met.
    EXPECT_GT(counters.pinchHits + counters.pinchRuns, 20);
    EXPECT_GT(counters.pitchingChanges, 100);
    EXPECT_GT(doubleSwitches, 0);
    EXPECT_GT(check.checks, 10000);
    EXPECT_EQ(check.mismatches, 0);
    EXPECT_EQ(check.usualMismatches, 0);
}

}  // namespace
}  // namespace vrk
