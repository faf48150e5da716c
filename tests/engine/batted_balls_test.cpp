#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>

#include "engine/engine_helpers.h"
#include "engine/fly_balls.h"
#include "engine/ground_balls.h"
#include "engine/hits_extra_bases.h"
#include "engine/hits_single.h"
#include "engine/hits_throws.h"
#include "engine/plays_fixture.h"
#include "engine/recording_seams.h"

namespace vrk {
namespace {

using plays_testing::PlaysFixture;
using testing::ScriptedDecisions;

// The outcome model's side of the contract: a clean grounder to `fielder`,
// then one out credited to the pitcher.
void Grounder(PlaysFixture& f, int fielder) {
    f.state().play.currentFielder = fielder;
    f.state().play.playResult = std::to_string(fielder);
    ResolveGroundBall(*f.game);
    AddPitcherOut(*f.game);
}

TEST(GroundBalls, BasesEmptyThrowToFirstAndDroppedThrow) {
    int dropped = 0;
    for (std::uint64_t seed = 1; seed <= 3000; ++seed) {
        PlaysFixture f(seed);
        f.SetDefense(kFirstBase, 800);  // a poor first baseman drops 2% of throws
        f.Bat(4);
        Grounder(f, kShortstop);
        const GameState& s = f.state();
        bool out = s.play.playResult == "6-3";
        if (!out) {
            ASSERT_EQ(s.play.playResult, "6-3/E-3");
            ++dropped;
            EXPECT_LT(s.responsiblePitcher[1][4], 0) << "a run after the error is unearned";
            EXPECT_EQ(f.FielderCount(kFirstBase, &FielderCounters::errors), 1);
            EXPECT_EQ(s.halfInningErrors, 1);
        } else {
            EXPECT_EQ(f.FielderCount(kShortstop, &FielderCounters::assists), 1);
            EXPECT_EQ(f.FielderCount(kFirstBase, &FielderCounters::putouts), 1);
        }
        EXPECT_EQ(s.outs, out ? 1 : 0);
        EXPECT_EQ(s.runnerOnFirst, out ? 0 : 4);
        EXPECT_EQ(f.PitcherOuts(), out ? 1 : 0);
    }
    EXPECT_GT(dropped, 20);
    EXPECT_LT(dropped, 110);
}

TEST(GroundBalls, DoublePlayNotationAndChanceBySpeed) {
    std::map<int, std::map<std::string, int>> notations;
    const int trials = 4000;
    int doublePlays[10] = {};
    for (std::uint64_t seed = 1; seed <= static_cast<std::uint64_t>(trials); ++seed) {
        for (int speed : {1, 9}) {
            PlaysFixture f(seed * 7 + static_cast<std::uint64_t>(speed));
            f.SetSpeed(4, speed);
            f.Bat(4, 3);
            int fielder = 4 + static_cast<int>(seed % 3);  // 4, 5, 6
            Grounder(f, fielder);
            const GameState& s = f.state();
            if (s.outs != 2) continue;
            ++doublePlays[speed];
            notations[fielder][std::string(s.play.playResult)] += 1;
            EXPECT_EQ(s.runnerOnFirst, 0);
            EXPECT_EQ(f.game->counters.team[2].doublePlays, 1);
            EXPECT_EQ(f.game->counters.bat(1, 4).groundedIntoDoublePlays, 1);
            EXPECT_EQ(f.PitcherOuts(), 2);
            EXPECT_EQ(f.TotalPutouts(), 2);
        }
    }
    // Speed 1 hits the floor of 0.375 for keeping out of it; speed 9 escapes 14/17.
    EXPECT_NEAR(doublePlays[1] / static_cast<double>(trials), 0.625, 0.03);
    EXPECT_NEAR(doublePlays[9] / static_cast<double>(trials), 3.0 / 17, 0.025);
    for (const auto& [text, count] : notations[kThirdBase]) EXPECT_EQ(text, "5-4-3 DP");
    for (const auto& [text, count] : notations[kSecondBase]) {
        EXPECT_TRUE(text == "4-6-3 DP" || text == "4UN-3 DP") << text;
    }
    for (const auto& [text, count] : notations[kShortstop]) {
        EXPECT_TRUE(text == "6-4-3 DP" || text == "6UN-3 DP") << text;
    }
    EXPECT_GT(notations[kSecondBase]["4-6-3 DP"], 0);
    EXPECT_GT(notations[kThirdBase]["5-4-3 DP"], 0);
}

TEST(GroundBalls, DoublePlayVariants) {
    std::map<std::string, int> seen;
    // First and second to the third baseman (he may take third himself);
    // bases loaded back to the pitcher (home to first); first only to him.
    const std::tuple<int, int, int, int> kPlays[] = {
        {2, 3, 0, kThirdBase}, {1, 2, 3, kPitcher}, {2, 0, 0, kPitcher}};
    for (std::uint64_t seed = 1; seed <= 3000; ++seed) {
        PlaysFixture f(seed);
        f.SetSpeed(4, 1);
        auto [first, second, third, fielder] = kPlays[seed % 3];
        f.Bat(4, first, second, third, 0);
        Grounder(f, fielder);
        const GameState& s = f.state();
        if (s.outs != 2) continue;
        seen[std::string(s.play.playResult)] += 1;
        EXPECT_EQ(f.TotalPutouts(), 2);
        EXPECT_EQ(f.Runs(), 0) << s.play.playResult;
        if (s.play.playResult == "5UN-3 DP") {
            EXPECT_EQ(s.runnerOnSecond, 2) << "the runner from first still reaches second";
            EXPECT_EQ(s.runnerOnThird, 0);
            EXPECT_EQ(f.FielderCount(kThirdBase, &FielderCounters::putouts), 1);
            EXPECT_EQ(f.FielderCount(kThirdBase, &FielderCounters::assists), 1);
        } else if (s.play.playResult == "1-2-3 DP!") {
            EXPECT_EQ(testing::Bases(s), (std::array{0, 1, 2}));
            EXPECT_EQ(f.FielderCount(kCatcher, &FielderCounters::putouts), 1);
            EXPECT_EQ(f.FielderCount(kCatcher, &FielderCounters::assists), 1);
        } else if (s.play.playResult == "5-4-3 DP") {
            EXPECT_EQ(s.runnerOnThird, 3);
        } else {
            EXPECT_EQ(s.play.playResult, "1-6-3 DP");
        }
    }
    EXPECT_GT(seen["5UN-3 DP"], 0);
    EXPECT_GT(seen["5-4-3 DP"], seen["5UN-3 DP"]);
    EXPECT_GT(seen["1-2-3 DP!"], 0);
    EXPECT_GT(seen["1-6-3 DP"], 0);
}

TEST(GroundBalls, ThirdOutScoresNoRun) {
    for (std::uint64_t seed = 1; seed <= 1500; ++seed) {
        PlaysFixture f(seed);
        // Bases loaded with two out, or first and third with one (a double play ends it).
        if (seed % 2 == 0) {
            f.Bat(5, 2, 3, 4, 2);
        } else {
            f.Bat(5, 2, 0, 4, 1);
        }
        Grounder(f, 1 + static_cast<int>(seed % 6));
        if (f.state().outs == 3) {
            EXPECT_EQ(f.Runs(), 0) << f.state().play.playResult;
            EXPECT_EQ(f.state().halfInningRuns, 0);
        }
    }
}

TEST(GroundBalls, InfieldInForcesAtHomeWithBasesLoaded) {
    int forces = 0;
    for (std::uint64_t seed = 1; seed <= 600; ++seed) {
        PlaysFixture f(seed);
        f.game->flags.infieldIn = true;
        f.Bat(5, 2, 3, 4, 0);
        int fielder = 3 + static_cast<int>(seed % 4);
        Grounder(f, fielder);
        const GameState& s = f.state();
        if (s.outs == 2) continue;  // the rare double play
        ++forces;
        EXPECT_EQ(s.play.playResult, std::to_string(fielder) + "-2 FO");
        EXPECT_EQ(s.outs, 1);
        EXPECT_EQ(f.Runs(), 0);
        EXPECT_EQ(testing::Bases(s), (std::array{5, 2, 3}));
        EXPECT_EQ(f.FielderCount(kCatcher, &FielderCounters::putouts), 1);
    }
    EXPECT_GT(forces, 540);
}

TEST(GroundBalls, HitAndRunMeansNoDoublePlayAndNoForce) {
    for (std::uint64_t seed = 1; seed <= 800; ++seed) {
        PlaysFixture f(seed);
        f.game->flags.hitAndRunCall = true;
        f.Bat(6, 5);
        Grounder(f, 1 + static_cast<int>(seed % 6));
        const GameState& s = f.state();
        ASSERT_LE(s.outs, 1) << s.play.playResult;
        if (s.outs == 1) {
            EXPECT_EQ(testing::Bases(s), (std::array{0, 5, 0}));
            const std::string head(s.play.playResult.substr(0, 1));
            EXPECT_TRUE(s.play.playResult == head + "-3" || s.play.playResult == "3UN" ||
                        s.play.playResult == "3-1")
                << s.play.playResult;
        }
    }
}

TEST(GroundBalls, TwoOutsRunnerOnThirdIsSimplyThrownToFirst) {
    for (std::uint64_t seed = 1; seed <= 300; ++seed) {
        PlaysFixture f(seed);
        f.Bat(2, 0, 0, 9, 2);
        Grounder(f, kSecondBase);
        const GameState& s = f.state();
        bool out = s.outs == 3;
        EXPECT_EQ(s.play.playResult, out ? "4-3" : "4-3/E-3");
        EXPECT_EQ(f.Runs(), out ? 0 : 1);
        EXPECT_TRUE(!out || s.runnerOnThird == 9);
    }
}

TEST(GroundBalls, CreditsAndRunnersBalanceOnEveryPlay) {
    int firstBaseAlone = 0;
    plays_testing::ExpectBalancedBooks(6000, [&](PlaysFixture& f, std::uint64_t seed) {
        f.game->flags.infieldIn = seed % 5 == 0;
        f.state().inning = seed % 4 == 0 ? 9 : 3;
        Grounder(f, 1 + static_cast<int>((seed / 24) % 6));
        const std::string result(f.state().play.playResult);
        if (result == "3UN" || result == "3-1") ++firstBaseAlone;
        if (result == "3-1") {
            EXPECT_EQ(f.FielderCount(kPitcher, &FielderCounters::putouts), 1);
            EXPECT_EQ(f.FielderCount(kFirstBase, &FielderCounters::assists), 1);
        }
        return true;
    });
    EXPECT_GT(firstBaseAlone, 0);
}

void AirBall(PlaysFixture& f, int fielder) {
    f.state().play.currentFielder = fielder;
    ResolveAirBall(*f.game);
}

// A fly to `fielder` (its number already in the result) with the bases as given.
void FlyOut(PlaysFixture& f, int fielder, bool lineDrive, bool deep) {
    f.state().play.currentFielder = fielder;
    f.state().play.playResult = std::to_string(fielder);
    ResolveFlyOut(*f.game, lineDrive, deep);
}

TEST(FlyBalls, InfieldFlyRuleOnADroppedPopUp) {
    int infieldFlies = 0;
    for (std::uint64_t seed = 1; seed <= 2000; ++seed) {
        PlaysFixture f(seed);
        f.SetDefense(kSecondBase, 800);
        f.Bat(3, 1, 2, 0, 1);
        AirBall(f, kSecondBase);
        const GameState& s = f.state();
        ASSERT_EQ(s.play.playResult.rfind("E-", 0), std::string::npos)
            << "a fair infield ball with first and second occupied is never an error";
        if (s.play.playResult != "I-FLY-4") continue;
        ++infieldFlies;
        EXPECT_EQ(s.outs, 2);
        EXPECT_EQ(testing::Bases(s), (std::array{1, 2, 0}));
        EXPECT_EQ(s.halfInningErrors, 0);
        EXPECT_EQ(f.PitcherOuts(), 1);
        EXPECT_EQ(f.TotalPutouts(), 1);
    }
    EXPECT_GT(infieldFlies, 100);
}

TEST(FlyBalls, DroppedFoulPopIsAnErrorAndTheBatterStaysUp) {
    int fouls = 0;
    for (std::uint64_t seed = 1; seed <= 3000 && fouls < 20; ++seed) {
        PlaysFixture f(seed);
        f.SetDefense(kCatcher, 800);
        f.Bat(5);
        AirBall(f, kCatcher);
        const GameState& s = f.state();
        if (s.play.playResult != "E-2 (Foul)") continue;
        ++fouls;
        EXPECT_EQ(s.outs, 0);
        EXPECT_TRUE(s.appearance.continues);
        EXPECT_EQ(s.runnerOnFirst, 0);
        EXPECT_EQ(f.FielderCount(kCatcher, &FielderCounters::errors), 1);
        EXPECT_EQ(f.game->counters.bat(1, 5).atBats, 0) << "the step back takes the at-bat back";
    }
    EXPECT_EQ(fouls, 20);
}

TEST(FlyBalls, TagUpOutChances) {
    // Faster runners are thrown out less often; the fastest never from third.
    EXPECT_GT(TagFromThirdOutChance(1), TagFromThirdOutChance(5));
    EXPECT_DOUBLE_EQ(TagFromThirdOutChance(9), 0.0);
    EXPECT_GT(TagFromSecondOutChance(1), TagFromSecondOutChance(9));

    // After the first out a speed-5 runner is sent on a fly that is not deep
    // when 1 + 5 + roll >= 8 (a roll of 2 or more) and is lost 8% of the time.
    int sent = 0, outAtPlate = 0, sacrificeFlies = 0;
    for (std::uint64_t seed = 1; seed <= 4000; ++seed) {
        PlaysFixture f(seed);
        f.Bat(2, 0, 0, 7, 0);
        FlyOut(f, kCenterField, false, false);
        const GameState& s = f.state();
        if (s.play.playResult == "8-2 DP") {
            ++sent;
            ++outAtPlate;
            EXPECT_EQ(s.outs, 2);
            EXPECT_EQ(f.Runs(), 0);
            EXPECT_EQ(f.FielderCount(kCenterField, &FielderCounters::assists), 1);
            EXPECT_EQ(f.FielderCount(kCatcher, &FielderCounters::putouts), 1);
        } else if (s.play.playResult == "8 SACF") {
            ++sent;
            ++sacrificeFlies;
            EXPECT_EQ(f.Runs(), 1);
            EXPECT_EQ(f.game->counters.bat(1, 2).sacrificeFlies, 1);
            EXPECT_EQ(f.game->counters.bat(1, 2).atBats, 0);
            EXPECT_EQ(f.game->counters.bat(1, 2).runsBattedIn, 1);
        } else {
            EXPECT_EQ(s.runnerOnThird, 7);
        }
    }
    EXPECT_NEAR(sent / 4000.0, 0.9, 0.02);
    EXPECT_NEAR(outAtPlate / static_cast<double>(sent), 0.08, 0.015);
    EXPECT_GT(sacrificeFlies, 0);

    // A deep fly scores the runner from third without a throw.
    PlaysFixture deep(3);
    deep.Bat(2, 0, 0, 7, 1);
    FlyOut(deep, kLeftField, false, true);
    EXPECT_EQ(deep.state().play.playResult, "7 SACF");
    EXPECT_EQ(deep.Runs(), 1);
    EXPECT_EQ(deep.state().outs, 2);
}

TEST(FlyBalls, HumanManagerIsAskedWithTheSuccessChance) {
    ScriptedDecisions decisions;
    for (bool autoCoach : {false, true}) {
        PlaysFixture f(5);
        f.config.autoCoach = autoCoach;  // the computer's rule answers: nobody is asked
        f.game->decisions = &decisions;
        f.state().display.userManaged[1] = true;
        f.Bat(2, 0, 0, 7, 0);
        FlyOut(f, kRightField, false, false);
        ASSERT_EQ(decisions.questions.size(), 1u);
        if (autoCoach) continue;
        EXPECT_EQ(decisions.questions[0], " Tag-up at 3rd? [y/N]  (92.0%)");
        EXPECT_EQ(f.state().runnerOnThird, 7) << "a held runner stays";
        EXPECT_EQ(f.Runs(), 0);
    }
}

TEST(FlyBalls, NoTagFromSecondOnAFlyToLeft) {
    for (std::uint64_t seed = 1; seed <= 500; ++seed) {
        PlaysFixture f(seed);
        f.Bat(2, 0, 6, 0, 0);
        f.state().play.currentFielder = kLeftField;
        ResolveFlyOut(*f.game, false, true);
        EXPECT_EQ(f.state().runnerOnSecond, 6);
        EXPECT_EQ(f.state().outs, 1);
    }
}

TEST(FlyBalls, LineDriveDoublePlays) {
    int doubledOff = 0;
    for (std::uint64_t seed = 1; seed <= 2000; ++seed) {
        PlaysFixture f(seed);
        f.Bat(2, 6, 0, 0, 0);
        FlyOut(f, kShortstop, true, false);
        const GameState& s = f.state();
        bool doublePlay = s.outs == 2;
        doubledOff += doublePlay;
        EXPECT_TRUE(!doublePlay || s.play.playResult == "6-3 DP!") << s.play.playResult;
        EXPECT_EQ(s.outs, doublePlay ? 2 : 1);
        EXPECT_EQ(s.runnerOnFirst, doublePlay ? 0 : 6);
    }
    EXPECT_NEAR(doubledOff / 2000.0, 0.5, 0.04);

    PlaysFixture f(1);
    f.Bat(2, 6, 0, 0, 0);
    FlyOut(f, kFirstBase, true, false);
    EXPECT_EQ(f.state().play.playResult, "3UN DP!");
    EXPECT_EQ(f.game->counters.team[2].doublePlays, 1);
}

TEST(FlyBalls, CreditsAndRunnersBalanceOnEveryPlay) {
    plays_testing::ExpectBalancedBooks(6000, [](PlaysFixture& f, std::uint64_t seed) {
        f.game->flags.hitAndRunCall = seed % 7 == 0 && seed % 8 != 0;
        AirBall(f, 1 + static_cast<int>((seed / 24) % 9));
        return !f.state().appearance.continues;  // a dropped foul
    });
}

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
        if (s.play.playResult.find("/E-") != std::string::npos) continue;
        EXPECT_EQ(s.runnerOnSecond, 3) << s.play.playResult;
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
        EXPECT_EQ(s.play.playResult, "1B");
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
    EXPECT_EQ(s.play.playResult, "HR");
    EXPECT_FALSE(s.play.homeRunInProgress);
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
        EXPECT_EQ(f.state().outs, outs) << f.state().play.playResult;
        EXPECT_EQ(f.state().runnersOn() + f.Runs(), 3);
    }
}

TEST(Hits, ThrowingErrorAfterAHitIsChargedAndMovesEveryone) {
    int errors = 0;
    for (std::uint64_t seed = 1; seed <= 1000; ++seed) {
        PlaysFixture f(seed);
        f.SetDefense(kCenterField, 800);  // half of 20%: one throw in ten is wild
        f.Bat(4, 4, 2, 0, 1);             // the batter already on first after his single
        f.state().play.playResult = "1B";
        if (!HitThrowError(*f.game, kCenterField)) {
            EXPECT_EQ(f.state().halfInningErrors, 0);
            continue;
        }
        ++errors;
        const GameState& s = f.state();
        EXPECT_EQ(s.play.playResult, "1B/E-8");
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
    f.state().play.errorOnPlay = true;
    f.state().play.precedingError = ErrorKind::Fielding;
    f.state().play.currentFielder = kShortstop;
    f.state().play.playResult = "E-6";
    ResolveSingle(*f.game);
    const GameState& s = f.state();
    EXPECT_EQ(s.play.playResult.substr(0, 3), "E-6");
    EXPECT_EQ(s.runnerOnFirst, 4);
    EXPECT_LT(s.responsiblePitcher[1][4], 0);
    EXPECT_EQ(f.game->counters.bat(1, 4).hits, 0);
    EXPECT_EQ(f.game->counters.team[1].hits, 0);
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
            f.state().display.userManaged[static_cast<std::size_t>(team)] = true;
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
        f.state().display.userManaged[1] = true;
        f.state().inning = 7;
        f.Bat(3);
        ResolveDouble(*f.game);
        if (decisions.questions.empty()) continue;  // a throwing error came first
        EXPECT_EQ(decisions.questions[0], " Stretch hit to a triple? [y/N]  (55%)");
        const GameState& s = f.state();
        const BatterCounters& line = f.game->counters.bat(1, 3);
        const PitcherCounters& pitcher = f.game->counters.pitch(2, 10);
        bool triple = s.play.playResult == "3B";
        (triple ? triples : outs) += 1;
        EXPECT_EQ(line.triples, triple ? 1 : 0);
        EXPECT_EQ(line.doubles, triple ? 0 : 1);
        if (triple) {
            EXPECT_EQ(s.runnerOnThird, 3);
            EXPECT_EQ(pitcher.triples, 1);
            EXPECT_EQ(pitcher.doubles, 0);
        } else {
            EXPECT_EQ(s.play.playResult.substr(0, 3), "2B ");
            EXPECT_EQ(s.play.playResult.substr(4), "-5");
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
