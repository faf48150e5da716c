#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

#include "engine/engine_helpers.h"
#include "engine/plays_fixture.h"
#include "engine/test_teams.h"

namespace vrk {
namespace {

// Outs made by a fielding team so far: its pitchers' outs and its putouts.
struct FieldingOuts {
    int pitcherOuts = 0;
    int putouts = 0;
};

FieldingOuts OutsSoFar(const Game& game, int team) {
    FieldingOuts outs;
    for (int entry = 1; entry <= kMaxRosterEntries; ++entry) {
        outs.pitcherOuts +=
            game.state
                .outsRecorded[static_cast<std::size_t>(team)][static_cast<std::size_t>(entry)];
        outs.putouts +=
            game.counters.fielder[static_cast<std::size_t>(team)][static_cast<std::size_t>(entry)]
                .putouts;
    }
    return outs;
}

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

struct SideTotals {
    int hits = 0, walks = 0, strikeouts = 0, homeRuns = 0, runs = 0, runsBattedIn = 0;
    int allowedHits = 0, allowedWalks = 0, pitcherStrikeouts = 0, allowedHomeRuns = 0;
    int allowedRuns = 0, earnedRuns = 0, pitcherOuts = 0, putouts = 0;
};

SideTotals Totals(const Game& game, int team) {
    SideTotals t;
    const auto& counters = game.counters;
    for (int entry = 1; entry <= kMaxRosterEntries; ++entry) {
        const BatterCounters& b =
            counters.batter[static_cast<std::size_t>(team)][static_cast<std::size_t>(entry)];
        t.hits += b.hits;
        t.walks += b.walks;
        t.strikeouts += b.strikeouts;
        t.homeRuns += b.homeRuns;
        t.runs += b.runs;
        t.runsBattedIn += b.runsBattedIn;
        const PitcherCounters& p =
            counters.pitcher[static_cast<std::size_t>(team)][static_cast<std::size_t>(entry)];
        EXPECT_LE(p.earnedRuns, p.runs);
        t.allowedHits += p.hits;
        t.allowedWalks += p.walks;
        t.pitcherStrikeouts += p.strikeouts;
        t.allowedHomeRuns += p.homeRuns;
        t.allowedRuns += p.runs;
        t.earnedRuns += p.earnedRuns;
        t.pitcherOuts +=
            game.state
                .outsRecorded[static_cast<std::size_t>(team)][static_cast<std::size_t>(entry)];
        t.putouts +=
            counters.fielder[static_cast<std::size_t>(team)][static_cast<std::size_t>(entry)]
                .putouts;
    }
    return t;
}

void CheckGame(const Game& game, const GameResult& result, const HalfInningWatch& watch,
               std::uint64_t seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    ASSERT_TRUE(result.winner == kVisitors || result.winner == kHome);
    ASSERT_NE(result.score[1], result.score[2]);
    int loser = otherTeam(result.winner);
    EXPECT_GT(result.score[static_cast<std::size_t>(result.winner)],
              result.score[static_cast<std::size_t>(loser)]);

    for (int team = kVisitors; team <= kHome; ++team) {
        int other = otherTeam(team);
        int score = result.score[static_cast<std::size_t>(team)];
        int lineScore = 0;
        for (int inning = 1; inning <= 30; ++inning) {
            lineScore +=
                result
                    .runsByInning[static_cast<std::size_t>(team)][static_cast<std::size_t>(inning)];
        }
        if (result.innings <= 30) {
            EXPECT_EQ(lineScore, score) << "team " << team;
        }

        SideTotals bat = Totals(game, team);
        SideTotals pitch = Totals(game, other);
        EXPECT_EQ(bat.runs, score);
        EXPECT_LE(bat.runsBattedIn, score);
        EXPECT_EQ(pitch.allowedRuns, score) << "every run is charged to a pitcher";
        EXPECT_LE(pitch.earnedRuns, pitch.allowedRuns);
        EXPECT_EQ(bat.hits, pitch.allowedHits);
        EXPECT_EQ(bat.hits, game.state.teamHits[static_cast<std::size_t>(team)]);
        EXPECT_EQ(bat.walks, pitch.allowedWalks);
        EXPECT_EQ(bat.strikeouts, pitch.pitcherStrikeouts);
        EXPECT_EQ(bat.homeRuns, pitch.allowedHomeRuns);
        // Outs credited to the fielding side's pitchers are the outs its
        // fielders made, one putout each.
        EXPECT_EQ(pitch.pitcherOuts, pitch.putouts) << "batting team " << team;
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
    int homePitcherOuts = Totals(game, kHome).pitcherOuts;
    EXPECT_EQ(homePitcherOuts, 3 * result.innings) << "every top half is played out";
}

TEST(GameInvariants, TwoThousandSeededGames) {
    for (std::uint64_t seed = 1; seed <= 2000; ++seed) {
        testing::GameFixture f(seed, seed % 2 == 0);
        HalfInningWatch watch(*f.game);
        f.game->scoreCard = &watch;
        GameResult result = PlayGame(*f.game);
        CheckGame(*f.game, result, watch, seed);
        if (::testing::Test::HasFailure()) break;
    }
}

// Tells plays with a few telling words, so that the handlers that read the
// play-by-play (depth of a fly, a slow roller, the flip to the pitcher) are
// driven through their displayed branches.
class WordyNarration final : public Narration {
  public:
    std::vector<std::string> lines;
    void message(MessageKey key, int, int, int, int) override {
        std::string line = key.display();
        if (key.category == 7 && key.s == '3') line += " way back, deep!";
        if (key.category == 6 && key.s == '2') line += key.detail % 2 ? " a short fly" : " routine";
        if (key.category == 3 && key.s == '2') line += " a slow roller";
        if (key.category == 2 && key.p == '3') line += " He flips to the pitcher covering...";
        lines.push_back(line);
    }
    void text(int, std::string_view line) override { lines.emplace_back(line); }
    std::string_view recentLine(int back) const override {
        if (back < 0 || back >= static_cast<int>(lines.size())) return {};
        return lines[lines.size() - 1 - static_cast<std::size_t>(back)];
    }
    void dropRecent(int count) override {
        for (int i = 0; i < count && !lines.empty(); ++i) lines.pop_back();
    }
    void startPlay() override {}
    void showPlay() override {}
    void redrawScoreboard() override {}
    void redrawField() override {}
    void markBatter(int, int) override {}
    void refreshAtBat() override {}
    void fatigue(std::string_view) override {}
    void window(std::string_view, std::span<const std::string_view>) override {}
    void closeWindow() override {}
    void celebrateHomeRun(bool) override {}
};

TEST(GameInvariants, DisplayedGamesKeepTheSameBooks) {
    std::size_t told = 0;
    for (std::uint64_t seed = 1; seed <= 200; ++seed) {
        testing::GameFixture f(seed, seed % 2 == 0);
        WordyNarration narration;
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
