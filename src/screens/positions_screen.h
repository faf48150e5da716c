#pragma once

namespace vrk {

class Console;
struct Game;
struct BullpenState;

inline constexpr const char* kPositionsTitle = "Change DEFENSIVE POSITIONING in Current Lineup";
inline constexpr const char* kPositionsHeader =
    "  Name         Pos Gam  Avg  AB Hit HR Def Games@Pos";
inline constexpr const char* kPositionsPrompt =
    "Enter the player numbers whose POSITION you want to switch.";

// The fielding side's positions: two batting slots trade positions, as often
// as the user likes; a blank answer (or F3) leaves. True when any changed.
bool PositionsScreen(Console& console, Game& game, BullpenState& bullpen, int team);

}  // namespace vrk
