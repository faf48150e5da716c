// The computer manager keeps figures from pass to pass (the bench's values,
// the best of them, who is in the line-up). A kept figure that went stale
// would change a decision only now and then, so whole games are played twice
// from the same seed, once with everything worked out afresh before every
// call, and every call must come out the same.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "engine/play_game.h"
#include "managers/auto_lineup.h"
#include "managers/auto_manager_hooks.h"
#include "managers/batting_order.h"
#include "managers/roster_swap.h"
#include "managers/rotation.h"
#include "managers/starters.h"
#include "managers_test_support.h"

namespace vrk {
namespace {

// What one call decided or carried out, as plain numbers.
using Step = std::vector<int>;

// Hands every call to the manager and notes what came of it; `afresh`
// throws away what the manager kept before each call. Now and then two
// bench players of the side at bat exchange entries first (the same in
// both runs): in a game the players an exchange sends to the bench are
// spent, so only this shows whether a fresh player's kept figures follow.
// Now and then one of them is marked spent as well, with no exchange.
class Tracing final : public ManagerHooks {
  public:
    Tracing(AutoManagerHooks& inner, bool afresh) : inner_(inner), afresh_(afresh) {}
    std::vector<Step> steps;

    void input(Game& game) override { inner_.input(game); }
    void autoManage(Game& game) override {
        if (++calls_ % 5 == 0) exchangeBench(game);
        if (calls_ % 37 == 0) spendBench(game);
        forget();
        inner_.autoManage(game);
        const StrategyFlags& f = game.flags;
        steps.push_back({1, f.intentionalWalk, f.pitchAround, f.pitchOut, f.infieldIn,
                         f.changePitcher[kVisitors], f.changePitcher[kHome], f.pinchHitCall,
                         f.pinchRunCall, f.stealCall, f.buntCall, f.hitAndRunCall, f.pinchHitter,
                         f.pinchRunner, f.pinchRunnerSlot});
    }
    int substitutions(Game& game) override {
        forget();
        const int reliever = inner_.substitutions(game);
        const GameState& s = game.state;
        steps.push_back(
            {2, reliever, s.batter, s.currentPitcher[kVisitors], s.currentPitcher[kHome]});
        return reliever;
    }
    bool doubleSwitch(Game& game, int reliever) override {
        forget();
        return inner_.doubleSwitch(game, reliever);
    }
    int replacePitcher(Game& game, int team) override {
        forget();
        const int reliever = inner_.replacePitcher(game, team);
        steps.push_back({3, team, reliever});
        return reliever;
    }
    void warmups(Game& game) override { inner_.warmups(game); }

  private:
    void exchangeBench(Game& game) {
        const int team = game.state.battingTeam;
        const int first = game.team(team).lastPitcherEntry + 1;
        const int last = std::min(game.team(team).playerCount, kMaxRosterEntries);
        const int other = first + 1 + calls_ / 5 % 4;
        if (other <= last) swapGameEntries(game, inner_.bullpen(), team, first, other);
    }
    // A bench player of the side at bat is spent without an exchange: only
    // that side's use marks tell the kept bench about it.
    void spendBench(Game& game) {
        const int team = game.state.battingTeam;
        const int last = std::min(game.team(team).playerCount, kMaxRosterEntries);
        const int entry = game.team(team).lastPitcherEntry + 1 + calls_ / 37 % 6;
        if (entry <= last) inner_.bullpen().markUsed(team, entry);
    }
    void forget() {
        if (!afresh_) return;
        inner_.perGame().forgetFigures();
        inner_.bullpen().lineupMask = {};
        inner_.bullpen().entriesSeen = BullpenState{}.entriesSeen;
        inner_.bullpen().staffSaves = {};
    }
    AutoManagerHooks& inner_;
    bool afresh_;
    int calls_ = 0;
};

TEST(AutoManagerKeptFigures, GamesDecideAsWithEverythingWorkedOutAfresh) {
    const Config config = mgrtest::ShippedConfig();
    const std::tuple<const char*, const char*, bool> kFiles[] = {{"ARDMOUTH", "FELVORA", false},
                                                                 {"CAMHAVEN", "DALMOUTH", true}};
    struct Run {
        RotationTable rotations;
        AutoManagerCounters counters;
        Rng rng{4242};
    };
    Run kept;
    Run afresh;
    RotationSettings settings;
    AutoManagerHooks keptHooks(kept.counters, &kept.rotations);
    AutoManagerHooks afreshHooks(afresh.counters, &afresh.rotations);
    auto play = [&](Run& run, AutoManagerHooks& hooks, bool fresh, const std::array<Team, 3>& from,
                    bool dh) {
        std::array<Team, 3> teams = from;
        LeagueContext normalization = teams[1].leagueContext;
        Game game(teams, normalization, config, run.rng);
        game.options.designatedHitter = dh;
        ChooseStarters(game, run.rotations, settings);
        for (int t = kVisitors; t <= kHome; ++t) BattingOrder(game, t, 'C', AUTOLINEUP(game, t));
        Tracing tracing(hooks, fresh);
        game.managers = &tracing;
        hooks.beginGame(game);
        PlayGame(game);
        return tracing.steps;
    };
    int games = 0;
    for (const auto& [visitors, home, dh] : kFiles) {
        std::array<Team, 3> loaded{};
        ASSERT_FALSE(loadTeamPair(loaded, visitors, home, config).abort);
        for (int n = 0; n < 150; ++n, ++games) {
            const std::vector<Step> a = play(kept, keptHooks, false, loaded, dh);
            const std::vector<Step> b = play(afresh, afreshHooks, true, loaded, dh);
            const std::size_t common = std::min(a.size(), b.size());
            std::size_t k = 0;
            while (k < common && a[k] == b[k]) ++k;
            ASSERT_TRUE(k == common && a.size() == b.size())
                << visitors << " at " << home << ", game " << games << ": call " << k << " of "
                << a.size() << " differs";
        }
    }
    // The games called on what is kept: the bench, the bullpen, the closer.
    const AutoManagerCounters& c = kept.counters;
    EXPECT_GT(c.pinchHits, 50);
    EXPECT_GT(c.pinchRuns, 5);
    EXPECT_GT(c.pitchingChanges, 100);
    EXPECT_GT(c.starterRemoval[kPinchHitCloser] + c.starterRemoval[kPinchHitGeneralReliever], 0);
    EXPECT_EQ(c.pinchHits, afresh.counters.pinchHits);
}

}  // namespace
}  // namespace vrk
