#pragma once
#include <cstdint>
#include <string_view>

namespace vrk {

struct Game;
struct BullpenState;

inline constexpr std::string_view kBullpenListHeader =
    "  Name              L/R   W  L  S  G  St   Inn  Hits   BB  SO  ERA";
inline constexpr std::string_view kBullpenFooter = "Dbl-click (or Enter) selection or ESC";

// Outcome of testing a user's pick on the bullpen screen, in the order the
// tests are made.
enum class BullpenVerdict {
    Enter,           // warm (or no warm-up rule): he comes in
    Used,            // has pitched in this game
    NeedsRest,       // ask; on Y call OverrideRest and test again
    InLineup,        // is or has been in the batting line-up
    PitchingNow,     // the current pitcher
    TwoThrowing,     // two others are already warming up
    StartsThrowing,  // call StartWarmUp; he is not in yet
    NotWarm,         // throwing but not ready
};

struct BullpenCheck {
    BullpenVerdict verdict = BullpenVerdict::Enter;
    std::string_view text;  // the message box text; empty for Enter
};

// Tests a pick without changing anything. Reminder mode is the bullpen opened
// after a pinch hitter batted for the pitcher.
BullpenCheck CheckBullpenChoice(const Game& game, const BullpenState& bullpen, int team, int entry,
                                bool reminderMode);

// The user answered Y to pitching him without rest: he pitches with a penalty.
void OverrideRest(Game& game, int team, int entry);

// He starts throwing: 12, or 10 in reminder mode.
void StartWarmUp(BullpenState& bullpen, int team, int entry, bool reminderMode);

// A pitcher who is or has been in the batting line-up (by entry or by name).
bool InBattingLineup(const Game& game, int team, int entry);
// The same, kept in the bullpen between substitutions (the managers' hot path).
bool InBattingLineup(const Game& game, const BullpenState& bullpen, int team, int entry);

// InBattingLineup for many entries of one team: brings the bullpen's mask up
// to date once. Valid while no substitution is made.
class LineupCheck {
  public:
    LineupCheck(const Game& game, const BullpenState& bullpen, int team);
    bool operator()(int entry) const;

  private:
    const Game& game_;
    int team_;
    bool byName_;
    std::uint64_t mask_ = 0;
};

}  // namespace vrk
