#include "data/team_file_derived.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "core/numbering.h"
#include "core/rounding.h"
#include "data/player_names.h"

namespace vrk {

void computeStaffFlags(Team& team) {
    team.hrAllowedData = false;
    long games = 0;
    long starts = 0;
    long saves = 0;
    const int last = std::min(team.lastPitcherEntry, kMaxRosterEntries);
    for (int entry = kFirstPitcherEntry; entry <= last; ++entry) {
        const Player& p = team.player(entry);
        if (p.pitching.homeRunsAllowed > 0) team.hrAllowedData = true;
        games += p.pitching.games;
        starts += p.pitching.gamesStarted;
        saves += p.pitching.saves;
    }
    if (games > 0 && starts > 0) {
        team.pitcherGamesData = true;
        team.savesData = saves > 0;
        team.appearancesPerStart = static_cast<double>(games) / static_cast<double>(starts);
    } else {
        team.pitcherGamesData = false;
        team.savesData = false;
        team.appearancesPerStart = 2.5;
    }
}

int speedFromStealing(int stolenBases, int caughtStealing, int onBase, int triples,
                      int ballsInPlay) {
    const double sb = stolenBases;
    const double cs = caughtStealing;
    const double f1 = 20.0 * ((sb + 3.0) / (sb + cs + 7.0) - 0.4);
    const double f2 = std::sqrt((sb + cs) / std::max(onBase, 1)) / 0.07;
    double f3 = 11.0;
    if (ballsInPlay != 0)
        f3 = std::min(10.0 * (triples / static_cast<double>(ballsInPlay)) / 0.02, 11.0);
    const long speed = roundHalfEven((10.0 * f1 + 10.0 * f2 + 6.0 * f3) / 26.0);
    return static_cast<int>(std::clamp(speed, 1L, 9L));
}

namespace {

int ratingFromOwnLine(Player& p) {
    const int rating = p.speedColumn;
    p.stolenBases = 0;
    p.caughtStealing = 0;
    return std::clamp(rating, 1, 9);
}

}  // namespace

void computeSpeedRatings(Team& team) {
    int teamCaughtStealing = 0;
    for (int entry = 1; entry <= kLineupSize; ++entry) {
        const Player& p = team.player(entry);
        if (p.lineupPosition > kPitcher) teamCaughtStealing += p.caughtStealing;
    }
    long total = 0;
    int rated = 0;
    const int count = std::min(team.playerCount, kMaxRosterEntries);
    for (int entry = 1; entry <= count; ++entry) {
        Player& p = team.player(entry);
        if (p.lineupPosition <= kPitcher) continue;
        if (team.stealColumns != 0) {
            const int cs = teamCaughtStealing > 0
                               ? p.caughtStealing
                               : static_cast<int>(roundHalfEven(0.27 * p.stolenBases));
            const int onBase = std::max(p.walks + p.hits - p.doubles - p.triples - p.homeRuns, 1);
            p.speed = speedFromStealing(p.stolenBases, cs, onBase, p.triples,
                                        p.atBats - p.homeRuns - p.strikeouts);
        } else {
            p.speed = ratingFromOwnLine(p);
        }
        total += p.speed;
        ++rated;
    }
    const double mean = rated > 0 ? static_cast<double>(total) / rated : 1.0;
    team.averageTeamSpeed = std::max(mean, 1.0);
}

void markSharedLastNames(Team& team) {
    const int count = std::min(team.playerCount, kMaxRosterEntries);
    std::array<std::string, kMaxRosterEntries + 1> lastNames;
    for (int i = 1; i <= count; ++i) {
        lastNames[static_cast<std::size_t>(i)] = lastName(team.player(i).nameAsLoaded);
    }
    for (int i = 1; i <= count; ++i) {
        const std::string& last = lastNames[static_cast<std::size_t>(i)];
        if (last.empty()) continue;
        for (int j = i + 1; j <= count; ++j) {
            if (lastNames[static_cast<std::size_t>(j)] == last) {
                team.player(i).sharedLastName = true;
                team.player(j).sharedLastName = true;
            }
        }
    }
}

void findTwoWayPlayer(Team& team) {
    team.twoWayPlayer = false;
    const int last = std::min(team.lastPitcherEntry, kMaxRosterEntries);
    for (int entry = kFirstPitcherEntry; entry <= last; ++entry) {
        const std::string& name = team.player(entry).playerName;
        if (findPlayer(team, 1, kLineupSize, name) != 0 ||
            findPlayer(team, team.lastPitcherEntry + 1, team.playerCount, name) != 0) {
            team.twoWayPlayer = true;
            return;
        }
    }
}

bool lineupHasPitcherOrDh(const Team& team) {
    for (int entry = 1; entry <= kLineupSize; ++entry) {
        const int position = team.player(entry).lineupPosition;
        if (position == kPitcher || position == kDesignatedHitter) return true;
    }
    return false;
}

}  // namespace vrk
