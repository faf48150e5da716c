// The fielding side before a pitch: infield in, pitch-outs, loading the
// bases, intentional walks and pitching around.
#include <cstdlib>

#include "engine/engine_helpers.h"
#include "engine/message_registry.h"
#include "managers/auto_manager.h"
#include "managers/auto_manager_support.h"

namespace vrk {

using automan::Situation;

namespace {

// Runner on first: the speed table; then late and close a fast runner draws
// a pitch-out on a coin flip.
bool PitchOutOnFirst(Game& game, const Situation& x, int speed, int penalty) {
    const GameState& s = game.state;
    int thrown = s.appearance.pitchOuts;
    bool call = false;
    int t = PitchOutSpeedThreshold(speed) + 20 * thrown - penalty;
    if (thrown < 2 && 10 * speed + game.rng.randInt(100) > t) call = true;
    if (s.inning > s.rules.regulationInnings - 2 && std::abs(x.defensiveLead) < 2 && speed > 5 &&
        thrown < 2 && game.rng.randInt(10) > 5) {
        call = true;
    }
    return call;
}

bool PitchOutOnSecond(Game& game, const Situation& x, int speed, int penalty) {
    const GameState& s = game.state;
    if (x.defensiveLead == 0 && s.inning > s.rules.regulationInnings - 2) return false;
    static constexpr int kByOuts[] = {160, 140, 180};
    int t = kByOuts[s.outs < 0 ? 0 : s.outs > 2 ? 2 : s.outs];
    char throws = game.pitcherPlayer().hand;
    if (throws == 'R' || throws == 'r') t += 20;
    int thrown = s.appearance.pitchOuts;
    t += 20 * thrown - penalty;
    return thrown < 2 && 10 * speed + game.rng.randInt(100) > t;
}

void SayAbout(Game& game, MessageKey key, int slot) {
    if (!automan::PlayDelayOn(game)) return;
    int team = game.state.battingTeam;
    game.narration->message(key, SlotPlayer(game, team, slot), team);
}

}  // namespace

namespace automan {

void InfieldAndPitchOut(Game& game, AutoManagerContext& context, const Situation& x) {
    const GameState& s = game.state;
    StrategyFlags& f = game.flags;
    const int reg = s.rules.regulationInnings;

    if (s.outs < 2 && s.runnerOnThird != 0) {
        bool in = false;
        if (s.inning > reg - 3) {
            in = x.defensiveLead < 2;
        } else {
            in = (s.runnerOnFirst == 0 || s.outs == 0) && s.inning - x.defensiveLead >= reg - 3;
        }
        if (in) {
            f.infieldIn = true;
            ++context.counters.infieldIn;
        }
    }

    if (x.defensiveLead < -4 || x.defensiveLead > 2) return;
    if (s.inning >= reg && std::abs(x.defensiveLead) > 1) return;
    if (s.runnerOnThird != 0 || x.leadRunner == 0) return;
    int bt = x.batting;
    int runnerEntry = SlotPlayer(game, bt, x.leadRunner);
    int penalty = 0;
    if (s.teamStealAttempts[bt] > 4) penalty += 10;
    if (s.runnerStealAttempts[bt][runnerEntry] > 2) penalty += 20;
    int speed = game.team(bt).player(runnerEntry).speed;
    bool call = s.runnerOnSecond != 0 ? PitchOutOnSecond(game, x, speed, penalty)
                                      : PitchOutOnFirst(game, x, speed, penalty);
    if (call) {
        f.pitchOut = true;
        ++context.counters.pitchOuts;
    }
}

}  // namespace automan

void ManageInfieldAndPitchOut(Game& game, AutoManagerContext& context) {
    automan::InfieldAndPitchOut(game, context, automan::Read(game));
}

namespace automan {

void Walks(Game& game, AutoManagerContext& context, const Situation& x) {
    const GameState& s = game.state;
    StrategyFlags& f = game.flags;
    const int reg = s.rules.regulationInnings;
    const int ft = x.fielding;

    if (s.inning >= reg && x.batting == kHome && x.defensiveLead == 0 && s.outs < 2 &&
        s.runnerOnThird != 0 && (s.runnerOnFirst == 0 || s.runnerOnSecond == 0)) {
        f.intentionalWalk = true;
        if (automan::PlayDelayOn(game)) {
            SayText(game, "A critical situation here!", ft);
            SayText(game, "They're gonna load 'em up!", ft);
        }
        ++context.counters.intentionalWalkDesperate;
        return;
    }

    // Neither walk is considered with a runner on first.
    if (s.runnerOnFirst != 0) return;
    // How much better the batter hits than the next one; not needed with a big lead.
    auto edge = [&] {
        const Team& batting = game.team(x.batting);
        const Player& next = batting.player(SlotPlayer(game, x.batting, x.nextSlot));
        return BattingValue(game.batterPlayer(), context.seasonReplay) -
               BattingValue(next, context.seasonReplay);
    };

    if (s.inning >= reg - 4 && s.runnerOnFirst == 0 &&
        (s.runnerOnSecond != 0 || s.runnerOnThird != 0) && x.defensiveLead < 6 &&
        x.defensiveLead > x.runners) {
        double margin = x.nextIsPitcherSlot ? 0.02 : 0.055;
        if (edge() > margin && game.rng.draw() < 0.95) {
            f.intentionalWalk = true;
            SayAbout(game, msg::kIntentionalWalkOrdered, s.currentBatterSlot);
            SayAbout(game, msg::kIntentionalWalkNext, x.nextSlot);
            ++(x.nextIsPitcherSlot ? context.counters.intentionalWalkToPitcher
                                   : context.counters.intentionalWalkRegular);
        }
        return;
    }

    if (s.runnerOnFirst == 0 && x.defensiveLead < 4) {
        double margin = x.nextIsPitcherSlot ? 0.03 : 0.075;
        if (edge() > margin && game.rng.draw() < 0.85) {
            f.pitchAround = true;
            SayAbout(game, msg::kPitchAround, s.currentBatterSlot);
            SayAbout(game, msg::kPitchAroundNext, x.nextSlot);
            ++(x.nextIsPitcherSlot ? context.counters.pitchAroundToPitcher
                                   : context.counters.pitchAroundOther);
        }
    }
}

}  // namespace automan

void ManageWalks(Game& game, AutoManagerContext& context) {
    automan::Walks(game, context, automan::Read(game));
}

}  // namespace vrk
