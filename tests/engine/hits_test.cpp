#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/batted_ball_handlers.h"
#include "engine/hits.h"
#include "engine/plays_fixture.h"

namespace vrk {
namespace {

using testing::PlaysFixture;

TEST(Hits, SendValuesAreCappedAt98) {
    // A speed-9 runner on second with two outs: 36 + 60 + 12 + 7 - 13 at worst.
    for (int roll = 1; roll <= 13; ++roll) EXPECT_EQ(SingleSendFromSecond(9, 2, roll), 98);
    EXPECT_EQ(SingleSendFromSecond(5, 0, 7), 80);
    EXPECT_EQ(SingleSendFromFirst(5, 0, false, kLeftField, 9), 64);
    EXPECT_EQ(SingleSendFromFirst(5, 0, true, kRightField, 9), 60);
    EXPECT_EQ(SingleSendFromFirst(9, 2, false, kRightField, 1), 98);
    EXPECT_EQ(SingleSendFromFirst(5, 1, false, kSecondBase, 9), 72);
    EXPECT_EQ(DoubleSendFromFirst(9, 2, kCenterField, 1), 98);
    EXPECT_EQ(DoubleSendFromFirst(5, 0, kLeftField, 9), 68);
    EXPECT_EQ(SingleSendThresholdFromFirst(2), 92);
    EXPECT_EQ(SingleSendThresholdFromSecond(2, true), 50);
    EXPECT_EQ(SingleSendThresholdFromSecond(2, false), 68);
    EXPECT_EQ(DoubleSendThreshold(0, true), 85);
    EXPECT_EQ(DoubleSendThreshold(2, true), 50);
    EXPECT_EQ(StretchValue(5), 55);
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

// Records the score-card lines written during a play.
class CardLines final : public ScoreCardSink {
  public:
    std::vector<std::pair<char, std::string>> lines;
    void entry(int, int, char code, std::string_view text) override {
        lines.emplace_back(code, std::string(text));
    }
};

TEST(Hits, RunnerSentHomeWithTheTyingRunCanBeThrownOut) {
    int thrownOut = 0;
    int sent = 0;
    for (std::uint64_t seed = 1; seed <= 1500; ++seed) {
        PlaysFixture f(seed);
        CardLines card;
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
            EXPECT_EQ(card.lines[0].first, '4');
            EXPECT_EQ(card.lines[0].second.substr(1), "-2");
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
        if (seed % 2 == 0) {
            ResolveSingle(*f.game);
        } else {
            ResolveDouble(*f.game);
        }
        EXPECT_EQ(f.state().outs, outs) << f.state().playResult;
        EXPECT_EQ(f.state().runnersOn() + f.Runs(), 3);
    }
}

TEST(Hits, ThrowingErrorAfterAHitIsChargedAndMovesEveryone) {
    int errors = 0;
    for (std::uint64_t seed = 1; seed <= 1000; ++seed) {
        PlaysFixture f(seed);
        f.SetDefense(kCenterField, 800);  // half of 20%: one throw in ten is wild
        f.Bat(4, 0, 2, 0, 1);
        f.state().runnerOnFirst = 4;  // the batter already on first after his single
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
    // Leading late: never offered a stretch.
    testing::ScriptedDecisions decisions;
    for (std::uint64_t seed = 1; seed <= 300; ++seed) {
        PlaysFixture f(seed);
        f.game->decisions = &decisions;
        f.state().userManaged[1] = true;
        f.state().inning = 8;
        f.state().score = {0, 4, 2};
        f.Bat(3);
        ResolveSingle(*f.game);
    }
    for (const std::string& q : decisions.questions)
        EXPECT_EQ(q.find("Stretch"), std::string::npos);

    // One run down in the eighth with the bases empty: offered, with 5 x speed + 30.
    bool offered = false;
    for (std::uint64_t seed = 1; seed <= 200 && !offered; ++seed) {
        testing::ScriptedDecisions asked;
        PlaysFixture f(seed);
        f.game->decisions = &asked;
        f.state().userManaged[1] = true;
        f.state().inning = 8;
        f.state().score = {0, 2, 3};
        f.Bat(3);
        ResolveSingle(*f.game);
        if (asked.questions.empty()) continue;
        offered = true;
        EXPECT_EQ(asked.questions.back(), " Stretch hit to a double? [y/N]  (55%)");
        EXPECT_EQ(asked.percents.back(), 55);
    }
    EXPECT_TRUE(offered);

    // Three runs down with a runner on second: the human defence may concede.
    bool conceded = false;
    for (std::uint64_t seed = 1; seed <= 200 && !conceded; ++seed) {
        testing::ScriptedDecisions asked;
        asked.answer = true;
        PlaysFixture f(seed);
        f.game->decisions = &asked;
        f.state().userManaged[2] = true;
        f.state().score = {0, 0, 3};
        f.Bat(3, 0, 2, 0, 1);
        ResolveSingle(*f.game);
        if (asked.questions.empty()) continue;
        conceded = true;
        EXPECT_EQ(asked.questions[0], " Defense: Concede run / Hold batter on 1st? [y/N] ");
        EXPECT_GE(f.Runs(), 1) << "the conceded runner scores without a throw";
    }
    EXPECT_TRUE(conceded);
}

// Singles, doubles and triples in every base state: outs only come from
// runners thrown out, each with a putout and an out for the pitcher.
TEST(Hits, CreditsAndRunnersBalanceOnEveryHit) {
    for (std::uint64_t seed = 1; seed <= 6000; ++seed) {
        PlaysFixture f(seed);
        int bases = static_cast<int>(seed % 8);
        int outs = static_cast<int>((seed / 8) % 3);
        f.Bat(1, bases & 1 ? 7 : 0, bases & 2 ? 8 : 0, bases & 4 ? 9 : 0, outs);
        int before = f.state().runnersOn() + 1;
        switch ((seed / 24) % 3) {
            case 0:
                ResolveSingle(*f.game);
                break;
            case 1:
                ResolveDouble(*f.game);
                break;
            default:
                ResolveTriple(*f.game);
                break;
        }
        const GameState& s = f.state();
        int outsMade = s.outs - outs;
        ASSERT_GE(outsMade, 0);
        EXPECT_EQ(f.TotalPutouts(), outsMade) << s.playResult;
        EXPECT_EQ(f.PitcherOuts(), outsMade) << s.playResult;
        EXPECT_EQ(f.game->counters.bat(1, 1).hits, 1);
        if (s.outs < 3) {
            EXPECT_EQ(s.runnersOn() + f.Runs() + outsMade, before) << s.playResult;
        }
    }
}

}  // namespace
}  // namespace vrk
