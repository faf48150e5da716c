#pragma once
// A pitcher's expected pitches in a game, the measure of his stamina.
#include "engine/game.h"

namespace vrk {

// The factor by which a staff that seldom went to its bullpen lets its
// pitchers go longer than their lines' usual outings; 1 for any other.
double DeadballStretch(const Game& game, int team);

// Pitches the pitcher at the entry is expected to throw in a game for the team.
int ExpectedPitchesPerGame(const Game& game, int pitcherEntry, int team);

// His expected pitches without the dead-ball stretch: the outing his real line
// holds, which the fatigue term measures his pitch count against.
double UsualOuting(const Game& game, int pitcherEntry, int team);

}  // namespace vrk
