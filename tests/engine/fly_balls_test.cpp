#include <gtest/gtest.h>

#include <string>

#include "engine/batted_ball_handlers.h"
#include "engine/fly_balls.h"
#include "engine/plays_fixture.h"
#include "engine/recording_seams.h"

namespace vrk {
namespace {

using plays_testing::PlaysFixture;

void AirBall(PlaysFixture& f, int fielder) {
    f.state().currentFielder = fielder;
    ResolveAirBall(*f.game);
}

// A fly to `fielder` (its number already in the result) with the bases as given.
void FlyOut(PlaysFixture& f, int fielder, bool lineDrive, bool deep) {
    f.state().currentFielder = fielder;
    f.state().playResult = std::to_string(fielder);
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
        ASSERT_EQ(s.playResult.rfind("E-", 0), std::string::npos)
            << "a fair infield ball with first and second occupied is never an error";
        if (s.playResult != "I-FLY-4") continue;
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

    // After the first out a speed-5 runner is sent on a fly that is not deep
    // when 1 + 5 + roll >= 8 (a roll of 2 or more) and is lost 8% of the time.
    int sent = 0, outAtPlate = 0, sacrificeFlies = 0;
    for (std::uint64_t seed = 1; seed <= 4000; ++seed) {
        PlaysFixture f(seed);
        f.Bat(2, 0, 0, 7, 0);
        FlyOut(f, kCenterField, false, false);
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

    // A deep fly scores the runner from third without a throw.
    PlaysFixture deep(3);
    deep.Bat(2, 0, 0, 7, 1);
    FlyOut(deep, kLeftField, false, true);
    EXPECT_EQ(deep.state().playResult, "7 SACF");
    EXPECT_EQ(deep.Runs(), 1);
    EXPECT_EQ(deep.state().outs, 2);
}

TEST(FlyBalls, HumanManagerIsAskedWithTheSuccessChance) {
    testing::ScriptedDecisions decisions;
    for (bool autoCoach : {false, true}) {
        PlaysFixture f(5);
        f.config.autoCoach = autoCoach;  // the computer's rule answers: nobody is asked
        f.game->decisions = &decisions;
        f.state().userManaged[1] = true;
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
        FlyOut(f, kShortstop, true, false);
        const GameState& s = f.state();
        bool doublePlay = s.outs == 2;
        doubledOff += doublePlay;
        EXPECT_TRUE(!doublePlay || s.playResult == "6-3 DP!") << s.playResult;
        EXPECT_EQ(s.outs, doublePlay ? 2 : 1);
        EXPECT_EQ(s.runnerOnFirst, doublePlay ? 0 : 6);
    }
    EXPECT_NEAR(doubledOff / 2000.0, 0.5, 0.04);

    PlaysFixture f(1);
    f.Bat(2, 6, 0, 0, 0);
    FlyOut(f, kFirstBase, true, false);
    EXPECT_EQ(f.state().playResult, "3UN DP!");
    EXPECT_EQ(f.state().teamDoublePlays[2], 1);
}

TEST(FlyBalls, CreditsAndRunnersBalanceOnEveryPlay) {
    plays_testing::ExpectBalancedBooks(6000, [](PlaysFixture& f, std::uint64_t seed) {
        f.game->flags.hitAndRunCall = seed % 7 == 0 && seed % 8 != 0;
        AirBall(f, 1 + static_cast<int>((seed / 24) % 9));
        return !f.state().plateAppearanceContinues;  // a dropped foul
    });
}

}  // namespace
}  // namespace vrk
