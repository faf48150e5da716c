#include "data/stats_ranges.h"

#include <initializer_list>

namespace vrk {

namespace {

// More than any game has had in one of its line-score figures.
constexpr std::int32_t kMostInOneGame = 9999;

bool inRange(std::int32_t v) {
    return v >= 0 && v <= kMostRecordedCount;
}

bool inRange(const SplitCount& c) {
    return inRange(c.total) && inRange(c.vsR) && inRange(c.vsL);
}

template <typename Record, typename Check>
std::optional<std::string> firstDamaged(const StatsTable<Record>& table, Check&& ok) {
    for (int n = 1; n <= table.count(); ++n) {
        if (!ok(table.at(n))) {
            return "record " + std::to_string(n) + " holds a count below 0 or above " +
                   std::to_string(kMostRecordedCount);
        }
    }
    return std::nullopt;
}

bool allInRange(std::initializer_list<std::int32_t> values) {
    for (std::int32_t v : values) {
        if (!inRange(v)) return false;
    }
    return true;
}

// Names may hold letters beyond ASCII; control bytes they never hold.
bool printable(std::string_view text) {
    for (char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7f) return false;
    }
    return true;
}

bool plausibleLine(const GameTeamLine& t) {
    const auto small = [](std::int32_t v) { return v >= 0 && v <= kMostInOneGame; };
    return printable(std::string_view(&t.league, 1)) &&
           printable(std::string_view(&t.division, 1)) && printable(t.teamName) && small(t.runs) &&
           small(t.hits) && small(t.errors) && small(t.leftOnBase) && small(t.doublePlays);
}

}  // namespace

std::optional<std::string> damagedRecord(const BattingTable& table) {
    return firstDamaged(table, [](const BattingRecord& r) {
        return allInRange({r.lastGame, r.games, r.runs, r.runsBattedIn, r.stolenBases,
                           r.caughtStealing, r.hitByPitch, r.errors, r.hitStreak,
                           r.groundedIntoDoublePlays, r.sacrificeHits, r.sacrificeFlies}) &&
               inRange(r.atBats) && inRange(r.hits) && inRange(r.doubles) && inRange(r.triples) &&
               inRange(r.homeRuns) && inRange(r.walks) && inRange(r.strikeouts);
    });
}

std::optional<std::string> damagedRecord(const PitchingTable& table) {
    return firstDamaged(table, [](const PitchingRecord& r) {
        return allInRange({r.lastGame,     r.games,          r.gamesStarted,  r.completeGames,
                           r.shutouts,     r.innings,        r.extraOuts,     r.runs,
                           r.earnedRuns,   r.hits,           r.doubles,       r.triples,
                           r.homeRuns,     r.walks,          r.hitBatsmen,    r.strikeouts,
                           r.wins,         r.losses,         r.saves,         r.blownSaves,
                           r.battersFaced, r.restDaysNeeded, r.lastDayNumber, r.consecutiveGames});
    });
}

std::optional<std::string> damagedRecord(const FieldingTable& table) {
    return firstDamaged(table, [](const FieldingRecord& r) {
        if (!inRange(r.games)) return false;
        for (std::int32_t v : r.gamesAt) {
            if (!inRange(v)) return false;
        }
        for (std::size_t p = 0; p < r.errorsAt.size(); ++p) {
            if (!inRange(r.errorsAt[p]) || !inRange(r.assistsAt[p]) || !inRange(r.putoutsAt[p])) {
                return false;
            }
        }
        return true;
    });
}

bool plausibleGame(const GameRecord& game) {
    return plausibleLine(game.visitors) && plausibleLine(game.home) &&
           printable(game.winningPitcher) && printable(game.losingPitcher) &&
           printable(game.savePitcher);
}

}  // namespace vrk
