// The steal handler: the lead runner goes, the catcher throws.
#include <algorithm>
#include <exception>

#include "engine/advance_runners.h"
#include "engine/engine_helpers.h"
#include "engine/fielding.h"
#include "engine/message_registry.h"
#include "engine/steals.h"
#include "engine/steals_chance.h"
#include "engine/steals_home.h"
#include "engine/steals_support.h"

namespace vrk {

namespace steals {

namespace {

// A throwing error lets every runner take two bases; the stealer's card says so.
void ThrowAway(Game& game, int stealer, int partner) {
    GameState& s = game.state;
    Say(game, msg::kThrowGetsAway);
    Say(game, msg::kErrorCharged);
    ChargeError(game, kCatcher, true);
    if (game.record != nullptr) ++game.record->catcherThrowingErrors;
    CreditSteal(game, stealer, "SB/E-2");
    if (partner != 0) CreditSteal(game, partner, "SB");
    bool before = s.play.noRbiOnPlay;
    s.play.noRbiOnPlay = true;
    s.play.errorOnPlay = true;
    AdvanceRunners(game, 2, 2, 2);
    s.play.errorOnPlay = false;
    s.play.noRbiOnPlay = before;
}

// Band of the debug table: below 40 %, 40-50 ... 90-99.
std::size_t ChanceBand(double p) {
    int tens = static_cast<int>(p * 10);
    return static_cast<std::size_t>(std::clamp(tens - 3, 0, 6));
}

}  // namespace

void StealBase(Game& game, double r, bool alone) {
    GameState& s = game.state;
    const bool fromSecond = s.runnerOnSecond != 0;
    const int stealer = fromSecond ? s.runnerOnSecond : s.runnerOnFirst;
    const int target = fromSecond ? 3 : 2;
    const int bt = s.battingTeam;
    const MessageKey opening = alone                      ? msg::kStealOfSecondOnly
                               : game.flags.hitAndRunCall ? msg::kHitAndRunOn
                                                          : msg::kStealAttempt;
    Say(game, opening, RunnerEntry(game, stealer), bt);

    int partner = 0;
    if (fromSecond && s.runnerOnFirst != 0 && BattingSideTries(game, 0.75)) {
        partner = s.runnerOnFirst;
    }

    const Team& team = game.team(bt);
    double p = StealSuccessChance(team, team.player(RunnerEntry(game, stealer)),
                                  RunnerIsPitcher(game, stealer));
    p = FinalStealChance(p, StealFactor(p, game.flags.pitchOut, target, game.pitcherPlayer().hand));
    if (game.record != nullptr) ++game.record->stealAttemptsByChance[ChanceBand(p)];
    Say(game, msg::kCatcherThrows, FielderEntry(game, kCatcher), s.fieldingTeam);

    if (p > r) {
        Say(game, msg::kStealSafe, RunnerEntry(game, stealer), bt);
        Say(game, msg::kStealSafeFollow, RunnerEntry(game, stealer), bt);
        CreditSteal(game, stealer, "SB");
        if (partner != 0) CreditSteal(game, partner, "SB");
        if (target == 3) {
            s.runnerOnThird = stealer;
            s.runnerOnSecond = partner;
            if (partner != 0) s.runnerOnFirst = 0;
        } else {
            s.runnerOnSecond = stealer;
            s.runnerOnFirst = 0;
        }
        return;
    }

    double d = std::max(2.0, 4.7 - team.averageTeamSpeed / 2);
    double e = std::max(0.7, 1 - (1 - PositionAverage(game, kCatcher)) * d);
    if (game.rng.draw() > e) {
        ThrowAway(game, stealer, partner);
        return;
    }

    Say(game, msg::kCaughtStealing, RunnerEntry(game, stealer), bt);
    Say(game, msg::kCaughtStealingFollow, RunnerEntry(game, stealer), bt);
    int cover = target == 3 ? kThirdBase : MiddleInfielderCovering(game);
    if (target == 3) {
        s.runnerOnSecond = 0;
        if (partner != 0) {
            s.runnerOnSecond = partner;
            s.runnerOnFirst = 0;
        }
    } else {
        s.runnerOnFirst = 0;
    }
    CreditPutout(game, cover);
    CreditAssist(game, kCatcher);
    ChargeCaught(game, stealer, target, "CS 2-" + std::to_string(cover));
    s.play.resultCode = 90;
}

}  // namespace steals

void ResolveSteal(Game& game) {
    GameState& s = game.state;
    try {
        if (s.basesEmpty()) {
            if (game.displayed()) game.errors->fault(" There are no baserunners! ", "");
            steals::Finish(game);
            return;
        }
        double r = game.rng.draw();
        if (s.runnerOnThird != 0) {
            steals::StealHome(game, r);
        } else {
            steals::StealBase(game, r, false);
        }
    } catch (const std::exception& e) {
        ReportFault(game, "STEAL_Error", e.what());
    }
    steals::Finish(game);
}

}  // namespace vrk
