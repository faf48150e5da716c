// Highlights of a finished game: big strikeout, hitting, RBI, home-run and
// base-stealing games, cycles and low-hit games.
#include <string>

#include "core/text_fields.h"
#include "engine/engine_helpers.h"
#include "engine/game_flow.h"

namespace vrk {

namespace {

std::size_t Idx(int i) {
    return static_cast<std::size_t>(i);
}

std::string Number(int n) {
    return concat({" ", std::to_string(n)});
}

std::string Trimmed(const std::string& name) {
    std::size_t e = name.find_last_not_of(' ');
    return e == std::string::npos ? std::string() : name.substr(0, e + 1);
}

void Add(Game& game, std::string text) {
    SimulationRecord& record = *game.record;
    record.lastGameHighlights.push_back(text);
    if (static_cast<int>(record.highlights.size()) >= kMaxHighlights) return;
    if (text.size() > 40) text.resize(40);
    record.highlights.push_back({record.gamesCompleted + 1, std::move(text)});
}

void PlayerLine(Game& game, const Player& p, const std::string& what) {
    Add(game, Trimmed(p.playerName) + "," + what);
}

void BatterHighlights(Game& game, int t, int entry) {
    const std::array<int, 7>& hi = game.config.hilite;
    const BatterCounters& c = game.counters.bat(t, entry);
    const Player& p = game.team(t).player(entry);
    if (c.hits >= hi[0] && c.hits > 0) PlayerLine(game, p, Number(c.hits) + " hits");
    if (c.runsBattedIn >= hi[2] && c.runsBattedIn > 0)
        PlayerLine(game, p, Number(c.runsBattedIn) + " RBI's");
    if (c.homeRuns >= 1 && c.triples >= 1 && c.doubles >= 1 &&
        c.hits > c.homeRuns + c.triples + c.doubles) {
        PlayerLine(game, p, " hit for cycle");
    }
    if (c.homeRuns >= hi[1] && c.homeRuns > 0) PlayerLine(game, p, Number(c.homeRuns) + " HR's");
    if (c.stolenBases >= hi[3] && c.stolenBases > 0)
        PlayerLine(game, p, Number(c.stolenBases) + " SB's");
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
            if (k >= hi[5] && k > 0) PlayerLine(game, game.team(t).player(e), Number(k) + " K's");
        }
    }
    for (int t = kVisitors; t <= kHome; ++t) {
        for (int e = 1; e <= kLineupSize; ++e) BatterHighlights(game, t, e);
        int firstBench = std::max(game.team(t).lastPitcherEntry + 1, kLineupSize + 1);
        for (int e = firstBench; e <= kMaxRosterEntries; ++e) BatterHighlights(game, t, e);
    }
    for (int t = kVisitors; t <= kHome; ++t) {
        int hits = s.teamHits[Idx(t)];
        if (hits > hi[4]) continue;
        int other = otherTeam(t);
        std::string count = hits == 0 ? "No" : std::to_string(hits);
        if (s.pitchersUsed[Idx(other)] == 1) {
            const Player& p = game.team(other).player(s.pitcherList[Idx(other)][1]);
            Add(game, Trimmed(p.playerName) + ", " + count + "-Hitter");
        } else if (hits == 0) {
            Add(game, Trimmed(game.team(other).teamName) + ", multi-pit. " + "No" + "-Hitter");
        }
    }
}

}  // namespace vrk
