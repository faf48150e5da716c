#include <exception>
#include <string>

#include "engine/advance_runners.h"
#include "engine/ball_direction.h"
#include "engine/engine_helpers.h"
#include "engine/fielding.h"
#include "engine/hits_single.h"
#include "engine/hits_support.h"
#include "engine/hits_throws.h"
#include "engine/message_registry.h"
#include "engine/plate_appearance_loop.h"

namespace vrk {
namespace {

int Score(const GameState& s, int team) {
    return s.score[static_cast<std::size_t>(team)];
}

// Where the single went and whether the infielder threw it away.
struct SingleBall {
    int fielder = 0;
    bool infieldHit = false;
    bool wildThrow = false;
};

constexpr int kHitSound = 7;

// Sets the fielder who handles the ball before it is told, for the "#" token.
SingleBall PlaceSingle(Game& game, bool fromError) {
    GameState& s = game.state;
    SingleBall ball;
    PlayEffect(game, kHitSound);
    if (fromError) {
        ball.fielder = OutfielderBehind(s.play.currentFielder);
        return ball;
    }
    if (game.rng.draw() < 0.6) {
        ball.fielder = AirBallZone(game, PullValue(game));
        s.play.currentFielder = ball.fielder;
        SayBatter(game, msg::kOutfieldSingle(ball.fielder));
        return ball;
    }
    int infielder = GroundBallFielder(game, PullValue(game));
    if (game.rng.draw() < 0.25) {
        ball.infieldHit = true;
        ball.fielder = infielder;
        s.play.currentFielder = infielder;
        SayBatter(game, msg::kInfieldHit(infielder));
        if (infielder != kFirstBase) {
            double f = PositionAverage(game, infielder);
            ball.wildThrow = game.rng.draw() > f + 0.65 * (1 - f);
        }
        return ball;
    }
    ball.fielder = OutfielderBehind(infielder);
    s.play.currentFielder = ball.fielder;
    SayBatter(game, msg::kGroundSingle(ball.fielder));
    return ball;
}

// Runners on an infield hit or with the runners going: no decisions.
void MoveWithoutDecisions(Game& game, const SingleBall& ball, bool errorStart) {
    GameState& s = game.state;
    bool twoBases = game.flags.hitAndRunCall && game.rng.draw() < (ball.infieldHit ? 0.33 : 0.9);
    if (twoBases) {
        AdvanceRunners(game, 2, 2, 0);
    } else {
        AdvanceRunners(game, 1, 1, 0);
    }
    PutBatterOn(game, 1, errorStart);
    if (ball.wildThrow) {
        SayText(game, "Wild throw! Into the dugout!");
        if (s.runnersOn() > 1) SayText(game, "Everybody gets an extra base!");
        SayText(game, "The hitter will wind up on second.");
        SayText(game, "Score that one: a hit and an error.");
        ChargeError(game, ball.fielder, true);
        AdvanceOnError(game, 1, 1, 1);
        AppendResult(game, "/E-");
        AppendPosition(game, ball.fielder);
    }
}

struct Sends {
    int firstTries = 1;
    int secondTries = 1;
    int firstOut = 0;
    int secondOut = 0;
};

// The defence's choice and the runners' sends on a single to the outfield.
Sends DecideSends(Game& game, int fielder, bool runnerWasOnThird) {
    GameState& s = game.state;
    Sends plan;
    int first = s.runnerOnFirst;
    int second = s.runnerOnSecond;
    int batting = Score(s, s.battingTeam);
    int fielding = Score(s, s.fieldingTeam);
    bool throwToThird = false;
    bool secondSettled = false;
    if (second != 0 && batting + 1 < fielding) {
        bool human = HumanFieldingSide(game);
        bool letHimScore;
        if (first != 0) {
            letHimScore = human
                              ? AskSide(game, s.fieldingTeam, " Defense: Throw to 3rd? [y/N] ", -1)
                              : RunnerSpeed(game, first) < 4 ||
                                    RunnerSpeed(game, second) > RunnerSpeed(game, first) + 1;
            throwToThird = letHimScore;
        } else {
            letHimScore = human
                              ? AskSide(game, s.fieldingTeam,
                                        runnerWasOnThird
                                            ? " Defense: Concede runs / Hold batter on 1st? [y/N] "
                                            : " Defense: Concede run / Hold batter on 1st? [y/N] ",
                                        -1)
                              : BatterSpeed(game) > 7 || RunnerSpeed(game, second) > 6;
        }
        if (letHimScore) {
            plan.secondTries = 2;
            plan.secondOut = -1;
            secondSettled = true;
        }
    }

    bool gamble = false;
    if (second != 0 && !secondSettled) {
        int value = SingleSendFromSecond(RunnerSpeed(game, second), s.outs, game.rng.randInt(13));
        bool send;
        if (HumanBattingSide(game)) {
            send = AskSide(game, s.battingTeam,
                           " Score runner from 2nd? [y/N]  (" + WholePercent(value) + "%)", value);
        } else {
            bool tiesOrWins = batting + 1 >= fielding;
            int threshold = SingleSendThresholdFromSecond(s.outs, tiesOrWins);
            send = value >= threshold;
            if (send && threshold == 50 && value < 79) {
                gamble = true;
                if (game.displayed()) {
                    SayText(game, "They'll gamble to score " + RunnerSurname(game, second) + "...",
                            s.battingTeam);
                }
            }
        }
        if (send) {
            plan.secondTries = 2;
            plan.secondOut = 100 - value;
        }
    }

    bool secondHeldAtThird = second != 0 && plan.secondTries < 2;
    if (first != 0 && !secondHeldAtThird) {
        if (gamble) {
            plan.firstTries = 2;
            plan.firstOut = 3;
        } else {
            int value = SingleSendFromFirst(RunnerSpeed(game, first), s.outs, throwToThird, fielder,
                                            game.rng.randInt(15));
            bool send;
            if (HumanBattingSide(game)) {
                send = AskSide(game, s.battingTeam,
                               " Go 1st-to-3rd? [y/N]  (" + WholePercent(value) + "%)", value);
            } else {
                send = value >= SingleSendThresholdFromFirst(s.outs);
            }
            if (send) {
                plan.firstTries = 2;
                plan.firstOut = 100 - value;
            }
        }
    }
    return plan;
}

// A human batter may try to turn a close late single into a double.
void OfferStretchToDouble(Game& game, int fielder) {
    GameState& s = game.state;
    if (!HumanBattingSide(game) || s.play.errorOnPlay) return;
    if (s.runnerOnFirst != s.currentBatterSlot || s.runnerOnSecond != 0) return;
    if (s.inning <= s.rules.regulationInnings - 4 || s.outs >= 3) return;
    int k = 1 + (s.runnerOnThird != 0 ? 1 : 0);
    int deficit = Score(s, s.fieldingTeam) - Score(s, s.battingTeam);
    if (deficit != k && deficit != k - 1) return;
    int value = StretchValue(BatterSpeed(game));
    if (!AskSide(game, s.battingTeam,
                 " Stretch hit to a double? [y/N]  (" + WholePercent(value) + "%)", value)) {
        return;
    }
    if (game.rng.draw() < value / 100.0) {
        // He takes the extra base on the throw; the hit stays a single.
        AdvanceRunners(game, 1, 0, 0);
    } else {
        int batter = s.runnerOnFirst;
        s.runnerOnFirst = 0;
        ThrowOutRunner(game, batter, 2, fielder);
    }
}

void PlaySingle(Game& game) {
    GameState& s = game.state;
    // A single after a fielding error puts the batter on without a hit; the
    // runners move as on a single whether the error was a throw or a bobble.
    bool fromError = s.play.errorOnPlay;
    SingleBall ball = PlaceSingle(game, fromError);
    s.play.currentFielder = ball.fielder;
    if (!fromError) s.play.playResult = "1B";

    bool runnerWasOnThird = s.runnerOnThird != 0;
    AdvanceRunners(game, 0, 0, 1);
    if (WalkOffReached(s)) {
        // The winning run is home: nobody throws.
        AdvanceRunners(game, 1, 1, 0);
        PutBatterOn(game, 1, fromError);
    } else {
        ThrowOutcome throws;
        if (ball.infieldHit || game.flags.hitAndRunCall) {
            MoveWithoutDecisions(game, ball, fromError);
        } else {
            Sends plan = DecideSends(game, ball.fielder, runnerWasOnThird);
            throws = ThrowForRunners(game, false, plan.firstTries, plan.secondTries, plan.firstOut,
                                     plan.secondOut);
            PutBatterOn(game, 1, fromError);
            if (throws.threwHome && s.runnerOnSecond == 0 && s.outs < 3 &&
                BatterSpeed(game) + game.rng.randInt(10) > 12) {
                SayText(game, "Runner moves up on the throw.");
                AdvanceRunners(game, 1, 0, 0);
            }
        }
        // An infield hit has had its own throw checked already.
        if (!ball.infieldHit && !throws.runnerOut && !HitThrowError(game, ball.fielder)) {
            OfferStretchToDouble(game, ball.fielder);
        }
    }
    if (!fromError) RecordHit(game, 1);
}

}  // namespace

void ResolveSingle(Game& game) {
    try {
        PlaySingle(game);
    } catch (const std::exception& fault) {
        ReportFault(game, "THROWOUT_Error", fault.what());
    }
}

}  // namespace vrk
