// Taking the pitcher out: knocked out, tired, the complete-game share, the
// closer, and the 30-out limit.
#include <algorithm>
#include <cstdlib>

#include "managers/auto_manager.h"
#include "managers/auto_manager_support.h"
#include "managers/bullpen_state.h"

namespace vrk {

using automan::Situation;

namespace {

// Whether a reliever is there to be had, asked only once a rule would act
// on the answer or draw a number: most looks at the pitcher change nothing,
// and a removal without a reliever is no removal (nor any draw made for it).
class ReliefAtHand {
  public:
    ReliefAtHand(const Game& game, const BullpenState& bullpen, int team)
        : game_(game), bullpen_(bullpen), team_(team) {}
    bool operator()() {
        if (known_ < 0) known_ = automan::AvailableRelievers(game_, bullpen_, team_, 1) > 0;
        return known_ > 0;
    }

  private:
    const Game& game_;
    const BullpenState& bullpen_;
    int team_;
    int known_ = -1;
};

bool Rested(const Game& game, const Player& p) {
    return p.restDaysNeeded == 0 || !game.config.daysOffRule;
}

// The closer the bullpen would bring in is there to be had.
bool CloserAvailable(const Game& game, const BullpenState& bullpen, int team) {
    const Team& t = game.team(team);
    int current = game.state.currentPitcher[team];
    if (t.savesData) {
        int last = std::min(t.lastPitcherEntry, kLastPitcherLimit);
        for (int e = kFirstPitcherEntry; e <= last; ++e) {
            const Player& p = t.player(e);
            if (e != current && !bullpen.used(team, e) && p.pitching.saves > 0 && Rested(game, p)) {
                return true;
            }
        }
        return false;
    }
    int closer = std::min(t.lastPitcherEntry, 15);
    return closer != current && !bullpen.used(team, closer) && Rested(game, t.player(closer));
}

bool CloserCall(Game& game, const AutoManagerContext& context, const Situation& x, int pitcher,
                ReliefAtHand& relief) {
    const GameState& s = game.state;
    const int ft = x.fielding;
    const int lead = x.defensiveLead;
    if (s.inning < 8 || !automan::HasCloser(game, context.bullpen, ft)) return false;
    if (game.counters.team[x.batting].hits < 2 || lead < 0 || lead > 3) return false;
    if (!relief()) return false;
    double r = game.rng.draw();
    bool call = false;
    if (s.inning >= 9 && lead >= 2) {
        call = (x.startOfInning && r < 1 - 0.1 * lead) || lead < 2 + x.runners;
    } else if (s.inning >= 9 && lead == 1) {
        call = (x.startOfInning && r < 0.9) || x.runners >= 1;
    } else if (!game.config.strictCloserRule) {
        bool settled = s.outs >= 1 && automan::OutsRecorded(game, ft, pitcher) > 1 && r < 0.8;
        if (s.inning == 8 && lead >= 2) call = settled && lead < 2 + x.runners;
        if (s.inning == 8 && lead == 1) call = settled && x.runners >= 1;
        if (s.inning >= 9 && lead == 0) call = x.runners > 0 && r < 0.3;
    }
    if (!call) return false;
    if (s.score[x.batting] == 0 && automan::StarterStillIn(game, ft) && lead >= x.runners) {
        return false;
    }
    if (context.perGame.pitcherLetBat[ft] && x.runners + s.outs < 2) return false;
    return CloserAvailable(game, context.bullpen, ft);
}

// The first rule that fires, as a removal reason (-1 for the rules the
// debug statistics do not count, 0 when the pitcher stays).
int RemovalRule(Game& game, const AutoManagerContext& context, const Situation& x,
                ReliefAtHand& relief) {
    const GameState& s = game.state;
    const int ft = x.fielding;
    const int pitcher = s.currentPitcher[ft];
    const Player& p = game.team(ft).player(pitcher);
    const double aps = game.team(ft).appearancesPerStart;
    const bool starter = automan::StarterStillIn(game, ft);
    const int runs = automan::RunsAllowed(game, ft, pitcher);
    const int outs = automan::OutsRecorded(game, ft, pitcher);
    const int t = KnockOutThreshold(aps);
    const int r = runs + x.runners / 2;
    // The pitch allowance is read only by the last rules, on few passes.
    auto allowed = [&] { return automan::AllowedPitches(game, context.bullpen, ft); };
    const int pitches = s.pitchCount[ft];
    const int battingHits = game.counters.team[x.batting].hits;

    auto ifRelief = [&relief](int reason) { return relief() ? reason : 0; };

    if (runs >= t && outs < 9) return ifRelief(kBombedEarly);
    if (r > t + 2) return ifRelief(kBombedSevenPlus);
    if (std::abs(x.defensiveLead) < 6 + x.runners) {
        int limit = starter ? t : s.inning < 6 ? t - 2 : t - 3;
        if (r > limit) return ifRelief(kBombedOther);
    }
    if (x.startOfInning && battingHits >= 2 && s.score[x.batting] >= 1 && p.pitching.games > 0 &&
        pitches > allowed()) {
        return ifRelief(kPitchCountRemoval);
    }
    if (starter && p.pitching.games > 0 && !context.perGame.pitcherLetBat[ft] &&
        (s.inning == 7 || s.inning == 8) && x.startOfInning && battingHits >= 2 &&
        pitches > 0.8 * allowed() &&
        automan::AvailableRelievers(game, context.bullpen, ft, 3) > 2) {
        double share = std::clamp(1 - CompleteGameShare(aps), 0.01, 0.99);
        if (game.rng.draw() < share / 2) return kCompleteGameReduction;
    }
    if (CloserCall(game, context, x, pitcher, relief)) return -1;
    if (outs >= 30) return ifRelief(-1);
    return 0;
}

}  // namespace

namespace automan {

bool PitchingChange(Game& game, AutoManagerContext& context, const Situation& x) {
    const GameState& s = game.state;
    const int ft = x.fielding;
    if (s.pitchCount[ft] < 10) return false;
    ReliefAtHand relief(game, context.bullpen, ft);
    int reason = RemovalRule(game, context, x, relief);
    if (reason == 0) return false;
    game.flags.changePitcher[ft] = true;
    ++context.counters.pitchingChanges;
    if (reason > 0 && automan::StarterStillIn(game, ft)) ++context.counters.starterRemoval[reason];
    return true;
}

}  // namespace automan

bool ManagePitchingChange(Game& game, AutoManagerContext& context) {
    return automan::PitchingChange(game, context, automan::Read(game));
}

}  // namespace vrk
