// The bunt handler: pull back on a pitch-out, bunt for a hit, the batter
// thrown out, the sacrifice, the squeeze and the failed sacrifice.
#include <exception>
#include <string>

#include "core/text_fields.h"
#include "engine/advance_runners.h"
#include "engine/bunts.h"
#include "engine/engine_helpers.h"
#include "engine/fielding.h"
#include "engine/hits_support.h"
#include "engine/message_registry.h"
#include "engine/steals_chance.h"
#include "engine/steals_support.h"

namespace vrk {

namespace {

std::string Digit(int position) {
    return std::string(1, static_cast<char>('0' + position % 10));
}

bool BatterIsPitcher(const Game& game) {
    return IsPitcherLine(game.team(game.state.battingTeam).player(game.state.batter));
}

void CountSacrifice(Game& game, bool made) {
    if (game.record == nullptr) return;
    ++(made ? game.record->sacrificesMade : game.record->sacrificesFailed);
}

// The batter is out at first on a bunt that does its job: a sacrifice with no
// at-bat charged.
void SacrificeOut(Game& game) {
    GameState& s = game.state;
    ++s.outs;
    AddPitcherOut(game);
    ++game.counters.bat(s.battingTeam, s.batter).sacrifices;
    TakeBackAtBat(game);
}

bool BuntForHit(Game& game) {
    GameState& s = game.state;
    BuntHitOdds odds = BuntHitPair(BatterSpeed(game));
    if (s.basesEmpty()) odds.b = 0;
    if (game.flags.infieldIn || !(game.rng.draw() < odds.a - odds.b)) return false;
    AdvanceRunners(game, 1, 1, 1);
    PutBatterOn(game, 1, false);
    RecordHit(game, 1);
    s.play.hitType = 1;
    s.play.playResult = "1B";
    SayBatter(game, msg::kBuntHit);
    SayBatter(game, msg::kBuntHitFollow);
    return true;
}

void BatterThrownOut(Game& game, int fielder) {
    GameState& s = game.state;
    SayBatter(game, msg::kBuntBatterOut);
    if (fielder == kFirstBase) {
        s.play.playResult = "3UN";
    } else {
        s.play.playResult = Digit(fielder) + "-3";
        CreditAssist(game, fielder);
    }
    CreditPutout(game, kFirstBase);
    ++s.outs;
    AddPitcherOut(game);
}

// The runner from third is out at the plate; the batter stays up.
void SqueezeFails(Game& game, bool pitchOut) {
    GameState& s = game.state;
    int runner = s.runnerOnThird;
    if (pitchOut) {
        SayText(game, "They Pitchout!");
        Say(game, msg::kSqueezePitchout);
    }
    SayRunner(game, msg::kRunnerBreaksForHome, runner);
    SayText(game, "He is...OUT at the plate!");
    SayRunner(game, msg::kSqueezeOutAtPlate, runner);
    s.runnerOnThird = 0;
    CreditAssist(game, kPitcher);
    CreditPutout(game, kCatcher);
    steals::ChargeCaught(game, runner, 4, "1-2 Bad SQZ");
    if (s.outs < 3) AdvanceRunners(game, 1, 1, 0);
    CountSacrifice(game, false);
    StepBack(game);
}

void SqueezeWorks(Game& game, int fielder) {
    GameState& s = game.state;
    SayRunner(game, msg::kRunnerBreaksForHome, s.runnerOnThird);
    Say(game, msg::kRunScoresOnPlay);
    AdvanceRunners(game, 1, 1, 1);
    if (fielder == kFirstBase) {
        s.play.playResult = "3-4 SQZ";
        CreditAssist(game, kFirstBase);
        CreditPutout(game, kSecondBase);
    } else {
        s.play.playResult = Digit(fielder) + "-3 SQZ";
        CreditAssist(game, fielder);
        CreditPutout(game, kFirstBase);
    }
    SacrificeOut(game);
    CountSacrifice(game, true);
}

// With runners on first and third only, the batting side chooses the squeeze.
bool SqueezeChosen(Game& game) {
    const GameState& s = game.state;
    bool firstAndThird = s.runnerOnFirst != 0 && s.runnerOnSecond == 0 && s.runnerOnThird != 0;
    if (!firstAndThird) return true;
    int team = s.battingTeam;
    if (HumanBattingSide(game)) {
        return game.decisions->askYesNo(team, " Attempt squeeze? [y/N]", false, -1);
    }
    if (game.flags.infieldIn) return false;
    int next = s.currentBatterSlot % kLineupSize + 1;
    if (IsPitcherLine(game.team(team).player(SlotPlayer(game, team, next)))) return true;
    return game.rng.draw() < RunnerSpeed(game, s.runnerOnThird) / 9.0;
}

void Sacrifice(Game& game, int fielder) {
    GameState& s = game.state;
    SayBatter(game, msg::kSacrificeBunt);
    AdvanceRunners(game, 1, 1, 0);
    if (fielder == kFirstBase) {
        s.play.playResult = "3-1 SAC";
        CreditAssist(game, kFirstBase);
        CreditPutout(game, kPitcher);
    } else {
        s.play.playResult = Digit(fielder) + "-3 SAC";
        CreditAssist(game, fielder);
        CreditPutout(game, kFirstBase);
    }
    SacrificeOut(game);
    CountSacrifice(game, true);
}

// The lead forced runner is thrown out and the batter reaches; without a
// runner on first the lead runner is the fielder's choice.
void ForceOnBunt(Game& game, int fielder) {
    GameState& s = game.state;
    bool forced = s.runnerOnFirst != 0;
    int runner = 0;
    int base = 0;
    if (forced) {
        if (s.runnerOnSecond != 0) {
            runner = s.runnerOnSecond;
            base = 3;
        } else {
            runner = s.runnerOnFirst;
            base = 2;
        }
    } else {
        runner = s.runnerOnThird != 0 ? s.runnerOnThird : s.runnerOnSecond;
        base = s.runnerOnThird != 0 ? 4 : 3;
    }
    int cover = base == 4 ? kCatcher : base == 3 ? kThirdBase : kShortstop;
    if (cover == fielder) cover = base == 3 ? kShortstop : kSecondBase;
    SayRunner(game, msg::kSacrificeForce, runner);
    if (base == 4) s.runnerOnThird = 0;
    if (base == 3) s.runnerOnSecond = 0;
    if (base == 2) s.runnerOnFirst = 0;
    CreditAssist(game, fielder);
    CreditPutout(game, cover);
    ++s.outs;
    AddPitcherOut(game);
    if (s.outs < 3) {
        if (forced) AdvanceRunners(game, 1, 1, 0);
        PutBatterOn(game, 1, false);
    }
    s.play.playResult = Digit(fielder) + "-" + Digit(cover) + (forced ? " FO" : " FC");
}

void PoppedUp(Game& game, int fielder) {
    GameState& s = game.state;
    SayBatter(game, msg::kBuntPoppedUp(fielder));
    Say(game, msg::kBuntCaught);
    CreditPutout(game, fielder);
    ++s.outs;
    AddPitcherOut(game);
    s.play.playResult = concat({"B", Digit(fielder)});
}

void Bunt(Game& game) {
    GameState& s = game.state;
    const StrategyFlags& f = game.flags;
    int fielder = s.play.buntFielderDraw == 4 ? kThirdBase : s.play.buntFielderDraw;
    if (fielder < kPitcher || fielder > kThirdBase) fielder = kPitcher;
    s.play.currentFielder = fielder;

    if (f.pitchOut) {
        if (s.runnerOnThird != 0 && s.outs < 2) {
            SqueezeFails(game, true);
            return;
        }
        SayText(game, "Pitchout!");
        SayText(game, "The batter pulls the bat back...");
        SayText(game, "And the runner holds...");
        StepBack(game);
        return;
    }
    if (BuntForHit(game)) return;
    if (s.basesEmpty() || s.outs >= 2) {
        BatterThrownOut(game, fielder);
        return;
    }
    double q = SacrificeChance(game.batterPlayer(), BatterIsPitcher(game),
                               game.battingSide().leagueContext.singleRate);
    if (s.runnerOnThird != 0 && SqueezeChosen(game)) {
        double limit = f.infieldIn ? 0.66 * q : q;
        if (game.rng.draw() < limit) {
            SqueezeWorks(game, fielder);
        } else {
            SqueezeFails(game, false);
        }
        return;
    }
    if (game.rng.draw() < (f.infieldIn ? 0.55 : q)) {
        Sacrifice(game, fielder);
        return;
    }
    CountSacrifice(game, false);
    if (game.rng.draw() < (f.infieldIn ? 0.9 : 0.5)) {
        ForceOnBunt(game, fielder);
    } else {
        PoppedUp(game, fielder);
    }
}

}  // namespace

void ResolveBunt(Game& game) {
    try {
        Bunt(game);
    } catch (const std::exception& e) {
        ReportFault(game, "BUNT_Error", e.what());
    }
}

}  // namespace vrk
