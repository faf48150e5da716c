// The odds of the running plays, from the players' season lines.
#include <algorithm>
#include <cmath>

#include "core/rounding.h"
#include "data/team.h"
#include "engine/steals_chance.h"

namespace vrk {

bool IsPitcherLine(const Player& player) {
    if (player.lineupPosition != kPitcher) return false;
    for (std::size_t k = 1; k < player.positionCode.size(); ++k) {
        if (player.positionCode[k] > kPitcher) return false;
    }
    return true;
}

double RunnerCaughtStealing(const Team& team, const Player& runner) {
    for (int slot = 1; slot <= kLineupSize; ++slot) {
        const Player& p = team.player(slot);
        if (p.lineupPosition != kPitcher && p.caughtStealing > 0) return runner.caughtStealing;
    }
    return static_cast<double>(roundHalfEven(0.27 * runner.stolenBases));
}

double StealSuccessChance(const Team& team, const Player& runner, bool runnerIsPitcher) {
    if (team.stealColumns == 0) return runner.speed / 10.0;
    double sb = runner.stolenBases;
    double cs = RunnerCaughtStealing(team, runner);
    double attempts = sb + cs;
    if (attempts > 10) return sb / attempts;
    if (attempts >= 1) {
        if (runnerIsPitcher) return 0.6;
        return std::clamp(sb / attempts, 0.2, 0.7);
    }
    return 0.6;
}

double StealFactor(double p, bool pitchOut, int targetBase, char pitcherHand) {
    double f = 1.0;
    bool leftHander = pitcherHand == 'L' || pitcherHand == 'l';
    if (!pitchOut) {
        if (targetBase == 2) f += leftHander ? -0.16 : 0.02;
        if (targetBase == 3) f += leftHander ? 0.02 : -0.16;
        return f;
    }
    if (p < 0.5 || p <= 0) return f - 0.68;
    return f - (1 - (0.567 - 1.987 * p + 2.34 * p * p) / p);
}

double FinalStealChance(double p, double factor) {
    return std::clamp(factor * p, 0.02, 0.98);
}

double StealHomeChance(int speed, bool pitchOut) {
    double p = speed / 10.0;
    return pitchOut ? p / 2 : p;
}

double SacrificeChance(const Player& batter, bool genuinePitcher, double leagueSingleRate) {
    double singles = batter.hits - batter.doubles - batter.triples - batter.homeRuns;
    double chances = batter.atBats + batter.walks;
    double q = 0;
    if (chances > 0 && leagueSingleRate > 0) {
        q = ((singles + batter.stolenBases - batter.caughtStealing) / chances) / leagueSingleRate;
    }
    q -= genuinePitcher ? 0.1 : 0.2;
    return std::clamp(q, 0.35, 0.85);
}

BuntHitOdds BuntHitPair(int speed) {
    if (speed < 4) return {0.13, 0.11};
    if (speed < 7) return {0.18, 0.13};
    if (speed < 9) return {0.23, 0.15};
    return {0.28, 0.17};
}

}  // namespace vrk
