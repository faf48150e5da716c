#pragma once
// One pass of the plate-appearance loop.

namespace vrk {

struct Game;

// A pitch-level event or a whole plate appearance, then the tail.
void PlayPass(Game& game);

}  // namespace vrk
