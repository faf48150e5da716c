// The computer's line-up: fielders drawn by their share of the real season.
#include "managers/auto_lineup.h"

#include <array>
#include <cctype>

#include "core/rng.h"
#include "engine/game.h"
#include "managers/roster_swap.h"

namespace vrk {

namespace {

char Upper(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

int PositionCode(const Player& p, int k) {
    int code = p.positionCode[static_cast<std::size_t>(k)];
    return (k == 1 && code == 0) ? p.lineupPosition : code;
}

bool PlaysPosition(const Player& p, int position) {
    for (int k = 1; k <= 4; ++k) {
        if (PositionCode(p, k) == position) return true;
    }
    return false;
}

// Bench entries: after the staff, up to the first entry with no statistics
// reference.
int FirstBench(const Team& team) {
    return team.lastPitcherEntry + 1;
}

int LastBench(const Team& team) {
    int last = FirstBench(team) - 1;
    int end =
        std::min(team.playerCount > 0 ? team.playerCount : kMaxRosterEntries, kMaxRosterEntries);
    for (int e = FirstBench(team); e <= end; ++e) {
        if (team.player(e).lineupPlayer == 0) break;
        last = e;
    }
    return last;
}

int Replacement(const Team& team, int position) {
    if (position == kPitcher) return 0;
    for (int e = FirstBench(team); e <= LastBench(team); ++e) {
        if (PlaysPosition(team.player(e), position)) return e;
    }
    return 0;
}

struct Candidate {
    int entry = 0;
    int replacement = 0;
};

double Weight(const Player& p, int k, int entry, int ownPitcher, char opposingHand) {
    int games = 0;
    for (int i = 1; i <= 4; ++i) games += p.gamesAtPosition[static_cast<std::size_t>(i)];
    double w = games == 0 ? p.atBats
                          : static_cast<double>(p.atBats) *
                                p.gamesAtPosition[static_cast<std::size_t>(k)] / games;
    if (Upper(p.platoonMark) == 'X' && opposingHand != ' ' &&
        Upper(opposingHand) == Upper(p.hand)) {
        w = 1;
    }
    if (entry == ownPitcher) w = 0.0001;
    return w;
}

}  // namespace

std::string UnfilledPositionText(int position) {
    return "AUTOLINEUP detected error:|Def. position  " + std::to_string(position) + " unfilled";
}

bool AUTOLINEUP(Team& team, int ownPitcher, char opposingHand, Rng& rng, ErrorSink& errors) {
    for (int position = kCatcher; position <= kRightField; ++position) {
        bool filled = false;
        for (int slot = 1; slot <= kLineupSize; ++slot) {
            if (team.player(slot).lineupPosition == position) filled = true;
        }
        if (!filled) errors.fault(UnfilledPositionText(position), "");
    }

    std::array<int, kLineupSize + 1> order{};
    for (int i = 1; i <= kLineupSize; ++i) order[static_cast<std::size_t>(i)] = i;
    for (int i = 0; i < 20; ++i) {
        int a = rng.randInt(kLineupSize);
        int b = rng.randInt(kLineupSize);
        std::swap(order[static_cast<std::size_t>(a)], order[static_cast<std::size_t>(b)]);
    }

    bool changed = false;
    std::array<bool, kLineupSize + 1> handled{};
    for (int i = 1; i <= kLineupSize; ++i) {
        int slot = order[static_cast<std::size_t>(i)];
        int position = team.player(slot).lineupPosition;
        if (position >= 2) {
            std::array<Candidate, kMaxLineupCandidates> list{};
            std::array<double, kMaxLineupCandidates> weights{};
            std::size_t count = 0;
            auto consider = [&](int entry, int replacement) {
                const Player& p = team.player(entry);
                for (int k = 1; k <= 4 && count < list.size(); ++k) {
                    if (PositionCode(p, k) != position) continue;
                    list[count] = {entry, replacement};
                    weights[count] = Weight(p, k, entry, ownPitcher, opposingHand);
                    ++count;
                }
            };
            for (int e = 1; e <= kLineupSize; ++e) {
                if (e == slot) {
                    consider(e, 0);
                } else if (!handled[static_cast<std::size_t>(e)]) {
                    int r = Replacement(team, team.player(e).lineupPosition);
                    if (r != 0) consider(e, r);
                }
            }
            for (int e = FirstBench(team); e <= LastBench(team); ++e) consider(e, 0);

            if (count > 0) {
                double total = 0;
                for (std::size_t c = 0; c < count; ++c) total += weights[c];
                if (total > 0) {
                    for (std::size_t c = 0; c < count; ++c) weights[c] /= total;
                }
                const Candidate& pick =
                    list[rng.weightedChoice(std::span<const double>(weights.data(), count))];
                if (pick.entry != slot) {
                    if (pick.entry <= kLineupSize) {
                        int oldPosition = team.player(pick.entry).lineupPosition;
                        swapEntries(team, slot, pick.entry);
                        team.player(slot).lineupPosition = position;
                        swapEntries(team, pick.entry, pick.replacement);
                        team.player(pick.entry).lineupPosition = oldPosition;
                    } else {
                        swapEntries(team, slot, pick.entry);
                        team.player(slot).lineupPosition = position;
                    }
                    changed = true;
                }
            }
        }
        handled[static_cast<std::size_t>(slot)] = true;
    }
    return changed;
}

bool AUTOLINEUP(Game& game, int team) {
    auto starter = [&](int t) {
        int s = game.options.starter[static_cast<std::size_t>(t)];
        return s > 0 ? s : game.state.currentPitcher[static_cast<std::size_t>(t)];
    };
    int other = otherTeam(team);
    int opposing = starter(other);
    char hand = opposing > 0 ? game.team(other).player(opposing).hand : ' ';
    return AUTOLINEUP(game.team(team), starter(team), hand, game.rng, *game.errors);
}

}  // namespace vrk
