#include <gtest/gtest.h>

#include <algorithm>

#include "engine/ball_direction.h"
#include "engine/engine_helpers.h"
#include "engine/fielding.h"
#include "engine/test_teams.h"

namespace vrk {
namespace {

using testing::GameFixture;

TEST(EngineHelpers, FieldingAverageFromRatings) {
    GameFixture f;
    Game& g = *f.game;
    g.state.fieldingTeam = kHome;
    g.state.pitcher = 10;
    Team& t = f.teams[2];
    EXPECT_EQ(FielderSlot(g, kShortstop), 5);
    EXPECT_EQ(FielderEntry(g, kPitcher), 10);
    EXPECT_EQ(FieldingAverage(g, 0), PositionAverage(g, kPitcher));

    // A left fielder's rating is his average; the same rating is worth less
    // behind the plate and more at shortstop. Better ratings field better.
    EXPECT_NEAR(FieldingAverage(g, 6), 0.980, 1e-9);
    EXPECT_LT(FieldingAverage(g, 1), FieldingAverage(g, 6));
    EXPECT_GT(FieldingAverage(g, 5), FieldingAverage(g, 6));
    for (int slot = 1; slot <= 8; ++slot) {
        const double before = FieldingAverage(g, slot);
        t.player(slot).defense += 10;
        g.fieldingAverages = {};  // figures edited: worked out afresh
        EXPECT_GT(FieldingAverage(g, slot), before) << slot;
        t.player(slot).defense -= 10;
        g.fieldingAverages = {};
    }
    // Out of position: three quarters of what a third baseman of that rating fields.
    t.player(5).lineupPosition = kThirdBase;
    EXPECT_NEAR(FieldingAverage(g, 5), 0.75 * FieldingAverage(g, 4), 1e-9);
    t.player(5).lineupPosition = kShortstop;

    // Several listed positions: the rate is carried over to the present one,
    // and second base is the surer position.
    Player& util = t.player(4);
    util.positionCode[2] = kShortstop;
    util.gamesAtPosition[2] = 50;
    EXPECT_DOUBLE_EQ(PositionFieldingAverage(t.player(5), kShortstop, 0.97, 1), 0.97);
    EXPECT_GT(PositionFieldingAverage(util, kSecondBase, 0.97, 1),
              PositionFieldingAverage(util, kShortstop, 0.97, 1));
}

TEST(EngineHelpers, FieldingAverageFromErrorCounts) {
    GameFixture f;
    Game& g = *f.game;
    g.state.fieldingTeam = kHome;
    Team& t = f.teams[2];
    t.defenseIsErrors = true;
    auto withErrors = [&](int errors) {
        t.player(5).defense = errors;
        g.fieldingAverages = {};  // figures edited: worked out afresh
        return FieldingAverage(g, 5);
    };
    // Errors come off a season's chances in proportion, within .800 to .999.
    const double ten = withErrors(10);
    EXPECT_TRUE(ten > 0.97 && ten < 0.995) << ten;
    EXPECT_NEAR(1 - withErrors(20), 2 * (1 - ten), 1e-9);
    EXPECT_DOUBLE_EQ(withErrors(5000), 0.800);
    EXPECT_DOUBLE_EQ(withErrors(0), 0.999);
    // Without a designated hitter fewer balls are put in play: fewer chances.
    g.options.designatedHitter = false;
    EXPECT_LT(withErrors(10), ten);
    // A designated hitter has no chances: the league mark, never a division by zero.
    EXPECT_GE(FieldingAverage(g, 9), 0.6);
}

// Grounders, throws to first, catches and passed balls leave the average unasked for
// draws under kFieldingAverageFloor: no fielder, however poor and wherever
// he plays, may field below it.
TEST(EngineHelpers, NoFieldingAverageUnderTheFloor) {
    GameFixture f;
    Game& g = *f.game;
    g.state.fieldingTeam = kHome;
    Team& t = f.teams[2];
    double lowest = 1;
    for (bool errors : {false, true}) {
        t.defenseIsErrors = errors;
        for (int slot = 1; slot <= 8; ++slot) {
            t.player(SlotPlayer(g, kHome, slot)).defense = errors ? 5000 : 0;
            for (int position = kCatcher; position <= kDesignatedHitter; ++position) {
                t.player(slot).lineupPosition = position;
                g.fieldingAverages = {};
                const double average = FieldingAverage(g, slot);
                EXPECT_GT(average, kFieldingAverageFloor) << errors << slot << position;
                lowest = std::min(lowest, average);
            }
        }
    }
    // The worst case was reached: the poorest mark, out of position.
    EXPECT_LT(lowest, kFieldingAverageFloor + 0.02);
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
    f.teams[2].player(10).pitching.inningsPitched = 0;  // no division by zero
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
