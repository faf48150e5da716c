#include <exception>

#include "engine/advance_runners.h"
#include "engine/ball_direction.h"
#include "engine/engine_helpers.h"
#include "engine/fielding.h"
#include "engine/hits_extra_bases.h"
#include "engine/hits_support.h"
#include "engine/hits_throws.h"
#include "engine/message_registry.h"
#include "engine/score_run.h"

namespace vrk {
namespace {

constexpr int kHitSound = 7;

int Score(const GameState& s, int team) {
    return s.score[static_cast<std::size_t>(team)];
}

// The batter's double becomes a triple in his line and the pitcher's.
void MoveDoubleToTriple(Game& game) {
    GameState& s = game.state;
    BatterCounters& b = game.counters.bat(s.battingTeam, s.batter);
    HandSplit& split = b.vsHand[static_cast<std::size_t>(handIndex(game.pitcherPlayer().hand))];
    PitcherCounters& p = game.counters.pitch(s.fieldingTeam, s.pitcher);
    --b.doubles;
    ++b.triples;
    --split.doubles;
    ++split.triples;
    --p.doubles;
    ++p.triples;
}

void OfferStretchToTriple(Game& game, int fielder) {
    GameState& s = game.state;
    if (!HumanBattingSide(game) || s.play.errorOnPlay || s.outs >= 2) return;
    if (s.runnerOnSecond != s.currentBatterSlot || s.runnerOnThird != 0) return;
    if (s.inning <= s.rules.regulationInnings - 4) return;
    int behind = Score(s, s.fieldingTeam) - Score(s, s.battingTeam);
    if (behind != 0 && behind != 1) return;
    int value = StretchValue(BatterSpeed(game));
    if (!AskSide(game, s.battingTeam,
                 " Stretch hit to a triple? [y/N]  (" + WholePercent(value) + "%)", value)) {
        return;
    }
    if (game.rng.draw() < value / 100.0) {
        AdvanceRunners(game, 0, 1, 0);
        MoveDoubleToTriple(game);
        s.play.hitType = 3;
        s.play.playResult = "3B";
    } else {
        int batter = s.runnerOnSecond;
        s.runnerOnSecond = 0;
        ThrowOutRunner(game, batter, 3, fielder);
    }
}

void PlayDouble(Game& game) {
    GameState& s = game.state;
    // After an outfielder drops the ball the batter reaches second without a hit.
    bool fromError = s.play.errorOnPlay;
    int fielder = s.play.currentFielder;
    if (!fromError) {
        fielder = ExtraBaseHitFielder(game);
        DescribeExtraBaseHit(game, fielder);
        s.play.playResult = "2B";
    }
    AdvanceRunners(game, 0, 2, 1);

    int tries = 2;
    int outChance = 0;
    bool walkOff = s.battingTeam == kHome && s.inning >= s.rules.regulationInnings &&
                   Score(s, kHome) > Score(s, kVisitors);
    if (s.runnerOnFirst != 0 && !walkOff) {
        int runner = s.runnerOnFirst;
        if (game.flags.hitAndRunCall) {
            tries = 3;
            outChance = -1;  // he was running with the pitch: he scores
        } else {
            int value = DoubleSendFromFirst(RunnerSpeed(game, runner), s.outs, fielder,
                                            game.rng.randInt(15));
            bool send;
            if (HumanBattingSide(game)) {
                send =
                    AskSide(game, s.battingTeam,
                            " Score runner from 1st? [y/N]  (" + WholePercent(value) + "%)", value);
            } else {
                bool tiesOrWins = Score(s, s.battingTeam) + 1 >= Score(s, s.fieldingTeam);
                int threshold = DoubleSendThreshold(s.outs, tiesOrWins);
                send = value >= threshold;
                if (send && threshold == 50 && value < 80 && game.displayed()) {
                    SayText(game, "They'll try to score " + RunnerSurname(game, runner) + "...",
                            s.battingTeam);
                }
            }
            if (send) {
                tries = 3;
                outChance = 100 - value;
            }
        }
    }
    ThrowOutcome throws = ThrowForRunners(game, true, tries, 0, outChance, 0);
    PutBatterOn(game, 2, fromError);
    if (!fromError) RecordHit(game, 2);
    if (!throws.runnerOut && !HitThrowError(game, fielder)) OfferStretchToTriple(game, fielder);
}

}  // namespace

int ExtraBaseHitFielder(Game& game) {
    return AirBallZone(game, PullValue(game));
}

void DescribeExtraBaseHit(Game& game, int fielder) {
    game.state.play.currentFielder = fielder;
    if (!game.displayed()) return;
    PlayEffect(game, kHitSound);
    int d;
    if (fielder == kCenterField) {
        d = game.wording.randInt(3);
    } else {
        double r = game.wording.draw();
        d = r < 0.33 ? 1 : r < 0.67 ? (fielder == kLeftField ? 3 : 2) : 4;
    }
    if (d == 4) {
        SayBatter(game, msg::kExtraBaseHit(d));
        SayBatter(game, msg::kExtraBaseHitFollow(d));
    } else {
        const GameState& s = game.state;
        int entry = FielderEntry(game, fielder);
        Say(game, msg::kExtraBaseHit(d), entry, s.fieldingTeam);
        Say(game, msg::kExtraBaseHitFollow(d), entry, s.fieldingTeam);
    }
}

void ResolveDouble(Game& game) {
    try {
        PlayDouble(game);
    } catch (const std::exception& fault) {
        ReportFault(game, "THROWOUT_Error", fault.what());
    }
}

void ResolveTriple(Game& game) {
    GameState& s = game.state;
    int fielder = ExtraBaseHitFielder(game);
    DescribeExtraBaseHit(game, fielder);
    AdvanceRunners(game, 3, 2, 1);
    PutBatterOn(game, 3, false);
    RecordHit(game, 3);
    s.play.playResult = "3B";
}

void ResolveHomeRun(Game& game) {
    GameState& s = game.state;
    int fielder = ExtraBaseHitFielder(game);
    if (s.play.insideTheParkHomeRun) {
        DescribeExtraBaseHit(game, fielder);
    } else {
        s.play.currentFielder = fielder;
        SayBatter(game, msg::kHomeRunCall);
        SayBatter(game, msg::kHomeRunTrot(10 + s.runnersOn()));
        Say(game, msg::kHomeRunCrowd);
    }
    s.play.homeRunInProgress = true;
    AdvanceRunners(game, 3, 2, 1);
    ScoreBatterRun(game);
    s.play.homeRunInProgress = false;
    RecordHit(game, 4);
    s.play.playResult = "HR";
}

}  // namespace vrk
