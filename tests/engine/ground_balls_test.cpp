#include <gtest/gtest.h>

#include <map>
#include <string>

#include "engine/batted_ball_handlers.h"
#include "engine/plays_fixture.h"

namespace vrk {
namespace {

using plays_testing::PlaysFixture;

// The outcome model's side of the contract: a clean grounder to `fielder`,
// then one out credited to the pitcher.
void Grounder(PlaysFixture& f, int fielder) {
    f.state().currentFielder = fielder;
    f.state().playResult = std::to_string(fielder);
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
        bool out = s.playResult == "6-3";
        if (!out) {
            ASSERT_EQ(s.playResult, "6-3/E-3");
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
            notations[fielder][s.playResult] += 1;
            EXPECT_EQ(s.runnerOnFirst, 0);
            EXPECT_EQ(s.teamDoublePlays[2], 1);
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
    for (std::uint64_t seed = 1; seed <= 3000; ++seed) {
        PlaysFixture f(seed);
        f.SetSpeed(4, 1);
        // First and second to the third baseman (he may take third himself);
        // bases loaded back to the pitcher (home to first); first only to him.
        switch (seed % 3) {
            case 0:
                f.Bat(4, 2, 3, 0, 0);
                Grounder(f, kThirdBase);
                break;
            case 1:
                f.Bat(4, 1, 2, 3, 0);
                Grounder(f, kPitcher);
                break;
            default:
                f.Bat(4, 2, 0, 0, 0);
                Grounder(f, kPitcher);
        }
        const GameState& s = f.state();
        if (s.outs != 2) continue;
        seen[s.playResult] += 1;
        EXPECT_EQ(f.TotalPutouts(), 2);
        EXPECT_EQ(f.Runs(), 0) << s.playResult;
        if (s.playResult == "5UN-3 DP") {
            EXPECT_EQ(s.runnerOnSecond, 2) << "the runner from first still reaches second";
            EXPECT_EQ(s.runnerOnThird, 0);
            EXPECT_EQ(f.FielderCount(kThirdBase, &FielderCounters::putouts), 1);
            EXPECT_EQ(f.FielderCount(kThirdBase, &FielderCounters::assists), 1);
        } else if (s.playResult == "1-2-3 DP!") {
            EXPECT_EQ(testing::Bases(s), (std::array{0, 1, 2}));
            EXPECT_EQ(f.FielderCount(kCatcher, &FielderCounters::putouts), 1);
            EXPECT_EQ(f.FielderCount(kCatcher, &FielderCounters::assists), 1);
        } else if (s.playResult == "5-4-3 DP") {
            EXPECT_EQ(s.runnerOnThird, 3);
        } else {
            EXPECT_EQ(s.playResult, "1-6-3 DP");
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
            EXPECT_EQ(f.Runs(), 0) << f.state().playResult;
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
        EXPECT_EQ(s.playResult, std::to_string(fielder) + "-2 FO");
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
        ASSERT_LE(s.outs, 1) << s.playResult;
        if (s.outs == 1) {
            EXPECT_EQ(s.runnerOnSecond, 5);
            EXPECT_EQ(s.runnerOnFirst, 0);
            std::string head = s.playResult.substr(0, 1);
            EXPECT_TRUE(s.playResult == head + "-3" || s.playResult == "3UN" ||
                        s.playResult == "3-1")
                << s.playResult;
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
        EXPECT_EQ(s.playResult, out ? "4-3" : "4-3/E-3");
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
        const std::string& result = f.state().playResult;
        if (result == "3UN" || result == "3-1") ++firstBaseAlone;
        if (result == "3-1") {
            EXPECT_EQ(f.FielderCount(kPitcher, &FielderCounters::putouts), 1);
            EXPECT_EQ(f.FielderCount(kFirstBase, &FielderCounters::assists), 1);
        }
        return true;
    });
    EXPECT_GT(firstBaseAlone, 0);
}

}  // namespace
}  // namespace vrk
