// Who fields where, how surely, and the credit for it.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/rounding.h"
#include "engine/engine_helpers.h"
#include "engine/fielding.h"
#include "engine/game.h"

namespace vrk {

namespace {

double PositionPct(int code) {
    return (code >= 1 && code <= 10) ? kLeagueFieldingPct[code] : 0;
}
double PositionWeight(int code) {
    return (code >= 0 && code <= 10) ? kPositionWeight[code] : 0;
}

// Number of listed positions: up to, not including, the first with no games.
int ListedPositions(const Player& p) {
    int n = 0;
    while (n < 4 && p.gamesAtPosition[static_cast<std::size_t>(n + 1)] > 0) ++n;
    return n;
}

bool Outfield(int position) {
    return position >= kLeftField && position <= kRightField;
}

}  // namespace

bool PlaysInPosition(const Player& p, int present) {
    if (p.positionCode[1] > 0 && p.gamesAtPosition[1] > 0) {
        for (int k = 1; k <= 4; ++k) {
            if (p.positionCode[static_cast<std::size_t>(k)] == present) return true;
        }
        return false;
    }
    int d = p.defaultPosition;
    switch (present) {
        case kCatcher:
            return d == kCatcher;
        case kFirstBase:
            return d == kFirstBase || d == kThirdBase;
        case kSecondBase:
            return d == kSecondBase || d == kShortstop;
        case kThirdBase:
            return d == kThirdBase || d == kShortstop;
        case kShortstop:
            return d == kShortstop;
        default:
            return Outfield(present) && Outfield(d);
    }
}

namespace {

int SlotOfPosition(const Team& t, int position) {
    for (int slot = 1; slot <= kLineupSize; ++slot) {
        if (t.player(slot).lineupPosition == position) return slot;
    }
    return 0;
}

}  // namespace

int SearchFielderSlot(const Game& game, int position) {
    const int t = game.state.fieldingTeam;
    const Team& team = game.team(t);
    if ((t != kVisitors && t != kHome) || position < 0 || position > kDesignatedHitter)
        return SlotOfPosition(team, position);
    int& kept = game.fielderSlots.slots[t][static_cast<std::size_t>(position)];
    if (kept == 0 || team.player(kept).lineupPosition != position)
        kept = SlotOfPosition(team, position);
    return kept;
}

double PositionFieldingAverage(const Player& player, int presentPosition, double x, double f) {
    int listed = ListedPositions(player);
    double c = 0;
    double s = 0;
    for (int k = 1; k <= listed; ++k) {
        int code = player.positionCode[static_cast<std::size_t>(k)];
        double chances =
            PositionWeight(code) * player.gamesAtPosition[static_cast<std::size_t>(k)] * f;
        c += chances;
        s += chances * PositionPct(code);
    }
    if (listed == 1 || c <= 0) return x;
    double league = s / c;
    double p = PositionPct(presentPosition);
    // A league mark of 1 (or none) leaves nothing to scale against.
    if (league <= 0 || league >= 1) return x;
    double y = x / league * p;
    double denominator = y + (1 - x) * (1 - p) / (1 - league);
    return denominator > 0 ? y / denominator : x;
}

namespace {

constexpr std::array<double, 11> kInfieldScale{1, 1, 0.955, 0.987, 1.006, 1.008, 1.006, 1, 1, 1, 1};

double WorkOutFieldingAverage(const Game& game, const Team& team, const Player& p, int present) {
    double result;
    if (team.defenseIsErrors) {
        double e = p.defense;
        double f = (1 - team.leagueContext.strikeoutsPerOut) / 0.7496;
        if (game.options.designatedHitter) f += 0.06;
        int listed = ListedPositions(p);
        double c = 0;
        for (int k = 1; k <= listed; ++k) {
            c += f * p.gamesAtPosition[static_cast<std::size_t>(k)] *
                 PositionWeight(p.positionCode[static_cast<std::size_t>(k)]);
        }
        if (c > 0) {
            double x = 1 - e / c;
            result = listed == 1 ? x : PositionFieldingAverage(p, present, x, f);
        } else {
            int g = p.games;
            if (g == 0) g = static_cast<int>(roundHalfEven(p.atBats / 3.5));
            g = std::max(g, 1);
            double chances = f * g * PositionWeight(present);
            // No chances at all (a designated hitter's "position"): the league mark.
            result = chances > 0 ? 1 - e / chances : PositionPct(present);
        }
    } else {
        result = PositionFieldingAverage(p, present, p.defense / 1000.0, 1);
        // A multiplier for every position (1 where there is none) rather than a
        // jump through a table the predictor seldom guesses.
        if (present >= 0 && present <= 10)
            result *= kInfieldScale[static_cast<std::size_t>(present)];
    }
    result = std::max(std::min(result, 0.999), 0.800);
    if (!PlaysInPosition(p, present)) result *= 0.75;
    return result;
}

}  // namespace

double FieldingAverage(const Game& game, int slot) {
    if (slot < 1 || slot > kLineupSize) return kPitcherFieldingAverage;
    const int t = game.state.fieldingTeam;
    const Team& team = game.team(t);
    const Player& holder = team.player(slot);
    const int present = holder.lineupPosition;
    if (present == kPitcher) return kPitcherFieldingAverage;
    const int entry = SlotPlayer(game, t, slot);
    if ((t != kVisitors && t != kHome) || present < kCatcher || present > kDesignatedHitter)
        return WorkOutFieldingAverage(game, team, team.player(entry), present);
    FieldingAverageCache::Cell& cell = game.fieldingAverages.cells[t][present];
    if (cell.slot != slot || cell.player != holder.lineupPlayer) {
        cell.average = WorkOutFieldingAverage(game, team, team.player(entry), present);
        cell.slot = slot;
        cell.player = holder.lineupPlayer;
    }
    return cell.average;
}

void ForgetFieldingAverages(Game& game, int team, int a, int b) {
    if (team != kVisitors && team != kHome) return;
    auto& cells = game.fieldingAverages.cells[team];
    // Only the positions FieldingAverage keeps.
    for (int position = kCatcher; position <= kDesignatedHitter; ++position) {
        FieldingAverageCache::Cell& cell = cells[position];
        // The entry whose figures it read: the slot's player, or the slot
        // itself when it names none (a cell not worked out has slot 0).
        const int entry = cell.player > 0 ? cell.player : cell.slot;
        if (entry == a || entry == b) cell.slot = 0;
    }
}

double PositionAverage(const Game& game, int position) {
    if (position == kPitcher) return kPitcherFieldingAverage;
    const int t = game.state.fieldingTeam;
    // Most calls: the kept slot still plays the position with the player its
    // average was worked out for.
    if ((t == kVisitors || t == kHome) && position >= kCatcher && position <= kDesignatedHitter) {
        const int kept = game.fielderSlots.slots[t][static_cast<std::size_t>(position)];
        const FieldingAverageCache::Cell& cell = game.fieldingAverages.cells[t][position];
        if (kept != 0 && cell.slot == kept) {
            const Player& holder = game.team(t).player(kept);
            if (holder.lineupPosition == position && holder.lineupPlayer == cell.player)
                return cell.average;
        }
    }
    return FieldingAverage(game, FielderSlot(game, position));
}

void CreditPutout(Game& game, int position) {
    int team = game.state.fieldingTeam;
    int entry = FielderEntry(game, position);
    if (entry > 0) ++game.counters.field(team, entry).putouts;
    if (position >= 1 && position <= 10)
        ++game.counters.of(team).positionPutouts[static_cast<std::size_t>(position)];
}

void CreditAssist(Game& game, int position) {
    int team = game.state.fieldingTeam;
    int entry = FielderEntry(game, position);
    if (entry > 0) ++game.counters.field(team, entry).assists;
    if (position >= 1 && position <= 10)
        ++game.counters.of(team).positionAssists[static_cast<std::size_t>(position)];
}

void ChargeError(Game& game, int position, bool whileAdvancing) {
    GameState& s = game.state;
    int team = s.fieldingTeam;
    int entry = FielderEntry(game, position);
    if (entry > 0) {
        ++game.counters.field(team, entry).errors;
        ++game.counters.bat(team, entry).errors;
    }
    TeamCounters& tc = game.counters.of(team);
    ++tc.errors;
    if (position >= 1 && position <= 10) ++tc.positionErrors[static_cast<std::size_t>(position)];
    ++s.halfInningErrors;
    if (whileAdvancing) ++s.halfInningAdvanceErrors;
}

}  // namespace vrk
