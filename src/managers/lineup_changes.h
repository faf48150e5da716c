#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "data/team.h"
#include "engine/game.h"
#include "managers/bullpen_state.h"

namespace vrk {

// What the line-up screen allows at the moment it is open.
enum class LineupStage {
    BeforeGame,    // the batting order and the starting players may change
    InField,       // during the game, the side in the field: substitutions
    DoubleSwitch,  // right after a pitching change: substitutions, and the
                   // new pitcher may trade batting places with a player
                   // brought in on this screen
    ViewOnly,      // looking: no changes
};

// Why a swap on the line-up screen was not made (None: it was).
enum class LineupRefusal {
    None,
    Nothing,            // both numbers name bench players, or the same player
    OutOfRange,         // a number outside the list
    BattingOrderFixed,  // two batters trading places during the game
    ViewOnly,
    SentToShowers,  // the bench player has already left the game
    UsedPitcher,    // the bench player has pitched in this game
    UseBullpen,     // a change of pitcher belongs to the bullpen
};

inline constexpr std::string_view kOutOfRange = " Out of range! ";
inline constexpr std::string_view kBattingOrderFixed =
    " Can't change the batting order after the game starts! ";
inline constexpr std::string_view kNotAfterStart =
    " Sorry. Can't use this feature after the game has started. ";
inline constexpr std::string_view kSentToShowers =
    " You already sent that player to the showers. Try again. ";
inline constexpr std::string_view kUsedPitcherOnBench =
    " The bench player seems to be a used pitcher. Try again. ";
inline constexpr std::string_view kUseBullpen = " Select [Bullpen] option to change pitchers! ";
inline constexpr std::string_view kViewOnly =
    " Substitutions are made while your team is in the field. ";
inline constexpr std::string_view kDoubleSwitchQuestion =
    "Want to Double-Switch with the new pitcher? [y/N]";

// The message box text of a refusal ("" for None and Nothing).
std::string_view LineupRefusalText(LineupRefusal refusal);

// The entries the line-up screen numbers: the nine batters in order, then
// every other player of the roster (pitching staff and bench).
std::vector<int> LineupScreenEntries(const Team& team);

// Position letters: "P", "C", "1B" ... "DH"; "" for none.
std::string_view PositionText(int position);

// Before the game: swaps the two numbered players of the list (1-based).
// Two batters trade batting places; a bench player takes a batter's place
// and position. The pitcher's place and the staff are the starter screen's.
LineupRefusal SwapBeforeGame(Team& team, int first, int second);

// The players a line-up screen session has brought in (by slot), so that a
// double switch can only move the new pitcher into a place just filled.
struct LineupSession {
    LineupStage stage = LineupStage::ViewOnly;
    int reliever = 0;  // the new pitcher of a double switch (staff entry)
    std::vector<int> filledSlots;
    bool switched = false;  // the new pitcher moved in the batting order
};

// During the game, for `team` (in the field): a bench player replaces a
// batter (score card "[SUB]"), or, in a double switch, the pitcher's
// batting place is traded with a place just filled (score card "[DBL-SW]").
LineupRefusal SwapDuringGame(Game& game, BullpenState& bullpen, int team, LineupSession& session,
                             int first, int second);

// A bench player takes over batting slot `slot` and its position.
void SubstituteInSlot(Game& game, BullpenState& bullpen, int team, int slot, int entry);

// The new pitcher's batting line trades places with slot `slot`, whose
// player took the field for the departing batter: he bats there now.
void MovePitcherToSlot(Game& game, BullpenState& bullpen, int team, int reliever, int slot);

// The defensive-positions switch of two batting slots (1..9).
struct PositionSwitch {
    bool made = false;
    std::string refusal;  // shown when not made and not empty ("X can't pitch. ")
};
PositionSwitch SwitchPositions(Game& game, BullpenState& bullpen, int team, int first, int second);

}  // namespace vrk
