// Highlights of a finished game: big strikeout, hitting, RBI, home-run and
// base-stealing games, cycles and low-hit games.
#include <algorithm>
#include <string>

#include "core/text_fields.h"
#include "engine/engine_helpers.h"
#include "engine/game.h"
#include "engine/highlights.h"

namespace vrk {

namespace {

std::string_view Trimmed(std::string_view name) {
    std::size_t e = name.find_last_not_of(' ');
    return e == std::string_view::npos ? std::string_view() : name.substr(0, e + 1);
}

// The run keeps at most kMaxHighlights.
bool Room(const Game& game) {
    return static_cast<int>(game.record->highlights.size()) < kMaxHighlights;
}

void Add(Game& game, std::string_view text) {
    SimulationRecord& record = *game.record;
    // Both lists keep their room from game to game: no game allocates.
    if (record.lastGameHighlights.capacity() < 64) record.lastGameHighlights.reserve(64);
    record.lastGameHighlights.push_back(FullHighlightText(text));
    if (!Room(game)) return;
    // The run's whole list at once: the first highlight of a run takes it.
    if (record.highlights.capacity() < kMaxHighlights) record.highlights.reserve(kMaxHighlights);
    record.highlights.push_back({record.gamesCompleted + 1, RunHighlightText(text)});
}

// "Name, 4 hits": the name, the number (none when negative), then the words.
void PlayerLine(Game& game, const Player& p, int number, std::string_view words) {
    CardText text;
    text << Trimmed(p.playerName) << ",";
    if (number >= 0) text << " " << number;
    text << words;
    Add(game, text.view());
}

// Every line needs a hit, a home run, a run batted in or a steal; most
// entries have none, and asking here spares a call for each of them.
bool MayHaveLine(const BatterCounters& c) {
    return c.hits > 0 || c.homeRuns > 0 || c.runsBattedIn > 0 || c.stolenBases > 0;
}

void BatterHighlights(Game& game, int t, int entry) {
    const BatterCounters& c = game.counters.bat(t, entry);
    if (!MayHaveLine(c)) return;
    const std::array<int, 7>& hi = game.config.hilite;
    const Player& p = game.team(t).player(entry);
    if (c.hits >= hi[0] && c.hits > 0) PlayerLine(game, p, c.hits, " hits");
    if (c.runsBattedIn >= hi[2] && c.runsBattedIn > 0)
        PlayerLine(game, p, c.runsBattedIn, " RBI's");
    if (c.homeRuns >= 1 && c.triples >= 1 && c.doubles >= 1 &&
        c.hits > c.homeRuns + c.triples + c.doubles) {
        PlayerLine(game, p, -1, " hit for cycle");
    }
    if (c.homeRuns >= hi[1] && c.homeRuns > 0) PlayerLine(game, p, c.homeRuns, " HR's");
    if (c.stolenBases >= hi[3] && c.stolenBases > 0) PlayerLine(game, p, c.stolenBases, " SB's");
}

}  // namespace

void CollectHighlights(Game& game) {
    if (game.record == nullptr) return;
    game.record->lastGameHighlights.clear();
    const GameState& s = game.state;
    const std::array<int, 7>& hi = game.config.hilite;
    for (int t = kVisitors; t <= kHome; ++t) {
        int last = std::min(game.team(t).lastPitcherEntry, kLastPitcherLimit);
        for (int e = kFirstPitcherEntry; e <= last; ++e) {
            int k = game.counters.pitch(t, e).strikeouts;
            if (k >= hi[5] && k > 0) PlayerLine(game, game.team(t).player(e), k, " K's");
        }
    }
    for (int t = kVisitors; t <= kHome; ++t) {
        auto batter = [&game, t](int e) {
            if (MayHaveLine(game.counters.bat(t, e))) BatterHighlights(game, t, e);
        };
        for (int e = 1; e <= kLineupSize; ++e) batter(e);
        int firstBench = std::max(game.team(t).lastPitcherEntry + 1, kLineupSize + 1);
        // Nobody past the roster's end played.
        const int lastEntry = std::min(game.team(t).playerCount, kMaxRosterEntries);
        for (int e = firstBench; e <= lastEntry; ++e) batter(e);
    }
    for (int t = kVisitors; t <= kHome; ++t) {
        int hits = game.counters.team[t].hits;
        if (hits > hi[4]) continue;
        int other = otherTeam(t);
        CardText text;
        if (s.pitchersUsed[other] == 1) {
            const Player& p = game.team(other).player(s.pitcherList[other][1]);
            text << Trimmed(p.playerName) << ", ";
            if (hits == 0) {
                text << "No";
            } else {
                text << hits;
            }
            Add(game, (text << "-Hitter").view());
        } else if (hits == 0) {
            Add(game,
                (text << Trimmed(game.team(other).teamName) << ", multi-pit. No-Hitter").view());
        }
    }
}

}  // namespace vrk
