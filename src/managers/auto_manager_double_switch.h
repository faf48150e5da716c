#pragma once

namespace vrk {

struct Game;
struct BullpenState;

// The computer's double switch for the fielding team right after `reliever`
// came in: when the pitcher's slot is due up within three batters, a fresh
// bench player takes the field for one of the three most recent batters and
// bats in the pitcher's slot, and the pitcher bats where that batter did.
// True when one was made.
bool DoubleSwitch(Game& game, BullpenState& bullpen, int team, int reliever);

// What a player is worth in the switch: total bases per at-bat plus his
// on-base rate from hits and walks.
double DoubleSwitchValue(int atBats, int hits, int doubles, int triples, int homeRuns, int walks);

}  // namespace vrk
