#pragma once
#include <span>
#include <string_view>

namespace vrk {

struct Player;
struct Team;
struct RotationTable;

// The starter and rotation list screens, without the screens themselves.
inline constexpr std::string_view kStarterTitle = "Select Starting Pitcher for '";
inline constexpr std::string_view kStarterFooter = "Dbl-click (or Enter) selection or ESC to Abort";
inline constexpr std::string_view kStarterFooterNoEscape = "Dbl-click (or Enter) selection";
inline constexpr std::string_view kRotationTitle = "Select Pitching Rotation for '";
inline constexpr std::string_view kRotationFooter =
    "Dbl-click (or Enter) selection -- ESC When Done";
inline constexpr std::string_view kStarterListHeader =
    "  Name              L/R   W  L  G  St  Inn Hits  BB  SO  ERA";
inline constexpr std::string_view kDayOffWarning = " That pitcher seems to have the day off. | ";
inline constexpr std::string_view kDayOffQuestion = "Start this pitcher anyway? [Y/n] ";

// Whether picking him must be confirmed with kDayOffQuestion.
bool StarterNeedsDayOffQuestion(const Player& pitcher, bool daysOffRule);
// "N" rejects the pick; any other answer accepts it.
bool StarterAnswerAccepts(char answer);

// The rotation the user picked on the list screen: the picks in the order
// made become positions 1..5 (later picks, repeats and entries outside the
// staff are ignored), the other positions are emptied and the turn starts
// over. Creates the team's record when needed; false when the list is full.
bool SetRotationFromPicks(RotationTable& table, const Team& team, std::span<const int> picks,
                          bool spotStarters);

}  // namespace vrk
