#pragma once
// Walks and hit batsmen.

namespace vrk {

struct Game;

void ResolveWalk(Game& game);
void ResolveHitByPitch(Game& game);

}  // namespace vrk
