// Pinch hitting: for a tired or outgoing pitcher, and for any batter when a
// bench player is clearly better and the game calls for it.
#include <algorithm>
#include <array>

#include "core/rounding.h"
#include "core/text_fields.h"
#include "managers/auto_manager.h"
#include "managers/auto_manager_support.h"
#include "managers/bullpen_state.h"
#include "managers/relief_selection.h"

namespace vrk {

using automan::Situation;

namespace {

constexpr int kMaxCandidates = 15;

struct Candidate {
    int entry = 0;
    int value = 0;      // batting value in thousandths
    int selection = 0;  // selection value in thousandths
};

// Largest selection value first, then largest batting value, then roster
// order.
bool Ahead(const Candidate& a, const Candidate& b) {
    return a.selection > b.selection || (a.selection == b.selection && a.value > b.value);
}

// One stable insertion pass in place: std::stable_sort would ask for a
// buffer on every call, and the list is at most kMaxCandidates long.
template <typename It>
void SortCandidates(It begin, It end) {
    for (It i = begin; i != end; ++i) {
        Candidate moving = *i;
        It j = i;
        for (; j != begin && Ahead(moving, *(j - 1)); --j) *j = *(j - 1);
        *j = moving;
    }
}

char Upper(char c) {
    return asciiUpper(c);
}

int Thousandths(double v) {
    return static_cast<int>(roundHalfEven(1000 * v));
}

// Why a pinch hitter is wanted for the pitcher: 0 not wanted, a removal
// reason, or -1 when wanted for his pitch count alone. Without a reliever he
// is never wanted; the bullpen is asked last (it is the costly test), yet
// before the draw, which is made only when there is one.
int PitcherPinchHitReason(Game& game, const AutoManagerContext& context, const Situation& x) {
    const GameState& s = game.state;
    const int bt = x.batting;
    const int pitcher = s.currentPitcher[bt];
    const Team& team = game.team(bt);
    if (game.counters.team[x.fielding].hits < 1) return 0;
    const bool starter = automan::StarterStillIn(game, bt);
    const int outs = automan::OutsRecorded(game, bt, pitcher);
    if (starter && outs < 27 && s.score[x.fielding] == 0 && x.offensiveLead > 0) return 0;
    auto relief = [&] { return automan::AvailableRelievers(game, context.bullpen, bt, 1) > 0; };

    int reason = 0;
    if (team.player(pitcher).pitching.games > 0 &&
        7 + s.pitchCount[bt] > automan::AllowedPitches(game, context.bullpen, bt)) {
        reason = -1;
    } else if (s.inning == s.rules.regulationInnings - 2 && starter) {
        if (!relief()) return 0;
        double share = std::min(1 - CompleteGameShare(team.appearancesPerStart), 0.99);
        if (game.rng.draw() < share / 2) return kPinchHitGeneralReliever;
    }
    if (reason == 0 && automan::HasCloser(game, context.bullpen, bt) &&
        s.inning > s.rules.regulationInnings - 2 && x.offensiveLead >= 0 && x.offensiveLead <= 3 &&
        outs >= 1) {
        reason = kPinchHitCloser;
    }
    return reason != 0 && relief() ? reason : 0;
}

AutoManagerGame::BenchFigures WorkOutBenchFigures(const Player& p, bool seasonReplay) {
    AutoManagerGame::BenchFigures f;
    f.value = BattingValue(p, seasonReplay);
    f.valueThousandths = Thousandths(f.value);
    f.selection = f.value;
    int fielding = 0;
    for (std::size_t k = 1; k < p.positionCode.size(); ++k) {
        if (p.positionCode[k] > kPitcher) fielding += p.gamesAtPosition[k];
    }
    if (p.games > 0 && p.atBats > 40 && fielding > 0) {
        f.selection += std::min(static_cast<double>(p.games - fielding) / (5.0 * p.games), 0.04);
    }
    f.bats = Upper(p.hand);
    return f;
}

// The bench's figures of this game, brought up to date after an exchange:
// only the entries it moved are worked out again.
const std::array<AutoManagerGame::BenchFigures, kMaxRosterEntries + 1>& BenchOf(
    const Game& game, const AutoManagerContext& context, int team) {
    const auto t = static_cast<std::size_t>(team);
    auto& figures = context.perGame.bench[t];
    const int since = context.perGame.benchSwaps[t];
    if (since != context.bullpen.swaps(team)) {
        const Team& roster = game.team(team);
        const int last = std::min(roster.playerCount, kMaxRosterEntries);
        for (int e = std::max(roster.lastPitcherEntry + 1, 1); e <= last; ++e) {
            if (since >= 0 && context.bullpen.exchanged(team, e) <= since) continue;
            figures[static_cast<std::size_t>(e)] =
                WorkOutBenchFigures(roster.player(e), context.seasonReplay);
        }
        context.perGame.benchSwaps[t] = context.bullpen.swaps(team);
    }
    return figures;
}

int Collect(Game& game, const AutoManagerContext& context, int team,
            std::array<Candidate, kMaxCandidates>& list) {
    const Team& t = game.team(team);
    char throws = Upper(game.pitcherPlayer().hand);
    const auto& bench = BenchOf(game, context, team);
    int count = 0;
    int last = std::min(t.playerCount, kMaxRosterEntries);
    const std::uint64_t pitched = automan::PitchedEntries(game, team);
    for (int e = t.lastPitcherEntry + 1; e <= last && count < kMaxCandidates; ++e) {
        if (!automan::FreshBenchPlayer(game, context.bullpen, team, e, pitched)) continue;
        const AutoManagerGame::BenchFigures& f = bench[static_cast<std::size_t>(e)];
        double selection = f.selection;
        if (f.bats == 'S' || f.bats == 'B' || f.bats != throws) selection += 0.06;
        if (e <= t.lastPitcherEntry + 3) selection += 0.03;
        list[count++] = {e, f.valueThousandths, Thousandths(selection)};
    }
    return count;
}

// The best batting value among the fresh bench players Collect would list,
// and how many there are: most looks at the bench send no one up, and this
// answers that without working out anyone's selection value.
int BestOnBench(const Game& game, const AutoManagerContext& context, int team, int& count) {
    const Team& t = game.team(team);
    const BullpenState& bullpen = context.bullpen;
    const int pitchersUsed = game.state.pitchersUsed[team];
    auto& kept = context.perGame.benchBest[static_cast<std::size_t>(team)];
    // One branch for the three tests: which of them moved is of no interest.
    if ((static_cast<int>(kept.swaps == bullpen.swaps(team)) &
         static_cast<int>(kept.marks == bullpen.marks(team)) &
         static_cast<int>(kept.pitchersUsed == pitchersUsed)) != 0) {
        count = kept.count;
        return kept.best;
    }
    const std::uint64_t pitched = automan::PitchedEntries(game, team);
    const auto& bench = BenchOf(game, context, team);
    count = 0;
    int best = 0;
    int last = std::min(t.playerCount, kMaxRosterEntries);
    for (int e = t.lastPitcherEntry + 1; e <= last && count < kMaxCandidates; ++e) {
        if (!automan::FreshBenchPlayer(game, bullpen, team, e, pitched)) continue;
        const int value = bench[static_cast<std::size_t>(e)].valueThousandths;
        best = count++ == 0 ? value : std::max(best, value);
    }
    kept = {bullpen.swaps(team), bullpen.marks(team), pitchersUsed, best, count};
    return best;
}

}  // namespace

namespace automan {

bool PinchHitter(Game& game, AutoManagerContext& context, const Situation& x) {
    GameState& s = game.state;
    const int bt = x.batting;
    const int reg = s.rules.regulationInnings;
    const double aps = game.team(bt).appearancesPerStart;

    int reason = x.pitcherBatting ? PitcherPinchHitReason(game, context, x) : 0;
    const bool wanted = reason != 0;

    int e = std::min(s.inning, reg);
    // The runners and the score change from batter to batter: the tests are
    // worked out as numbers rather than guessed branches.
    const int w =
        x.runners + (static_cast<int>(x.runners == 1) & static_cast<int>(s.runnerOnFirst == 0));
    int t1 = 2;
    int t2 = 2;
    if (x.pitcherBatting && aps < 2.5) {
        t1 = static_cast<int>(roundHalfEven(11 - 3 * aps));
        t2 = static_cast<int>(roundHalfEven(2 * aps - 2.3));
    }
    bool look =
        ((static_cast<int>(e > t1) & static_cast<int>(e + x.deficit + w - s.outs > reg - t2)) |
         static_cast<int>(wanted)) != 0;

    // Batting for the pitcher needs someone left to pitch next.
    if (look && x.pitcherBatting && FallbackReliever(game, context.bullpen, bt) == 0) look = false;
    if (look) {
        int count = 0;
        const int best = BestOnBench(game, context, bt, count);
        if (count > 0) {
            int batter = Thousandths(BattingValue(game.batterPlayer(), context.seasonReplay));
            int margin = Thousandths(PinchHitMargin(s.inning, x.pitcherBatting));
            // Listed and sorted only when someone is sent up.
            if (best - batter > margin || wanted) {
                std::array<Candidate, kMaxCandidates> list{};
                count = Collect(game, context, bt, list);
                auto begin = list.begin();
                auto end = list.begin() + count;
                // Equal values keep roster order: the earlier bench entry comes first.
                SortCandidates(begin, end);
                int pick = 0;
                if (count == 2) {
                    pick = game.rng.draw() < 0.75 ? 0 : 1;
                } else if (count >= 3) {
                    double r = game.rng.draw();
                    pick = r < 0.7 ? 0 : r < 0.85 ? 1 : 2;
                }
                game.flags.pinchHitCall = true;
                game.flags.pinchHitter = list[pick].entry;
                ++context.counters.pinchHits;
                if (x.pitcherBatting && automan::StarterStillIn(game, bt)) {
                    ++context.counters.starterRemoval[kPinchHitAll];
                    if (reason > 0) ++context.counters.starterRemoval[reason];
                }
                return true;
            }
        }
    }
    if (x.pitcherBatting) context.perGame.pitcherLetBat[bt] = true;
    return false;
}

}  // namespace automan

bool ManagePinchHitter(Game& game, AutoManagerContext& context) {
    return automan::PinchHitter(game, context, automan::Read(game));
}

}  // namespace vrk
