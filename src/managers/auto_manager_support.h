#pragma once
#include <cstdint>
// What every part of the computer manager works out the same way.
#include "engine/game.h"
#include "managers/auto_manager.h"

namespace vrk::automan {

// The situation of one call, from the fielding side's point of view where
// a lead is concerned.
struct Situation {
    int batting = 0;
    int fielding = 0;
    int runners = 0;
    int defensiveLead = 0;  // fielding score - batting score
    int offensiveLead = 0;
    int deficit = 0;     // of the batting side
    int leadRunner = 0;  // slot
    int nextSlot = 0;
    bool nextIsPitcherSlot = false;
    bool pitcherBatting = false;
    bool startOfInning = false;  // no one out, bases empty
};
Situation Read(const Game& game);

// The pieces of the turn on a situation already read: Manage reads it once
// for all of them (nothing they do moves the game on).
void InfieldAndPitchOut(Game& game, AutoManagerContext& context, const Situation& x);
void Walks(Game& game, AutoManagerContext& context, const Situation& x);
bool PitchingChange(Game& game, AutoManagerContext& context, const Situation& x);
bool PinchHitter(Game& game, AutoManagerContext& context, const Situation& x);
bool RunningPlay(Game& game, AutoManagerContext& context, const Situation& x);
void PinchRunner(Game& game, AutoManagerContext& context, const Situation& x);

// The team's pitcher holds this slot and bats in it himself.
bool PitcherBatsInSlot(const Game& game, int team, int slot);
// The slot of a team's line-up that is the pitcher's (0 with a DH).
int PitcherSlot(const Game& game, int team);
// Pitchers the bullpen could still bring in for the team, counted up to
// `limit` (the rules only ask whether there are none, or more than two).
int AvailableRelievers(const Game& game, const BullpenState& bullpen, int team,
                       int limit = kRosterSize);
// Largest season saves among the team's pitchers.
int BestSaves(const Game& game, int team);
// The pitch limit of the team's current pitcher times its allowance.
double AllowedPitches(const Game& game, const BullpenState& bullpen, int team);
// Runs charged to a pitcher in this game; outs he recorded. Read on every
// look at the pitcher: inline, so the look pays no call for a load.
inline int RunsAllowed(const Game& game, int team, int entry) {
    return game.counters.pitcher[team][entry].runs;
}
inline int OutsRecorded(const Game& game, int team, int entry) {
    return game.state.outsRecorded[team][entry];
}
inline bool StarterStillIn(const Game& game, int team) {
    return game.state.pitchersUsed[team] <= 1;
}
// The closer rules of a team that may have one: APS, saves, a deep staff.
bool HasCloser(const Game& game, const BullpenState& bullpen, int team);
// A bench player (after the staff) with a name who has not played yet.
bool FreshBenchPlayer(const Game& game, const BullpenState& bullpen, int team, int entry);
// The entries that have pitched for a team this game, one bit each, so a
// walk over the bench asks the pitcher list once rather than per player.
std::uint64_t PitchedEntries(const Game& game, int team);
bool FreshBenchPlayer(const Game& game, const BullpenState& bullpen, int team, int entry,
                      std::uint64_t pitched);
bool PlayDelayOn(const Game& game);

}  // namespace vrk::automan
