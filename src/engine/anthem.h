#pragma once
// Which national anthems open a game.
#include <string_view>

namespace vrk {

struct Game;

bool IsCanadianTeam(std::string_view teamName);
// The anthem files of a game in the order they are played.
int AnthemOrder(const Game& game, std::string_view (&files)[2]);

}  // namespace vrk
