// The sample league in home/: every team file must load cleanly through the
// real loader, be a complete roster, and add up to the league-average rows
// it was made for, so that games played with it look like baseball.

#include <gtest/gtest.h>
#include <unistd.h>
#include "test_paths.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/numbering.h"
#include "core/process.h"
#include "core/text_fields.h"
#include "data/team_file.h"

namespace vrk {
namespace {

namespace fs = std::filesystem;

const std::string kHomeDir = vrk::test::sourceHome();
constexpr int kGames = 162;
constexpr double kTeamTolerance = 0.08;    // a team's rate against its league's
constexpr double kLeagueTolerance = 0.03;  // a league's summed totals against its row

// Innings, hits, doubles, triples, home runs, walks, strikeouts, plate appearances.
enum { IP, H, D, T, HR, BB, SO, PA, kFields };
using Totals = std::array<double, kFields>;
using Counts = std::array<int, kFields>;
const char* const kNames[] = {"innings",   "hits",  "doubles",    "triples",
                              "home runs", "walks", "strikeouts", "plate appearances"};

// The league rows of the shipped BASEBALL.CFG (its "DEF A" and "DEF N"
// lines, which every season of those leagues falls back to); no PA column.
struct Row {
    char league;
    Counts totals;
};
constexpr Row kRows[] = {
    {'A', {11600, 11760, 2320, 240, 1360, 4160, 8000}},
    {'N', {11620, 11600, 2300, 260, 1280, 4300, 8500}},
};

template <typename Number>
void add(Totals& sum, const std::array<Number, kFields>& x) {
    for (std::size_t i = 0; i < kFields; ++i) sum[i] += x[i];
}

double battersFaced(const Totals& t) {
    return t[H] + t[BB] + t[SO] + 0.99 * (3 * t[IP] - t[SO]);
}

Totals rowTotals(const Row& r) {
    Totals t{};
    add(t, r.totals);
    t[PA] = battersFaced(t);
    return t;
}

LeagueAverageRow configRow(const Row& r) {
    const Totals t = rowTotals(r);
    LeagueAverageRow row;
    row.year = "DEF ";
    row.league = r.league;
    row.walkRate = float(t[BB] / t[PA]);
    row.strikeoutsPerOut = float(t[SO] / (3 * t[IP]));
    row.strikeoutRate = float(t[SO] / t[PA]);
    row.singleRate = float((t[H] - t[D] - t[T] - t[HR]) / t[PA]);
    row.doubleRate = float(t[D] / t[PA]);
    row.tripleRate = float(t[T] / t[PA]);
    row.homeRunRate = float(t[HR] / t[PA]);
    row.innings = r.totals[IP];
    row.hits = r.totals[H];
    row.doubles = std::int16_t(r.totals[D]);
    row.triples = std::int16_t(r.totals[T]);
    row.homeRuns = std::int16_t(r.totals[HR]);
    row.walks = std::int16_t(r.totals[BB]);
    return row;
}

std::vector<std::string> shippedTeamFiles() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(kHomeDir)) {
        const std::string name = entry.path().filename().string();
        if (name.size() > 4 && name.substr(name.size() - 4) == ".DAT") names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool isBatterEntry(const Team& t, int e) {
    return e <= kLineupSize || e > t.lastPitcherEntry;
}

// Batting as the file states it: every batter line, the pitcher's slot
// included (it carries the staff's own batting).
Totals battingTotals(const Team& t) {
    Totals s{};
    for (int e = 1; e <= t.playerCount; ++e) {
        const Player& p = t.player(e);
        if (isBatterEntry(t, e))
            add(s, Counts{0, p.hits, p.doubles, p.triples, p.homeRuns, p.walks, p.strikeouts,
                          p.atBats + p.walks});
    }
    return s;
}

Totals pitchingTotals(const Team& t) {
    Totals s{};
    for (int e = kFirstPitcherEntry; e <= t.lastPitcherEntry; ++e) {
        const Player& p = t.player(e);
        add(s, Counts{p.inningsPitched(), p.hits, p.doubles, p.triples, p.homeRuns, p.walks,
                      p.strikeouts, 0});
    }
    s[PA] = battersFaced(s);
    return s;
}

// Each count (or, with `perPA`, each rate per plate appearance) within
// `tolerance` of the row's.
void expectNear(const Totals& got, const Totals& row, double tolerance, const std::string& what,
                bool perPA) {
    for (std::size_t f = H; f <= SO; ++f) {
        const double ratio = perPA ? (got[f] / got[PA]) / (row[f] / row[PA]) : got[f] / row[f];
        EXPECT_NEAR(ratio, 1.0, tolerance) << what << " " << kNames[f];
    }
}

std::vector<Team> loadShippedLeague() {
    Config config;
    config.homeDir = kHomeDir;
    for (const auto& r : kRows) config.leagueRows.push_back(configRow(r));
    std::vector<Team> teams;
    for (const std::string& file : shippedTeamFiles()) {
        Team& team = teams.emplace_back();
        team.teamFileName = file;
        const TeamLoadResult result = loadTeam(team, kVisitors, nullptr, config);
        EXPECT_FALSE(result.abort) << file;
        for (const auto& w : result.warnings) ADD_FAILURE() << file << ": " << w;
    }
    return teams;
}

// A shared load: every team file loads without warnings into a plausible roster.
class ShippedLeague : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { teams_ = new std::vector<Team>(loadShippedLeague()); }
    static void TearDownTestSuite() { delete teams_; }
    static const std::vector<Team>& teams() { return *teams_; }

  private:
    static inline std::vector<Team>* teams_ = nullptr;
};

TEST_F(ShippedLeague, SixteenTeamsInTwoLeaguesOfTwoDivisions) {
    ASSERT_EQ(teams().size(), 16u);
    std::map<std::string, int> perDivision;
    std::set<std::string> names;
    for (const Team& t : teams()) {
        SCOPED_TRACE(t.teamFileName);
        const std::string stem = t.teamFileName.substr(0, t.teamFileName.size() - 4);
        EXPECT_LE(stem.size(), 8u);
        EXPECT_EQ(upperCase(stem), stem);
        EXPECT_EQ(t.season, "2026");
        EXPECT_EQ(t.teamName.substr(0, 3), "26 ");
        EXPECT_NE(trimRight(t.teamName).size(), 3u);
        EXPECT_TRUE(names.insert(t.teamName).second) << "team name twice";
        EXPECT_EQ(t.leagueContext.rowKey, std::string("DEF ") + t.league);
        ++perDivision[std::string(1, t.league) + t.division];
    }
    EXPECT_EQ(perDivision,
              (std::map<std::string, int>{{"AE", 4}, {"AW", 4}, {"NE", 4}, {"NW", 4}}));
}

TEST_F(ShippedLeague, EveryRosterIsCompleteAndConsistent) {
    for (const Team& t : teams()) {
        SCOPED_TRACE(t.teamFileName);
        // Every fielding position once, plus a DH (league A) or the pitcher's
        // slot batting ninth (league N), matching the DH keyword.
        std::multiset<int> positions;
        for (int e = 1; e <= kLineupSize; ++e) positions.insert(t.player(e).lineupPosition);
        for (int pos = kCatcher; pos <= kRightField; ++pos)
            EXPECT_EQ(positions.count(pos), 1u) << pos;
        if (t.league == 'A') {
            EXPECT_EQ(positions.count(kDesignatedHitter), 1u);
            EXPECT_EQ(t.dhRule, kTrue);
        } else {
            EXPECT_EQ(t.player(kLineupSize).lineupPosition, kPitcher);
            EXPECT_EQ(t.dhRule, 1);
        }

        // 10 to 13 pitchers, a five-man rotation that starts every game, a closer.
        const int pitchers = t.lastPitcherEntry - kLineupSize;
        EXPECT_TRUE(pitchers >= 10 && pitchers <= 13) << pitchers;
        int rotation = 0, starts = 0, wins = 0, losses = 0, bestSaves = 0;
        PitcherBattingLine staff;
        for (int e = kFirstPitcherEntry; e <= t.lastPitcherEntry; ++e) {
            const Player& p = t.player(e);
            SCOPED_TRACE(p.playerName);
            EXPECT_EQ(p.lineupPosition, kPitcher);
            rotation += p.gamesStarted() >= 20;
            starts += p.gamesStarted();
            wins += p.wins(), losses += p.losses();
            bestSaves = std::max(bestSaves, p.saves());
            EXPECT_LE(p.gamesStarted(), p.games);
            EXPECT_LE(p.wins() + p.losses(), p.games);
            EXPECT_LE(p.homeRuns + p.doubles + p.triples, p.hits);
            // A start is worth 4 to 8 innings, a relief outing up to 3.
            const int relief = p.games - p.gamesStarted();
            EXPECT_LE(p.inningsPitched(), 8 * p.gamesStarted() + 3 * relief);
            EXPECT_GE(p.inningsPitched(), 4 * p.gamesStarted() + relief / 2);
            // Earned runs follow the base runners allowed.
            const double runsPerRunner =
                p.eraTimes100() / 900.0 / (double(p.hits + p.walks) / p.inningsPitched());
            EXPECT_TRUE(runsPerRunner > 0.18 && runsPerRunner < 0.55) << runsPerRunner;
            EXPECT_TRUE(p.pitcherBattingLine.atBats > 0 || p.pitcherBattingGrade != ' ');
            const auto& b = p.pitcherBattingLine;
            staff.atBats += b.atBats, staff.hits += b.hits, staff.homeRuns += b.homeRuns;
            staff.walks += b.walks, staff.strikeouts += b.strikeouts;
        }
        EXPECT_EQ(rotation, 5);
        EXPECT_EQ(starts, kGames);
        EXPECT_EQ(wins + losses, kGames);
        EXPECT_EQ(t.wonLostText, std::to_string(wins) + "-" + std::to_string(losses));
        EXPECT_GE(bestSaves, 20);
        EXPECT_TRUE(t.pitcherGamesData && t.savesData && t.hrAllowedData);

        // The pitcher's slot of a league-N line-up bats for the staff.
        if (t.league == 'N') {
            const Player& slot = t.player(kLineupSize);
            EXPECT_EQ(
                std::vector({slot.atBats, slot.hits, slot.homeRuns, slot.walks, slot.strikeouts}),
                std::vector(
                    {staff.atBats, staff.hits, staff.homeRuns, staff.walks, staff.strikeouts}));
        }

        // Bench of 4 to 8; every batter has games at listed positions.
        const int bench = t.playerCount - t.lastPitcherEntry;
        EXPECT_TRUE(bench >= 4 && bench <= 8) << bench;
        for (int e = 1; e <= t.playerCount; ++e) {
            if (!isBatterEntry(t, e) || t.player(e).lineupPosition == kPitcher) continue;
            const Player& p = t.player(e);
            SCOPED_TRACE(p.playerName);
            EXPECT_GT(p.gamesAtPosition[1], 0);
            EXPECT_TRUE(p.positionCode[1] >= kCatcher && p.positionCode[1] <= kDesignatedHitter);
            int atPositions = 0;
            for (std::size_t k = 1; k <= 4; ++k) atPositions += p.gamesAtPosition[k];
            EXPECT_LE(atPositions, p.games);
            EXPECT_LE(p.games, kGames);
            EXPECT_LE(p.doubles + p.triples + p.homeRuns, p.hits);
            EXPECT_LE(p.hits + p.strikeouts, p.atBats);
            EXPECT_TRUE(p.atBats <= 4.8 * p.games && p.atBats >= 1.5 * p.games) << p.atBats;
            EXPECT_TRUE(p.speed >= 1 && p.speed <= 9) << p.speed;
            EXPECT_LE(p.caughtStealing, p.stolenBases + 1);
        }
        EXPECT_NE(t.teamColor, 0);
    }
}

TEST_F(ShippedLeague, TotalsMatchTheLeagueRows) {
    for (const auto& r : kRows) {
        const Totals row = rowTotals(r);
        Totals batting{}, pitching{};
        int count = 0;
        for (const Team& t : teams()) {
            if (t.league != r.league) continue;
            ++count;
            const Totals b = battingTotals(t), p = pitchingTotals(t);
            expectNear(b, row, kTeamTolerance, t.teamFileName + " batting", true);
            expectNear(p, row, kTeamTolerance, t.teamFileName + " pitching", true);
            EXPECT_NEAR(p[IP] / (row[IP] / 8), 1.0, 0.02) << t.teamFileName << " innings";
            EXPECT_NEAR(b[PA] / (row[PA] / 8), 1.0, kTeamTolerance)
                << t.teamFileName << " plate appearances";
            add(batting, b);
            add(pitching, p);
        }
        ASSERT_EQ(count, 8) << r.league;
        const std::string name = std::string("league ") + r.league;
        expectNear(batting, row, kLeagueTolerance, name + " batting", false);
        expectNear(pitching, row, kLeagueTolerance, name + " pitching", false);
        EXPECT_NEAR(pitching[IP] / row[IP], 1.0, kLeagueTolerance) << name;
    }
}

// The rows above are the ones BASEBALL.CFG ships, once that file is in home/.
TEST_F(ShippedLeague, RowsAgreeWithTheShippedConfiguration) {
    std::ifstream in(fs::path(kHomeDir) / "BASEBALL.CFG");
    if (!in) GTEST_SKIP() << "no BASEBALL.CFG in home/";
    std::map<char, std::vector<long>> found;
    std::string raw;
    while (std::getline(in, raw)) {
        const std::string_view line = chompCr(raw);
        if (field(line, 1, 4) != "DEF ") continue;
        std::vector<long> v;
        for (int col : {11, 18, 25, 32, 39, 46, 53})
            v.push_back(integerPrefix(field(line, col, col + 5)));
        found.emplace(charAt(line, 5), v);  // the first row of a league wins
    }
    for (const auto& r : kRows) {
        ASSERT_EQ(found.count(r.league), 1u) << r.league;
        EXPECT_EQ(found[r.league], std::vector<long>(r.totals.begin(), r.totals.begin() + PA))
            << r.league;
    }
}

// Stars and scrubs, and every layout the loader knows, so that the sample
// exercises the whole format.
TEST_F(ShippedLeague, HasSpreadAndEveryLayout) {
    double lowAverage = 1, highAverage = 0;
    int sluggers = 0, burners = 0, aces = 0, poorStarters = 0, speedTeams = 0, errorTeams = 0;
    int platoonMarks = 0;
    std::set<char> hands;
    for (const Team& t : teams()) {
        speedTeams += t.stealColumns == 0;
        errorTeams += t.defenseIsErrors;
        for (int e = 1; e <= t.playerCount; ++e) {
            const Player& p = t.player(e);
            if (!isBatterEntry(t, e)) {
                hands.insert(p.hand);
                aces += p.inningsPitched() >= 150 && p.eraTimes100() < 300;
                poorStarters += p.inningsPitched() >= 40 && p.eraTimes100() > 500;
            } else if (p.lineupPosition != kPitcher) {
                hands.insert(p.hand);
                platoonMarks += p.platoonMark != ' ';
                if (p.atBats >= 400) {
                    lowAverage = std::min(lowAverage, double(p.hits) / p.atBats);
                    highAverage = std::max(highAverage, double(p.hits) / p.atBats);
                }
                sluggers += p.homeRuns >= 35;
                burners += p.stolenBases >= 40;
            }
        }
    }
    EXPECT_TRUE(lowAverage >= 0.180 && lowAverage < 0.220) << lowAverage;
    EXPECT_TRUE(highAverage > 0.300 && highAverage <= 0.345) << highAverage;
    for (int n : {sluggers, burners, aces, poorStarters, platoonMarks}) EXPECT_GE(n, 3);
    for (int n : {speedTeams, errorTeams}) EXPECT_TRUE(n >= 1 && n <= 4) << n;
    EXPECT_EQ(hands, (std::set<char>{'R', 'L', 'S', 'r', 'l'}));
}

// The files in home/ are exactly what the generator writes for its default
// seed, and the generator repeats itself. Needs the tool built beside vrk.
TEST_F(ShippedLeague, GeneratorReproducesTheShippedFiles) {
    const fs::path tool = fs::path(vrk::test::vrkBinary()).parent_path() / "make_league";
    if (!fs::exists(tool)) GTEST_SKIP() << "make_league is not built";
    const fs::path out = fs::temp_directory_path() / ("vrk_league_" + std::to_string(::getpid()));
    fs::remove_all(out);
    // Reports the first line that differs, rather than two whole files.
    auto expectSameLines = [](const fs::path& generated, const fs::path& expected) {
        std::ifstream x(generated), y(expected);
        std::string lx, ly;
        for (int n = 1;; ++n) {
            const bool gx = bool(std::getline(x, lx)), gy = bool(std::getline(y, ly));
            if (!gx && !gy) return;
            if (!gx || !gy || lx != ly)
                return ADD_FAILURE() << generated << " line " << n << ":\n  generated: " << lx
                                     << "\n  expected:  " << ly;
        }
    };
    ASSERT_EQ(runAndWait({tool.string(), (out / "default").string()}), 0);
    for (const std::string& file : shippedTeamFiles())
        expectSameLines(out / "default" / file, fs::path(kHomeDir) / file);
    ASSERT_EQ(runAndWait({tool.string(), (out / "a").string(), "77"}), 0);
    ASSERT_EQ(runAndWait({tool.string(), (out / "b").string(), "77"}), 0);
    std::size_t count = 0;
    for (const auto& entry : fs::directory_iterator(out / "a")) {
        ++count;
        expectSameLines(entry.path(), out / "b" / entry.path().filename());
    }
    EXPECT_EQ(count, 16u);
    EXPECT_NE(runAndWait({tool.string(), (out / "c").string(), "seven"}), 0);
    fs::remove_all(out);
}

}  // namespace
}  // namespace vrk
