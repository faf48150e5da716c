#include <gtest/gtest.h>

#include "engine/engine_helpers.h"
#include "engine/test_teams.h"

namespace vrk {
namespace {

using testing::GameFixture;

TEST(EngineHelpers, FieldingAverageFromRatingsAndErrors) {
    GameFixture f;
    Game& g = *f.game;
    g.state.fieldingTeam = kHome;
    g.state.pitcher = 10;
    Team& t = f.teams[2];
    // Ratings: defense / 1000 with the position factor (shortstop, catcher, left field).
    EXPECT_NEAR(FieldingAverage(g, 5), 0.980 * 1.006, 1e-9);
    EXPECT_NEAR(FieldingAverage(g, 1), 0.980 * 0.955, 1e-9);
    EXPECT_NEAR(FieldingAverage(g, 6), 0.980, 1e-9);
    EXPECT_NEAR(PositionAverage(g, kPitcher), 0.952, 1e-12);
    EXPECT_EQ(FielderSlot(g, kShortstop), 5);
    EXPECT_EQ(FielderEntry(g, kPitcher), 10);

    // Out of position: three quarters of the limited value.
    t.player(5).lineupPosition = kThirdBase;
    EXPECT_NEAR(FieldingAverage(g, 5), 0.98 * 1.008 * 0.75, 1e-9);
    t.player(5).lineupPosition = kShortstop;

    // Error counts: one listed position gives 1 - E / chances, within 0.800..0.999.
    t.defenseIsErrors = true;
    t.player(5).defense = 10;
    g.fieldingAverages = {};  // figures edited: worked out afresh
    double fFactor = (1 - t.leagueContext.strikeoutsPerOut) / 0.7496 + 0.06;  // DH game
    EXPECT_NEAR(FieldingAverage(g, 5), 1 - 10 / (fFactor * 150 * 4.8), 1e-6);
    t.player(5).defense = 5000;
    g.fieldingAverages = {};  // figures edited: worked out afresh
    EXPECT_DOUBLE_EQ(FieldingAverage(g, 5), 0.800);
    t.player(5).defense = 0;
    g.fieldingAverages = {};  // figures edited: worked out afresh
    EXPECT_DOUBLE_EQ(FieldingAverage(g, 5), 0.999);
    // A designated hitter has no chances: the league mark, never a division by zero.
    EXPECT_GE(FieldingAverage(g, 9), 0.6);

    // Several listed positions: the rate is carried over to the present one.
    t.defenseIsErrors = false;
    g.fieldingAverages = {};     // figures edited: worked out afresh
    Player& util = t.player(4);  // second base
    util.positionCode[2] = kShortstop;
    util.gamesAtPosition[2] = 50;
    EXPECT_DOUBLE_EQ(PositionFieldingAverage(t.player(5), kShortstop, 0.97, 1), 0.97);
    // Second base is the surer position.
    EXPECT_GT(PositionFieldingAverage(util, kSecondBase, 0.97, 1),
              PositionFieldingAverage(util, kShortstop, 0.97, 1));
}

TEST(EngineHelpers, BallDirection) {
    GameFixture f;
    Game& g = *f.game;
    g.state.battingTeam = kVisitors;
    g.state.fieldingTeam = kHome;
    g.state.batter = 1;
    g.state.pitcher = 10;
    double v = PullValue(g);
    EXPECT_GE(v, 0.38);
    EXPECT_LE(v, 0.78);
    // A left-handed batter, a switch hitter against a right-hander, then a left-hander.
    f.teams[1].player(1).hand = 'L';
    EXPECT_NEAR(PullValue(g), 1 - v, 1e-12);
    f.teams[1].player(1).hand = 'S';
    EXPECT_NEAR(PullValue(g), 1 - v, 1e-12);
    f.teams[2].player(10).hand = 'L';
    EXPECT_NEAR(PullValue(g), v, 1e-12);
    f.teams[2].player(10).atBats = 0;  // no innings: no division by zero
    EXPECT_GE(PullValue(g), 0.38);

    std::array<int, 10> grounders{}, zones{};
    for (int i = 0; i < 5000; ++i) {
        ++grounders[static_cast<std::size_t>(GroundBallFielder(g, 0.58))];
        ++zones[static_cast<std::size_t>(AirBallZone(g, 0.58))];
    }
    EXPECT_EQ(grounders[7] + grounders[8] + grounders[9], 0);
    EXPECT_GT(grounders[6], grounders[1]);
    EXPECT_GT(grounders[3], 0);
    EXPECT_EQ(zones[7] + zones[8] + zones[9], 5000);
    EXPECT_GT(zones[8], zones[9]);
}

TEST(EngineHelpers, CombineRatesFollowsThePitcher) {
    // A better pitcher than the league lowers the batter's rate; no league rate: the batter's.
    EXPECT_NEAR(CombineRates(0.3, 0.3, 0.3), 0.3, 1e-12);
    EXPECT_LT(CombineRates(0.2, 0.25, 0.25), 0.25);
    EXPECT_GT(CombineRates(0.3, 0.25, 0.25), 0.25);
    EXPECT_DOUBLE_EQ(CombineRates(0.3, 0.25, 0), 0.25);
}

}  // namespace
}  // namespace vrk
