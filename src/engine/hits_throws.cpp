#include <algorithm>
#include <exception>
#include <string>

#include "engine/advance_runners.h"
#include "engine/engine_helpers.h"
#include "engine/fielding.h"
#include "engine/hits_support.h"
#include "engine/hits_throws.h"
#include "engine/message_registry.h"

namespace vrk {
namespace {

constexpr int kThrowSound = 3;

// Fielder taking the throw at a base (4 = home); the second baseman covers second.
int BaseFielder(int base) {
    if (base == 4) return kCatcher;
    if (base == 3) return kThirdBase;
    return kSecondBase;
}

}  // namespace

void ThrowOutRunner(Game& game, int runnerSlot, int base, int fielder) {
    GameState& s = game.state;
    int receiver = BaseFielder(base);
    s.outs += 1;
    AddPitcherOut(game, 1);
    CreditAssist(game, fielder);
    CreditPutout(game, receiver);
    SayRunner(game, msg::kOutAtBase(base), runnerSlot);
    char notation[4] = {static_cast<char>('0' + fielder % 10), '-',
                        static_cast<char>('0' + receiver), '\0'};
    if (runnerSlot == s.currentBatterSlot) {
        // The batter's own line carries it after his hit.
        AppendResult(game, " ");
        AppendResult(game, notation);
    } else {
        // The runner's own line, with the code of the base he was put out at.
        WriteScoreCard(game, s.battingTeam, SlotPlayer(game, s.battingTeam, runnerSlot),
                       static_cast<char>('0' + base), notation);
    }
}

ThrowOutcome ThrowForRunners(Game& game, bool isDouble, int firstTries, int secondTries,
                             int firstOutChance, int secondOutChance) {
    ThrowOutcome result;
    GameState& s = game.state;
    int fielder = s.play.currentFielder;
    try {
        double t = game.flags.hitAndRunCall ? 0.999 : game.rng.draw();
        if (firstTries >= 2 || secondTries >= 2) PlayEffect(game, kThrowSound);
        if (s.runnerOnSecond != 0) {
            int runner = s.runnerOnSecond;
            if (secondTries >= 2 && secondOutChance >= 0 && s.outs < 3) {
                result.threwHome = true;
                SayRunner(game, msg::kRunnerTriesFor(14), runner);
                Say(game, msg::kThrowToBase(4));
                SayText(game, "He is....");
                if (t < secondOutChance / 100.0) {
                    s.runnerOnSecond = 0;
                    ThrowOutRunner(game, runner, 4, fielder);
                    result.runnerOut = true;
                } else {
                    SayRunner(game, msg::kSafeAtBase(4), runner);
                    AdvanceRunners(game, 0, 2, 0);
                }
            } else {
                if (secondTries < 2) SayRunner(game, msg::kRunnerHoldsAt(3), runner);
                AdvanceRunners(game, 0, std::clamp(secondTries, 1, 2), 0);
            }
        }
        if (s.runnerOnFirst != 0) {
            int runner = s.runnerOnFirst;
            bool noThrow = s.outs >= 3 || firstOutChance < 0;
            if (isDouble) {
                // A walk-off already decided by the runners ahead needs no throw.
                if (s.battingTeam == kHome && s.inning >= s.rules.regulationInnings &&
                    s.score[kHome] > s.score[kVisitors]) {
                    noThrow = true;
                }
                if (firstTries >= 3 && !noThrow) {
                    result.threwHome = true;
                    SayRunner(game, msg::kRunnerTriesFor(14), runner);
                    Say(game, msg::kThrowToBase(4));
                    SayText(game, "He is....");
                    if (t < firstOutChance / 100.0) {
                        s.runnerOnFirst = 0;
                        ThrowOutRunner(game, runner, 4, fielder);
                        result.runnerOut = true;
                    } else {
                        SayText(game, "SAFE!");
                        AdvanceRunners(game, 3, 0, 0);
                    }
                } else {
                    if (firstTries < 3) SayRunner(game, msg::kRunnerHoldsAt(3), runner);
                    AdvanceRunners(game, std::clamp(firstTries, 2, 3), 0, 0);
                }
            } else if (firstTries >= 2 && !noThrow) {
                SayRunner(game, msg::kRunnerTriesFor(13), runner);
                Say(game, msg::kThrowToBase(3));
                bool close = t < 0.15 + firstOutChance / 100.0;
                if (close) SayText(game, "He is...");
                if (t < firstOutChance / 100.0) {
                    s.runnerOnFirst = 0;
                    ThrowOutRunner(game, runner, 3, fielder);
                    result.runnerOut = true;
                } else {
                    if (close) SayRunner(game, msg::kSafeAtBase(3), runner);
                    AdvanceRunners(game, 2, 0, 0);
                }
            } else {
                AdvanceRunners(game, std::clamp(firstTries, 1, 2), 0, 0);
            }
        }
    } catch (const std::exception& fault) {
        ReportFault(game, "THROWOUT_Error", fault.what());
    }
    return result;
}

bool HitThrowError(Game& game, int position) {
    double f = PositionAverage(game, position);
    if (game.rng.draw() < f + 0.5 * (1 - f)) return false;
    ChargeError(game, position, true);
    if (game.displayed()) {
        Say(game, game.wording.draw() < 0.5 ? msg::kHitThrowError(position)
                                            : msg::kHitThrowErrorBounce(position));
        Say(game, game.state.runnersOn() > 1 ? msg::kRunnersMoveUp : msg::kRunnerMovesUp);
    }
    AdvanceOnError(game, 1, 1, 1);
    AppendResult(game, "/E-");
    AppendPosition(game, position);
    return true;
}

int SingleSendFromSecond(int speed, int outs, int roll13) {
    return std::min(98, 4 * speed + 60 + (outs == 2 ? 12 : 0) + 7 - roll13);
}

int SingleSendFromFirst(int speed, int outs, bool defenceThrowsToThird, int fielder, int roll15) {
    int value = 4 * speed + 52 + (outs == 2 ? 12 : 0);
    if (defenceThrowsToThird) value -= 20;
    // Only the corner outfielders change the throw; a ball kept in the
    // infield adds nothing.
    if (fielder == kLeftField) value -= 8;
    if (fielder == kRightField) value += 8;
    return std::min(98, value + 9 - roll15);
}

int DoubleSendFromFirst(int speed, int outs, int fielder, int roll15) {
    int value = 4 * speed + 52 + (outs == 2 ? 14 : 0);
    if (fielder == kLeftField || fielder == kRightField) value -= 4;
    return std::min(98, value + 9 - roll15);
}

int SingleSendThresholdFromSecond(int outs, bool runTiesOrWins) {
    if (outs == 0) return 80;
    if (outs == 1) return 72;
    return runTiesOrWins ? 50 : 68;
}

int SingleSendThresholdFromFirst(int outs) {
    if (outs == 0) return 88;
    if (outs == 1) return 70;
    return 92;
}

int DoubleSendThreshold(int outs, bool runTiesOrWins) {
    if (outs == 0) return 85;
    if (outs == 1) return 72;
    return runTiesOrWins ? 50 : 60;
}

int StretchValue(int speed) {
    return 5 * speed + 30;
}

}  // namespace vrk
