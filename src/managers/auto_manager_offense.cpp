// The batting side's running plays: the bunt, the steal and the hit-and-run.
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/text_fields.h"
#include "engine/engine_helpers.h"
#include "managers/auto_manager.h"
#include "managers/auto_manager_support.h"

namespace vrk {

using automan::Situation;

namespace {

bool WantsBunt(Game& game, const Situation& x) {
    const GameState& s = game.state;
    const int reg = s.rules.regulationInnings;
    const Player& batter = game.batterPlayer();
    const int absDeficit = std::abs(x.deficit);
    if (x.pitcherBatting) {
        if (s.runnerOnThird == 0 && s.runnerOnFirst != 0 && s.outs < 2 && game.rng.draw() < 0.8 &&
            (s.inning < reg - 1 || x.deficit < 2)) {
            return true;
        }
    } else if (s.runnerOnThird == 0 && s.runnerOnFirst != 0 && s.outs == 0 && absDeficit < 2 &&
               batter.homeRuns < 20 && s.inning > reg - 3 && game.rng.draw() < 0.7) {
        return true;
    }
    return s.runnerOnThird != 0 && s.runnerOnSecond == 0 && s.outs == 1 && absDeficit < 2 &&
           batter.homeRuns < 20 && game.rng.draw() < 0.25;
}

enum class StealCase { Refused, Considered, HitAndRunOnly };

// The runner who would steal (slot) and whether the situation allows it.
StealCase StealSituation(const Game& game, const Situation& x, int& runner, int& target) {
    const GameState& s = game.state;
    const int reg = s.rules.regulationInnings;
    bool first = s.runnerOnFirst != 0;
    bool second = s.runnerOnSecond != 0;
    bool third = s.runnerOnThird != 0;
    runner = 0;
    target = 0;
    if (first && !second && !third) {
        runner = s.runnerOnFirst;
        target = 2;
    } else if (second && !third) {
        runner = s.runnerOnSecond;
        target = 3;
    } else if (first && !second && third) {
        runner = s.runnerOnFirst;
        target = 2;
    } else {
        return StealCase::Refused;
    }
    if (x.deficit > 2 || x.offensiveLead > 4) return StealCase::Refused;
    if (x.deficit == 2 && s.inning > reg - 2) return StealCase::Refused;
    if (x.pitcherBatting && s.outs != 1) return StealCase::Refused;
    if (s.inning < reg - 1 && x.nextIsPitcherSlot) return StealCase::Refused;
    if (target == 3) {
        if (x.deficit == 0 && s.inning > reg - 2) return StealCase::Refused;
        if (s.outs != 1) return StealCase::HitAndRunOnly;
    }
    return StealCase::Considered;
}

// A line counts attempts per time on first over all of a runner's stays, but
// the rules above let him go on only about half of his turns there (a runner
// ahead of him, the score, the pitcher up), so each turn offered carries more
// than the line's rate. How much more depends on the league (where pitchers
// bat, fewer turns are offered); this is a fitted middle. A rate by speed
// (a file without steal columns) is a rate per turn already.
constexpr double kOffersPerAttempt = 1.25;

double StealRate(Game& game, const Situation& x, int runnerSlot, int target) {
    const GameState& s = game.state;
    const Team& side = game.battingSide();
    const Player& runner = side.player(SlotPlayer(game, x.batting, runnerSlot));
    double rate = StealAttemptRate(side, runner);
    if (automan::PitcherBatsInSlot(game, x.batting, runnerSlot)) rate *= 0.33;
    char throws = asciiUpper(game.pitcherPlayer().hand);
    if (target == 3) rate *= throws == 'R' ? 0.2 : 0.8;
    if (target == 2) rate *= throws == 'L' ? 0.4 : 1.1;
    if (s.inning > s.rules.regulationInnings - 2 && std::abs(x.deficit) < 2 && rate > 0.25)
        rate *= 1.5;
    return side.stealColumns == 0 ? rate : rate * kOffersPerAttempt;
}

bool WantsHitAndRun(Game& game, const Situation& x) {
    const GameState& s = game.state;
    if (s.runnerOnFirst == 0 || s.runnerOnThird != 0 || s.outs >= 2) return false;
    int leadEntry = SlotPlayer(game, x.batting, x.leadRunner);
    if (game.battingSide().player(leadEntry).speed <= 3) return false;
    const Player& batter = game.batterPlayer();
    if (batter.atBats <= 0) return false;
    double contact =
        static_cast<double>(batter.atBats - batter.homeRuns - batter.strikeouts) / batter.atBats;
    // A view compares with the literal without measuring it on every call.
    const std::string_view season = game.battingSide().season;
    double b = !season.empty() && season < "1920" ? 0.15 : 0;
    double floor = contact > 0.9 ? 0.65 : contact > 0.8 ? 0.8 : contact > 0.7 ? 0.9 : 2;
    return game.rng.draw() > floor + b;
}

}  // namespace

namespace automan {

bool RunningPlay(Game& game, AutoManagerContext& context, const Situation& x) {
    StrategyFlags& f = game.flags;
    if (WantsBunt(game, x)) {
        f.buntCall = true;
        ++context.counters.bunts;
        return true;
    }
    int runner = 0;
    int target = 0;
    StealCase steal = StealSituation(game, x, runner, target);
    if (steal == StealCase::Refused) return false;
    if (steal == StealCase::Considered && game.rng.draw() < StealRate(game, x, runner, target)) {
        f.stealCall = true;
        ++context.counters.steals;
        if (automan::PitcherBatsInSlot(game, x.batting, runner)) {
            ++context.counters.pitcherStealAttempts;
        }
        return true;
    }
    if (WantsHitAndRun(game, x)) {
        f.hitAndRunCall = true;
        ++context.counters.hitAndRuns;
    }
    return false;
}

}  // namespace automan

bool ManageRunningPlay(Game& game, AutoManagerContext& context) {
    return automan::RunningPlay(game, context, automan::Read(game));
}

}  // namespace vrk
