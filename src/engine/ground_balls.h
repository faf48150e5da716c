#pragma once
// Ground balls fielded cleanly.

namespace vrk {

struct Game;

// A ground ball fielded cleanly by `currentFielder`; `playResult` holds the
// fielder's number on entry. The caller adds one to the pitcher's
// outsRecorded afterwards; the handler takes one back where no out was made.
void ResolveGroundBall(Game& game);

}  // namespace vrk
