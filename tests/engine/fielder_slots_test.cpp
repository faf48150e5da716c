// The kept slot of each fielding position must be what a search of the line-up
// finds, however the line-up was changed since it was kept.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <utility>

#include "engine/fielding.h"
#include "engine/play_game.h"
#include "engine/test_teams.h"
#include "managers/auto_lineup.h"
#include "managers/auto_manager_hooks.h"
#include "managers/batting_order.h"
#include "managers/bullpen_state.h"
#include "managers/managers_test_support.h"
#include "managers/roster_swap.h"
#include "managers/rotation.h"
#include "managers/starters.h"

namespace vrk {
namespace {

int SearchedSlot(const Game& g, int position) {
    const Team& t = g.team(g.state.fieldingTeam);
    for (int slot = 1; slot <= kLineupSize; ++slot) {
        if (t.player(slot).lineupPosition == position) return slot;
    }
    return 0;
}

// The average at a position worked out from nothing kept; what was kept is
// left as it was.
double FreshAverage(const Game& g, int position) {
    const FieldingAverageCache averages = g.fieldingAverages;
    const FielderSlotCache slots = g.fielderSlots;
    g.fieldingAverages = {};
    g.fielderSlots = {};
    const double value = position == kPitcher ? kPitcherFieldingAverage
                                              : FieldingAverage(g, SearchedSlot(g, position));
    g.fieldingAverages = averages;
    g.fielderSlots = slots;
    return value;
}

// At every pass: checks the kept answers, changes the fielding line-up the way
// managers do (positions exchanged, a bench player brought into a slot, a
// position held by no one for a moment), and checks them again before the pass
// is played with them. A line-up holds each position once, as managers keep it.
class ShufflingHooks final : public ManagerHooks {
  public:
    ShufflingHooks(ManagerHooks& inner, unsigned seed) : inner_(inner), pick_(seed) {}
    void input(Game& game) override { inner_.input(game); }
    void autoManage(Game& game) override { inner_.autoManage(game); }
    int substitutions(Game& game) override {
        check(game);
        shuffle(game);
        check(game);
        return inner_.substitutions(game);
    }
    bool doubleSwitch(Game& game, int reliever) override {
        return inner_.doubleSwitch(game, reliever);
    }
    int replacePitcher(Game& game, int team) override { return inner_.replacePitcher(game, team); }
    void warmups(Game& game) override { inner_.warmups(game); }

    int checks = 0;
    int mismatches = 0;
    int changes = 0;

  private:
    int draw(int n) { return static_cast<int>(pick_() % static_cast<unsigned>(n)); }

    // A slot of a position player (the pitcher's stays as it is).
    int fielderSlot(const Team& t) {
        int slot = 0;
        do {
            slot = 1 + draw(kLineupSize);
        } while (t.player(slot).lineupPosition == kPitcher);
        return slot;
    }

    void shuffle(Game& game) {
        Team& t = game.team(game.state.fieldingTeam);
        const int a = fielderSlot(t);
        const int b = fielderSlot(t);
        switch (draw(4)) {
            case 0:  // two fielders trade positions (a double switch's second half)
                std::swap(t.player(a).lineupPosition, t.player(b).lineupPosition);
                break;
            case 1:  // a bench player or reliever takes over a slot
                t.player(a).lineupPlayer = 16 + draw(3);
                break;
            case 2:  // the slot's own player back
                t.player(a).lineupPlayer = a;
                break;
            default: {  // a position left empty for a moment, asked for, then filled
                const int c = fielderSlot(t);
                const int held = t.player(c).lineupPosition;
                t.player(c).lineupPosition = 0;
                (void)PositionAverage(game, held);
                t.player(c).lineupPosition = held;
                std::swap(t.player(a).lineupPosition, t.player(c).lineupPosition);
                break;
            }
        }
        ++changes;
    }

    void check(const Game& game) {
        for (int position = 1; position <= kDesignatedHitter; ++position) {
            const int slot = SearchedSlot(game, position);
            ++checks;
            mismatches += FielderSlot(game, position) != slot;
            mismatches += PositionAverage(game, position) != FreshAverage(game, position);
            mismatches += slot != 0 && FieldingAverage(game, slot) != FreshAverage(game, position);
        }
    }

    ManagerHooks& inner_;
    std::minstd_rand pick_;
};

TEST(FielderSlots, KeptSlotsFollowEveryLineupChange) {
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        const bool dh = seed % 2 == 0;
        testing::GameFixture f(seed, dh);
        // Every player fields differently, so that a stale slot shows.
        for (int t = kVisitors; t <= kHome; ++t) {
            for (int e = 1; e <= 18; ++e) f.teams[t].player(e).defense = 940 + 3 * e;
        }
        ShufflingHooks hooks(*f.game->managers, static_cast<unsigned>(seed));
        f.game->managers = &hooks;
        (void)PlayGame(*f.game);
        EXPECT_GT(hooks.changes, 50) << seed;
        EXPECT_GT(hooks.checks, 1000) << seed;
        ASSERT_EQ(hooks.mismatches, 0)
            << seed << (dh ? " with" : " without") << " the designated hitter";
    }
}

// Both teams' averages by position against ones worked out from nothing.
struct AverageCheck {
    int checks = 0;
    int mismatches = 0;
    void operator()(Game& game) {
        const int fielding = game.state.fieldingTeam;
        for (int t = kVisitors; t <= kHome; ++t) {
            game.state.fieldingTeam = t;
            for (int position = 1; position <= kDesignatedHitter; ++position) {
                ++checks;
                mismatches += PositionAverage(game, position) != FreshAverage(game, position);
            }
        }
        game.state.fieldingTeam = fielding;
    }
};

TEST(FielderSlots, KeptAveragesFollowManagedGames) {
    const Config config = mgrtest::ShippedConfig();
    const std::tuple<const char*, const char*, bool> kPairs[] = {{"ARDMOUTH", "FELVORA", false},
                                                                 {"CAMHAVEN", "DALMOUTH", true}};
    AutoManagerCounters counters;
    RotationTable rotations;
    RotationSettings settings;
    Rng rng(77);
    AutoManagerHooks hooks(counters, &rotations);
    for (const auto& [visitors, home, dh] : kPairs) {
        std::array<Team, 3> loaded{};
        ASSERT_FALSE(loadTeamPair(loaded, visitors, home, config).abort);
        for (int n = 0; n < 60; ++n) {
            std::array<Team, 3> teams = loaded;
            // Every player fields differently, so that a stale average shows.
            for (int t = kVisitors; t <= kHome; ++t) {
                for (int e = 1; e <= teams[t].playerCount; ++e) {
                    teams[t].player(e).defense += e % 7;
                }
            }
            LeagueContext normalization = teams[1].leagueContext;
            Game game(teams, normalization, config, rng);
            game.options.designatedHitter = dh;
            ChooseStarters(game, rotations, settings);
            for (int t = kVisitors; t <= kHome; ++t)
                BattingOrder(game, t, 'C', AUTOLINEUP(game, t));
            AverageCheck check;
            mgrtest::CheckedHooks checking(hooks, std::ref(check));
            game.managers = &checking;
            hooks.beginGame(game);
            (void)PlayGame(game);
            ASSERT_EQ(check.mismatches, 0)
                << visitors << " at " << home << ", game " << n << " of " << check.checks;
        }
    }
    // Line-ups changed often enough for a stale average to have shown.
    EXPECT_GT(counters.pinchHits, 20);
    EXPECT_GT(counters.pitchingChanges, 50);
}

// An exchange of two entries forgets the averages worked out from either of
// them, whether the slot names its player or (lineupPlayer 0) stands for him.
TEST(FielderSlots, ExchangesForgetTheAveragesOfEitherEntry) {
    for (const bool slotNamesPlayer : {true, false}) {
        for (int slot = 1; slot <= kLineupSize; ++slot) {
            for (const int other : {16, slot % kLineupSize + 1}) {
                testing::GameFixture f(3, true);
                Game& g = *f.game;
                g.state.fieldingTeam = kHome;
                Team& team = g.team(kHome);
                for (int e = 1; e <= 18; ++e) team.player(e).defense = 900 + 5 * e;
                for (int s = 1; s <= kLineupSize; ++s)
                    team.player(s).lineupPlayer = slotNamesPlayer ? s : 0;
                for (int position = 1; position <= kDesignatedHitter; ++position)
                    (void)PositionAverage(g, position);
                // A bench player takes over the slot's position, as a pinch
                // hitter does; two line-up players trade positions with them.
                const int position = team.player(slot).lineupPosition;
                BullpenState bullpen;
                swapGameEntries(g, bullpen, kHome, slot, other);
                if (other > kLineupSize) team.player(slot).lineupPosition = position;
                for (int p = 1; p <= kDesignatedHitter; ++p) {
                    EXPECT_EQ(PositionAverage(g, p), FreshAverage(g, p))
                        << "slot " << slot << " with " << other << ", position " << p
                        << (slotNamesPlayer ? "" : ", lineupPlayer 0");
                }
            }
        }
    }
}

}  // namespace
}  // namespace vrk
