// The rules a user's bullpen pick must pass.
#include "managers/bullpen_checks.h"

#include <cstdint>

#include "engine/engine_helpers.h"
#include "managers/bullpen_state.h"

namespace vrk {

namespace {

constexpr std::string_view kUsedText = " Sorry, that pitcher has been used and is out of the game.";
constexpr std::string_view kRestText =
    " This pitcher needs the day off. | Hit 'Y' to select anyway (with performance penalty). ";
constexpr std::string_view kLineupText = " Sorry, that pitcher is/has been in the lineup! ";
constexpr std::string_view kPitchingText = " Oops, that player seems to be pitching now! ";
constexpr std::string_view kTwoThrowingText = " You already have two people throwing! ";

int StartCounter(bool reminderMode) {
    return reminderMode ? 10 : 12;
}

}  // namespace

bool InBattingLineup(const Game& game, int team, int entry) {
    const Team& t = game.team(team);
    const std::string& name = t.player(entry).playerName;
    // Only a team with a two-way player can hold a pitcher under a batting
    // entry; the name comparison is skipped for the rest (a hot path).
    const bool byName = t.twoWayPlayer && !name.empty();
    for (int slot = 1; slot <= kLineupSize; ++slot) {
        int occupant = SlotPlayer(game, team, slot);
        if (occupant == entry) return true;
        // A two-way player appears under his own batting entry.
        if (byName && t.player(slot).lineupPosition != kPitcher &&
            t.player(occupant).playerName == name) {
            return true;
        }
    }
    const TeamCounters& counters = game.counters.team[static_cast<std::size_t>(team)];
    for (const auto& history : counters.slotHistory) {
        for (const SlotOccupant& o : history) {
            if (o.entry == entry && o.position != kPitcher) return true;
        }
    }
    return false;
}

namespace {

static_assert(kMaxRosterEntries < 64, "the line-up mask holds one bit per roster entry");

// Summed on nearly every look at the bullpen: unrolled, it is a handful of
// loads and adds.
int HistoryLength(const TeamCounters& counters) {
    int length = 0;
#pragma GCC unroll 10
    for (const auto& history : counters.slotHistory) length += history.count;
    return length;
}

std::uint64_t LineupEntries(const Game& game, int team) {
    std::uint64_t mask = 0;
    auto add = [&mask](int entry) {
        if (entry >= 1 && entry <= kMaxRosterEntries) mask |= std::uint64_t{1} << entry;
    };
    for (int slot = 1; slot <= kLineupSize; ++slot) add(SlotPlayer(game, team, slot));
    for (const auto& history : game.counters.team[static_cast<std::size_t>(team)].slotHistory) {
        for (const SlotOccupant& o : history) {
            if (o.position != kPitcher) add(o.entry);
        }
    }
    return mask;
}

}  // namespace

LineupCheck::LineupCheck(const Game& game, const BullpenState& bullpen, int team)
    : game_(game), team_(team), byName_(game.team(team).twoWayPlayer) {
    // A two-way player is found by name, which no mask of entries can answer.
    if (byName_) return;
    BullpenState::LineupMask& cached = bullpen.lineupMask[static_cast<std::size_t>(team)];
    const int length = HistoryLength(game.counters.team[static_cast<std::size_t>(team)]);
    if (cached.swaps != bullpen.swaps(team) || cached.historyLength != length) {
        cached.entries = LineupEntries(game, team);
        cached.swaps = bullpen.swaps(team);
        cached.historyLength = length;
    }
    mask_ = cached.entries;
}

bool LineupCheck::operator()(int entry) const {
    if (byName_ || entry < 1 || entry > kMaxRosterEntries) {
        return InBattingLineup(game_, team_, entry);
    }
    return (mask_ >> entry) & 1U;
}

bool InBattingLineup(const Game& game, const BullpenState& bullpen, int team, int entry) {
    return LineupCheck(game, bullpen, team)(entry);
}

BullpenCheck CheckBullpenChoice(const Game& game, const BullpenState& bullpen, int team, int entry,
                                bool reminderMode) {
    const Player& p = game.team(team).player(entry);
    if (bullpen.used(team, entry)) return {BullpenVerdict::Used, kUsedText};
    if (game.config.daysOffRule && p.restDaysNeeded > 0) {
        return {BullpenVerdict::NeedsRest, kRestText};
    }
    if (InBattingLineup(game, bullpen, team, entry)) {
        return {BullpenVerdict::InLineup, kLineupText};
    }
    if (game.state.currentPitcher[static_cast<std::size_t>(team)] == entry) {
        return {BullpenVerdict::PitchingNow, kPitchingText};
    }
    if (!game.config.warmupRule) return {};
    bool female = game.team(team).femaleTeam;
    int counter = bullpen.warm(team, entry);
    if (counter <= 0) {
        int warmLimit = reminderMode ? 8 : 10;
        int throwing = 0;
        for (int e = kFirstPitcherEntry; e <= kLastPitcherLimit; ++e) {
            if (bullpen.warm(team, e) > warmLimit) ++throwing;
        }
        if (throwing >= 2) return {BullpenVerdict::TwoThrowing, kTwoThrowingText};
        return {BullpenVerdict::StartsThrowing, female ? " She'll get up and start throwing! "
                                                       : " He'll get up and start throwing! "};
    }
    if (counter > 10) {
        return {BullpenVerdict::NotWarm,
                female ? " She's not quite warm yet! " : " He's not quite warm yet! "};
    }
    return {};
}

void OverrideRest(Game& game, int team, int entry) {
    Player& p = game.team(team).player(entry);
    if (p.restDaysNeeded > 0) p.restDaysNeeded = -p.restDaysNeeded;
}

void StartWarmUp(BullpenState& bullpen, int team, int entry, bool reminderMode) {
    bullpen.warm(team, entry) = StartCounter(reminderMode);
}

}  // namespace vrk
