#pragma once

namespace vrk {

struct Game;
struct BullpenState;

// The pitch-count allowance of a pitcher who has just entered: a starter's
// (pitchersUsed 1) follows a bell curve around the team's workload, a
// reliever's shrinks as the game goes on. Stored in bullpen.allowance[team].
double Allowance(Game& game, BullpenState& bullpen, int team);

}  // namespace vrk
