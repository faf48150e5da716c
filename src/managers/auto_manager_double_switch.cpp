// The computer's double switch after a pitching change.
#include "managers/auto_manager_double_switch.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "engine/engine_helpers.h"
#include "engine/message_registry.h"
#include "managers/auto_manager_support.h"
#include "managers/bullpen_state.h"
#include "managers/roster_swap.h"

namespace vrk {

namespace {

const char* PositionName(int position) {
    static constexpr const char* kNames[] = {"",   "P",  "C",  "1B", "2B", "3B",
                                             "SS", "LF", "CF", "RF", "DH"};
    return position >= 0 && position <= kDesignatedHitter ? kNames[position] : "";
}

double Value(const Player& p) {
    return DoubleSwitchValue(p.atBats, p.hits, p.doubles, p.triples, p.homeRuns, p.walks);
}

bool CanPlay(const Player& p, int position) {
    for (std::size_t k = 1; k < p.positionCode.size(); ++k) {
        if (p.positionCode[k] == position) return true;
    }
    return false;
}

int Wrap(int slot) {
    return (slot + 8) % kLineupSize + 1;
}

}  // namespace

double DoubleSwitchValue(int atBats, int hits, int doubles, int triples, int homeRuns, int walks) {
    double value = 0;
    if (atBats > 0) value += (hits + doubles + 2.0 * triples + 3.0 * homeRuns) / atBats;
    if (atBats + walks > 0) value += static_cast<double>(hits + walks) / (atBats + walks);
    return value;
}

bool DoubleSwitch(Game& game, BullpenState& bullpen, int team, int reliever) {
    if (game.options.designatedHitter) return false;
    Team& roster = game.team(team);
    const int pitcherSlot = automan::PitcherSlot(game, team);
    if (pitcherSlot == 0) {
        game.errors->fault("ERROR(DoubleSwitch): No Pitcher Found in Lineup", roster.teamFileName);
        return false;
    }
    const int next = Wrap(game.state.lastBatterSlot[team] + 1);
    bool dueUp = false;
    for (int k = 0; k < 3; ++k) dueUp = dueUp || Wrap(next + k) == pitcherSlot;
    if (!dueUp) return false;

    // The most recent three batters give up their places; the smallest loss wins.
    double best = 999;
    int outSlot = 0;
    int inEntry = 0;
    const int last = std::min(roster.playerCount, kMaxRosterEntries);
    // Nobody pitches while the bench is looked over: the pitcher list is read once.
    const std::uint64_t pitched = automan::PitchedEntries(game, team);
    for (int k = 1; k <= 3; ++k) {
        int slot = Wrap(next - k);
        int entry = SlotPlayer(game, team, slot);
        int position = roster.player(entry).lineupPosition;
        if (slot == pitcherSlot || position == kPitcher) continue;
        for (int e = roster.lastPitcherEntry + 1; e <= last; ++e) {
            if (!automan::FreshBenchPlayer(game, bullpen, team, e, pitched)) continue;
            if (!CanPlay(roster.player(e), position)) continue;
            double bench = Value(roster.player(e));
            int r = game.rng.randInt(11);
            if (r != 6) bench += 50.0 / (6 - r);  // 6 would divide by zero: no bonus
            double loss = Value(roster.player(entry)) - bench;
            if (loss < best) {
                best = loss;
                outSlot = slot;
                inEntry = e;
            }
        }
    }
    if (outSlot == 0) return false;

    const int outEntry = SlotPlayer(game, team, outSlot);
    const int position = roster.player(outEntry).lineupPosition;
    WriteScoreCard(
        game, team, outEntry, 'X',
        (CardText() << "[SUB]" << roster.player(inEntry).playerName << "(" << PositionName(position)
                    << ") for " << roster.player(outEntry).playerName)
            .view());
    // The bench player takes the field for the batter who leaves...
    swapGameEntries(game, bullpen, team, outEntry, inEntry);
    roster.player(outEntry).lineupPosition = position;
    roster.player(inEntry).lineupPosition = 0;
    bullpen.markUsed(team, outEntry);
    bullpen.markUsed(team, inEntry);
    // ...and trades batting places with the pitcher's line.
    const int pitcherEntry = SlotPlayer(game, team, pitcherSlot);
    swapGameEntries(game, bullpen, team, outEntry, pitcherEntry);
    roster.player(outEntry).lineupPosition = kPitcher;
    roster.player(pitcherEntry).lineupPosition = position;

    TeamCounters& tc = game.counters.of(team);
    auto& pitcherHistory = tc.slotHistory[pitcherSlot];
    if (pitcherHistory.count > 0 &&
        pitcherHistory.items[pitcherHistory.count - 1].entry == reliever) {
        --pitcherHistory.count;  // he never batted there
    }
    pitcherHistory.push({pitcherEntry, position});
    tc.slotHistory[outSlot].push({reliever, kPitcher});
    WriteScoreCard(
        game, team, reliever, 'X',
        (CardText() << "[DBL-SW]" << roster.player(reliever).playerName << " bats #" << outSlot)
            .view());
    Say(game, msg::kDoubleSwitch, reliever, team);
    return true;
}

}  // namespace vrk
