#include <gtest/gtest.h>

#include <memory>
#include "test_paths.h"

#include "core/numbering.h"
#include "data/team_file.h"
#include "managers/roster_swap.h"
#include "shell/batch_game.h"
#include "shell/designated_hitter_lineup.h"

namespace vrk {
namespace {

// Ardmouth's file bats its pitcher; Dalmouth's has a designated hitter.
TeamSlots LoadCrossLeague() {
    Config config;
    config.homeDir = test::sourceHome();
    config.dataPath = std::string(test::sourceHome()) + "/";
    TeamSlots teams;
    EXPECT_FALSE(loadTeamPair(teams, "ARDMOUTH", "DALMOUTH", config).abort);
    return teams;
}

int SlotAt(const Team& team, int position) {
    for (int slot = 1; slot <= kLineupSize; ++slot)
        if (team.player(slot).lineupPosition == position) return slot;
    return 0;
}

int EntryNamed(const Team& team, const std::string& name) {
    for (int e = 1; e <= team.playerCount; ++e)
        if (team.player(e).playerName == name) return e;
    return 0;
}

std::vector<std::string> Order(const Team& team) {
    std::vector<std::string> names;
    for (int slot = 1; slot <= kLineupSize; ++slot) names.push_back(team.player(slot).playerName);
    return names;
}

TEST(DesignatedHitterLineup, PitcherSlotTakesABenchHitter) {
    TeamSlots teams = LoadCrossLeague();
    Team& team = teams[1];
    const Team before = team;
    fitLineupToRule(team, true);
    EXPECT_EQ(SlotAt(team, kPitcher), 0);
    ASSERT_EQ(SlotAt(team, kDesignatedHitter), 9);
    // The bench player who has played there before is the club's choice.
    EXPECT_EQ(team.player(9).playerName, "Pennari, Eliard");
    EXPECT_EQ(team.player(9).atBats, 180);
    // The pitcher's batting entry is gone, so no manager sends it up.
    EXPECT_EQ(EntryNamed(team, "Pitcher"), 0);
    EXPECT_EQ(team.playerCount, before.playerCount - 1);
    EXPECT_TRUE(team.player(before.playerCount).playerName.empty());
    for (int e = team.lastPitcherEntry + 1; e <= team.playerCount; ++e)
        EXPECT_EQ(team.player(e).lineupPlayer, e) << e;
    for (int slot = 1; slot <= 8; ++slot)
        EXPECT_EQ(team.player(slot).playerName, before.player(slot).playerName);

    const Team fitted = team;
    fitLineupToRule(team, true);
    EXPECT_EQ(Order(team), Order(fitted));
    EXPECT_EQ(team.playerCount, fitted.playerCount);
    // A line-up already right for the rule is left alone.
    Team other = before;
    fitLineupToRule(other, false);
    EXPECT_EQ(Order(other), Order(before));
}

TEST(DesignatedHitterLineup, DesignatedHitterSitsAndThePitcherBatsNinth) {
    TeamSlots teams = LoadCrossLeague();
    Team& team = teams[2];
    const Team before = team;
    fitLineupToRule(team, false);
    EXPECT_EQ(SlotAt(team, kDesignatedHitter), 0);
    EXPECT_EQ(SlotAt(team, kPitcher), 9);
    std::vector<std::string> expected = Order(before);
    expected.erase(expected.begin() + 2);  // Pellman batted third as designated hitter
    expected.push_back("Pitcher");
    EXPECT_EQ(Order(team), expected);
    // He stays on the bench with his own line, ready to pinch-hit.
    const int sat = EntryNamed(team, "Pellman, Calen");
    ASSERT_GT(sat, team.lastPitcherEntry);
    EXPECT_EQ(team.player(sat).atBats, 592);
    EXPECT_EQ(team.player(sat).lineupPlayer, sat);
    EXPECT_EQ(team.playerCount, before.playerCount + 1);
    // The file's order for this game is the new one.
    for (int slot = 1; slot <= kLineupSize; ++slot)
        EXPECT_EQ(team.player(slot).nameAsLoaded, team.player(slot).playerName);

    const Team fitted = team;
    fitLineupToRule(team, false);
    EXPECT_EQ(Order(team), Order(fitted));
    EXPECT_EQ(team.playerCount, fitted.playerCount);
}

// A whole unattended game each way: in the designated-hitter game no pitcher
// ever bats; in the other the visiting designated hitter is not in the line-up
// and its pitcher bats ninth.
TEST(DesignatedHitterLineup, CrossLeagueGamesFollowTheRule) {
    struct Case {
        const char* dh;
        bool designatedHitter;
    } cases[] = {{"Y", true}, {"N", false}, {"H", true}};
    for (const Case& c : cases) {
        TeamSlots teams = LoadCrossLeague();
        Config config;
        Rng rng(5);
        BatchRules rules;
        rules.dhChoice = c.dh;
        BatchCarry carry;
        LeagueContext context;
        auto game = std::make_unique<Game>(teams, context, config, rng);
        const GameResult result = playUndisplayedGame(*game, rules, carry);
        ASSERT_FALSE(result.stopped) << c.dh;
        EXPECT_EQ(game->options.designatedHitter, c.designatedHitter) << c.dh;
        for (int t = kVisitors; t <= kHome; ++t) {
            const auto& history = game->counters.of(t).slotHistory;
            for (int slot = 1; slot <= kLineupSize; ++slot) {
                const int position = history[slot][0].position;
                const int never = c.designatedHitter ? kPitcher : kDesignatedHitter;
                EXPECT_NE(position, never) << c.dh << " team " << t << " slot " << slot;
            }
            if (!c.designatedHitter) {
                EXPECT_EQ(history[9][0].position, kPitcher) << t;
            }
        }
    }
}

// The one-pass move gives exactly the team the chain of exchanges gives,
// for every stretch of a real roster, names of every length included.
TEST(DesignatedHitterLineup, MovingAnEntryToTheEndIsTheChainOfExchanges) {
    const TeamSlots teams = LoadCrossLeague();
    Team base = teams[kHome];
    base.player(3).nameAsLoaded = std::string(40, 'n');  // a name past any short buffer
    base.player(7).playerName = std::string(33, 'p');
    for (int from = 0; from <= kMaxRosterEntries + 1; from += 1) {
        for (int last : {from - 1, from, from + 1, from + 8, base.playerCount, kMaxRosterEntries,
                         kMaxRosterEntries + 2}) {
            Team chain = base;
            for (int e = std::max(from, 1); e < std::min(last, kMaxRosterEntries); ++e)
                swapEntries(chain, e, e + 1);
            Team moved = base;
            moveEntryToEnd(moved, from, last);
            ASSERT_TRUE(moved == chain) << "from " << from << " to " << last;
        }
    }
}

}  // namespace
}  // namespace vrk
