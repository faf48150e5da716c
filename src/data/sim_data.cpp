#include "data/sim_data.h"

#include <algorithm>

#include "core/text_fields.h"
#include "data/stats_schedule_day.h"

namespace vrk {

namespace {

// Numbers in message boxes carry the blank of their sign. Built by
// appending: GCC 12 at -O3 sees a false overlap in prepending (-Wrestrict).
std::string Signed(int n) {
    std::string out;
    if (n >= 0) out += ' ';
    out += std::to_string(n);
    return out;
}

void CopyBatting(SimStats& sim, const BattingRecord& b) {
    sim.games = b.games;
    sim.atBats = b.atBats.total;
    sim.hits = b.hits.total;
    sim.homeRuns = b.homeRuns.total;
    sim.runsBattedIn = b.runsBattedIn;
    sim.walks = b.walks.total;
    sim.strikeouts = b.strikeouts.total;
    sim.hitStreak = b.hitStreak;
}

void CopyPitching(SimStats& sim, const PitchingRecord& p) {
    sim.innings = p.inningsPitched();
    sim.wins = p.wins;
    sim.losses = p.losses;
    sim.saves = p.saves;
    sim.hitsAllowed = p.hits;
    sim.earnedRuns = p.earnedRuns;
    sim.walksAllowed = p.walks;
    sim.strikeoutsPitched = p.strikeouts;
}

void ClearPitching(SimStats& sim) {
    SimStats zero;
    sim.innings = zero.innings;
    sim.wins = sim.losses = sim.saves = 0;
    sim.hitsAllowed = sim.earnedRuns = sim.walksAllowed = sim.strikeoutsPitched = 0;
}

int RestDays(const PitchingRecord& p, std::optional<int> scheduleDay) {
    if (!scheduleDay) return p.restDaysNeeded;
    // A pitcher whose last outing was outside schedule play has no date to
    // count from: his stored need stands.
    int days = p.lastDayNumber > 0 ? DaysBetween(p.lastDayNumber, *scheduleDay) : 1;
    return std::clamp(p.restDaysNeeded + 1 - days, 0, 4);
}

}  // namespace

std::vector<std::string> LoadSIMData(Team& team, const BattingTable& batting,
                                     const PitchingTable& pitching,
                                     std::optional<int> scheduleDay) {
    std::vector<std::string> warnings;
    for (int p = 1; p <= kMaxRosterEntries; ++p) {
        const std::string& name = team.player(p).playerName;
        const int ref = team.player(p).lineupPlayer;
        if (p > team.lastPitcherEntry && name.empty()) break;
        if (ref < 1 || ref > kMaxRosterEntries) {
            warnings.push_back("Reference ptr out of bounds in LoadSIMData.|Ref:" + Signed(ref) +
                               " Max:" + Signed(kMaxRosterEntries) + "|" + name + " " +
                               std::string(trimRight(team.teamName)));
            continue;
        }
        Player& target = team.player(ref);
        PlayerKey key = MakePlayerKey(team.league, team.teamName, name);
        FindResult bat = batting.records.empty() ? FindResult{} : FindRecord(batting, key);
        SimStats sim;
        if (bat.record != 0) CopyBatting(sim, batting.at(bat.record));
        // Pitching figures belong to pitchers only; other entries keep theirs at 0.
        target.sim = sim;
        if (ref < kFirstPitcherEntry || ref > team.lastPitcherEntry) continue;
        if (ref > kLastPitcherLimit) {
            warnings.push_back("Reference ptr not in pitcher range.|Ref:" + Signed(ref));
            continue;
        }
        ClearPitching(target.sim);
        target.restDaysNeeded = 0;
        FindResult pit = pitching.records.empty() ? FindResult{} : FindRecord(pitching, key);
        if (pit.record == 0) continue;
        const PitchingRecord& rec = pitching.at(pit.record);
        CopyPitching(target.sim, rec);
        target.restDaysNeeded = RestDays(rec, scheduleDay);
    }
    return warnings;
}

std::vector<std::string> LoadSIMData(Team& team, const StatsSet& set,
                                     std::optional<int> scheduleDay) {
    if (!set.isOpen()) {
        BattingTable noBatting;
        PitchingTable noPitching;
        return LoadSIMData(team, noBatting, noPitching, scheduleDay);
    }
    return LoadSIMData(team, set.batting, set.pitching, scheduleDay);
}

}  // namespace vrk
