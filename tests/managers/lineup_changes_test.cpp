#include <gtest/gtest.h>

#include "managers/auto_manager_hooks.h"
#include "managers/lineup_changes.h"
#include "managers/managers_test_support.h"

namespace vrk {
namespace {

using mgrtest::NamedScoreCard;

int Slot(const Team& t, int position) {
    for (int slot = 1; slot <= kLineupSize; ++slot)
        if (t.player(slot).lineupPosition == position) return slot;
    return 0;
}

int Number(const Team& t, int entry) {
    const std::vector<int> entries = LineupScreenEntries(t);
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i] == entry) return static_cast<int>(i) + 1;
    return 0;
}

// A game between two shipped teams whose line-ups bat the pitcher, with
// the starters in and the home side in the field.
struct Fixture {
    TeamSlots teams;
    LeagueContext normalization;
    Config config = mgrtest::ShippedConfig();
    Rng rng{3};
    std::unique_ptr<Game> game;
    AutoManagerCounters counters;
    AutoManagerHooks hooks{counters};
    std::unique_ptr<NamedScoreCard> card;

    Fixture() {
        EXPECT_FALSE(loadTeamPair(teams, "FELVORA", "GORWICK", config).abort);
        game = std::make_unique<Game>(teams, normalization, config, rng);
        card = std::make_unique<NamedScoreCard>(*game);
        game->scoreCard = card.get();
        hooks.beginGame(*game);
        game->state.battingTeam = kVisitors;
        game->state.fieldingTeam = kHome;
    }
    Team& home() { return game->team(kHome); }
    BullpenState& bullpen() { return hooks.bullpen(); }
    int firstBench() const {
        const Team& t = game->team(kHome);
        return t.lastPitcherEntry + 1;
    }
};

TEST(LineupChanges, SwapsBeforeTheGame) {
    Fixture f;
    Team& t = f.home();
    const int pitcherSlot = Slot(t, kPitcher);
    ASSERT_NE(pitcherSlot, 0);
    const int bench = Number(t, f.firstBench());
    const int staff = Number(t, kFirstPitcherEntry);
    const int fielder = pitcherSlot == 1 ? 2 : 1;
    struct Case {
        int first, second;
        LineupRefusal expected;
    };
    const Case cases[] = {{fielder, 99, LineupRefusal::OutOfRange},
                          {0, fielder, LineupRefusal::OutOfRange},
                          {fielder, fielder, LineupRefusal::Nothing},
                          {bench, bench + 1, LineupRefusal::Nothing},
                          {pitcherSlot, bench, LineupRefusal::UseBullpen},
                          {fielder, staff, LineupRefusal::UseBullpen}};
    for (const Case& c : cases) {
        const std::string before = t.player(fielder).playerName;
        EXPECT_EQ(SwapBeforeGame(t, c.first, c.second), c.expected) << c.first << "/" << c.second;
        EXPECT_EQ(t.player(fielder).playerName, before);
    }

    // Two batters trade places and keep their positions.
    const int other = fielder == 1 ? 3 : 2;
    const Player a = t.player(fielder), b = t.player(other);
    EXPECT_EQ(SwapBeforeGame(t, other, fielder), LineupRefusal::None);
    EXPECT_EQ(t.player(fielder).playerName, b.playerName);
    EXPECT_EQ(t.player(fielder).lineupPosition, b.lineupPosition);
    EXPECT_EQ(t.player(other).lineupPosition, a.lineupPosition);

    // A bench player takes the batter's place and position.
    const Player starter = t.player(fielder);
    const Player sub = t.player(f.firstBench());
    EXPECT_EQ(SwapBeforeGame(t, fielder, bench), LineupRefusal::None);
    EXPECT_EQ(t.player(fielder).playerName, sub.playerName);
    EXPECT_EQ(t.player(fielder).lineupPosition, starter.lineupPosition);
    EXPECT_EQ(t.player(f.firstBench()).playerName, starter.playerName);
    EXPECT_EQ(t.player(f.firstBench()).lineupPosition, starter.defaultPosition);
}

TEST(LineupChanges, SubstitutionsDuringTheGame) {
    Fixture f;
    Game& g = *f.game;
    Team& t = f.home();
    const int pitcherSlot = Slot(t, kPitcher);
    const int x = pitcherSlot == 1 ? 2 : 1;
    const int y = x + 1 == pitcherSlot ? x + 2 : x + 1;
    const int bench = Number(t, f.firstBench());
    const int starter = Number(t, g.state.currentPitcher[kHome]);
    LineupSession look;
    EXPECT_EQ(SwapDuringGame(g, f.bullpen(), kHome, look, x, bench), LineupRefusal::ViewOnly);

    LineupSession session;
    session.stage = LineupStage::InField;
    struct Case {
        int first, second;
        LineupRefusal expected;
    };
    const Case refused[] = {{x, y, LineupRefusal::BattingOrderFixed},
                            {pitcherSlot, bench, LineupRefusal::UseBullpen},
                            {x, starter, LineupRefusal::UsedPitcher},
                            {x, 70, LineupRefusal::OutOfRange}};
    for (const Case& c : refused)
        EXPECT_EQ(SwapDuringGame(g, f.bullpen(), kHome, session, c.first, c.second), c.expected);
    EXPECT_TRUE(f.card->lines.empty());

    // The starter's line of this game goes with him to the bench.
    const std::string out = t.player(x).playerName;
    const std::string in = t.player(f.firstBench()).playerName;
    const int position = t.player(x).lineupPosition;
    g.counters.bat(kHome, x).hits = 2;
    EXPECT_EQ(SwapDuringGame(g, f.bullpen(), kHome, session, x, bench), LineupRefusal::None);
    EXPECT_EQ(t.player(x).playerName, in);
    EXPECT_EQ(t.player(x).lineupPosition, position);
    EXPECT_EQ(g.counters.bat(kHome, x).hits, 0);
    EXPECT_EQ(g.counters.bat(kHome, f.firstBench()).hits, 2);
    ASSERT_EQ(f.card->lines.size(), 1u);
    EXPECT_EQ(f.card->lines[0].code, 'X');
    EXPECT_EQ(f.card->lines[0].text,
              "[SUB]" + in + "(" + std::string(PositionText(position)) + ") for " + out);
    // He cannot come back.
    EXPECT_EQ(SwapDuringGame(g, f.bullpen(), kHome, session, y, bench),
              LineupRefusal::SentToShowers);
    // Outside a double switch the new man keeps his place in the order.
    EXPECT_EQ(SwapDuringGame(g, f.bullpen(), kHome, session, pitcherSlot, x),
              LineupRefusal::BattingOrderFixed);
}

TEST(LineupChanges, DoubleSwitchMovesTheNewPitcherIntoTheFilledPlace) {
    Fixture f;
    Game& g = *f.game;
    Team& t = f.home();
    const int pitcherSlot = Slot(t, kPitcher);
    const int x = pitcherSlot == 1 ? 2 : 1;
    const int y = x + 1 == pitcherSlot ? x + 2 : x + 1;
    const int reliever = kFirstPitcherEntry + 1;
    g.state.currentPitcher[kHome] = reliever;
    const std::string relieverName = t.player(reliever).playerName;
    LineupSession session;
    session.stage = LineupStage::DoubleSwitch;
    session.reliever = reliever;
    const std::string in = t.player(f.firstBench()).playerName;
    ASSERT_EQ(SwapDuringGame(g, f.bullpen(), kHome, session, x, Number(t, f.firstBench())),
              LineupRefusal::None);
    // Only the place just filled can take the pitcher.
    EXPECT_EQ(SwapDuringGame(g, f.bullpen(), kHome, session, pitcherSlot, y),
              LineupRefusal::BattingOrderFixed);
    EXPECT_EQ(SwapDuringGame(g, f.bullpen(), kHome, session, x, pitcherSlot), LineupRefusal::None);
    EXPECT_TRUE(session.switched);
    EXPECT_EQ(t.player(x).lineupPosition, kPitcher);
    EXPECT_EQ(t.player(pitcherSlot).playerName, in);
    EXPECT_EQ(f.card->count('X', "[DBL-SW]" + relieverName + " bats #" + std::to_string(x)), 1);
}

TEST(LineupChanges, PositionSwitches) {
    Fixture f;
    Game& g = *f.game;
    Team& t = f.home();
    const int pitcherSlot = Slot(t, kPitcher);
    const int x = pitcherSlot == 1 ? 2 : 1;
    const int y = x + 1 == pitcherSlot ? x + 2 : x + 1;

    for (const auto& [a, b] : {std::pair{x, x}, {0, x}, {x, 10}}) {
        const PositionSwitch none = SwitchPositions(g, f.bullpen(), kHome, a, b);
        EXPECT_FALSE(none.made);
        EXPECT_TRUE(none.refusal.empty());
    }
    const std::string name = t.player(x).playerName;
    const PositionSwitch refused = SwitchPositions(g, f.bullpen(), kHome, pitcherSlot, x);
    EXPECT_FALSE(refused.made);
    EXPECT_EQ(refused.refusal, name.substr(0, name.find(',')) + " can't pitch. ");

    const int px = t.player(x).lineupPosition, py = t.player(y).lineupPosition;
    EXPECT_TRUE(SwitchPositions(g, f.bullpen(), kHome, x, y).made);
    EXPECT_EQ(t.player(x).lineupPosition, py);
    EXPECT_EQ(t.player(y).lineupPosition, px);
    EXPECT_EQ(f.card->count(
                  'X', "[DEF]" + t.player(x).playerName + " to " + std::string(PositionText(py))),
              1);

    // A fielder who is also on the staff may take the mound: he becomes the
    // team's pitcher and the old pitcher takes his position.
    const int twoWay = kFirstPitcherEntry + 2;
    t.player(y).playerName = t.player(twoWay).playerName;
    const int oldPitcher = g.state.currentPitcher[kHome];
    EXPECT_TRUE(SwitchPositions(g, f.bullpen(), kHome, pitcherSlot, y).made);
    EXPECT_EQ(g.state.currentPitcher[kHome], twoWay);
    EXPECT_NE(oldPitcher, twoWay);
    EXPECT_EQ(g.state.pitchersUsed[kHome], 2);
    EXPECT_EQ(t.player(y).lineupPosition, kPitcher);
    EXPECT_EQ(t.player(pitcherSlot).lineupPosition, px);
    EXPECT_EQ(f.card->count('X', "[Relief-DefSw]"), 1);
}

}  // namespace
}  // namespace vrk
