#pragma once

namespace vrk {

struct Game;
struct BullpenState;
struct Player;

// Gives the pitcher's batting slot the batting figures of the pitcher who
// takes it: his own batting line, or one generated from his batting grade.
void SetPitcherBattingFigures(Player& slot, const Player& pitcher, class Rng& rng);

// The managers' part of a pitcher's entry, once the game state names him as
// the team's current pitcher and last of its list (the engine's
// BringInPitcher does that): used, allowance, warm-up cleared, the pitcher's
// batting slot, the outgoing pitcher's batting back on his own entry, the
// announcement and the save marks. The outgoing pitcher is the one before him
// in the list. A fielder moved to the mound (`fromTheField`) keeps his own
// batting slot and figures.
void CompletePitcherEntry(Game& game, BullpenState& bullpen, int team, bool fromTheField = false);

// The whole entry: current pitcher, pitchers used and their list, pitch
// count, then CompletePitcherEntry.
void EnterPitcher(Game& game, BullpenState& bullpen, int team, int entry);

}  // namespace vrk
