// Batting order: the statistical optimizer, or the team file's order.
#include "managers/batting_order.h"

#include <array>
#include <cctype>
#include <exception>

#include "engine/game.h"
#include "managers/roster_swap.h"

namespace vrk {

namespace {

using Placed = std::array<bool, kLineupSize + 1>;

// Puts the unplaced player with the highest score into the slot (the first
// in slot order on ties) and marks the slot placed.
template <typename Score>
void PlaceBest(Team& team, Placed& placed, int slot, Score score) {
    int best = 0;
    double bestScore = 0;
    for (int k = 1; k <= kLineupSize; ++k) {
        if (placed[static_cast<std::size_t>(k)]) continue;
        double v = score(team.player(k));
        if (best == 0 || v > bestScore) {
            best = k;
            bestScore = v;
        }
    }
    if (best == 0) return;
    swapEntries(team, slot, best);
    placed[static_cast<std::size_t>(slot)] = true;
}

double RunsBattedInRate(const Player& p) {
    int chances = p.atBats + p.walks;
    return chances > 0 ? static_cast<double>(p.runsBattedIn) / chances : 0;
}

void RestoreFileOrder(Team& team, int range) {
    for (int k = 1; k <= range; ++k) {
        // Follow the cycle until slot k holds its own player.
        for (int guard = 0; guard < range; ++guard) {
            const std::string& name = team.player(k).playerName;
            int home = 0;
            for (int j = 1; j <= range; ++j) {
                if (team.player(j).nameAsLoaded == name) {
                    home = j;
                    break;
                }
            }
            if (home == 0 || home == k) break;
            swapEntries(team, k, home);
        }
    }
}

void Optimize(Team& team, Placed& placed, bool designatedHitter) {
    PlaceBest(team, placed, 3, OnBasePlusSlugging);
    PlaceBest(team, placed, 4, RunsBattedInRate);
    PlaceBest(team, placed, 1, StealRate);
    PlaceBest(team, placed, 2, StealRate);
    const Player& first = team.player(1);
    const Player& second = team.player(2);
    if (StealRate(first) - StealRate(second) < 11 &&
        OnBasePercentage(second) - OnBasePercentage(first) > 0.05) {
        swapEntries(team, 1, 2);
    }
    for (int slot = 5; slot <= 8; ++slot) PlaceBest(team, placed, slot, OnBasePlusSlugging);
    if (designatedHitter) PlaceBest(team, placed, 9, OnBasePlusSlugging);
}

}  // namespace

double OnBasePlusSlugging(const Player& p) {
    if (p.atBats <= 0) return 0;
    double totalBases = p.hits + p.doubles + 2.0 * p.triples + 3.0 * p.homeRuns;
    return totalBases / p.atBats + OnBasePercentage(p);
}

double OnBasePercentage(const Player& p) {
    if (p.atBats <= 0) return 0;
    return static_cast<double>(p.walks + p.hits) / (p.atBats + p.walks);
}

double StealRate(const Player& p) {
    int chances = p.atBats + p.walks;
    return chances > 0 ? 600.0 * p.stolenBases / chances : 0;
}

void BattingOrder(Team& team, char option, bool designatedHitter, bool lineupChanged,
                  ErrorSink& errors) {
    option = static_cast<char>(std::toupper(static_cast<unsigned char>(option)));
    bool optimize = option == 'Y' || (option == 'C' && lineupChanged);
    if (!optimize && option != 'F') return;
    try {
        Placed placed{};
        if (!designatedHitter) {
            for (int k = 1; k <= kLineupSize; ++k) {
                if (team.player(k).lineupPosition != kPitcher) continue;
                swapEntries(team, k, kLineupSize);
                placed[kLineupSize] = true;
                break;
            }
        }
        if (option == 'F') {
            RestoreFileOrder(team, designatedHitter ? kLineupSize : kLineupSize - 1);
            return;
        }
        Optimize(team, placed, designatedHitter);
    } catch (const std::exception& e) {
        errors.fault("BO_Error", e.what());
    }
}

void BattingOrder(Game& game, int team, char option, bool lineupChanged) {
    BattingOrder(game.team(team), option, game.options.designatedHitter, lineupChanged,
                 *game.errors);
}

}  // namespace vrk
