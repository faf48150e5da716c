#include <gtest/gtest.h>

#include <string>

#include "engine/batted_ball_handlers.h"
#include "engine/fly_balls.h"
#include "engine/plays_fixture.h"

namespace vrk {
namespace {

using testing::PlaysFixture;

void AirBall(PlaysFixture& f, int fielder) {
    f.state().currentFielder = fielder;
    ResolveAirBall(*f.game);
}

TEST(FlyBalls, InfieldFlyRuleOnADroppedPopUp) {
    int infieldFlies = 0;
    for (std::uint64_t seed = 1; seed <= 2000; ++seed) {
        PlaysFixture f(seed);
        f.SetDefense(kSecondBase, 800);
        f.Bat(3, 1, 2, 0, 1);
        AirBall(f, kSecondBase);
        const GameState& s = f.state();
        ASSERT_EQ(s.playResult.rfind("E-", 0), std::string::npos)
            << "a fair infield ball with first and second occupied is never an error";
        if (s.playResult != "I-FLY-4") continue;
        ++infieldFlies;
        EXPECT_EQ(s.outs, 2);
        EXPECT_EQ(s.runnerOnFirst, 1);
        EXPECT_EQ(s.runnerOnSecond, 2);
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
        if (s.playResult != "E-2 (Foul)") continue;
        ++fouls;
        EXPECT_EQ(s.outs, 0);
        EXPECT_TRUE(s.plateAppearanceContinues);
        EXPECT_EQ(s.runnerOnFirst, 0);
        EXPECT_EQ(f.FielderCount(kCatcher, &FielderCounters::errors), 1);
        EXPECT_EQ(f.game->counters.bat(1, 5).atBats, 0) << "the step back takes the at-bat back";
    }
    EXPECT_EQ(fouls, 20);
}

TEST(FlyBalls, TagUpOutChances) {
    EXPECT_DOUBLE_EQ(TagFromThirdOutChance(5, true), 0.45);
    EXPECT_DOUBLE_EQ(TagFromThirdOutChance(5, false), 0.08);
    EXPECT_DOUBLE_EQ(TagFromThirdOutChance(9, false), 0.0);
    EXPECT_NEAR(TagFromSecondOutChance(1, 1), 0.25, 1e-12);
    EXPECT_NEAR(TagFromSecondOutChance(9, 2), 0.15, 1e-12);

    // After a catch for the first out the computer sends a speed-5 runner on a
    // fly that is not deep when 1 + 5 + roll >= 8 (a roll of 2 or more) and
    // loses him 8% of the time.
    int sent = 0;
    int outAtPlate = 0;
    int sacrificeFlies = 0;
    for (std::uint64_t seed = 1; seed <= 4000; ++seed) {
        PlaysFixture f(seed);
        f.Bat(2, 0, 0, 7, 0);
        f.state().currentFielder = kCenterField;
        f.state().playResult = "8";
        ResolveFlyOut(*f.game, false, false);
        const GameState& s = f.state();
        if (s.playResult == "8-2 DP") {
            ++sent;
            ++outAtPlate;
            EXPECT_EQ(s.outs, 2);
            EXPECT_EQ(f.Runs(), 0);
            EXPECT_EQ(f.FielderCount(kCenterField, &FielderCounters::assists), 1);
            EXPECT_EQ(f.FielderCount(kCatcher, &FielderCounters::putouts), 1);
        } else if (s.playResult == "8 SACF") {
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
}

TEST(FlyBalls, DeepFlyScoresTheRunnerWithoutAThrow) {
    PlaysFixture f(3);
    f.Bat(2, 0, 0, 7, 1);
    f.state().currentFielder = kLeftField;
    f.state().playResult = "7";
    ResolveFlyOut(*f.game, false, true);
    EXPECT_EQ(f.state().playResult, "7 SACF");
    EXPECT_EQ(f.Runs(), 1);
    EXPECT_EQ(f.state().outs, 2);
}

TEST(FlyBalls, HumanManagerIsAskedWithTheSuccessChance) {
    testing::ScriptedDecisions decisions;
    PlaysFixture f(5);
    f.game->decisions = &decisions;
    f.state().userManaged[1] = true;
    f.Bat(2, 0, 0, 7, 0);
    f.state().currentFielder = kRightField;
    f.state().playResult = "9";
    decisions.answer = false;
    ResolveFlyOut(*f.game, false, false);
    ASSERT_EQ(decisions.questions.size(), 1u);
    EXPECT_EQ(decisions.questions[0], " Tag-up at 3rd? [y/N]  (92.0%)");
    EXPECT_EQ(f.state().runnerOnThird, 7) << "a held runner stays";
    EXPECT_EQ(f.Runs(), 0);

    // With AUTOCOACH the computer's rule answers and nobody is asked.
    PlaysFixture g(5);
    g.config.autoCoach = true;
    g.game->decisions = &decisions;
    g.state().userManaged[1] = true;
    g.Bat(2, 0, 0, 7, 0);
    g.state().currentFielder = kRightField;
    ResolveFlyOut(*g.game, false, false);
    EXPECT_EQ(decisions.questions.size(), 1u);
}

TEST(FlyBalls, NoTagFromSecondOnAFlyToLeft) {
    for (std::uint64_t seed = 1; seed <= 500; ++seed) {
        PlaysFixture f(seed);
        f.Bat(2, 0, 6, 0, 0);
        f.state().currentFielder = kLeftField;
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
        f.state().currentFielder = kShortstop;
        f.state().playResult = "6";
        ResolveFlyOut(*f.game, true, false);
        const GameState& s = f.state();
        if (s.outs == 2) {
            ++doubledOff;
            EXPECT_EQ(s.playResult, "6-3 DP!");
            EXPECT_EQ(s.runnerOnFirst, 0);
        } else {
            EXPECT_EQ(s.outs, 1);
            EXPECT_EQ(s.runnerOnFirst, 6);
        }
    }
    EXPECT_NEAR(doubledOff / 2000.0, 0.5, 0.04);

    PlaysFixture f(1);
    f.Bat(2, 6, 0, 0, 0);
    f.state().currentFielder = kFirstBase;
    f.state().playResult = "3";
    ResolveFlyOut(*f.game, true, false);
    EXPECT_EQ(f.state().playResult, "3UN DP!");
    EXPECT_EQ(f.state().teamDoublePlays[2], 1);
}

// Every ball in the air, in every base state: the putouts and the pitcher's
// outs follow the outs made, and nobody disappears from the bases.
TEST(FlyBalls, CreditsAndRunnersBalanceOnEveryPlay) {
    for (std::uint64_t seed = 1; seed <= 6000; ++seed) {
        PlaysFixture f(seed);
        int bases = static_cast<int>(seed % 8);
        int outs = static_cast<int>((seed / 8) % 3);
        f.game->flags.hitAndRunCall = seed % 7 == 0 && bases != 0;
        f.Bat(1, bases & 1 ? 7 : 0, bases & 2 ? 8 : 0, bases & 4 ? 9 : 0, outs);
        int before = f.state().runnersOn() + 1;
        AirBall(f, 1 + static_cast<int>((seed / 24) % 9));
        const GameState& s = f.state();
        if (s.plateAppearanceContinues) continue;  // a dropped foul
        int outsMade = s.outs - outs;
        ASSERT_GE(outsMade, 0);
        EXPECT_EQ(f.TotalPutouts(), outsMade) << s.playResult;
        EXPECT_EQ(f.PitcherOuts(), outsMade) << s.playResult;
        if (s.outs < 3) {
            EXPECT_EQ(s.runnersOn() + f.Runs() + outsMade, before) << s.playResult;
        }
    }
}

}  // namespace
}  // namespace vrk
