#pragma once

namespace vrk {

struct Game;

// Balls in play and hits, called by the outcome model.
//
// ResolveGroundBall: a ground ball fielded cleanly by `currentFielder`;
// `playResult` holds the fielder's number on entry. The caller adds one to the
// pitcher's outsRecorded afterwards; the handler takes one back where no out
// was made.
void ResolveGroundBall(Game& game);
// ResolveAirBall: a ball in the air to `currentFielder` (pop-up, line drive,
// fly, infield fly, catch or error). It credits the pitcher's outs itself.
void ResolveAirBall(Game& game);
// Hits; `hitType` is set by the caller. After a fielding error
// (`errorOnPlay`, `precedingError`) the single and double handlers put the
// batter on without crediting a hit. ResolveHomeRun reads insideTheParkHomeRun.
void ResolveSingle(Game& game);
void ResolveDouble(Game& game);
void ResolveTriple(Game& game);
void ResolveHomeRun(Game& game);

}  // namespace vrk
