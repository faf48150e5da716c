// Exchanging two roster entries, before or during a game.
#include "managers/roster_swap.h"

#include <utility>

#include "data/player_swap.h"
#include "engine/fielding.h"
#include "engine/game.h"
#include "engine/matchup_rates.h"
#include "managers/bullpen_state.h"

namespace vrk {

namespace {

bool ValidEntry(int entry) {
    return entry >= 1 && entry <= kMaxRosterEntries;
}

// The entry number that follows a player across the swap of a and b. Met
// for every list item an exchange walks, seldom a match: straight-line, so
// the walk does not stop on a guessed branch.
int Follow(int entry, int a, int b) {
    const int moved = static_cast<int>(entry == a) | static_cast<int>(entry == b);
    return entry ^ ((a ^ b) & -moved);
}

// Same, keeping the sign that marks a runner charged to nobody's earned runs.
int FollowSigned(int entry, int a, int b) {
    return entry < 0 ? -Follow(-entry, a, b) : Follow(entry, a, b);
}

void Follow(TeamEntry& ref, int team, int a, int b) {
    if (ref.team == team) ref.entry = Follow(ref.entry, a, b);
}

template <typename Row>
void SwapCells(Row& row, int a, int b) {
    std::swap(row[a], row[b]);
}

}  // namespace

void swapEntries(Team& team, int a, int b) {
    if (a == b || !ValidEntry(a) || !ValidEntry(b)) return;
    Player& pa = team.player(a);
    Player& pb = team.player(b);
    // nameAsLoaded stays with the entry, like lineupPlayer.
    swapPlayerFigures(pa, pb);
    std::swap(pa.lineupPlayer, pb.lineupPlayer);
    pa.playerName.swap(pb.playerName);
}

void swapGameEntries(Game& game, BullpenState& bullpen, int team, int a, int b) {
    if (a == b || !ValidEntry(a) || !ValidEntry(b) || (team != kVisitors && team != kHome)) {
        return;
    }
    swapEntries(game.team(team), a, b);
    ++bullpen.entrySwaps[static_cast<std::size_t>(team)];

    std::size_t t = team;
    bullpen.exchangedAt[t][a] = bullpen.exchangedAt[t][b] = bullpen.entrySwaps[t];
    GameCounters& c = game.counters;
    SwapCells(c.batter[t], a, b);
    SwapCells(c.pitcher[t], a, b);
    SwapCells(c.fielder[t], a, b);
    GameState& s = game.state;
    SwapCells(s.outsRecorded[t], a, b);
    SwapCells(s.runnerStealAttempts[t], a, b);
    SwapCells(bullpen.usedInGame[t], a, b);
    SwapCells(bullpen.warmUp[t], a, b);
    SwapCells(game.pitchLimits.pitches[t], a, b);
    game.pitchLimits.lastUsual = {};
    // The entries' players changed places: their fielding is worked out anew.
    ForgetFieldingAverages(game, team, a, b);
    // Either side's matchups may name one of them (its batter or its pitcher).
    ExchangeMatchupEntries(game, team, a, b);

    s.currentPitcher[t] = Follow(s.currentPitcher[t], a, b);
    if (s.fieldingTeam == team) s.pitcher = Follow(s.pitcher, a, b);
    if (s.battingTeam == team) s.batter = Follow(s.batter, a, b);
    for (int k = 1; k <= s.pitchersUsed[t] && k < kRosterSize; ++k) {
        s.pitcherList[t][k] = Follow(s.pitcherList[t][k], a, b);
    }
    // Runners of the other team are charged to this team's pitchers.
    for (int& charged : s.responsiblePitcher[otherTeam(team)]) {
        charged = FollowSigned(charged, a, b);
    }
    Follow(s.winningPitcher, team, a, b);
    Follow(s.losingPitcher, team, a, b);
    Follow(s.savePitcher, team, a, b);
    Follow(s.firstSaveMark, team, a, b);
    Follow(s.secondSaveMark, team, a, b);

    TeamCounters& tc = c.of(team);
    for (auto& history : tc.slotHistory) {
        for (int i = 0; i < history.count; ++i) {
            int& entry = history.items[i].entry;
            entry = Follow(entry, a, b);
        }
    }
    for (int i = 0; i < tc.wildPitches.count; ++i) {
        int& entry = tc.wildPitches.items[i];
        entry = Follow(entry, a, b);
    }
    for (int i = 0; i < tc.passedBalls.count; ++i) {
        int& entry = tc.passedBalls.items[i];
        entry = Follow(entry, a, b);
    }
    // Hit batsmen are recorded by the fielding team as (batting team, batter).
    TeamCounters& other = c.of(otherTeam(team));
    for (int i = 0; i < other.hitByPitch.count; ++i) {
        Follow(other.hitByPitch.items[i], team, a, b);
    }
}

}  // namespace vrk
