#include "managers/auto_manager_support.h"

#include <algorithm>
#include <cstdlib>

#include "engine/engine_helpers.h"
#include "engine/expected_pitches.h"
#include "managers/bullpen_checks.h"
#include "managers/bullpen_state.h"
#include "managers/relief_selection.h"

namespace vrk::automan {

bool PitcherBatsInSlot(const Game& game, int team, int slot) {
    if (game.options.designatedHitter || slot < 1 || slot > kLineupSize) return false;
    const Team& t = game.team(team);
    if (t.player(slot).lineupPosition != kPitcher) return false;
    const Player& p = t.player(SlotPlayer(game, team, slot));
    for (std::size_t k = 1; k < p.positionCode.size(); ++k) {
        if (p.positionCode[k] > kPitcher) return false;
    }
    return true;
}

int PitcherSlot(const Game& game, int team) {
    if (game.options.designatedHitter) return 0;
    for (int slot = 1; slot <= kLineupSize; ++slot) {
        if (game.team(team).player(slot).lineupPosition == kPitcher) return slot;
    }
    return 0;
}

Situation Read(const Game& game) {
    const GameState& s = game.state;
    Situation x;
    x.batting = s.battingTeam;
    x.fielding = s.fieldingTeam;
    x.runners = s.runnersOn();
    x.defensiveLead = s.score[x.fielding] - s.score[x.batting];
    x.offensiveLead = -x.defensiveLead;
    x.deficit = x.defensiveLead;
    x.leadRunner = s.runnerOnThird    ? s.runnerOnThird
                   : s.runnerOnSecond ? s.runnerOnSecond
                                      : s.runnerOnFirst;
    x.nextSlot = s.currentBatterSlot % kLineupSize + 1;
    x.nextIsPitcherSlot = !game.options.designatedHitter &&
                          game.team(x.batting).player(x.nextSlot).lineupPosition == kPitcher;
    x.pitcherBatting = PitcherBatsInSlot(game, x.batting, s.currentBatterSlot);
    x.startOfInning = s.outs == 0 && s.basesEmpty();
    return x;
}

int AvailableRelievers(const Game& game, const BullpenState& bullpen, int team, int limit) {
    const Team& t = game.team(team);
    int last = std::min(t.lastPitcherEntry, kLastPitcherLimit);
    int count = 0;
    const LineupCheck inLineup(game, bullpen, team);
    for (int e = kFirstPitcherEntry; e <= last && count < limit; ++e) {
        if (e == game.state.currentPitcher[team]) continue;
        if (t.player(e).playerName.empty()) continue;
        if (EligibleReliever(game, bullpen, inLineup, team, e)) ++count;
    }
    return count;
}

int BestSaves(const Game& game, int team) {
    const Team& t = game.team(team);
    int last = std::min(t.lastPitcherEntry, kLastPitcherLimit);
    int best = 0;
    for (int e = kFirstPitcherEntry; e <= last; ++e)
        best = std::max(best, t.player(e).pitching.saves);
    return best;
}

double AllowedPitches(const Game& game, const BullpenState& bullpen, int team) {
    int pitcher = game.state.currentPitcher[team];
    return bullpen.allowance[team] * ExpectedPitchesPerGame(game, pitcher, team);
}

bool HasCloser(const Game& game, const BullpenState& bullpen, int team) {
    const Team& t = game.team(team);
    // The staff's saves last: the walk over it is the costly test, so its
    // answer is kept until entries are exchanged.
    if (!(t.appearancesPerStart > 2.1) || t.lastPitcherEntry <= 16 || bullpen.closerUsed[team]) {
        return false;
    }
    BullpenState::StaffSaves& kept = bullpen.staffSaves[static_cast<std::size_t>(team)];
    if (kept.swaps != bullpen.swaps(team)) kept = {BestSaves(game, team), bullpen.swaps(team)};
    return kept.best > 9;
}

std::uint64_t PitchedEntries(const Game& game, int team) {
    const GameState& s = game.state;
    std::uint64_t pitched = 0;
    for (int k = 1; k <= s.pitchersUsed[team] && k < kRosterSize; ++k) {
        const int entry = s.pitcherList[team][k];
        if (entry >= 0 && entry < 64) pitched |= std::uint64_t{1} << entry;
    }
    return pitched;
}

bool FreshBenchPlayer(const Game& game, const BullpenState& bullpen, int team, int entry,
                      std::uint64_t pitched) {
    const Team& t = game.team(team);
    if (entry <= t.lastPitcherEntry || entry > std::min(t.playerCount, kMaxRosterEntries)) {
        return false;
    }
    if (t.player(entry).playerName.empty() || bullpen.used(team, entry)) return false;
    return ((pitched >> entry) & 1U) == 0;
}

bool FreshBenchPlayer(const Game& game, const BullpenState& bullpen, int team, int entry) {
    return FreshBenchPlayer(game, bullpen, team, entry, PitchedEntries(game, team));
}

bool PlayDelayOn(const Game& game) {
    return game.displayed() && game.state.display.playDelay != 0;
}

}  // namespace vrk::automan
