#include <gtest/gtest.h>

#include "presentation/console_keys.h"
#include "presentation/console_memory.h"
#include "presentation/status_bar.h"

namespace vrk {
namespace {

std::string click(int row, int col) {
    return mouseCode({MouseKind::LeftClick, row, col});
}

TEST(StatusBar, TextsOfEachBar) {
    struct Case {
        KeyBar bar;
        int delay;
        bool visitors, home;
        std::string text;
    };
    const Case cases[] = {
        {KeyBar::Watch, 3, false, false, " VRK v4.9.4b Manual   Options  Box  Card  Results "},
        {KeyBar::Watch, 0, false, false,
         " VRK v4.9.4b Manual   Options  Box  Card  Results  Toggle Display  Quit "},
        {KeyBar::UserSide, 3, true, false,
         " VRK v4.9.4b Manual    Options  Box  Card  Doc  S=Visi  Quit "},
        {KeyBar::UserSide, 3, true, true,
         " VRK v4.9.4b Manual    Options  Box  Card  Doc  S=Visi  5=Home  Quit "},
        {KeyBar::EndOfGame, 3, false, false,
         " VRK v4.9.4b Manual   New  Box  Card  Results  Stats  Doc  Quit "},
    };
    for (const Case& c : cases) {
        StatusBarSettings s;
        s.mode = "Manual  ";
        s.bar = c.bar;
        s.playDelay = c.delay;
        s.visitorsKey = c.visitors;
        s.homeKey = c.home;
        EXPECT_EQ(statusBarLine(s).text, c.text);
    }
}

// The bar takes the last row whatever the height, within the centred play
// area; its words answer clicks with their letters.
TEST(StatusBar, LastRowAndHotZones) {
    for (const auto& [rows, cols] : {std::pair{24, 80}, std::pair{25, 80}, std::pair{40, 100}}) {
        MemoryConsole console(rows, cols);
        StatusBarSettings s;
        s.mode = "Two-Team";
        s.playDelay = 0;
        const auto zones = drawStatusBar(console, s);
        const int left = (cols - 80) / 2;
        EXPECT_EQ(console.textAt(rows, left + 1, 21), " VRK v4.9.4b Two-Team") << rows;
        const int options = left + 23;
        EXPECT_EQ(console.textAt(rows, options, 7), "Options");
        EXPECT_EQ(console.attributeAt(rows, options), s.highlight);
        EXPECT_EQ(console.attributeAt(rows, options + 1), s.attribute);
        EXPECT_EQ(hotZoneKey(zones, click(rows, options + 3)), 'O');
        EXPECT_EQ(hotZoneKey(zones, click(rows, options + 9)), 'B');
        EXPECT_EQ(hotZoneKey(zones, click(rows, options + 7)), 0);  // the gap
        EXPECT_EQ(hotZoneKey(zones, click(rows - 1, options)), 0);
        EXPECT_EQ(hotZoneKey(zones, mouseCode({MouseKind::RightClick, rows, options})), 0);
        EXPECT_EQ(hotZoneKey(zones, "O"), 0);
        const auto quit = console.rowText(rows).find("Quit");
        EXPECT_EQ(hotZoneKey(zones, click(rows, static_cast<int>(quit) + 1)), 'Q');
    }
}

}  // namespace
}  // namespace vrk
