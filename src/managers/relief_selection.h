#pragma once
#include <array>
#include <string_view>

namespace vrk {

struct Game;
struct GameState;
struct BullpenState;
class LineupCheck;
struct RotationTable;
class Rng;

inline constexpr int kMaxReliefCandidates = 25;

// The weighted list of one selection; weights add up to 1.
struct ReliefCandidates {
    std::array<double, kMaxReliefCandidates> weights{};
    std::array<int, kMaxReliefCandidates> entries{};
    int count = 0;
    int top = 0;     // general relief: the top reliever, redrawn now and then; 0 = none
    int leader = 0;  // closers: the leader in saves; 0 = none

    bool push(int entry, double weight) {
        if (count >= kMaxReliefCandidates) return false;
        entries[static_cast<std::size_t>(count)] = entry;
        weights[static_cast<std::size_t>(count)] = weight;
        ++count;
        return true;
    }
};

// Whether the team's lead, the inning, the outs and the runners call for
// the closer.
bool CloserSituation(const GameState& state, int team, bool strictCloserRule);

// Who the computer may not bring in: team pitchers appearing in the batting
// line-up, and (for general relief) rotation starters unless
// STARTERS-MAY-RELIEVE is on and the team uses spot starters.
bool ExcludedFromRelief(const Game& game, const BullpenState& bullpen, int team, int entry);
bool BarredAsRotationStarter(const Game& game, const RotationTable* rotations, int team, int entry);
// Not used, rested (or DAYS-OFF-RULE off) and not excluded.
bool EligibleReliever(const Game& game, const BullpenState& bullpen, int team, int entry);
// The same with the team's line-up check made once for a list of pitchers.
bool EligibleReliever(const Game& game, const BullpenState& bullpen, const LineupCheck& inLineup,
                      int team, int entry);

ReliefCandidates CloserCandidates(const Game& game, const BullpenState& bullpen, int team);
ReliefCandidates GeneralRelievers(const Game& game, const BullpenState& bullpen,
                                  const RotationTable* rotations, int team);
// One weighted draw; the top reliever from the 7th inning on is redrawn once
// with probability 0.25. 0 when the list is empty.
int DrawReliever(const ReliefCandidates& candidates, int inning, Rng& rng);
// Entry 15, else the highest-numbered pitcher not used and not excluded;
// rest is not considered. 0 when nobody is left.
int FallbackReliever(const Game& game, const BullpenState& bullpen, int team);

inline constexpr std::string_view kCloserOutOfPitchers = "Bullpen Error-Closer: Out of Pitchers";
inline constexpr std::string_view kGeneralOutOfPitchers = "Bullpen Error-General: Out of Pitchers";
inline constexpr std::string_view kAutoManagerOutOfPitchers = "AutoManager is out of pitchers!";

// The computer's reliever for a team (the outgoing pitcher is marked used).
// Sets closerUsed when the closer comes in. When nobody is left it reports
// the bullpen error with the team's file name and returns 0.
int AutoSelectReliever(Game& game, BullpenState& bullpen, const RotationTable* rotations, int team);

// What the game loop calls for a computer-managed team: AutoSelectReliever,
// and when nobody is left kAutoManagerOutOfPitchers is reported as well and
// 0 returned (the current pitcher stays in).
int ComputerBullpen(Game& game, BullpenState& bullpen, const RotationTable* rotations, int team);

}  // namespace vrk
