#pragma once

namespace vrk {

struct Game;
struct Player;
struct Team;
class ErrorSink;

double OnBasePlusSlugging(const Player& p);
double OnBasePercentage(const Player& p);
double StealRate(const Player& p);

// Orders batting slots 1..9 by the team's option: 'Y' optimize, 'C' optimize
// when the line-up was changed for this game (`lineupChanged`, e.g. by
// AUTOLINEUP), 'F' restore the team file's order, anything else leave it.
// Without a designated hitter the pitcher bats ninth whenever the order is
// touched.
void BattingOrder(Team& team, char option, bool designatedHitter, bool lineupChanged,
                  ErrorSink& errors);

// The same for a team of a game, from its options.
void BattingOrder(Game& game, int team, char option, bool lineupChanged);

}  // namespace vrk
