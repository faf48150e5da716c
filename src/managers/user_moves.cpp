#include "managers/user_moves.h"

#include "engine/engine_helpers.h"
#include "managers/relief_selection.h"

namespace vrk {

void SetStrategyCall(StrategyFlags& f, StrategyCall call) {
    switch (call) {
        case StrategyCall::Steal:
            f.stealCall = true;
            f.buntCall = f.hitAndRunCall = false;
            break;
        case StrategyCall::Bunt:
            f.buntCall = true;
            f.stealCall = f.hitAndRunCall = false;
            break;
        case StrategyCall::HitAndRun:
            f.hitAndRunCall = true;
            f.stealCall = f.buntCall = false;
            break;
        case StrategyCall::IntentionalWalk:
            f.intentionalWalk = true;
            break;
        case StrategyCall::InfieldIn:
            f.infieldIn = true;
            break;
        case StrategyCall::PitchOut:
            f.pitchOut = true;
            break;
        case StrategyCall::PitchAround:
            f.pitchAround = true;
            break;
    }
}

std::vector<int> BenchEntries(const Game& game, int team) {
    std::vector<int> entries;
    const Team& roster = game.team(team);
    for (int e = kLineupSize + 1; e <= roster.playerCount && e <= kMaxRosterEntries; ++e)
        if (!roster.player(e).playerName.empty()) entries.push_back(e);
    return entries;
}

bool PitcherSlot(const Game& game, int team, int slot) {
    return game.team(team).player(slot).lineupPosition == kPitcher;
}

SubstituteRefusal CheckSubstitute(const Game& game, const BullpenState& bullpen, int team, int slot,
                                  int entry) {
    const Team& roster = game.team(team);
    if (entry <= kLineupSize) return SubstituteRefusal::AlreadyUsed;
    const bool pitcher = entry >= kFirstPitcherEntry && entry <= roster.lastPitcherEntry;
    if (bullpen.used(team, entry)) {
        return pitcher ? SubstituteRefusal::UsedAsPitcher : SubstituteRefusal::AlreadyUsed;
    }
    if (PitcherSlot(game, team, slot)) {
        // Someone must be left to pitch once the pitcher leaves, and it
        // cannot be the man who bats for him.
        BullpenState without = bullpen;
        without.markUsed(team, entry);
        if (FallbackReliever(game, without, team) == 0) return SubstituteRefusal::NoPitchersLeft;
    }
    return SubstituteRefusal::None;
}

std::vector<int> RunnerSlots(const GameState& s) {
    return {s.runnerOnFirst, s.runnerOnSecond, s.runnerOnThird};
}

void CallPinchHitter(StrategyFlags& f, int entry) {
    f.pinchHitCall = true;
    f.pinchHitter = entry;
}

void CallPinchRunner(StrategyFlags& f, int slot, int entry) {
    f.pinchRunCall = true;
    f.pinchRunner = entry;
    f.pinchRunnerSlot = slot;
}

}  // namespace vrk
