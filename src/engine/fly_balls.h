#pragma once

namespace vrk {

struct Game;

// A ball in the air to `currentFielder` (pop-up, line drive, fly, infield
// fly, catch or error). It credits the pitcher's outs itself.
void ResolveAirBall(Game& game);
// After a ball in the air is caught: line-drive double plays, tag-ups, the
// sacrifice fly. The caller credits the catch to the pitcher's outs.
void ResolveFlyOut(Game& game, bool lineDriveWithRunners, bool deep);
// The runner on third tags and scores.
void ResolveSacrificeFly(Game& game);
// The runner on third tags and is thrown out at home.
void ResolveOutAtPlate(Game& game);

// Chance in [0, 1] that a runner tagging from third on a fly that is not
// deep is thrown out (on a deep one he scores by himself).
double TagFromThirdOutChance(int speed);
// Chance that a runner tagging from second on a deep fly is thrown out at
// third (on a shorter one he stays).
double TagFromSecondOutChance(int speed);

}  // namespace vrk
