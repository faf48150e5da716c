// A new pitcher comes in, and whether the computer pairs it with a double switch.
#include "engine/pitching_change.h"
#include "engine/engine_helpers.h"
#include "engine/expected_pitches.h"
#include "engine/game.h"

namespace vrk {

void BringInPitcher(Game& game, int team, int entry) {
    GameState& s = game.state;
    std::size_t t = static_cast<std::size_t>(team);
    s.currentPitcher[t] = entry;
    if (team == s.fieldingTeam) s.pitcher = entry;
    if (s.pitchersUsed[t] < kMaxRosterEntries) {
        ++s.pitchersUsed[t];
        s.pitcherList[t][static_cast<std::size_t>(s.pitchersUsed[t])] = entry;
    }
    s.pitchCount[t] = 0;
    int slot = 0;
    for (int k = 1; k <= kLineupSize; ++k) {
        if (game.team(team).player(k).lineupPosition == kPitcher) slot = k;
    }
    if (slot != 0) {
        game.counters.of(team).slotHistory[static_cast<std::size_t>(slot)].push({entry, kPitcher});
    }
    WriteScoreCard(game, otherTeam(team), entry, 'A', "[Relief] ");
}

bool WantsDoubleSwitch(Game& game, int reliever) {
    const GameState& s = game.state;
    int ft = s.fieldingTeam;
    if (s.display.userManaged[static_cast<std::size_t>(ft)] || game.config.noDoubleSwitch ||
        game.options.designatedHitter) {
        return false;
    }
    int expected = ExpectedPitchesPerGame(game, reliever, ft);
    if (s.inning == 9 && s.outs == 0 && expected < 22) return false;
    if (expected > 32) return true;
    return game.rng.chance(0.5);
}

}  // namespace vrk
