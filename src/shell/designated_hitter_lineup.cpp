#include "shell/designated_hitter_lineup.h"

#include <algorithm>
#include <string>
#include <utility>

#include "core/numbering.h"
#include "managers/roster_swap.h"

namespace vrk {

namespace {

int slotAt(const Team& team, int position) {
    for (int slot = 1; slot <= kLineupSize; ++slot)
        if (team.player(slot).lineupPosition == position) return slot;
    return 0;
}

int lastEntry(const Team& team) {
    return std::clamp(team.playerCount, 0, kMaxRosterEntries);
}

int gamesAsDesignatedHitter(const Player& p) {
    int games = 0;
    for (int k = 1; k <= 4; ++k)
        if (p.positionCode[k] == kDesignatedHitter) games += p.gamesAtPosition[k];
    return games;
}

// The bench player who hit most as designated hitter, else the one with the
// most at-bats: the club's own choice where the file shows one.
int benchDesignatedHitter(const Team& team) {
    int best = 0;
    for (int e = team.lastPitcherEntry + 1; e <= lastEntry(team); ++e) {
        const Player& p = team.player(e);
        if (p.playerName.empty()) break;
        if (best == 0) {
            best = e;
            continue;
        }
        const Player& b = team.player(best);
        const int games = gamesAsDesignatedHitter(p);
        const int bestGames = gamesAsDesignatedHitter(b);
        if (games > bestGames || (games == bestGames && p.atBats > b.atBats)) best = e;
    }
    return best;
}

// Entries after `from` move up one place and the last is emptied: the
// pitcher's batting entry leaves the roster, so no manager can call on it.
void dropEntry(Team& team, int from) {
    const int last = lastEntry(team);
    moveEntryToEnd(team, from, last);
    team.players[static_cast<std::size_t>(last)] = Player{};
    team.playerCount = last - 1;
}

void takeOrderAsLoaded(Team& team) {
    for (int slot = 1; slot <= kLineupSize; ++slot)
        team.player(slot).nameAsLoaded = team.player(slot).playerName;
}

void addDesignatedHitter(Team& team, int pitcherSlot) {
    const int bench = benchDesignatedHitter(team);
    // Without a bench there is no one to bat for him.
    if (bench == 0) return;
    swapEntries(team, pitcherSlot, bench);
    team.player(pitcherSlot).lineupPosition = kDesignatedHitter;
    dropEntry(team, bench);
    takeOrderAsLoaded(team);
}

void addPitcherSlot(Team& team, int dhSlot) {
    const int entry = lastEntry(team) + 1;
    // A full roster has no room for the pitcher's batting entry: the
    // designated hitter's entry becomes it.
    if (entry > kMaxRosterEntries) {
        team.player(dhSlot).lineupPosition = kPitcher;
    } else {
        Player& holder = team.player(entry);
        holder = Player{};
        holder.playerName = "Pitcher";
        holder.nameAsLoaded = holder.playerName;
        holder.lineupPosition = kPitcher;
        holder.defaultPosition = kPitcher;
        holder.hand = 'R';
        holder.handAsLoaded = 'R';
        holder.lineupPlayer = entry;
        team.playerCount = entry;
        swapEntries(team, dhSlot, entry);
    }
    // The batters behind him move up; the pitcher bats last.
    moveEntryToEnd(team, dhSlot, kLineupSize);
    takeOrderAsLoaded(team);
}

}  // namespace

void moveEntryToEnd(Team& team, int from, int last) {
    from = std::max(from, 1);
    last = std::min(last, kMaxRosterEntries);
    if (from >= last) return;
    // Whole players move one place up and the first goes round to the end;
    // then the places' own fields go back the other way, where they were.
    Player first = std::move(team.player(from));
    for (int e = from; e < last; ++e) team.player(e) = std::move(team.player(e + 1));
    team.player(last) = std::move(first);
    Player& end = team.player(last);
    const int endLineup = end.lineupPlayer;
    std::string endName = std::move(end.nameAsLoaded);
    for (int e = last; e > from; --e) {
        Player& to = team.player(e);
        Player& before = team.player(e - 1);
        to.lineupPlayer = before.lineupPlayer;
        to.nameAsLoaded = std::move(before.nameAsLoaded);
    }
    team.player(from).lineupPlayer = endLineup;
    team.player(from).nameAsLoaded = std::move(endName);
}

void fitLineupToRule(Team& team, bool designatedHitter) {
    const int pitcherSlot = slotAt(team, kPitcher);
    const int dhSlot = slotAt(team, kDesignatedHitter);
    if (designatedHitter && pitcherSlot != 0 && dhSlot == 0) addDesignatedHitter(team, pitcherSlot);
    if (!designatedHitter && dhSlot != 0 && pitcherSlot == 0) addPitcherSlot(team, dhSlot);
}

}  // namespace vrk
