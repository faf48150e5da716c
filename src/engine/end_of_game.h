#pragma once
// What happens once the last out is made.

namespace vrk {

struct Game;

// Winner, save, the starter's win, highlights and the closing texts.
void FinishGame(Game& game);

}  // namespace vrk
