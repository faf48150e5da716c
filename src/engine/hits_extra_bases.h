#pragma once
// Doubles, triples and home runs.

namespace vrk {

struct Game;

// `hitType` is set by the caller. After a fielding error (`errorOnPlay`,
// `precedingError`) the double handler puts the batter on without crediting a
// hit. ResolveHomeRun reads insideTheParkHomeRun.
void ResolveDouble(Game& game);
void ResolveTriple(Game& game);
void ResolveHomeRun(Game& game);

// The outfielder who retrieves a double, triple or home run.
int ExtraBaseHitFielder(Game& game);
// The two description lines of a double, triple or inside-the-park home run.
void DescribeExtraBaseHit(Game& game, int fielder);

}  // namespace vrk
