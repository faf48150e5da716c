#pragma once
// A pitcher's expected pitches in a game, the measure of his stamina.
#include "engine/game.h"

namespace vrk {

// Pitches the pitcher at the entry is expected to throw in a game for the team.
int ExpectedPitchesPerGame(const Game& game, int pitcherEntry, int team);

}  // namespace vrk
