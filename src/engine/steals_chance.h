#pragma once
// The odds of steals and bunts.

namespace vrk {

struct Player;
struct Team;

// A line-up player who is the team's pitcher batting (not a position player
// who took the pitcher's slot): position 1 and no fielding position of his own.
bool IsPitcherLine(const Player& player);

// Caught stealing counted for a runner: his own figure when any non-pitcher
// in the line-up has one, else an estimate from his stolen bases (a club
// whose file has the column but not the figures, as old seasons do).
double RunnerCaughtStealing(const Team& team, const Player& runner);

// Success chance of a stealer before the pitch-out and hand factor: from the
// speed rating when the team has no steal columns, else from his stolen bases
// and caught stealing (estimated when no line-up regular has any).
double StealSuccessChance(const Team& team, const Player& runner, bool runnerIsPitcher);
// Factor on that chance for a steal of `targetBase` (2 or 3) against a
// pitcher throwing with `pitcherHand`, or against a pitch-out.
double StealFactor(double p, bool pitchOut, int targetBase, char pitcherHand);
// f x p kept within 0.02 .. 0.98.
double FinalStealChance(double p, double factor);
// Chance that a steal of home works (compared with draw + handicap).
double StealHomeChance(int speed, bool pitchOut);
inline constexpr double kStealHomeHandicap = 0.48;
inline constexpr double kDoubleStealHomeHandicap = 0.28;

// Chance that a sacrifice (or squeeze) bunt does its job.
double SacrificeChance(const Player& batter, bool genuinePitcher, double leagueSingleRate);
// The (a, b) pair of a bunt for a hit by the batter's speed; the hit comes
// with a draw below a - b (b is 0 with the bases empty).
struct BuntHitOdds {
    double a = 0;
    double b = 0;
};
BuntHitOdds BuntHitPair(int speed);

}  // namespace vrk
