// Plays a small seeded season into a statistics set, writes its report, and
// checks the report against figures worked out here from the files alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>

#include "core/text_fields.h"
#include "data/stats_set.h"
#include "data/stats_test_support.h"
#include "reports/report_test_support.h"
#include "reports/statistics_report.h"
#include "shell/batch_test_home.h"
#include "test_paths.h"

namespace vrk {
namespace {

using report_testing::Lines;

constexpr const char* kStandingsHeader =
    "Team             W     L   Pct   GB     W     L     RS     RA     W     L     RS     RA    "
    "   RS     RA   Hits  Errs    LOB    DP    Score";
constexpr const char* kBattingHeader =
    "Name                Avg      G     AB   Runs   Hits     TB    2B    3B     HR    RBI    SH "
    "   SF    HB     BB     SO    SB    CS   SB%  GIDP   ERR ";
constexpr const char* kPitchingHeader =
    "Name                 W     L     S   BS    ERA     G    GS    CG  ShO     Inns   Hits   Run"
    "s   ERun     HR    HB     BB     SO  SO/9   Avg   Slg   ";

// The figure printed under a header word: the text between the end of the
// word before it and the end of this one.
long Column(const std::string& row, const std::string& header, const std::string& word,
            int occurrence = 1) {
    std::size_t at = std::string::npos;
    for (int i = 0; i < occurrence; ++i) {
        at = header.find(" " + word + " ", at == std::string::npos ? 0 : at + 1);
        if (at == std::string::npos && header.ends_with(" " + word))
            at = header.size() - word.size() - 1;
    }
    const std::size_t end = at + 1 + word.size();
    std::size_t start = header.find_last_not_of(' ', at);
    start = start == std::string::npos ? 0 : start + 1;
    if (row.size() < end) return -1;
    // The label column may run into the first figure's room: the figure is
    // the last word there.
    const std::string cell(trimRight(row.substr(start, end - start)));
    return std::strtol(cell.substr(cell.find_last_of(' ') + 1).c_str(), nullptr, 10);
}

struct Club {
    int w = 0, l = 0;
    long rs = 0, ra = 0;
};

std::string Printed(double v, int kind) {  // 0 count, 1 rate, 2 two decimals, 3 innings
    char text[32];
    const int decimals[] = {0, 3, 2, 1};
    std::snprintf(text, sizeof text, "%.*f", decimals[kind], v);
    std::string s = text;
    if (kind == 1 && s.starts_with("0.")) s.erase(0, 1);
    return s;
}

struct Expected {
    std::string title;  // its first word or two
    int kind;
    bool lowestFirst;
    std::vector<std::pair<std::string, double>> holders;  // every eligible player
};

TEST(ReportSeason, TheReportAgreesWithTheFiles) {
    testing::BatchHome home("report");
    for (const char* team : {"ARDMOUTH.DAT", "DALMOUTH.DAT", "NEVHOLM.DAT", "GORWICK.DAT"})
        std::filesystem::copy_file(std::filesystem::path(test::sourceHome()) / team,
                                   home.dir / team);
    const char* pairs[][2] = {{"CAMHAVEN", "DALMOUTH"}, {"NEVHOLM", "CAMHAVEN"},
                              {"DALMOUTH", "NEVHOLM"},  {"FELVORA", "ARDMOUTH"},
                              {"GORWICK", "FELVORA"},   {"ARDMOUTH", "GORWICK"},
                              {"CAMHAVEN", "FELVORA"},  {"ARDMOUTH", "DALMOUTH"}};
    std::string series;
    for (const auto& p : pairs) series += std::string("/V:") + p[0] + " /H:" + p[1] + " /N:6\n";
    home.write("SEASON.SER", series);
    const auto run = home.batch("/SER:SEASON /ST:YEAR /SEED:11");
    ASSERT_EQ(run.status, 0) << run.err;

    // The files, read without the report's code.
    const std::string folder = home.dir.string() + "/";
    const std::vector<std::uint8_t> sts = stats_testing::readBytes(folder + "YEAR.STS");
    ASSERT_EQ(sts.size(), 48 * GameRecord::kSize);
    std::map<std::string, Club> clubs;
    for (std::size_t i = 0; i < sts.size(); i += GameRecord::kSize) {
        const GameRecord g = DecodeGame(std::span(sts).subspan(i, GameRecord::kSize));
        Club& v = clubs[std::string(trimRight(g.visitors.teamName))];
        Club& h = clubs[std::string(trimRight(g.home.teamName))];
        (g.visitors.runs > g.home.runs ? v.w : v.l) += 1;
        (g.home.runs > g.visitors.runs ? h.w : h.l) += 1;
        v.rs += g.visitors.runs;
        v.ra += g.home.runs;
        h.rs += g.home.runs;
        h.ra += g.visitors.runs;
    }
    StatsSet set;
    ASSERT_TRUE(OpenStatsSet(set, folder, "YEAR").ok);

    ReportOptions options;
    options.statsName = "YEAR";
    const ReportOutcome outcome = WriteStatisticsReport(folder, options, 0, {"d", "t"}, {});
    ASSERT_EQ(outcome.status, ReportStatus::Written) << outcome.message;
    const std::vector<std::string> lines = Lines(stats_testing::readText(outcome.path));

    // Standings: every club's row.
    int mostGames = 0;
    for (const auto& [name, c] : clubs) {
        mostGames = std::max(mostGames, c.w + c.l);
        auto row = std::find_if(lines.begin(), lines.end(), [&](const std::string& l) {
            return l.starts_with(padRight(name, 12)) && l.size() >= 139;
        });
        ASSERT_NE(row, lines.end()) << name;
        EXPECT_EQ(Column(*row, kStandingsHeader, "W"), c.w) << name;
        EXPECT_EQ(Column(*row, kStandingsHeader, "L"), c.l) << name;
        EXPECT_EQ(Column(*row, kStandingsHeader, "RS", 3), c.rs) << name;
        EXPECT_EQ(Column(*row, kStandingsHeader, "RA", 3), c.ra) << name;
    }

    // Club totals: the sums of the players' records.
    for (const auto& [name, c] : clubs) {
        long ab = 0, hits = 0, hr = 0, walks = 0, wins = 0, strikeouts = 0, earned = 0;
        for (int n = 1; n < set.batting.count(); ++n) {
            const BattingRecord& b = set.batting.at(n);
            if (trimRight(b.key.view().substr(1, 12)) != name) continue;
            ab += b.atBats.total;
            hits += b.hits.total;
            hr += b.homeRuns.total;
            walks += b.walks.total;
        }
        for (int n = 1; n < set.pitching.count(); ++n) {
            const PitchingRecord& p = set.pitching.at(n);
            if (trimRight(p.key.view().substr(1, 12)) != name) continue;
            wins += p.wins;
            strikeouts += p.strikeouts;
            earned += p.earnedRuns;
        }
        auto team = std::find(lines.begin(), lines.end(), "Team: " + padRight(name, 12));
        ASSERT_NE(team, lines.end()) << name;
        auto batting = std::find_if(
            team, lines.end(), [](const std::string& l) { return l.starts_with("TEAM TOTALS:"); });
        ASSERT_NE(batting, lines.end());
        auto pitching = std::find_if(batting + 1, lines.end(), [](const std::string& l) {
            return l.starts_with("TEAM TOTALS:");
        });
        ASSERT_NE(pitching, lines.end());
        EXPECT_EQ(Column(*batting, kBattingHeader, "AB"), ab) << name;
        EXPECT_EQ(Column(*batting, kBattingHeader, "Hits"), hits) << name;
        EXPECT_EQ(Column(*batting, kBattingHeader, "HR"), hr) << name;
        EXPECT_EQ(Column(*batting, kBattingHeader, "BB"), walks) << name;
        EXPECT_EQ(Column(*pitching, kPitchingHeader, "W"), wins) << name;
        EXPECT_EQ(Column(*pitching, kPitchingHeader, "W"), c.w) << name;
        EXPECT_EQ(Column(*pitching, kPitchingHeader, "SO"), strikeouts) << name;
        EXPECT_EQ(Column(*pitching, kPitchingHeader, "ERun"), earned) << name;
    }

    // Leaders: each list holds the best eligible players, in order.
    const long markPA = std::lround(std::nearbyint(3.05 * mostGames));
    const double markInnings = std::max(1.0, std::nearbyint(0.9 * mostGames));
    for (char league : {'A', 'N'}) {
        std::vector<Expected> lists = {
            {"Batting Avg", 1, false, {}},  {"Runs", 0, false, {}},
            {"Hits", 0, false, {}},         {"Home Runs", 0, false, {}},
            {"Doubles", 0, false, {}},      {"Triples", 0, false, {}},
            {"RBI", 0, false, {}},          {"Walks", 0, false, {}},
            {"Stolen Bases", 0, false, {}}, {"On-Base", 1, false, {}},
            {"Slugging", 1, false, {}},     {"Runs Created", 2, false, {}},
            {"Innings", 3, false, {}},      {"Wins", 0, false, {}},
            {"ERA", 2, true, {}},           {"Strike Outs", 0, false, {}},
            {"Saves", 0, false, {}},        {"Complete", 0, false, {}},
            {"ShutOuts", 0, false, {}},     {"OPS", 1, true, {}},
        };
        auto add = [](Expected& e, const std::string& who, double v, bool eligible) {
            if (eligible && (e.lowestFirst || v > 0.001)) e.holders.push_back({who, v});
        };
        for (int n = 1; n < set.batting.count(); ++n) {
            const BattingRecord& b = set.batting.at(n);
            if (b.key.bytes[0] != league) continue;
            const std::string who(trimRight(b.key.view().substr(13)));
            const double ab = b.atBats.total, h = b.hits.total;
            const double pa = ab + b.walks.total + b.hitByPitch;
            const double tb = h + b.doubles.total + 2.0 * b.triples.total + 3.0 * b.homeRuns.total;
            const bool q = pa >= markPA;
            const double obp = pa > 0 ? (h + b.walks.total + b.hitByPitch) / pa : 0;
            const double slg = ab > 0 ? tb / ab : 0;
            const double rcDiv = pa + b.sacrificeHits + b.sacrificeFlies;
            const double rc =
                rcDiv > 0 ? (h + b.walks.total + b.hitByPitch - b.caughtStealing -
                             b.groundedIntoDoublePlays) *
                                (tb + 0.26 * (b.walks.total + b.hitByPitch) +
                                 0.52 * (b.sacrificeHits + b.sacrificeFlies + b.stolenBases)) /
                                rcDiv
                          : 0;
            const double outs = ab - h + b.caughtStealing + b.sacrificeHits + b.sacrificeFlies +
                                b.groundedIntoDoublePlays;
            add(lists[0], who, ab > 0 ? h / ab : 0, q);
            add(lists[1], who, b.runs, true);
            add(lists[2], who, h, true);
            add(lists[3], who, b.homeRuns.total, true);
            add(lists[4], who, b.doubles.total, true);
            add(lists[5], who, b.triples.total, true);
            add(lists[6], who, b.runsBattedIn, true);
            add(lists[7], who, b.walks.total, true);
            add(lists[8], who, b.stolenBases, true);
            add(lists[9], who, obp, q);
            add(lists[10], who, slg, q);
            add(lists[11], who, outs > 0 ? std::min(99.99, rc * 27 / outs) : 0, q);
        }
        for (int n = 1; n < set.pitching.count(); ++n) {
            const PitchingRecord& p = set.pitching.at(n);
            if (p.key.bytes[0] != league) continue;
            const std::string who(trimRight(p.key.view().substr(13)));
            const double ip = p.innings + p.extraOuts / 3.0;
            const bool q = ip >= markInnings;
            const double oppAb = p.battersFaced - p.walks - p.hitBatsmen;
            const double oppTb = p.hits + p.doubles + 2.0 * p.triples + 3.0 * p.homeRuns;
            const double ops =
                (p.battersFaced > 0 ? (p.hits + p.walks + p.hitBatsmen) / double(p.battersFaced)
                                    : 0) +
                (oppAb > 0 ? oppTb / oppAb : 0);
            add(lists[12], who, ip, true);
            add(lists[13], who, p.wins, true);
            add(lists[14], who, std::min(99.99, p.earnedRuns * 9 / std::max(0.1, ip)), q);
            add(lists[15], who, p.strikeouts, true);
            add(lists[16], who, p.saves, true);
            add(lists[17], who, p.completeGames, true);
            add(lists[18], who, p.shutouts, true);
            add(lists[19], who, ops, q);
        }

        auto start = std::find(lines.begin(), lines.end(),
                               std::string("League Batting Leaders - ") + league);
        ASSERT_NE(start, lines.end());
        std::size_t at = static_cast<std::size_t>(start - lines.begin());
        for (std::size_t pair = 0; pair < lists.size(); pair += 2) {
            while (at < lines.size() && !lines[at].starts_with(lists[pair].title)) ++at;
            ASSERT_LT(at, lines.size()) << lists[pair].title;
            for (int side = 0; side < 2; ++side) {
                Expected& e = lists[pair + static_cast<std::size_t>(side)];
                std::stable_sort(e.holders.begin(), e.holders.end(), [&](auto& a, auto& b) {
                    return e.lowestFirst ? a.second < b.second : a.second > b.second;
                });
                std::map<std::string, double> value(e.holders.begin(), e.holders.end());
                const std::size_t places = std::min<std::size_t>(15, e.holders.size());
                for (std::size_t i = 0; i < 15; ++i) {
                    const std::string& line = lines[at + 1 + i];
                    const std::string cell =
                        side == 0 ? line.substr(0, std::min<std::size_t>(36, line.size()))
                                  : (line.size() > 40 ? line.substr(40) : "");
                    if (i >= places) {
                        EXPECT_EQ(trim(cell), "") << e.title << " place " << i + 1;
                        continue;
                    }
                    ASSERT_GE(cell.size(), 30u) << e.title << ": " << line;
                    const std::string who(trimRight(cell.substr(4, 16)));
                    const std::string shown(trim(cell.substr(29)));
                    EXPECT_EQ(shown, Printed(e.holders[i].second, e.kind))
                        << e.title << " place " << i + 1;
                    ASSERT_TRUE(value.contains(who))
                        << e.title << ": " << who << " is not eligible";
                    EXPECT_EQ(shown, Printed(value[who], e.kind)) << e.title << ": " << who;
                }
            }
            at += 16;
        }
    }
}

}  // namespace
}  // namespace vrk
