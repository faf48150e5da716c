// The files shipped in home/: the sample league's team files load cleanly
// into complete rosters adding up to the league rows of BASEBALL.CFG, the
// configuration loads without a warning, the park lines have their columns,
// the play-by-play catalogue has a sound text for every event, and the season
// schedule reads back whole.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/numbering.h"
#include "core/process.h"
#include "core/text_fields.h"
#include "data/league_rows.h"
#include "data/schedule_csv.h"
#include "data/schedule_file.h"
#include "data/schedule_filter.h"
#include "data/team_file.h"
#include "engine/message_registry.h"
#include "presentation/catalogue.h"
#include "shell/config_file.h"
#include "test_paths.h"

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

// The league rows the team files were made for: the "DEF A" and "DEF N"
// lines of BASEBALL.CFG, which every season of those leagues falls back to.
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

// The shipped configuration as the program starts with it.
Config shippedConfig(std::vector<std::string>& warnings) {
    Config config;
    applyConfigDefaults(config, chooseEditors("", true, true));
    warnings = readConfigFile(kHomeDir + "/BASEBALL.CFG", config, ConfigReadMode::Startup);
    config.homeDir = kHomeDir;
    return config;
}

std::vector<Team> loadShippedLeague() {
    std::vector<std::string> warnings;
    const Config config = shippedConfig(warnings);
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

// Every documented default stands (the comments set nothing) and the first
// rows are the league rows the team files were made for.
TEST(ShippedHome, ConfigLoadsCleanWithTheDefaultRowsFirst) {
    std::vector<std::string> warnings;
    const Config c = shippedConfig(warnings);
    EXPECT_TRUE(warnings.empty()) << warnings.front();
    Config fresh;
    applyConfigDefaults(fresh, chooseEditors("", true, true));
    EXPECT_EQ(c.editor, fresh.editor);
    EXPECT_EQ(c.rows, fresh.rows);
    EXPECT_EQ(c.regulationInnings, 9);
    EXPECT_EQ(c.hilite, fresh.hilite);
    EXPECT_FALSE(c.protectSch || c.daysOffRule || c.autoCoach);
    EXPECT_TRUE(c.outOfPositionMsg);
    EXPECT_EQ(c.dataPath, "");

    ASSERT_LE(c.leagueRows.size(), kMaxLeagueAverageRows);
    ASSERT_GE(c.leagueRows.size(), 2u);
    const double runFactors[] = {4.75, 4.50};
    for (std::size_t k = 0; k < 2; ++k) {
        const LeagueAverageRow& row = c.leagueRows[k];
        const Counts& want = kRows[k].totals;
        EXPECT_EQ(row.key(), std::string("DEF ") + kRows[k].league);
        EXPECT_EQ(std::vector<long>({long(row.innings), long(row.hits), row.doubles, row.triples,
                                     row.homeRuns, row.walks}),
                  std::vector<long>(want.begin(), want.begin() + SO));
        EXPECT_NEAR(row.strikeoutsPerOut * 3 * row.innings, want[SO], 1);
        EXPECT_EQ(row.column60Value, 8);
        EXPECT_DOUBLE_EQ(row.runFactor, runFactors[k]);
        EXPECT_EQ(row.leagueIndex, 100);
    }
}

TEST(ShippedHome, ParkLinesHaveTheirColumns) {
    std::ifstream in(kHomeDir + "/STADIUM.TXT");
    ASSERT_TRUE(in);
    std::string line;
    int lines = 0;
    while (std::getline(in, line)) {
        ++lines;
        ASSERT_GT(line.size(), 100u) << line;
        EXPECT_FALSE(trim(field(line, 1, 20)).empty());
        for (int col : {21, 27, 33, 39, 45}) {
            const auto text = trim(field(line, col, col + 5));
            EXPECT_FALSE(text.empty()) << line;
            EXPECT_EQ(text.find_first_not_of("-0123456789"), std::string_view::npos) << line;
        }
        EXPECT_FALSE(trim(field(line, 53, 78)).empty());
        EXPECT_FALSE(trim(field(line, 80, 98)).empty());
    }
    EXPECT_GE(lines, 4);
}

// The shipped configuration holds exactly the rows the databank gives, so a
// corrected Teams.csv or a changed formula cannot leave them stale.
TEST(ShippedHome, ConfigurationHoldsEverySeasonOfTheDatabank) {
    const fs::path teamsCsv = fs::path(vrk::test::databankDir()) / "Teams.csv";
    if (!fs::exists(teamsCsv)) GTEST_SKIP() << "no databank beside the repository";
    const DatabankTeams teams = readDatabankTeams(teamsCsv.string());
    EXPECT_TRUE(teams.problems.empty());
    std::ifstream cfg(kHomeDir + "/BASEBALL.CFG");
    std::set<std::string> shipped;
    std::string line;
    while (std::getline(cfg, line)) {
        if (line.size() > 4 && std::isdigit(static_cast<unsigned char>(line[0])))
            shipped.insert(line);
    }
    const auto lines = leagueSeasonLines(teams.seasons);
    EXPECT_EQ(lines.size(), shipped.size());
    for (const auto& l : lines)
        EXPECT_TRUE(shipped.count(formatLeagueRow(l))) << formatLeagueRow(l);
}

TEST(ShippedHome, SeasonScheduleRoundTripsThroughCsv) {
    const auto read = ReadScheduleFile(kHomeDir + "/SEASON.SCH");
    ASSERT_TRUE(read);
    std::stringstream csv;
    ScheduleToCsv(*read, csv);
    const CsvSchedule back = ScheduleFromCsv(csv);
    ASSERT_EQ(back.problem, "");
    EXPECT_EQ(back.bytes, read->bytes);
    EXPECT_EQ(CountScheduleGames(*read, {}), 16 * 162 / 2);
}

PlayByPlayCatalogue shipped() {
    PlayByPlayCatalogue catalogue;
    const CatalogueLoad outcome = LoadPlayByPlay(catalogue, kHomeDir + "/BASEBALL.MSG");
    EXPECT_EQ(outcome.status, CatalogueLoadStatus::Loaded) << outcome.message;
    EXPECT_LE(outcome.records, kMaxCatalogueRecords);
    return catalogue;
}

TEST(ShippedCatalogue, HasATextForEveryRegisteredKey) {
    const PlayByPlayCatalogue catalogue = shipped();
    Team visitors, home;
    visitors.player(1).playerName = "Brooks, Ty";
    home.player(2).playerName = "Vance, Lee";
    PlayByPlayContext context;
    context.teams = {nullptr, &visitors, &home};
    Rng rng(3);
    for (const auto& entry : msg::RegisteredKeys()) {
        context.currentFielder = entry.key.p >= '1' && entry.key.p <= '9' ? entry.key.p - '0' : 0;
        const std::string text = PlayByPlayText(catalogue, entry.key, 1, 1, 2, 2, context, rng);
        EXPECT_EQ(text.find("Not found"), std::string::npos)
            << entry.name << " " << entry.key.display();
        EXPECT_FALSE(text.empty()) << entry.name;
    }
}

// Mistakes an editor of the file easily makes, checked over every text.
TEST(ShippedCatalogue, TextsUseTheirTokensAndPronounsSoundly) {
    const PlayByPlayCatalogue catalogue = shipped();
    for (const auto& record : catalogue.records) {
        const std::string& text = record.text;
        const int tokens = (text.find('@') != std::string::npos) +
                           (text.find('*') != std::string::npos) +
                           (text.find('#') != std::string::npos);
        EXPECT_LE(tokens, 1) << record.key << " only one of @ * # is ever replaced: " << text;
        if (text.find('#') != std::string::npos) {
            EXPECT_TRUE(record.key[2] >= '1' && record.key[2] <= '9')
                << record.key << " names a position without a fielder: " << text;
        }
        // A women's team must hear no male pronoun left over.
        std::istringstream words(GenderText(text));
        for (std::string word; words >> word;) {
            while (!word.empty() && !std::isalpha(static_cast<unsigned char>(word.back())) &&
                   word.back() != '\'')
                word.pop_back();
            for (const char* male : {"he", "He", "his", "His", "him", "himself", "guy"})
                EXPECT_NE(word, male) << record.key << ": " << text;
        }
    }
}

}  // namespace
}  // namespace vrk
