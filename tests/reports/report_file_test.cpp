#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "data/stats_test_support.h"
#include "reports/csv_tables.h"
#include "reports/report_test_support.h"
#include "reports/statistics_report.h"

namespace vrk {
namespace {

using report_testing::Lines;
using report_testing::SetBuilder;
using report_testing::TempDir;

const ReportClock kClock{"04-01-2026", "12:00:00"};

ReportOutcome Report(const TempDir& dir, const ReportOptions& options, int limit = 0,
                     ReportHooks hooks = {}) {
    return WriteStatisticsReport(dir.str(), options, limit, kClock, hooks);
}

ReportOptions Named(const std::string& name) {
    ReportOptions o;
    o.statsName = name;
    return o;
}

// Two clubs, a few players each.
SetBuilder SmallSet() {
    SetBuilder set;
    set.series('A', 'E', "Hawks", "Owls", 3);
    BattingRecord& a = set.batter('A', "Hawks", "Able, Art");
    a.games = 3;
    a.atBats = {12, 8, 4};
    a.hits = {5, 3, 2};
    a.homeRuns = {1, 1, 0};
    a.hitStreak = 12;
    BattingRecord& b = set.batter('A', "Hawks", "Bench, Bo");
    b.games = 1;
    b.atBats = {2, 2, 0};
    b.hits = {1, 1, 0};
    BattingRecord& c = set.batter('A', "Hawks", "Call, Cy");
    c.games = 1;
    c.atBats = {3, 3, 0};
    BattingRecord& d = set.batter('A', "Owls", "Dune, Di");
    d.games = 3;
    d.atBats = {11, 11, 0};
    d.hits = {2, 2, 0};
    PitchingRecord& p = set.pitcher('A', "Hawks", "Able, Art");
    p.games = 3;
    p.innings = 27;
    p.wins = 3;
    set.pitcher('A', "Owls", "Dune, Di").losses = 3;
    FieldingRecord& f = set.fielder('A', "Hawks", "Able, Art");
    f.games = 3;
    f.gamesAt[1] = 2;
    f.gamesAt[6] = 1;
    f.putoutsAt[6] = 3;
    f.errorsAt[6] = 1;
    set.highlights = {"2     Able, Art, 3 HR's"};
    return set;
}

TEST(ReportFile, InputChecksInOrder) {
    TempDir dir;
    SetBuilder set = SmallSet();
    struct Case {
        std::vector<const char*> remove;
        const char* message;
    };
    const Case cases[] = {
        {{".STS"}, "Statistics File: S.STS not found. |Please check to make sure"},
        {{".STP", ".STB"}, "No Pitcher File Found."},
        {{".STB"}, "No Batter File Found."},
    };
    for (const Case& c : cases) {
        set.write(dir, "S");
        for (const char* ext : c.remove) std::filesystem::remove(dir.file(std::string("S") + ext));
        const ReportOutcome out = Report(dir, Named("S"));
        EXPECT_EQ(out.status, ReportStatus::InputProblem);
        EXPECT_TRUE(out.message.starts_with(c.message)) << out.message;
        EXPECT_FALSE(std::filesystem::exists(dir.file("S.PRN")));
    }
    set.write(dir, "S");
    dir.write("S.STB", stats_testing::readText(dir.file("S.STB")) + "x");
    EXPECT_EQ(Report(dir, Named("S")).message, "Sorry. Statistics File: S is an old format. ");
    // Whole records in the wrong order are no old format, but still unusable.
    set.write(dir, "S");
    std::string stb = stats_testing::readText(dir.file("S.STB"));
    std::swap_ranges(stb.begin() + 162, stb.begin() + 324, stb.begin() + 324);
    dir.write("S.STB", stb);
    const ReportOutcome damaged = Report(dir, Named("S"));
    EXPECT_EQ(damaged.status, ReportStatus::InputProblem);
    EXPECT_NE(damaged.message.find("key order"), std::string::npos) << damaged.message;
}

TEST(ReportFile, SectionsFollowTheOptions) {
    TempDir dir;
    SmallSet().write(dir, "S");
    ReportOptions all = Named("S");
    all.minAtBats = 3;
    all.rlBreakdown = true;
    all.fieldingDetail = true;
    ASSERT_EQ(Report(dir, all).status, ReportStatus::Written);
    const std::string text = stats_testing::readText(dir.file("S.PRN"));
    const std::vector<std::string> lines = Lines(text);
    for (const char* expected :
         {"VRK 4.9.4b", "Date: 04-01-2026", "Time: 12:00:00", "File: S", "E Division",
          "Highlights of this Simulation", "2     Able, Art, 3 HR's",
          "Batting Streaks in Progress (at least 10 games)", "League: A",
          "LEAGUE BATTING SUMMARY BY TEAM", "League Batting Leaders - A",
          "League Pitching Leaders - A", "**** Grand Totals ****"}) {
        EXPECT_NE(std::find(lines.begin(), lines.end(), expected), lines.end()) << expected;
    }
    // Bench, Bo (2 at-bats) goes into [Other]; Call, Cy (3) is shown.
    auto line = [&](const std::string& start) {
        auto it = std::find_if(lines.begin(), lines.end(),
                               [&](const std::string& l) { return l.starts_with(start); });
        return it == lines.end() ? std::string() : *it;
    };
    EXPECT_EQ(line("Bench, Bo"), "");
    EXPECT_NE(line("Call, Cy"), "");
    EXPECT_NE(line("[Other]"), "");
    EXPECT_NE(line("[Other]").find(" .500 "), std::string::npos) << line("[Other]");
    // Team totals take every batter, the ones in [Other] too: 6 for 17.
    EXPECT_NE(line("TEAM TOTALS:").find(".3529"), std::string::npos) << line("TEAM TOTALS:");
    EXPECT_NE(line("  .vs RHP").find(".375"), std::string::npos) << line("  .vs RHP");
    EXPECT_NE(line("  .vs LHP").find(".500"), std::string::npos) << line("  .vs LHP");
    EXPECT_NE(line("  .at SS").find("0.7500"), std::string::npos) << line("  .at SS");
    // 13 runs for and 5 against in three games.
    EXPECT_NE(line("Hawks       ").find(" 4.3- 1.7"), std::string::npos) << line("Hawks   ");
    EXPECT_NE(line("Hawks         Able, Art          12"), "");  // the streak
    // The Owls have no fielding record while the file holds others.
    EXPECT_NE(text.find("Fielding\nFile Synchronization Problem"), std::string::npos);

    ReportOptions none = Named("S");
    none.standings = none.highlights = none.tables = none.leaders = false;
    ASSERT_EQ(Report(dir, none).status, ReportStatus::Written);
    const std::string bare = stats_testing::readText(dir.file("S.PRN"));
    EXPECT_EQ(bare.find("Division"), std::string::npos);
    EXPECT_EQ(bare.find("Highlights"), std::string::npos);
    EXPECT_EQ(bare.find("Batting\n"), std::string::npos);
    EXPECT_EQ(bare.find("Leaders"), std::string::npos);
    EXPECT_NE(bare.find("LEAGUE PITCHING SUMMARY BY TEAM"), std::string::npos);
}

TEST(ReportFile, EscapeStopsTheReportAndKeepsTheLastOne) {
    TempDir dir;
    SmallSet().write(dir, "S");
    ASSERT_EQ(Report(dir, Named("S")).status, ReportStatus::Written);
    const std::string before = stats_testing::readText(dir.file("S.PRN"));
    int asked = 0;
    ReportHooks hooks;
    hooks.abortRequested = [&] { return ++asked == 2; };
    const ReportOutcome out = Report(dir, Named("S"), 0, hooks);
    EXPECT_EQ(out.status, ReportStatus::Aborted);
    EXPECT_EQ(out.message, "Report Aborted!");
    EXPECT_EQ(asked, 2);  // asked after each batter
    EXPECT_EQ(stats_testing::readText(dir.file("S.PRN")), before);
}

TEST(ReportFile, ClubsBeyondTheTeamLimitAreToldAndLeftOut) {
    TempDir dir;
    SetBuilder set = SmallSet();
    set.series('A', 'W', "Crows", "Wrens", 2);
    set.batter('A', "Wrens", "Wren, Will").atBats = {4, 4, 0};
    set.write(dir, "S");
    std::vector<std::string> told;
    ReportHooks hooks;
    hooks.tellTeamLeftOut = [&](const std::string& m) { told.push_back(m); };
    ASSERT_EQ(Report(dir, Named("S"), 3, hooks).status, ReportStatus::Written);
    EXPECT_EQ(told, std::vector<std::string>{
                        " ERR: Number of Teams in a Stat printout may not exceed 750"});
    const std::string text = stats_testing::readText(dir.file("S.PRN"));
    EXPECT_EQ(text.find("Wren"), std::string::npos);
    EXPECT_NE(text.find("Crows"), std::string::npos);
}

TEST(ReportFile, CsvTablesHaveTheirColumnsAndOneRowPerPlayer) {
    TempDir dir;
    SmallSet().write(dir, "S");
    ReportInputLoad load = LoadReportInput(dir.str(), "S");
    ASSERT_TRUE(load.ok()) << load.problem;
    const CsvTables tables = BuildCsvTables(load.input, 0);
    ASSERT_TRUE(WriteCsvTables(tables, dir.file("csv")).ok);
    struct Case {
        const char* file;
        const char* header;
        std::size_t rows;
    };
    const Case cases[] = {
        {"standings.csv", "league,division,team,w,l,pct,gb,home_w,home_l,road_w,road_l,rs,ra", 2},
        {"batting.csv",
         "league,team,name,g,ab,r,h,2b,3b,hr,rbi,sb,cs,bb,hbp,so,gidp,sh,sf,e,avg,obp,slg,ops,"
         "tavg,rc,rc27",
         4},
        {"pitching.csv",
         "league,team,name,w,l,sv,bs,g,gs,cg,sho,outs,ip,h,r,er,hr,bb,hbp,so,bf,era,so9,opp_avg,"
         "opp_slg",
         2},
        {"fielding.csv",
         "league,team,name,g,g_p,g_c,g_1b,g_2b,g_3b,g_ss,g_lf,g_cf,g_rf,g_dh,e,a,po,pct", 1},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> lines =
            Lines(stats_testing::readText(dir.file(std::string("csv/") + c.file)));
        ASSERT_EQ(lines.size(), c.rows + 1) << c.file;
        EXPECT_EQ(lines[0], c.header);
        const auto columns = std::count(lines[0].begin(), lines[0].end(), ',');
        for (std::size_t i = 1; i < lines.size(); ++i) {
            // Names hold a comma and come quoted.
            std::string row = lines[i];
            const auto quoted = row.find('"');
            if (quoted != std::string::npos)
                row.erase(quoted, row.find('"', quoted + 1) - quoted + 1);
            EXPECT_EQ(std::count(row.begin(), row.end(), ','), columns) << lines[i];
        }
    }
    const std::vector<std::string> batting =
        Lines(stats_testing::readText(dir.file("csv/batting.csv")));
    EXPECT_TRUE(batting[1].starts_with("A,Hawks,\"Able, Art\",3,12,0,5,")) << batting[1];
    EXPECT_EQ(Lines(stats_testing::readText(dir.file("csv/standings.csv")))[2],
              "A,E,Owls,0,3,0.000,3.0,0,2,0,1,5,13");
    EXPECT_EQ(CsvField("say \"hi\""), "\"say \"\"hi\"\"\"");
}

}  // namespace
}  // namespace vrk
