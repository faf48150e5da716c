// The user's changes to a line-up: before the game and during it.
#include "managers/lineup_changes.h"

#include <algorithm>
#include <array>

#include "core/text_fields.h"
#include "engine/engine_helpers.h"
#include "engine/game.h"
#include "engine/message_registry.h"
#include "engine/pitching_change.h"
#include "managers/pitcher_entry.h"
#include "managers/roster_swap.h"

namespace vrk {

namespace {

bool InStaff(const Team& team, int entry) {
    return entry >= kFirstPitcherEntry && entry <= team.lastPitcherEntry;
}

// The two listed entries, the smaller first; the refusal when a number is
// outside the list or nothing would change.
LineupRefusal Resolve(const Team& team, int first, int second, int& a, int& b) {
    const std::vector<int> entries = LineupScreenEntries(team);
    const int count = static_cast<int>(entries.size());
    if (first < 1 || second < 1 || first > count || second > count) {
        return LineupRefusal::OutOfRange;
    }
    a = entries[first - 1];
    b = entries[second - 1];
    if (a > b) std::swap(a, b);
    if (a == b || a > kLineupSize) return LineupRefusal::Nothing;
    return LineupRefusal::None;
}

int PitcherSlotOf(const Team& team) {
    for (int slot = 1; slot <= kLineupSize; ++slot)
        if (team.player(slot).lineupPosition == kPitcher) return slot;
    return 0;
}

std::string Surname(const std::string& name) {
    const std::size_t comma = name.find(',');
    return std::string(trim(comma == std::string::npos ? name : name.substr(0, comma)));
}

}  // namespace

std::string_view LineupRefusalText(LineupRefusal refusal) {
    switch (refusal) {
        case LineupRefusal::OutOfRange:
            return kOutOfRange;
        case LineupRefusal::BattingOrderFixed:
            return kBattingOrderFixed;
        case LineupRefusal::ViewOnly:
            return kViewOnly;
        case LineupRefusal::SentToShowers:
            return kSentToShowers;
        case LineupRefusal::UsedPitcher:
            return kUsedPitcherOnBench;
        case LineupRefusal::UseBullpen:
            return kUseBullpen;
        case LineupRefusal::None:
        case LineupRefusal::Nothing:
            break;
    }
    return "";
}

std::vector<int> LineupScreenEntries(const Team& team) {
    std::vector<int> entries;
    for (int e = 1; e <= kLineupSize; ++e) entries.push_back(e);
    for (int e = kLineupSize + 1; e <= std::min(team.playerCount, kMaxRosterEntries); ++e)
        if (!team.player(e).playerName.empty()) entries.push_back(e);
    return entries;
}

std::string_view PositionText(int position) {
    static constexpr std::array<std::string_view, 11> kNames{"",   "P",  "C",  "1B", "2B", "3B",
                                                             "SS", "LF", "CF", "RF", "DH"};
    return position >= 0 && position <= kDesignatedHitter ? kNames[position] : "";
}

LineupRefusal SwapBeforeGame(Team& team, int first, int second) {
    int a = 0, b = 0;
    const LineupRefusal resolved = Resolve(team, first, second, a, b);
    if (resolved != LineupRefusal::None) return resolved;
    if (b <= kLineupSize) {
        swapEntries(team, a, b);  // positions go with the players
        return LineupRefusal::None;
    }
    if (team.player(a).lineupPosition == kPitcher || InStaff(team, b)) {
        return LineupRefusal::UseBullpen;
    }
    const int position = team.player(a).lineupPosition;
    swapEntries(team, a, b);
    team.player(a).lineupPosition = position;
    team.player(b).lineupPosition = team.player(b).defaultPosition;
    return LineupRefusal::None;
}

void SubstituteInSlot(Game& game, BullpenState& bullpen, int team, int slot, int entry) {
    Team& roster = game.team(team);
    const int position = roster.player(slot).lineupPosition;
    WriteScoreCard(game, team, slot, 'X',
                   concat({"[SUB]", roster.player(entry).playerName, "(", PositionText(position),
                           ") for ", roster.player(slot).playerName}));
    swapGameEntries(game, bullpen, team, slot, entry);
    roster.player(slot).lineupPosition = position;
    roster.player(entry).lineupPosition = 0;
    bullpen.markUsed(team, slot);
    bullpen.markUsed(team, entry);
    game.counters.of(team).slotHistory[slot].push({slot, position});
}

void MovePitcherToSlot(Game& game, BullpenState& bullpen, int team, int reliever, int slot) {
    Team& roster = game.team(team);
    const int pitcherSlot = PitcherSlotOf(roster);
    if (pitcherSlot == 0 || pitcherSlot == slot) return;
    TeamCounters& tc = game.counters.of(team);
    // The player just brought in is listed where he will bat.
    auto& slotHistory = tc.slotHistory[slot];
    if (slotHistory.count > 0 && slotHistory.items[slotHistory.count - 1].entry == slot)
        --slotHistory.count;
    const int position = roster.player(slot).lineupPosition;
    swapGameEntries(game, bullpen, team, slot, pitcherSlot);
    roster.player(slot).lineupPosition = kPitcher;
    roster.player(pitcherSlot).lineupPosition = position;

    auto& pitcherHistory = tc.slotHistory[pitcherSlot];
    if (pitcherHistory.count > 0 &&
        pitcherHistory.items[pitcherHistory.count - 1].entry == reliever) {
        --pitcherHistory.count;  // he never batted there
    }
    pitcherHistory.push({pitcherSlot, position});
    tc.slotHistory[slot].push({reliever, kPitcher});
    WriteScoreCard(
        game, team, reliever, 'X',
        concat({"[DBL-SW]", roster.player(reliever).playerName, " bats #", std::to_string(slot)}));
    Say(game, msg::kDoubleSwitch, reliever, team);
}

LineupRefusal SwapDuringGame(Game& game, BullpenState& bullpen, int team, LineupSession& session,
                             int first, int second) {
    Team& roster = game.team(team);
    if (session.stage == LineupStage::BeforeGame) return SwapBeforeGame(roster, first, second);
    int a = 0, b = 0;
    const LineupRefusal resolved = Resolve(roster, first, second, a, b);
    if (resolved != LineupRefusal::None) return resolved;
    if (session.stage == LineupStage::ViewOnly) return LineupRefusal::ViewOnly;

    if (b <= kLineupSize) {
        // Only the new pitcher of a double switch moves, and only into a
        // place filled on this screen.
        std::vector<int>& filled = session.filledSlots;
        const bool pitcherA = roster.player(a).lineupPosition == kPitcher;
        const bool pitcherB = roster.player(b).lineupPosition == kPitcher;
        const int other = pitcherA ? b : a;
        const auto at = std::find(filled.begin(), filled.end(), other);
        if (session.stage != LineupStage::DoubleSwitch || pitcherA == pitcherB ||
            at == filled.end() || game.options.designatedHitter) {
            return LineupRefusal::BattingOrderFixed;
        }
        filled.erase(at);
        MovePitcherToSlot(game, bullpen, team, session.reliever, other);
        session.switched = true;
        return LineupRefusal::None;
    }
    if (roster.player(a).lineupPosition == kPitcher) return LineupRefusal::UseBullpen;
    if (bullpen.used(team, b)) {
        return InStaff(roster, b) ? LineupRefusal::UsedPitcher : LineupRefusal::SentToShowers;
    }
    SubstituteInSlot(game, bullpen, team, a, b);
    session.filledSlots.push_back(a);
    return LineupRefusal::None;
}

PositionSwitch SwitchPositions(Game& game, BullpenState& bullpen, int team, int first, int second) {
    PositionSwitch result;
    if (first < 1 || first > kLineupSize || second < 1 || second > kLineupSize || first == second)
        return result;
    Team& roster = game.team(team);
    const int positionA = roster.player(first).lineupPosition;
    const int positionB = roster.player(second).lineupPosition;
    int newPitcher = 0;
    if (positionA == kPitcher || positionB == kPitcher) {
        const int toMound = positionA == kPitcher ? second : first;
        const std::string& name = roster.player(toMound).playerName;
        int staffEntry = 0;
        for (int e = kFirstPitcherEntry; e <= roster.lastPitcherEntry && staffEntry == 0; ++e)
            if (roster.player(e).playerName == name) staffEntry = e;
        if (staffEntry == 0) {
            result.refusal = Surname(name) + " can't pitch. ";
            return result;
        }
        const int current = game.state.currentPitcher[team];
        if (staffEntry != current && bullpen.used(team, staffEntry)) {
            result.refusal = " Sorry, that pitcher has been used and is out of the game.";
            return result;
        }
        if (staffEntry != current) newPitcher = staffEntry;
    }
    roster.player(first).lineupPosition = positionB;
    roster.player(second).lineupPosition = positionA;
    TeamCounters& tc = game.counters.of(team);
    for (int slot : {first, second}) {
        const Player& p = roster.player(slot);
        WriteScoreCard(game, team, slot, 'X',
                       concat({"[DEF]", p.playerName, " to ", PositionText(p.lineupPosition)}));
        tc.slotHistory[slot].push({slot, p.lineupPosition});
    }
    if (newPitcher != 0) {
        WriteScoreCard(game, team, newPitcher, 'X', "[Relief-DefSw]");
        BringInPitcher(game, team, newPitcher);
        CompletePitcherEntry(game, bullpen, team, true);
    }
    result.made = true;
    return result;
}

}  // namespace vrk
