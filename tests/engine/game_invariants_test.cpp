#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>
#include <utility>

#include "engine/engine_helpers.h"
#include "engine/play_game.h"
#include "engine/recording_seams.h"
#include "engine/test_teams.h"

namespace vrk {
namespace {

using testing::FieldingOuts;
using testing::OutsSoFar;

// Watches the score card, which every half inning writes to at least once:
// a team's outs do not change while it bats, so what it has made by any
// line of the next half inning is what it had at the end of its own.
class HalfInningWatch final : public ScoreCardSink {
  public:
    explicit HalfInningWatch(const Game& game) : game_(game) {}
    void entry(int, int, char, std::string_view) override {
        const GameState& s = game_.state;
        seen[{s.inning, s.battingTeam}] = {OutsSoFar(game_, kVisitors), OutsSoFar(game_, kHome)};
    }
    std::map<std::pair<int, int>, std::pair<FieldingOuts, FieldingOuts>> seen;

  private:
    const Game& game_;
};

// The hits, walks, strikeouts, home runs and runs of a batting side as its
// batters have them and as the other side's pitchers allowed them.
struct Books {
    std::array<int, 5> batting{}, allowed{};
    int runsBattedIn = 0, earnedRuns = 0;
};

Books Tally(const Game& game, int team) {
    Books t;
    for (int e = 1; e <= kMaxRosterEntries; ++e) {
        const BatterCounters& b = game.counters.batter[team][e];
        const PitcherCounters& p = game.counters.pitcher[otherTeam(team)][e];
        EXPECT_GE(b.atBats, 0);
        EXPECT_LE(p.earnedRuns, p.runs);
        const std::array<int, 5> bat{b.hits, b.walks, b.strikeouts, b.homeRuns, b.runs};
        const std::array<int, 5> allowed{p.hits, p.walks, p.strikeouts, p.homeRuns, p.runs};
        for (std::size_t k = 0; k < 5; ++k) {
            t.batting[k] += bat[k];
            t.allowed[k] += allowed[k];
        }
        t.runsBattedIn += b.runsBattedIn;
        t.earnedRuns += p.earnedRuns;
    }
    return t;
}

void CheckGame(const Game& game, const GameResult& result, const HalfInningWatch& watch,
               std::uint64_t seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    ASSERT_TRUE(result.winner == kVisitors || result.winner == kHome);
    int loser = otherTeam(result.winner);
    EXPECT_GT(result.score[result.winner], result.score[loser]);
    EXPECT_GE(result.innings, 9);
    EXPECT_EQ(result.winningPitcher.team, result.winner);
    EXPECT_EQ(result.losingPitcher.team, loser);

    for (int team = kVisitors; team <= kHome; ++team) {
        int score = result.score[team];
        int lineScore = 0;
        for (int inning = 1; inning <= 30; ++inning) lineScore += result.runsByInning[team][inning];
        EXPECT_TRUE(result.innings > 30 || lineScore == score) << "team " << team;

        Books books = Tally(game, team);
        EXPECT_EQ(books.batting, books.allowed) << "team " << team;
        EXPECT_EQ(books.batting[4], score) << "team " << team;
        EXPECT_EQ(books.batting[0], game.counters.team[team].hits);
        EXPECT_LE(books.runsBattedIn, score);
        EXPECT_LE(books.earnedRuns, score);
        // The fielding side's pitchers' outs are its fielders' putouts.
        FieldingOuts outs = OutsSoFar(game, otherTeam(team));
        EXPECT_EQ(outs.pitcherOuts, outs.putouts) << "batting team " << team;
    }

    // Every half inning ends on its third out, except a home half that ends
    // with the winning run.
    ASSERT_FALSE(watch.seen.empty());
    FieldingOuts before[3];
    int halves = 0;
    for (auto it = watch.seen.begin(); it != watch.seen.end(); ++it) {
        auto [inning, batting] = it->first;
        if (inning == 0) continue;
        int fielding = otherTeam(batting);
        auto next = std::next(it);
        FieldingOuts after =
            next == watch.seen.end()
                ? OutsSoFar(game, fielding)
                : (fielding == kVisitors ? next->second.first : next->second.second);
        FieldingOuts& start = before[fielding];
        int pitcherOuts = after.pitcherOuts - start.pitcherOuts;
        int putouts = after.putouts - start.putouts;
        bool walkOff = next == watch.seen.end() && batting == kHome && result.winner == kHome;
        if (walkOff) {
            EXPECT_LE(pitcherOuts, 2);
        } else {
            EXPECT_EQ(pitcherOuts, 3) << "inning " << inning << " team " << batting;
        }
        EXPECT_EQ(putouts, pitcherOuts) << "inning " << inning << " team " << batting;
        start = after;
        ++halves;
    }
    EXPECT_EQ(halves, 2 * result.innings -
                          (result.winner == kHome &&
                           static_cast<int>(watch.seen.rbegin()->first.second) == kVisitors));
    EXPECT_EQ(OutsSoFar(game, kHome).pitcherOuts, 3 * result.innings)
        << "every top half is played out";
}

// Undisplayed games also leave the narration alone: no text work at all.
TEST(GameInvariants, TwoThousandSeededGames) {
    for (std::uint64_t seed = 1; seed <= 2000; ++seed) {
        testing::GameFixture f(seed, seed % 2 == 0);
        HalfInningWatch watch(*f.game);
        testing::LoopNarration quiet;
        f.game->scoreCard = &watch;
        f.game->narration = &quiet;
        GameResult result = PlayGame(*f.game);
        CheckGame(*f.game, result, watch, seed);
        EXPECT_EQ(quiet.calls, 0) << seed;
        if (::testing::Test::HasFailure()) break;
    }
}

TEST(GameInvariants, DisplayedGamesKeepTheSameBooks) {
    std::size_t told = 0;
    for (std::uint64_t seed = 1; seed <= 200; ++seed) {
        testing::GameFixture f(seed, seed % 2 == 0);
        testing::LoopNarration narration;
        narration.wordy = true;
        HalfInningWatch watch(*f.game);
        f.game->narration = &narration;
        f.game->scoreCard = &watch;
        f.game->options.displayed = true;
        GameResult result = PlayGame(*f.game);
        CheckGame(*f.game, result, watch, seed);
        told += narration.lines.size();
        if (::testing::Test::HasFailure()) break;
    }
    EXPECT_GT(told, 200u * 50u);
}

}  // namespace
}  // namespace vrk
