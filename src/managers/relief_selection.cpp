// The computer's choice of a reliever: closer, general reliever, fallback.
#include "managers/relief_selection.h"

#include <algorithm>

#include "core/rng.h"
#include "engine/game.h"
#include "managers/bullpen_checks.h"
#include "managers/bullpen_state.h"
#include "managers/rotation.h"

namespace vrk {

namespace {

int LastStaffEntry(const Game& game, int team) {
    return std::min(game.team(team).lastPitcherEntry, kLastPitcherLimit);
}

void Normalize(ReliefCandidates& c) {
    double total = 0;
    for (int i = 0; i < c.count; ++i) total += c.weights[static_cast<std::size_t>(i)];
    for (int i = 0; i < c.count; ++i) {
        double& w = c.weights[static_cast<std::size_t>(i)];
        w = total > 0 ? w / total : 1.0 / c.count;
    }
}

int Draw(const ReliefCandidates& c, Rng& rng) {
    std::size_t i = rng.weightedChoice(
        std::span<const double>(c.weights.data(), static_cast<std::size_t>(c.count)));
    return c.entries[i];
}

}  // namespace

bool CloserSituation(const GameState& s, int team, bool strictCloserRule) {
    std::size_t t = static_cast<std::size_t>(team);
    int lead = s.score[t] - s.score[static_cast<std::size_t>(otherTeam(team))];
    if (lead < 0 || lead > 3) return false;
    if (strictCloserRule) return s.inning >= 9 && lead >= 1;
    return s.inning >= 9 || (s.inning == 8 && (s.outs >= 1 || s.runnersOn() >= 1));
}

bool ExcludedFromRelief(const Game& game, const BullpenState& bullpen, int team, int entry) {
    return InBattingLineup(game, bullpen, team, entry);
}

namespace {

const RotationRecord* RotationOf(const Game& game, const RotationTable* rotations, int team) {
    return rotations == nullptr ? nullptr : rotations->find(game.team(team).teamFileName);
}

bool BarredBy(const Game& game, const RotationRecord* record, int entry) {
    if (record == nullptr) return false;
    if (game.config.startersMayRelieve && record->spotStarterMark != ' ') return false;
    for (int k = 1; k <= 5; ++k) {
        if (record->starters[static_cast<std::size_t>(k)] == entry) return true;
    }
    return false;
}

}  // namespace

bool BarredAsRotationStarter(const Game& game, const RotationTable* rotations, int team,
                             int entry) {
    return BarredBy(game, RotationOf(game, rotations, team), entry);
}

bool EligibleReliever(const Game& game, const BullpenState& bullpen, const LineupCheck& inLineup,
                      int team, int entry) {
    if (bullpen.used(team, entry)) return false;
    if (game.config.daysOffRule && game.team(team).player(entry).restDaysNeeded != 0) {
        return false;
    }
    return !inLineup(entry);
}

bool EligibleReliever(const Game& game, const BullpenState& bullpen, int team, int entry) {
    return EligibleReliever(game, bullpen, LineupCheck(game, bullpen, team), team, entry);
}

ReliefCandidates CloserCandidates(const Game& game, const BullpenState& bullpen, int team) {
    const Team& t = game.team(team);
    ReliefCandidates c;
    int last = LastStaffEntry(game, team);
    if (!t.savesData) {
        int closer = std::min(t.lastPitcherEntry, 15);
        if (closer >= kFirstPitcherEntry && closer <= last &&
            EligibleReliever(game, bullpen, team, closer)) {
            c.push(closer, 1.0);
            c.leader = closer;
        }
        return c;
    }
    int first = t.lastPitcherEntry < 15 ? 10 : (t.lastPitcherEntry < 18 ? 14 : 15);
    int leaderSaves = 0;
    const LineupCheck inLineup(game, bullpen, team);
    for (int e = first; e <= last; ++e) {
        int saves = t.player(e).pitching.saves;
        if (saves <= 0 || !EligibleReliever(game, bullpen, inLineup, team, e)) continue;
        if (!c.push(e, saves)) break;
        if (saves > leaderSaves) {
            leaderSaves = saves;
            c.leader = e;
        }
    }
    // Each candidate's share of the candidates' saves: the leader gets his
    // share and the others theirs, so the weights add up to 1.
    Normalize(c);
    return c;
}

ReliefCandidates GeneralRelievers(const Game& game, const BullpenState& bullpen,
                                  const RotationTable* rotations, int team) {
    const Team& t = game.team(team);
    ReliefCandidates c;
    int last = LastStaffEntry(game, team);
    const RotationRecord* record = RotationOf(game, rotations, team);
    const LineupCheck inLineup(game, bullpen, team);
    auto usable = [&](int e) {
        return EligibleReliever(game, bullpen, inLineup, team, e) && !BarredBy(game, record, e);
    };
    if (t.savesData) {
        double topWeight = 0;
        for (int e = kFirstPitcherEntry; e <= last; ++e) {
            const Player& p = t.player(e);
            int reliefGames = p.pitching.games - p.pitching.gamesStarted;
            if (reliefGames <= 0 || !usable(e)) continue;
            if (static_cast<double>(p.pitching.saves) / reliefGames >= 0.2) continue;
            double weight =
                p.pitching.gamesStarted >= p.pitching.games / 2
                    ? 2.0 * reliefGames
                    : static_cast<double>(p.pitching.inningsPitched - 6 * p.pitching.gamesStarted);
            if (weight <= 0) continue;
            if (!c.push(e, weight)) break;
            if (weight > topWeight) {
                topWeight = weight;
                c.top = e;
            }
        }
    } else {
        int first =
            t.lastPitcherEntry < 15 ? t.lastPitcherEntry : (t.lastPitcherEntry == 15 ? 14 : 16);
        for (int e = std::max(first, kFirstPitcherEntry); e <= last; ++e) {
            if (e == 15 || !usable(e)) continue;
            if (!c.push(e, std::max(t.player(e).pitching.inningsPitched, 0))) break;
        }
    }
    Normalize(c);
    return c;
}

int DrawReliever(const ReliefCandidates& c, int inning, Rng& rng) {
    if (c.count == 0) return 0;
    if (c.count == 1) return c.entries[0];
    int pick = Draw(c, rng);
    if (pick == c.top && inning >= 7 && rng.chance(0.25)) pick = Draw(c, rng);
    return pick;
}

int FallbackReliever(const Game& game, const BullpenState& bullpen, int team) {
    int last = LastStaffEntry(game, team);
    const LineupCheck inLineup(game, bullpen, team);
    auto open = [&](int e) { return !bullpen.used(team, e) && !inLineup(e); };
    if (game.team(team).lastPitcherEntry > 14 && last >= 15 && open(15)) return 15;
    for (int e = last; e >= kFirstPitcherEntry; --e) {
        if (open(e)) return e;
    }
    return 0;
}

int AutoSelectReliever(Game& game, BullpenState& bullpen, const RotationTable* rotations,
                       int team) {
    const GameState& s = game.state;
    int outgoing = s.currentPitcher[static_cast<std::size_t>(team)];
    if (outgoing > 0) bullpen.markUsed(team, outgoing);

    bool closerCall = CloserSituation(s, team, game.config.strictCloserRule);
    if (closerCall) {
        int closer = DrawReliever(CloserCandidates(game, bullpen, team), s.inning, game.rng);
        if (closer != 0) {
            bullpen.closerUsed[static_cast<std::size_t>(team)] = true;
            return closer;
        }
    }
    int reliever =
        DrawReliever(GeneralRelievers(game, bullpen, rotations, team), s.inning, game.rng);
    if (reliever == 0) reliever = FallbackReliever(game, bullpen, team);
    if (reliever == 0) {
        game.errors->fault(closerCall ? kCloserOutOfPitchers : kGeneralOutOfPitchers,
                           game.team(team).teamFileName);
    }
    return reliever;
}

int ComputerBullpen(Game& game, BullpenState& bullpen, const RotationTable* rotations, int team) {
    int reliever = AutoSelectReliever(game, bullpen, rotations, team);
    if (reliever == 0) game.errors->fault(kAutoManagerOutOfPitchers, "");
    return reliever;
}

}  // namespace vrk
