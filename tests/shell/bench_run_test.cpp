#include <gtest/gtest.h>
#include "test_paths.h"

#include <algorithm>
#include <sstream>

#include "data/team_restore.h"
#include "shell/bench_run.h"
#include "shell/session.h"
#include "shell/startup.h"

namespace vrk {
namespace {

// The shipped home's session, for runs over loaded pairings.
void prepareShippedSession(Session& session, StartupInputs& inputs) {
    inputs.sourceHome = vrk::test::sourceHome();
    ASSERT_EQ(prepareSession(inputs, session).status, StartupStatus::Ready);
}

TEST(BenchRun, SignatureIsFnv1a) {
    Signature empty;
    EXPECT_EQ(empty.value, 0xcbf29ce484222325ULL);
    // Eight bytes of zero, each xor-ed in and multiplied by the FNV prime.
    Signature zero;
    zero.add(0);
    std::uint64_t expected = 0xcbf29ce484222325ULL;
    for (int i = 0; i < 8; ++i) expected *= 0x100000001b3ULL;
    EXPECT_EQ(zero.value, expected);
    Signature one, other;
    one.add(1);
    other.add(256);
    EXPECT_NE(one.value, other.value) << "every byte of the number counts";
}

TEST(BenchRun, SameSeedSameSignature) {
    Session session;
    StartupInputs inputs;
    ASSERT_NO_FATAL_FAILURE(prepareShippedSession(session, inputs));
    std::vector<std::string> problems;
    auto pairings =
        loadPairings({{"CAMHAVEN", "FELVORA"}, {"FELVORA", "CAMHAVEN"}}, session.config, problems);
    ASSERT_EQ(pairings.size(), 2u);

    int observed = 0;
    const BenchFigures first = playPairings(pairings, session.config, 30, 99,
                                            [&](const Game&, const GameResult&) { ++observed; });
    const BenchFigures again = playPairings(pairings, session.config, 30, 99);
    const BenchFigures other = playPairings(pairings, session.config, 30, 100);
    EXPECT_EQ(observed, 30);
    EXPECT_EQ(first.games, 30);
    // The second run starts from the same loaded teams: the games play on copies.
    EXPECT_EQ(first.signature, again.signature);
    EXPECT_NE(first.signature, other.signature);

    // The whole command prints the same signatures every time.
    auto signatures = [&] {
        std::ostringstream out, err;
        EXPECT_EQ(runBench(inputs, out, err), 0) << err.str();
        std::string lines;
        std::istringstream in(out.str());
        for (std::string line; std::getline(in, line);) {
            const auto at = line.find("signature ");
            if (at != std::string::npos) lines += line.substr(at, 27) + "\n";
        }
        return lines;
    };
    inputs.args = {"40"};
    const std::string a = signatures();
    EXPECT_EQ(a, signatures());
    EXPECT_EQ(std::count(a.begin(), a.end(), '\n'), 2);

    std::ostringstream out, err;
    inputs.args = {"none"};
    EXPECT_NE(runBench(inputs, out, err), 0);
}

// Games change their teams (substitutions exchange entries, a pitcher's
// figures go to his batting slot, a line-up is fitted to the rule): what a
// played team is restored to must be the team as loaded, in every field.
// The restore copies nothing past the rosters' ends, so no game may leave
// anything there.
TEST(BenchRun, PlayedTeamsAreRestoredToTheLoadedOnes) {
    Session session;
    StartupInputs inputs;
    ASSERT_NO_FATAL_FAILURE(prepareShippedSession(session, inputs));
    std::vector<std::string> problems;
    // CAMHAVEN uses a designated hitter, FELVORA's games have none: a line-up
    // is refitted; across the league, both ways and rosters of every length.
    auto pairings = loadPairings({{"CAMHAVEN", "FELVORA"}}, session.config, problems);
    auto league = loadPairings(roundRobin(sampleLeagueTeams()), session.config, problems);
    ASSERT_EQ(pairings.size(), 1u);
    ASSERT_FALSE(league.empty());
    for (auto& [run, games] : {std::pair{&pairings, 300}, std::pair{&league, 480}}) {
        std::vector<TeamSlots> loaded;
        for (const LoadedPairing& p : *run) loaded.push_back(p.teams);
        int changed = 0;
        int restored = 0;
        int leftPastEnd = 0;
        const BenchFigures figures =
            playPairings(*run, session.config, games, 7, [&](const Game& game, const GameResult&) {
                const TeamSlots* pair = nullptr;
                for (const TeamSlots& l : loaded) {
                    if (l[kVisitors].teamFileName == game.team(kVisitors).teamFileName &&
                        l[kHome].teamFileName == game.team(kHome).teamFileName)
                        pair = &l;
                }
                ASSERT_NE(pair, nullptr);
                for (int t = kVisitors; t <= kHome; ++t) {
                    Team played = game.team(t);
                    for (int e = played.playerCount + 1; e <= kMaxRosterEntries; ++e)
                        leftPastEnd += played.player(e) == Player{} ? 0 : 1;
                    const Team* from = &(*pair)[t];
                    if (!(played == *from)) ++changed;
                    restoreTeam(played, *from);
                    if (played == *from) ++restored;
                }
            });
        EXPECT_GT(figures.managerCounters.pinchHits, 0);
        EXPECT_GT(changed, games) << "most games leave a mark on a team";
        EXPECT_EQ(restored, 2 * games);
        EXPECT_EQ(leftPastEnd, 0);
        for (std::size_t i = 0; i < run->size(); ++i)
            EXPECT_TRUE((*run)[i].teams == loaded[i]) << "the loaded teams are never played";
    }
}

// Each game starts with clear counters, though only the rows of the rosters in
// play are cleared: across a league's rosters of several lengths, no row past
// a team's last entry holds anything, whatever a longer roster before it left.
TEST(BenchRun, CountersPastTheRosterStayClear) {
    Session session;
    StartupInputs inputs;
    ASSERT_NO_FATAL_FAILURE(prepareShippedSession(session, inputs));
    std::vector<std::string> problems;
    auto pairings = loadPairings(roundRobin(sampleLeagueTeams()), session.config, problems);
    ASSERT_FALSE(pairings.empty());
    PerTeam<int> lastWritten{};  // the highest row the slot's last game wrote
    int longerBefore = 0;        // games after one that wrote past this roster's end
    int dirtyRows = 0;
    playPairings(pairings, session.config, 400, 11, [&](const Game& game, const GameResult&) {
        for (int t = kVisitors; t <= kHome; ++t) {
            const int end = game.team(t).playerCount;
            if (lastWritten[t] > end) ++longerBefore;
            lastWritten[t] = 0;
            for (int e = 1; e <= kMaxRosterEntries; ++e) {
                const bool written = !(game.counters.batter[t][e] == BatterCounters{}) ||
                                     !(game.counters.pitcher[t][e] == PitcherCounters{}) ||
                                     !(game.counters.fielder[t][e] == FielderCounters{});
                if (!written) continue;
                lastWritten[t] = e;
                if (e > end) ++dirtyRows;
            }
        }
    });
    EXPECT_GT(longerBefore, 20) << "the case is played";
    EXPECT_EQ(dirtyRows, 0);
}

// A replay of a real season draws its line-ups from the players' at-bats;
// the bench keeps the team files' line-ups, so its signatures stay put.
TEST(BenchRun, RulesDecideWhetherPartTimersStart) {
    Session session;
    StartupInputs inputs;
    ASSERT_NO_FATAL_FAILURE(prepareShippedSession(session, inputs));
    std::vector<std::string> problems;
    auto pairings = loadPairings({{"CAMHAVEN", "FELVORA"}}, session.config, problems);
    ASSERT_EQ(pairings.size(), 1u);
    const Team& fileHome = pairings[0].teams[kHome];
    auto gamesWithOtherStarters = [&](const BatchRules& rules) {
        int changed = 0;
        playPairings(
            pairings, session.config, 40, 7,
            [&](const Game& game, const GameResult&) {
                for (int e = 1; e <= kLineupSize; ++e)
                    if (game.team(kHome).player(e).playerName != fileHome.player(e).playerName &&
                        game.team(kHome).player(e).lineupPosition != 1) {
                        ++changed;
                        break;
                    }
            },
            rules);
        return changed;
    };
    BatchRules drawn;
    drawn.autoLineup = {false, true, true};
    drawn.battingOrder = {' ', 'C', 'C'};
    // Substitutions during a game change some line-ups either way.
    const int asFiled = gamesWithOtherStarters({});
    EXPECT_GT(gamesWithOtherStarters(drawn), 2 * asFiled + 5) << asFiled;
    const BenchFigures bench = playPairings(pairings, session.config, 40, 7);
    EXPECT_EQ(bench.signature, playPairings(pairings, session.config, 40, 7, {}, {}).signature);
    EXPECT_NE(bench.signature, playPairings(pairings, session.config, 40, 7, {}, drawn).signature);
}

TEST(BenchRun, RoundRobinPairsEveryTeamBothWays) {
    const auto pairings = roundRobin({"A", "B", "C"});
    ASSERT_EQ(pairings.size(), 6u);
    int homeGames[3] = {0, 0, 0};
    for (const Pairing& p : pairings) {
        EXPECT_NE(p.visitor, p.home);
        ++homeGames[p.home[0] - 'A'];
    }
    EXPECT_EQ(homeGames[0], 2);
    EXPECT_EQ(homeGames[1], 2);
    EXPECT_EQ(homeGames[2], 2);
    EXPECT_TRUE(roundRobin({"A"}).empty());
}

}  // namespace
}  // namespace vrk
