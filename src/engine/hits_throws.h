#pragma once
// The throws on runners after a hit, and the send decisions behind them.

namespace vrk {

struct Game;

// What the throws after a hit did.
struct ThrowOutcome {
    bool runnerOut = false;  // a runner was thrown out (one out per runner)
    bool threwHome = false;  // a throw went to the plate
};

// Moves the runners from first and second after a single or a double, with
// the throws on the runners who try for an extra base. `firstTries` and
// `secondTries` are the bases each runner tries to take (0 when the base is
// empty); the out chances are in percent, a negative one meaning the defence
// makes no throw. Runners from third have already scored.
ThrowOutcome ThrowForRunners(Game& game, bool isDouble, int firstTries, int secondTries,
                             int firstOutChance, int secondOutChance);

// A runner (or the batter, stretching his hit) thrown out at `base` (2, 3,
// or 4 for home) by `fielder`: the out, the credits and the notation.
void ThrowOutRunner(Game& game, int runnerSlot, int base, int fielder);

// The throwing-error check after a hit by the fielder at `position`: every
// runner, the batter included, takes one more base. True when there was one.
bool HitThrowError(Game& game, int position);

// Send values: the percent chance that a runner trying for the extra base is
// safe, never above 98. The rolls are the uniform draws 1..13 and 1..15.
int SingleSendFromSecond(int speed, int outs, int roll13);
int SingleSendFromFirst(int speed, int outs, bool defenceThrowsToThird, int fielder, int roll15);
int DoubleSendFromFirst(int speed, int outs, int fielder, int roll15);
// The computer's thresholds: it sends a runner whose send value reaches them.
int SingleSendThresholdFromSecond(int outs, bool runTiesOrWins);
int SingleSendThresholdFromFirst(int outs);
int DoubleSendThreshold(int outs, bool runTiesOrWins);
// Success chance in percent of stretching a hit by one base.
int StretchValue(int speed);

}  // namespace vrk
