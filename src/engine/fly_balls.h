#pragma once

namespace vrk {

struct Game;

// After a ball in the air is caught: line-drive double plays, tag-ups, the
// sacrifice fly. The caller credits the catch to the pitcher's outs.
void ResolveFlyOut(Game& game, bool lineDriveWithRunners, bool deep);
// The runner on third tags and scores.
void ResolveSacrificeFly(Game& game);
// The runner on third tags and is thrown out at home.
void ResolveOutAtPlate(Game& game);

// Chance in [0, 1] that a runner tagging from third is thrown out.
double TagFromThirdOutChance(int speed, bool shallow);
// Chance that a runner tagging from second is thrown out at third; depth class
// 1 for a deep fly, 2 otherwise.
double TagFromSecondOutChance(int speed, int depthClass);

}  // namespace vrk
