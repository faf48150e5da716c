#include "engine/fly_balls.h"

#include <algorithm>
#include <exception>
#include <string>

#include "engine/advance_runners.h"
#include "engine/engine_helpers.h"
#include "engine/fielding.h"
#include "engine/hits_extra_bases.h"
#include "engine/hits_single.h"
#include "engine/hits_support.h"
#include "engine/message_registry.h"
#include "engine/score_run.h"

namespace vrk {
namespace {

bool Outfielder(int position) {
    return position >= kLeftField && position <= kRightField;
}

struct AirBall {
    bool lineDrive = false;  // a runner can be doubled off
    bool foul = false;
    bool deep = false;
    bool highlighted = false;
};

constexpr int kBallInAirSound = 6;

// Variants of the long description: 1 a deep drive, 2 a soft fly.
constexpr int kDeepFly = 1;
constexpr int kSoftFly = 2;

// Tells an outfield fly as deep as it was decided: a deep one ends on a
// deep-fly line, another one on a short-fly line or the plain settling
// line. The choice among fitting texts is the narration's.
void TellOutfieldFly(Game& game, int n, bool deep) {
    const double wording = game.wording.draw();
    if (deep) {
        SayBatter(game, wording < 0.3 ? msg::kLongFly(n, kDeepFly) : msg::kFlyBall(n));
        SayBatter(game, msg::kLongFlyChase(n, kDeepFly));
        SayBatter(game, msg::kLongFlyEnd(n, kDeepFly));
    } else if (wording < 0.11) {
        SayBatter(game, msg::kLongFly(n, kSoftFly));
        SayBatter(game, msg::kLongFlyChase(n, kSoftFly));
        SayBatter(game, msg::kLongFlyEnd(n, kSoftFly));
    } else {
        SayBatter(game, msg::kFlyBall(n));
        SayBatter(game, msg::kFlyBallSettles(n));
    }
}

AirBall KindOfBall(Game& game) {
    GameState& s = game.state;
    PlayEffect(game, kBallInAirSound);
    int n = s.play.currentFielder;
    AirBall ball;
    if (!Outfielder(n)) {
        double y = game.rng.draw();
        if (y < 0.1 && n != kCatcher) {
            SayBatter(game, msg::kLineDrive(n));
            ball.lineDrive = y < 0.05 || game.flags.hitAndRunCall;
        } else {
            SayBatter(game, msg::kPopUp(n));
            SayBatter(game, msg::kPopUpSettles(n));
            double z = game.rng.draw();
            ball.foul =
                ((n == kThirdBase || n == kFirstBase) && z < 0.3) || (n == kCatcher && z < 0.7);
            if (ball.foul) Say(game, msg::kFoulPop);
        }
        return ball;
    }
    if (game.rng.draw() < 0.06) {
        ball.highlighted = true;
        ball.deep = true;
        if (game.displayed()) {
            SayBatter(game, msg::kLongDrive(n));
            SayBatter(game,
                      game.wording.draw() < 0.1 ? msg::kLongDriveWall(n) : msg::kLongDriveChase(n));
        }
        return ball;
    }
    ball.deep = game.rng.draw() < 0.38;
    if (game.displayed()) TellOutfieldFly(game, n, ball.deep);
    return ball;
}

// A fair ball that was not caught: the batter reaches as on a hit.
void DroppedFairBall(Game& game, int fielder) {
    game.state.play.precedingError = ErrorKind::Fielding;
    NullSound quiet;
    SoundSink* sound = game.sound;
    game.sound = &quiet;
    if (Outfielder(fielder)) {
        ResolveDouble(game);
    } else {
        ResolveSingle(game);
    }
    game.sound = sound;
}

void NotCaught(Game& game, const AirBall& ball) {
    GameState& s = game.state;
    int n = s.play.currentFielder;
    if (s.runnerOnFirst != 0 && s.runnerOnSecond != 0 && s.outs < 2 && !Outfielder(n) &&
        !ball.foul) {
        Say(game, msg::kBallDropped);
        SayText(game, "Infield fly rule is in effect! (No error)");
        SayText(game, "Batter is declared out! No advance...");
        s.play.playResult = "I-FLY-";
        AppendPosition(game, n);
        s.outs += 1;
        CreditPutout(game, n);
        AddPitcherOut(game, 1);
        return;
    }
    ChargeError(game, n, false);
    s.play.errorOnPlay = true;
    Say(game, msg::kBallDropped);
    Say(game, msg::kErrorCharged);
    s.play.playResult = "E-";
    AppendPosition(game, n);
    if (ball.foul) {
        // A dropped foul costs the defence an error, not the batter his turn.
        AppendResult(game, " (Foul)");
        WriteScoreCard(game, s.battingTeam, s.batter, ' ', s.play.playResult);
        StepBack(game);
        return;
    }
    DroppedFairBall(game, n);
}

// A deep fly scores the runner from third by itself; on any other the
// runner may try, against the throw.
void TagFromThird(Game& game, bool deep) {
    GameState& s = game.state;
    if (deep) {
        ResolveSacrificeFly(game);
        return;
    }
    int runner = s.runnerOnThird;
    int speed = RunnerSpeed(game, runner);
    double q = TagFromThirdOutChance(speed);
    bool send;
    if (HumanBattingSide(game)) {
        double p = std::min(100.0 * (1 - q), 99.9);
        send =
            AskSide(game, s.battingTeam, " Tag-up at 3rd? [y/N]  (" + TenthsPercent(p) + "%)", p);
    } else {
        send = s.outs + speed + game.rng.randInt(10) >= 8;
    }
    if (!send) {
        SayRunner(game, msg::kRunnerHoldsOnFly, runner);
        return;
    }
    if (game.rng.draw() < q) {
        ResolveOutAtPlate(game);
    } else {
        ResolveSacrificeFly(game);
    }
}

// Only a deep fly lets the runner on second try for third.
void TagFromSecond(Game& game, bool deep) {
    GameState& s = game.state;
    if (!deep) return;
    int runner = s.runnerOnSecond;
    int speed = RunnerSpeed(game, runner);
    double q = TagFromSecondOutChance(speed);
    bool send;
    if (HumanBattingSide(game)) {
        double p = std::clamp(100.0 * (1 - q), 0.0, 99.9);
        send =
            AskSide(game, s.battingTeam, " Tag-up at 2nd? [y/N]  (" + TenthsPercent(p) + "%)", p);
    } else {
        send = speed + game.rng.randInt(10) >= 10 && s.outs < 2;
    }
    if (!send) return;
    if (game.rng.draw() < q) {
        SayRunner(game, msg::kOutAtBase(3), runner);
        s.runnerOnSecond = 0;
        s.outs += 1;
        AddPitcherOut(game, 1);
        CountDoublePlay(game);
        CreditAssist(game, s.play.currentFielder);
        CreditPutout(game, kThirdBase);
        AppendResult(game, "-5 DP");
    } else {
        SayText(game, "He's in there safely...");
        AdvanceRunners(game, 0, 1, 0);
    }
}

double CatchChance(const Game& game, int fielder) {
    double f = PositionAverage(game, fielder);
    return Outfielder(fielder) ? f + 0.4 * (1 - f) : std::min(1.03 * f, 0.99999);
}

void PlayAirBall(Game& game) {
    GameState& s = game.state;
    int n = s.play.currentFielder;
    AirBall ball = KindOfBall(game);
    // Every catch chance is at least the fielder's average: a draw under the
    // lowest average is a catch without asking his.
    if (!ball.highlighted) {
        const double x = game.rng.draw();
        if (x > kFieldingAverageFloor && x > CatchChance(game, n)) {
            NotCaught(game, ball);
            return;
        }
    }
    s.play.playResult.clear();
    AppendPosition(game, n);
    if (ball.foul) AppendResult(game, " (Foul)");
    CreditPutout(game, n);
    ResolveFlyOut(game, ball.lineDrive, ball.deep);
    AddPitcherOut(game, 1);
}

}  // namespace

double TagFromThirdOutChance(int speed) {
    return std::max(0.0, (18 - 2 * speed) / 100.0);
}

double TagFromSecondOutChance(int speed) {
    return 0.25 - (speed - 1) / 40.0;
}

void ResolveAirBall(Game& game) {
    try {
        PlayAirBall(game);
    } catch (const std::exception& fault) {
        game.errors->fault("FLY_Error", fault.what());
    }
}

void ResolveFlyOut(Game& game, bool lineDriveWithRunners, bool deep) {
    GameState& s = game.state;
    int n = s.play.currentFielder;
    if (lineDriveWithRunners && s.outs < 2) {
        double u = game.rng.draw();
        int base = 0;
        int receiver = 0;
        if (n == kFirstBase || n == kSecondBase) {
            if (s.runnerOnSecond != 0) {
                base = 2;
                receiver = kShortstop;
            } else if (s.runnerOnFirst != 0) {
                base = 1;
                receiver = kFirstBase;
            }
        } else if (n == kThirdBase || n == kShortstop) {
            if (s.runnerOnSecond != 0) {
                base = 2;
                receiver = kSecondBase;
            } else if (s.runnerOnFirst != 0 && (u < 0.5 || game.flags.hitAndRunCall)) {
                base = 1;
                receiver = kFirstBase;
            }
        }
        if (base != 0) {
            int runner = base == 2 ? s.runnerOnSecond : s.runnerOnFirst;
            if (base == 2) SayRunner(game, msg::kOutAtBase(2), runner);
            (base == 2 ? s.runnerOnSecond : s.runnerOnFirst) = 0;
            s.outs += 2;
            CountDoublePlay(game);
            AddPitcherOut(game, 1);
            if (receiver == n) {
                CreditPutout(game, n);
                AppendResult(game, "UN DP!");
            } else {
                CreditAssist(game, n);
                CreditPutout(game, receiver);
                AppendResult(game, "-");
                AppendPosition(game, receiver);
                AppendResult(game, " DP!");
            }
            return;
        }
    }

    s.outs += 1;
    if (s.outs >= 3) return;
    if (s.runnerOnThird != 0) {
        if (Outfielder(n)) {
            TagFromThird(game, deep);
        } else {
            SayRunner(game, msg::kRunnerHoldsOnFly, s.runnerOnThird);
        }
    } else if (s.runnerOnSecond != 0 && !game.flags.hitAndRunCall &&
               (n == kCenterField || n == kRightField)) {
        TagFromSecond(game, deep);
    }
    if (game.flags.hitAndRunCall && game.displayed()) {
        int going = s.runnerOnSecond != 0 ? s.runnerOnSecond : s.runnerOnFirst;
        if (going != 0) SayRunner(game, msg::kRunnerScramblesBack, going);
    }
}

void ResolveSacrificeFly(Game& game) {
    GameState& s = game.state;
    SayRunner(game, msg::kSacrificeFly, s.runnerOnThird);
    SayRunner(game, msg::kSacrificeFlyScores, s.runnerOnThird);
    if (game.displayed()) AnnounceRun(game, s.runnerOnThird);
    AdvanceRunners(game, 0, 0, 1);
    int n = s.play.currentFielder;
    if (s.runnerOnSecond != 0 && (n == kCenterField || n == kRightField) && game.rng.draw() < 0.4) {
        SayText(game, "Runner on 2nd also advances...");
        AdvanceRunners(game, 0, 1, 0);
    }
    BatterCounters& line = game.counters.bat(s.battingTeam, s.batter);
    line.sacrificeFlies += 1;
    line.vsHand[static_cast<std::size_t>(handIndex(game.pitcherPlayer().hand))].sacrificeFlies += 1;
    TakeBackAtBat(game);
    AppendResult(game, " SACF");
}

void ResolveOutAtPlate(Game& game) {
    GameState& s = game.state;
    try {
        SayRunner(game, msg::kOutAtBase(4), s.runnerOnThird);
        s.runnerOnThird = 0;
        s.outs += 1;
        AddPitcherOut(game, 1);
        AppendResult(game, "-2 DP");
        CountDoublePlay(game);
        CreditAssist(game, s.play.currentFielder);
        CreditPutout(game, kCatcher);
        AdvanceRunners(game, 1, 1, 0);
    } catch (const std::exception& fault) {
        game.errors->fault("FLY_Error", fault.what());
    }
}

}  // namespace vrk
