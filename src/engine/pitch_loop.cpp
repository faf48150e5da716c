// One pass of the plate-appearance loop: the managers' turn, then at most one
// pitch-level event (intentional walk, pickoff, throw-over, pitch-out, bunt,
// steal, hit-and-run, wild pitch, passed ball, long foul) or the plate
// appearance itself, then the common tail.
#include <cstdlib>
#include <exception>

#include "core/text_fields.h"
#include "engine/advance_runners.h"
#include "engine/bunts.h"
#include "engine/engine_helpers.h"
#include "engine/fielding.h"
#include "engine/game.h"
#include "engine/message_registry.h"
#include "engine/pitch_loop.h"
#include "engine/pitching_change.h"
#include "engine/plate_appearance.h"
#include "engine/steals.h"
#include "engine/strikeout.h"
#include "engine/walk.h"

namespace vrk {

namespace {

void ResetBallCounts(GameState& s) {
    s.appearance.pitchOuts = 0;
    s.appearance.ballsFromWildPitches = 0;
}

void AddBatterFaced(Game& game) {
    ++game.counters.pitch(game.state.fieldingTeam, game.state.pitcher).battersFaced;
}

// Ball four on a pitch-level event.
void BallFour(Game& game) {
    ResolveWalk(game);
    AddBatterFaced(game);
    ResetBallCounts(game.state);
}

bool BothComputerManaged(const GameState& s) {
    return !s.display.userManaged[kVisitors] && !s.display.userManaged[kHome];
}

void Windup(Game& game) {
    const GameState& s = game.state;
    int on = s.runnersOn();
    Rng& wording = game.wording;
    if (wording.chance(0.3)) Say(game, msg::kWindup);
    if (wording.chance(0.2) && on > 0)
        Say(game, on == 1 ? msg::kCheckOneRunner : msg::kCheckRunners);
    if (wording.chance(0.2)) Say(game, on > 0 ? msg::kSetRunnersOn : msg::kSetBasesEmpty);
    Say(game, on > 0 ? msg::kDeliveryRunnersOn : msg::kDeliveryBasesEmpty);
    game.narration->showPlay();
    Pace(game, 450);
}

void Pickoff(Game& game) {
    GameState& s = game.state;
    int runner = s.runnerOnFirst;
    if (game.displayed()) {
        SayText(game, "Throw to first...");
        SayRunner(game, msg::kPickoffRunner, runner);
        Say(game, msg::kCrowdReaction);
    }
    s.runnerOnFirst = 0;
    WriteScoreCard(game, s.battingTeam, SlotPlayer(game, s.battingTeam, runner), '1', "1-3 PkOff");
    ++s.outs;
    AddPitcherOut(game);
    CreditAssist(game, kPitcher);
    CreditPutout(game, kFirstBase);
    StepBack(game);
}

void RunnersMoveUpText(Game& game) {
    Say(game, game.state.runnersOn() > 1 ? msg::kRunnersMoveUp : msg::kRunnerMovesUp);
}

// Returns true when the wild pitch was ball four.
void WildPitch(Game& game) {
    GameState& s = game.state;
    if (game.displayed() && s.display.playDelay != 0) {
        Say(game, msg::kWildPitch);
        RunnersMoveUpText(game);
        if (s.display.soundOn && game.wording.chance(0.33)) {
            game.pacer->wait(1000);
            PlayWav(game, "15533.wav");
        }
    }
    AdvanceRunners(game, 1, 1, 1);
    WriteScoreCard(game, s.battingTeam, s.batter, '5', "WP");
    game.counters.of(s.fieldingTeam).wildPitches.push(s.pitcher);
    ++game.counters.pitch(s.fieldingTeam, s.pitcher).wildPitches;
    ++game.counters.wildPitches;
    ++s.appearance.ballsFromWildPitches;
    if (s.appearance.pitchOuts + s.appearance.ballsFromWildPitches > 3) {
        BallFour(game);
    } else {
        StepBack(game);
    }
}

void PassedBall(Game& game) {
    GameState& s = game.state;
    if (game.displayed()) {
        SayText(game, "The pitch gets by the catcher...");
        SayText(game, "That will be a passed ball!");
        RunnersMoveUpText(game);
    }
    AdvanceRunners(game, 1, 1, 1);
    WriteScoreCard(game, s.battingTeam, s.batter, '5', "PB");
    game.counters.of(s.fieldingTeam).passedBalls.push(FielderEntry(game, kCatcher));
    ++game.counters.passedBalls;
    StepBack(game);
}

// A long foul down a line before the pitch that decides the plate
// appearance, told in paced games. It is only told: the narration's own
// generator chooses it, the game's state is left as it was, and the plate
// appearance goes on in the same pass, so a watched game stays the game.
void TellLongFoul(Game& game) {
    const Player& batter = game.batterPlayer();
    if (batter.atBats <= 0) return;
    Rng& wording = game.wording;
    if (!wording.chance(batter.homeRuns / (15.0 * batter.atBats))) return;
    char throws = asciiUpper(game.pitcherPlayer().hand);
    int fielder = kLeftField;
    if (batter.hand == 'L') fielder = kRightField;
    if (batter.hand == 'S' || batter.hand == 'B')
        fielder = throws == 'L' ? kLeftField : kRightField;
    if (wording.chance(0.15)) fielder = fielder == kLeftField ? kRightField : kLeftField;
    // The texts name the fielder through the current-fielder field.
    const int fielderBefore = game.state.play.currentFielder;
    game.state.play.currentFielder = fielder;
    PlayEffect(game, 5);
    SayBatter(game, msg::kLongDrive(fielder));
    Say(game, wording.chance(0.1) ? msg::kLongDriveWall(fielder) : msg::kLongDriveChase(fielder),
        FielderEntry(game, fielder), game.state.fieldingTeam);
    SayText(game, "Foul ball!");
    game.narration->showPlay();
    Pace(game, 450);
    game.state.play.currentFielder = fielderBefore;
}

void HitAndRunStrikeout(Game& game) {
    GameState& s = game.state;
    ResolveStrikeout(game);
    AddBatterFaced(game);
    if (s.outs < 3) {
        ResolveSteal(game);
        if (s.play.resultCode == 90) {
            s.play.playResult += " DP";
            ++game.counters.of(s.fieldingTeam).doublePlays;
            s.play.resultCode = 0;
        }
        if (s.appearance.continues) {
            // The strikeout ended the plate appearance; the steal's step back is undone.
            s.appearance.continues = false;
            s.lastBatterSlot[s.battingTeam] += 1;
            BatterCounters& b = game.counters.bat(s.battingTeam, s.batter);
            b.atBats += 1;
            b.vsHand[handIndex(game.pitcherPlayer().hand)].atBats += 1;
        }
    }
    ResetBallCounts(s);
}

// Leading runner's slot (third, else second, else first); 0 when none.
int LeadRunner(const GameState& s) {
    if (s.runnerOnThird) return s.runnerOnThird;
    if (s.runnerOnSecond) return s.runnerOnSecond;
    return s.runnerOnFirst;
}

void Substitutions(Game& game) {
    GameState& s = game.state;
    int ft = s.fieldingTeam;
    int reliever = game.managers->substitutions(game);
    s.batter = SlotPlayer(game, s.battingTeam, s.currentBatterSlot);
    bool change = game.flags.changePitcher[ft];
    game.flags.changePitcher[ft] = false;
    if (!change || reliever <= 0) return;
    BringInPitcher(game, ft, reliever);
    // A user's side is asked; the computer decides for its own.
    const bool offer = s.display.userManaged[ft] ? !game.options.designatedHitter
                                                 : WantsDoubleSwitch(game, reliever);
    if (offer && game.managers->doubleSwitch(game, reliever)) {
        ++game.counters.doubleSwitches;
    }
}

// The pitch-level events in the order they are checked: intentional walk,
// pickoff and throw-over, pitch-out, bunt, steal, hit-and-run, wild pitch and
// passed ball; else the plate appearance itself. Returns after the one event
// the pass plays.
void PitchEvent(Game& game) {
    GameState& s = game.state;
    StrategyFlags& f = game.flags;

    if (f.intentionalWalk) {
        BallFour(game);
        return;
    }
    if (game.paced()) Windup(game);

    double r = game.rng.draw();
    // One test of the three, not three branches on what the last play left.
    const int margin = s.score[kVisitors] - s.score[kHome];
    if ((s.runnerOnFirst != 0) & (s.runnerOnSecond == 0) & (margin >= -2) & (margin <= 2)) {
        int speed =
            game.battingSide().player(SlotPlayer(game, s.battingTeam, s.runnerOnFirst)).speed;
        if (speed >= 5) {
            if (r < speed * 0.0005) {
                Pickoff(game);
                return;
            }
            if (r < speed * 0.025) {
                SayText(game, "Throw to first, the runner back...");
                s.appearance.throwOverMade = true;
                StepBack(game);
                return;
            }
        }
    }

    if (!s.basesEmpty() && f.pitchOut) {
        if (s.appearance.ballsFromWildPitches + s.appearance.pitchOuts == 3) {
            BallFour(game);
            return;
        }
        SayText(game, "Pitch Out!");
        ++s.appearance.pitchOuts;
        if (!f.stealCall && !f.buntCall && !f.hitAndRunCall) {
            PlayEffect(game, 11);
            SayText(game, "Runner not going...");
            StepBack(game);
            return;
        }
    }

    if (f.buntCall) {
        ResolveBunt(game);
        // A bunt put in play ends the batter's turn, so he was faced; one who
        // pulled the bat back is still up.
        if (!s.appearance.continues) AddBatterFaced(game);
        ResetBallCounts(s);
        return;
    }

    if (f.stealCall) {
        int lead = LeadRunner(s);
        if (lead != 0) {
            ++s.teamStealAttempts[s.battingTeam];
            ++s.runnerStealAttempts[s.battingTeam][SlotPlayer(game, s.battingTeam, lead)];
        }
        if (game.rng.chance(0.12) && lead != 0) {
            if (s.display.playDelay != 0) Say(game, msg::kStealCalledOff);
            if (f.pitchOut) {
                PlayEffect(game, 11);
                StepBack(game);
                return;
            }
        } else {
            PlayEffect(game, 11);
            ResolveSteal(game);
            return;
        }
    }

    if (f.hitAndRunCall) {
        if (f.pitchOut) {
            ResolveSteal(game);
            return;
        }
        const Player& b = game.batterPlayer();
        const Player& p = game.pitcherPlayer();
        double bRate =
            b.atBats + 1.09 * b.walks > 0 ? b.strikeouts / (b.atBats + 1.09 * b.walks) : 0;
        double bfp = EstimateBattersFaced(p.pitching.inningsPitched, p.pitching.hitsAllowed,
                                          p.pitching.walksAllowed, p.pitching.strikeouts);
        double qRate = bfp > 0 ? p.pitching.strikeouts / bfp : 0;
        double pK = CombineRates(qRate, bRate, game.fieldingSide().leagueContext.strikeoutRate);
        double r2 = game.rng.draw();
        if (r2 < pK) {
            HitAndRunStrikeout(game);
            return;
        }
        if (r2 < pK + 0.15) {
            SayText(game, "Swing and a miss....");
            PlayEffect(game, 10);
            ResolveSteal(game);
            return;
        }
    }

    if (!s.basesEmpty()) {
        double r3 = game.rng.draw();
        const Player& p = game.pitcherPlayer();
        double bfp = EstimateBattersFaced(p.pitching.inningsPitched, p.pitching.hitsAllowed,
                                          p.pitching.walksAllowed, p.pitching.strikeouts);
        if (bfp <= 0) bfp = 1;
        double leagueWalk = game.fieldingSide().leagueContext.walkRate;
        double w = leagueWalk > 0 ? 0.017 * (p.pitching.walksAllowed / bfp) / leagueWalk : 0;
        if (s.runnerOnThird != 0) w /= 2;
        if (w > r3) {
            WildPitch(game);
            return;
        }
        // A draw past the largest passed-ball band needs no catcher's average.
        if (r3 < w + 0.07 * (1 - kFieldingAverageFloor) &&
            w + 0.07 * (1 - PositionAverage(game, kCatcher)) > r3) {
            PassedBall(game);
            return;
        }
    }

    if (game.paced()) TellLongFoul(game);

    if (game.config.warmupRule) game.managers->warmups(game);

    ResolvePlateAppearance(game);
    // A dropped foul fly leaves the batter up; he is faced once, when his turn ends.
    if (!s.appearance.continues) AddBatterFaced(game);
    ResetBallCounts(s);
    if (game.paced()) game.narration->refreshAtBat();
}

void Tail(Game& game) {
    GameState& s = game.state;
    BatterCounters& b = game.counters.bat(s.battingTeam, s.batter);
    if (!s.appearance.continues) {
        WriteScoreCard(game, s.battingTeam, s.batter, s.appearance.pinchHitter ? '8' : ' ',
                       s.play.playResult);
        if (s.play.secondaryRunnerSlot != 0) {
            s.appearance.startingScore = s.score[s.battingTeam];
            WriteScoreCard(game, s.battingTeam,
                           SlotPlayer(game, s.battingTeam, s.play.secondaryRunnerSlot), ' ',
                           s.play.playResult);
        }
        s.afterHomeRun = s.play.homeRunThisPass;
    }
    b.atBats += 1;
    b.vsHand[handIndex(game.pitcherPlayer().hand)].atBats += 1;
    if (game.displayed()) {
        game.narration->showPlay();
        game.narration->redrawScoreboard();
        game.narration->redrawField();
    }
    Pace(game, 1000);
    if (s.play.homeRunThisPass && game.paced()) {
        game.narration->celebrateHomeRun(game.config.fireworks == 'Y');
    }
}

}  // namespace

void PlayPass(Game& game) {
    GameState& s = game.state;
    StrategyFlags& f = game.flags;

    s.play.secondaryRunnerSlot = 0;
    s.play.homeRunThisPass = false;
    s.play.resultCode = 0;
    s.play.errorOnPlay = false;
    s.play.noRbiOnPlay = false;
    s.play.precedingError = ErrorKind::None;
    s.play.playResult.clear();
    if (game.displayed()) game.narration->startPlay();
    if (!s.appearance.throwOverMade) f.clearPlateAppearance();
    const bool buntBefore = f.buntCall;
    const bool stealBefore = f.stealCall;
    const bool hitAndRunBefore = f.hitAndRunCall;

    if (BothComputerManaged(s)) {
        if (!game.pacer->pollKey()) Pace(game, 1000);
    } else {
        game.managers->input(game);
    }
    if (!s.display.showPlayByPlay) s.display.playDelay = 0;

    if (s.appearance.throwOverMade) {
        s.appearance.throwOverMade = false;
    } else if (!s.display.userManaged[kVisitors] || !s.display.userManaged[kHome]) {
        game.managers->autoManage(game);
    }

    if (f.buntCall && !buntBefore) {
        f.stealCall = false;
        f.hitAndRunCall = false;
    } else if (f.stealCall && !stealBefore) {
        f.hitAndRunCall = false;
        f.buntCall = false;
    } else if (f.hitAndRunCall && !hitAndRunBefore) {
        f.stealCall = false;
        f.buntCall = false;
    }

    s.play.buntFielderDraw = game.rng.randInt(4);
    Substitutions(game);

    try {
        PitchEvent(game);
    } catch (const std::exception& e) {
        ReportFault(game, " PBM_Error", e.what());
    }
    Tail(game);
}

}  // namespace vrk
