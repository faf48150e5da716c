#pragma once
// Texts about players that several steps of a game show.
#include <string>

namespace vrk {

struct Game;
struct Player;

std::string FatigueText(const Game& game);
// "First Last" from the roster's "Last, First".
std::string SpokenName(const Player& player);

}  // namespace vrk
