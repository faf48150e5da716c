#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "engine/batted_ball_handlers.h"
#include "engine/hits.h"
#include "engine/plays_fixture.h"
#include "engine/recording_seams.h"

namespace vrk {
namespace {

using plays_testing::PlaysFixture;
using testing::ScriptedDecisions;

TEST(Hits, SendValuesAreCappedAt98) {
    // A speed-9 runner on second with two outs: 36 + 60 + 12 + 7 - 13 at worst.
    for (int roll = 1; roll <= 13; ++roll) EXPECT_EQ(SingleSendFromSecond(9, 2, roll), 98);
    EXPECT_EQ(SingleSendFromFirst(9, 2, false, kRightField, 1), 98);
    EXPECT_EQ(DoubleSendFromFirst(9, 2, kCenterField, 1), 98);
    // Below the cap: the arm of the fielder and the outs count.
    EXPECT_EQ(SingleSendFromSecond(5, 0, 7), 80);
    EXPECT_EQ(SingleSendFromFirst(5, 0, false, kLeftField, 9), 64);
    EXPECT_EQ(SingleSendFromFirst(5, 0, true, kRightField, 9), 60);
    EXPECT_EQ(SingleSendFromFirst(5, 1, false, kSecondBase, 9), 72);
    EXPECT_EQ(DoubleSendFromFirst(5, 0, kLeftField, 9), 68);
}

TEST(Hits, SlowRunnerNeverGoesFirstToThirdWithTwoOuts) {
    for (std::uint64_t seed = 1; seed <= 2000; ++seed) {
        PlaysFixture f(seed);
        f.SetSpeed(3, 1);  // at most 4 + 52 + 12 + 8 + 8 = 84, short of 92
        f.Bat(4, 3, 0, 0, 2);
        ResolveSingle(*f.game);
        const GameState& s = f.state();
        if (s.playResult.find("/E-") != std::string::npos) continue;
        EXPECT_EQ(s.runnerOnSecond, 3) << s.playResult;
        EXPECT_EQ(s.runnerOnFirst, 4);
        EXPECT_EQ(s.outs, 2);
    }
}

TEST(Hits, RunnerSentHomeWithTheTyingRunCanBeThrownOut) {
    int thrownOut = 0, sent = 0;
    for (std::uint64_t seed = 1; seed <= 1500; ++seed) {
        PlaysFixture f(seed);
        testing::RecordingScoreCard card(f.state());
        f.game->scoreCard = &card;
        f.SetSpeed(2, 1);  // 4 + 60 + 12 + 7 - (1..13): 70 to 82, always sent at 50
        f.state().score = {0, 2, 3};
        f.Bat(5, 0, 2, 0, 2);
        ResolveSingle(*f.game);
        const GameState& s = f.state();
        if (s.runnerOnThird != 0) continue;  // an infield hit
        ++sent;
        if (s.outs == 3) {
            ++thrownOut;
            EXPECT_EQ(f.Runs(), 2);
            ASSERT_EQ(card.lines.size(), 1u);
            EXPECT_EQ(card.lines[0].code, '4');
            EXPECT_EQ(card.lines[0].text.substr(1), "-2");
            EXPECT_EQ(f.FielderCount(kCatcher, &FielderCounters::putouts), 1);
            EXPECT_EQ(f.PitcherOuts(), 1);
        } else {
            EXPECT_EQ(f.Runs(), 3);
            EXPECT_TRUE(card.lines.empty());
        }
    }
    // Out chances run from 18 to 30 percent, 24 on average.
    EXPECT_NEAR(thrownOut / static_cast<double>(sent), 0.24, 0.03);
}

TEST(Hits, WalkOffSingleEndsWithoutAThrow) {
    for (std::uint64_t seed = 1; seed <= 1000; ++seed) {
        PlaysFixture f(seed);
        f.HomeBats(9, 3, 3);
        f.Bat(6, 0, 4, 5, 1);
        ResolveSingle(*f.game);
        const GameState& s = f.state();
        EXPECT_EQ(s.score[2], 4) << "the winning run ends the game";
        EXPECT_EQ(s.score[1], 3);
        EXPECT_EQ(s.outs, 1);
        EXPECT_EQ(s.playResult, "1B");
        EXPECT_EQ(f.game->counters.bat(2, 6).hits, 1);
        EXPECT_EQ(f.game->counters.bat(2, 6).runsBattedIn, 1);

        // A double that wins it: nobody is thrown out behind the winning run.
        PlaysFixture d(seed);
        d.HomeBats(10, 1, 1);
        d.Bat(6, 2, 0, 5, 0);
        ResolveDouble(*d.game);
        EXPECT_EQ(d.state().score[2], 2);
        EXPECT_EQ(d.state().outs, 0);
    }
}

TEST(Hits, WalkOffHomeRunCountsEveryRun) {
    PlaysFixture f(11);
    f.HomeBats(9, 5, 4);
    f.Bat(7, 6, 0, 0, 2);
    ResolveHomeRun(*f.game);
    const GameState& s = f.state();
    EXPECT_EQ(s.score[2], 6);
    EXPECT_EQ(s.playResult, "HR");
    EXPECT_FALSE(s.homeRunInProgress);
    EXPECT_EQ(s.runnersOn(), 0);
    const BatterCounters& batter = f.game->counters.bat(2, 7);
    EXPECT_EQ(batter.homeRuns, 1);
    EXPECT_EQ(batter.runs, 1);
    EXPECT_EQ(batter.runsBattedIn, 2);
    EXPECT_EQ(f.game->counters.pitch(1, 10).homeRuns, 1);
    EXPECT_EQ(s.halfInningHits, 1);
}

TEST(Hits, HitAndRunRunnersAreNeverThrownOut) {
    for (std::uint64_t seed = 1; seed <= 1500; ++seed) {
        PlaysFixture f(seed);
        f.game->flags.hitAndRunCall = true;
        f.Bat(5, 3, 4, 0, static_cast<int>(seed % 3));
        int outs = f.state().outs;
        (seed % 2 == 0 ? ResolveSingle : ResolveDouble)(*f.game);
        EXPECT_EQ(f.state().outs, outs) << f.state().playResult;
        EXPECT_EQ(f.state().runnersOn() + f.Runs(), 3);
    }
}

TEST(Hits, ThrowingErrorAfterAHitIsChargedAndMovesEveryone) {
    int errors = 0;
    for (std::uint64_t seed = 1; seed <= 1000; ++seed) {
        PlaysFixture f(seed);
        f.SetDefense(kCenterField, 800);  // half of 20%: one throw in ten is wild
        f.Bat(4, 4, 2, 0, 1);             // the batter already on first after his single
        f.state().playResult = "1B";
        if (!HitThrowError(*f.game, kCenterField)) {
            EXPECT_EQ(f.state().halfInningErrors, 0);
            continue;
        }
        ++errors;
        const GameState& s = f.state();
        EXPECT_EQ(s.playResult, "1B/E-8");
        EXPECT_EQ(s.runnerOnSecond, 4);
        EXPECT_EQ(s.runnerOnThird, 2);
        EXPECT_EQ(s.halfInningErrors, 1);
        EXPECT_EQ(s.halfInningAdvanceErrors, 1);
        EXPECT_EQ(f.FielderCount(kCenterField, &FielderCounters::errors), 1);
        EXPECT_EQ(f.game->counters.of(2).errors, 1);
        EXPECT_EQ(f.game->counters.of(2).positionErrors[kCenterField], 1);
    }
    EXPECT_NEAR(errors / 1000.0, 0.1, 0.03);
}

TEST(Hits, ReachingOnAnErrorIsNoHit) {
    PlaysFixture f(2);
    f.Bat(4, 1);
    f.state().errorOnPlay = true;
    f.state().precedingError = ErrorKind::Fielding;
    f.state().currentFielder = kShortstop;
    f.state().playResult = "E-6";
    ResolveSingle(*f.game);
    const GameState& s = f.state();
    EXPECT_EQ(s.playResult.substr(0, 3), "E-6");
    EXPECT_EQ(s.runnerOnFirst, 4);
    EXPECT_LT(s.responsiblePitcher[1][4], 0);
    EXPECT_EQ(f.game->counters.bat(1, 4).hits, 0);
    EXPECT_EQ(s.teamHits[1], 0);
}

TEST(Hits, HumanOffersAndQuestions) {
    // The human's side, the inning, the score, a runner on second and the outs;
    // the first question asked within 300 plays ("" = none).
    const std::tuple<int, int, int, int, int, int, const char*> kCases[] = {
        {1, 8, 4, 2, 0, 0, ""},  // leading late: never offered a stretch
        {1, 8, 2, 3, 0, 0, " Stretch hit to a double? [y/N]  (55%)"},  // 5 x speed + 30
        {2, 3, 0, 3, 2, 1, " Defense: Concede run / Hold batter on 1st? [y/N] "},
    };
    for (auto [team, inning, visitors, home, second, outs, question] : kCases) {
        std::string asked;
        for (std::uint64_t seed = 1; seed <= 300 && asked.empty(); ++seed) {
            ScriptedDecisions d;
            d.answer = team == 2;  // the defence concedes
            PlaysFixture f(seed);
            f.game->decisions = &d;
            f.state().userManaged[static_cast<std::size_t>(team)] = true;
            f.state().inning = inning;
            f.state().score = {0, visitors, home};
            f.Bat(3, 0, second, 0, outs);
            ResolveSingle(*f.game);
            if (d.questions.empty()) continue;
            asked = d.questions[0];
            EXPECT_TRUE(team == 1 || f.Runs() >= 1) << "the conceded runner scores without a throw";
            EXPECT_TRUE(team == 2 || d.percents[0] == 55);
        }
        EXPECT_EQ(asked, question);
    }
}

TEST(Hits, StretchedDoubleBecomesATripleOrAnOutAtThird) {
    int triples = 0, outs = 0;
    for (std::uint64_t seed = 1; seed <= 400; ++seed) {
        ScriptedDecisions decisions;
        decisions.answer = true;
        PlaysFixture f(seed);
        f.game->decisions = &decisions;
        f.state().userManaged[1] = true;
        f.state().inning = 7;
        f.Bat(3);
        ResolveDouble(*f.game);
        if (decisions.questions.empty()) continue;  // a throwing error came first
        EXPECT_EQ(decisions.questions[0], " Stretch hit to a triple? [y/N]  (55%)");
        const GameState& s = f.state();
        const BatterCounters& line = f.game->counters.bat(1, 3);
        const PitcherCounters& pitcher = f.game->counters.pitch(2, 10);
        bool triple = s.playResult == "3B";
        (triple ? triples : outs) += 1;
        EXPECT_EQ(line.triples, triple ? 1 : 0);
        EXPECT_EQ(line.doubles, triple ? 0 : 1);
        if (triple) {
            EXPECT_EQ(s.runnerOnThird, 3);
            EXPECT_EQ(pitcher.triples, 1);
            EXPECT_EQ(pitcher.doubles, 0);
        } else {
            EXPECT_EQ(s.playResult.substr(0, 3), "2B ");
            EXPECT_EQ(s.playResult.substr(4), "-5");
            EXPECT_EQ(s.outs, 1);
            EXPECT_EQ(s.runnersOn(), 0);
            EXPECT_EQ(f.PitcherOuts(), 1);
        }
    }
    EXPECT_NEAR(triples / static_cast<double>(triples + outs), 0.55, 0.07);
}

TEST(Hits, CreditsAndRunnersBalanceOnEveryHit) {
    plays_testing::ExpectBalancedBooks(6000, [](PlaysFixture& f, std::uint64_t seed) {
        void (*hits[])(Game&) = {ResolveSingle, ResolveDouble, ResolveTriple};
        hits[(seed / 24) % 3](*f.game);
        EXPECT_EQ(f.game->counters.bat(1, 1).hits, 1);
        return true;
    });
}

}  // namespace
}  // namespace vrk
