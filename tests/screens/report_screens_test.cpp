#include <gtest/gtest.h>

#include "presentation/console_keys.h"
#include "presentation/console_memory.h"
#include "reports/report_test_support.h"
#include "screens/report_options_screen.h"
#include "screens/standings_screen.h"

namespace vrk {
namespace {

ClubStandings TwoLeagues() {
    report_testing::SetBuilder set;
    set.series('A', 'E', "Hawks", "Owls", 3);
    set.series('X', 'C', "Crows", "Wrens", 2);
    set.game('X', 'C', "Wrens", 4, "Crows", 1);
    ClubStandings table;
    for (const GameRecord& g : set.games) AddGameToStandings(table, g);
    return table;
}

int RowOf(const MemoryConsole& console, const std::string& text) {
    for (int r = 1; r <= console.rows(); ++r)
        if (console.rowText(r).find(text) != std::string::npos) return r;
    return 0;
}

TEST(StandingsScreen, LeaguesInColumnsWideAndNarrow) {
    struct Case {
        StandingsLayout layout;
        const char* header;
        const char* hawks;
        const char* crows;
    };
    const Case cases[] = {
        {StandingsLayout::Wide, "              Won   Lost  Pct", "Hawks           3      0  1.00",
         "Crows           2      1  .667"},
        {StandingsLayout::Narrow, "            Won Lost Pct", "Hawks         3    0 1.00",
         "Crows         2    1 .667"},
    };
    for (const Case& c : cases) {
        MemoryConsole console(25, 80);
        ClubStandings table = TwoLeagues();
        console.pushKey(kKeyEscape);
        DrawStandings(console, (RecomputeStandingsKeys(table), SortStandingsTable(table), table),
                      c.layout);
        EXPECT_TRUE(console.screenContains("Standings"));
        EXPECT_TRUE(console.screenContains("A.L."));
        EXPECT_TRUE(console.screenContains("X"));  // an unknown league shows its letter
        EXPECT_TRUE(console.screenContains("East"));
        EXPECT_TRUE(console.screenContains("Central"));
        EXPECT_TRUE(console.screenContains(c.header));
        EXPECT_TRUE(console.screenContains(c.hawks)) << c.hawks;
        EXPECT_TRUE(console.screenContains(c.crows)) << c.crows;
        EXPECT_TRUE(console.screenContains("Owls          0    3 .000") ||
                    console.screenContains("Owls            0      3  .000"));
        // The two leagues stand side by side.
        EXPECT_EQ(RowOf(console, "Hawks"), RowOf(console, "Crows"));
    }
}

TEST(StandingsScreen, HiLitesPageAndEscapeRestoresTheScreen) {
    MemoryConsole console(25, 80);
    console.printAt(1, 1, "the caller's screen", 7);
    std::vector<Highlight> highlights;
    for (int i = 1; i <= 30; ++i)
        highlights.push_back({i, RunHighlightText("Event number " + std::to_string(i))});
    ClubStandings table = TwoLeagues();
    console.pushKey(kKeyPgDn);
    console.pushKey(kKeyPgDn);
    console.pushKey(kKeyPgUp);
    console.pushKey(kKeyEscape);
    ShowStandingsScreen(console, table, StandingsLayout::Narrow, highlights);
    EXPECT_EQ(console.keysLeft(), 0u);
    EXPECT_TRUE(console.screenContains("the caller's screen"));
    EXPECT_FALSE(console.screenContains("Standings"));
    // What was shown while waiting for the last key: the second page.
    const std::vector<std::string>& last = console.screenAtLastWait();
    auto shows = [&](const std::string& text) {
        for (const std::string& row : last)
            if (row.find(text) != std::string::npos) return true;
        return false;
    };
    EXPECT_TRUE(shows("Hi-Lites"));
    EXPECT_TRUE(shows("ESC PgUp/PgDown"));
    EXPECT_FALSE(shows("Event number 1 "));
    EXPECT_TRUE(shows("Standings"));
    int shownEvents = 0;
    for (int i = 1; i <= 30; ++i) shownEvents += shows("Event number " + std::to_string(i) + " ");
    EXPECT_GT(shownEvents, 0);
    EXPECT_LT(shownEvents, 30);
}

TEST(ReportOptionsScreen, TypedChoicesAndCancel) {
    MemoryConsole console(25, 80);
    ReportOptions defaults;
    defaults.statsName = "OLD";
    // Starts on the Standings line: N, then Highlights n, Tables Enter,
    // Min. AB 25, R/L y.
    for (std::string_view key :
         {std::string_view("N"), std::string_view("n"), kKeyEnter, std::string_view("2"),
          std::string_view("5"), kKeyDown, std::string_view("y"), kKeyEscape})
        console.pushKey(key);
    const auto chosen = ReportOptionsScreen(console, defaults);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->statsName, "OLD");
    EXPECT_FALSE(chosen->standings);
    EXPECT_FALSE(chosen->highlights);
    EXPECT_TRUE(chosen->tables);
    EXPECT_EQ(chosen->minAtBats, 25);
    EXPECT_TRUE(chosen->rlBreakdown);
    EXPECT_TRUE(chosen->fielding);
    EXPECT_FALSE(chosen->fieldingDetail);
    EXPECT_TRUE(chosen->leaders);
    EXPECT_TRUE(console.screenContains("") && !console.screenContains("Statistics Report Options"));

    MemoryConsole blank(25, 80);
    blank.pushKey(kKeyEscape);  // no name: refused with a beep
    blank.pushKey("S");
    blank.pushKey("1");
    blank.pushKey(kKeyF3);
    EXPECT_FALSE(ReportOptionsScreen(blank, ReportOptions{}).has_value());
    EXPECT_EQ(blank.beeps(), 1);
}

}  // namespace
}  // namespace vrk
