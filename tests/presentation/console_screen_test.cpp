#include <gtest/gtest.h>

#include "presentation/console_colours.h"
#include "presentation/console_keys.h"
#include "presentation/console_memory.h"

namespace vrk {
namespace {

TEST(ConsoleScreen, PrintAtWritesWholeTextOrNothingAtTheRightEdge) {
    MemoryConsole con(25, 80);
    // "ABCDE" at column 76 ends exactly on column 80: 76 + 5 = 81 < 82.
    con.printAt(3, 76, "ABCDE", attribute(kYellow, kBlue));
    EXPECT_EQ(con.textAt(3, 76, 5), "ABCDE");
    EXPECT_EQ(con.attributeAt(3, 80), 14 + 16 * 1);
    EXPECT_EQ(con.cursorCol(), 80);  // cursor clamped after the last column

    // One column further would run past the edge: nothing, not a clipped text.
    con.printAt(4, 77, "ABCDE", 7);
    EXPECT_EQ(con.rowText(4), std::string(80, ' '));

    // Off-screen rows and columns write nothing and do not crash.
    con.printAt(0, 1, "X", 7);
    con.printAt(26, 1, "X", 7);
    con.printAt(5, 0, "X", 7);
    con.printAt(5, -3, "XY", 7);
    EXPECT_FALSE(con.screenContains("X"));

    // Attribute beyond one byte is cut to foreground/background.
    con.printAt(6, 1, "Z", 0x1FF);
    EXPECT_EQ(con.attributeAt(6, 1), 0xFF);
}

TEST(ConsoleScreen, FramesUseTheLineCharactersOfTheirStyle) {
    MemoryConsole con(25, 80);
    con.drawFrame(2, 3, 5, 10, FrameStyle::Single, 7);
    EXPECT_EQ(con.cellAt(2, 3).ch, 218);
    EXPECT_EQ(con.cellAt(2, 12).ch, 191);
    EXPECT_EQ(con.cellAt(6, 3).ch, 192);
    EXPECT_EQ(con.cellAt(6, 12).ch, 217);
    EXPECT_EQ(con.cellAt(2, 7).ch, 196);
    EXPECT_EQ(con.cellAt(4, 3).ch, 179);
    EXPECT_EQ(con.cellAt(4, 7).ch, ' ');  // inside untouched
    con.drawFrameRule(4, 3, 10, FrameStyle::Single, 7);
    EXPECT_EQ(con.cellAt(4, 3).ch, 195);
    EXPECT_EQ(con.cellAt(4, 12).ch, 180);
    EXPECT_EQ(con.cellAt(4, 8).ch, 196);

    con.drawFrame(10, 1, 3, 80, FrameStyle::Double, 12);
    EXPECT_EQ(con.cellAt(10, 1).ch, 201);
    EXPECT_EQ(con.cellAt(10, 80).ch, 187);
    EXPECT_EQ(con.cellAt(12, 1).ch, 200);
    EXPECT_EQ(con.cellAt(12, 80).ch, 188);
    EXPECT_EQ(con.cellAt(10, 40).ch, 205);
    EXPECT_EQ(con.cellAt(11, 80).ch, 186);
    EXPECT_EQ(con.attributeAt(11, 80), 12);
    con.drawFrameRule(11, 1, 80, FrameStyle::Double, 12);
    EXPECT_EQ(con.cellAt(11, 1).ch, 198);
    EXPECT_EQ(con.cellAt(11, 80).ch, 181);

    // A frame hanging off the screen draws what is on it.
    con.drawFrame(24, 75, 4, 10, FrameStyle::Single, 7);
    EXPECT_EQ(con.cellAt(24, 75).ch, 218);
    EXPECT_EQ(con.cellAt(25, 75).ch, 179);
}

TEST(ConsoleScreen, MessageBoxFitsTheWidestLineAndRestoresTheScreen) {
    MemoryConsole con(25, 80);
    for (int r = 1; r <= 25; ++r) con.printAt(r, 1, std::string(80, '.'), 0x17);
    con.setCursor(20, 33);
    con.showCursor(true);
    std::vector<std::string> before;
    for (int r = 1; r <= 25; ++r) before.push_back(con.rowText(r));

    con.pushKey("x");
    const std::string key = con.messageBox(5, 10, "One|Three lines|Two", 0x4F);
    EXPECT_EQ(key, "x");
    for (int r = 1; r <= 25; ++r) {
        ASSERT_EQ(con.rowText(r), before[static_cast<std::size_t>(r - 1)]) << "row " << r;
        EXPECT_EQ(con.attributeAt(r, 40), 0x17);
    }
    EXPECT_EQ(con.cursorRow(), 20);
    EXPECT_EQ(con.cursorCol(), 33);
    EXPECT_TRUE(con.cursorVisible());

    // A timed box returns no key and asks for the pause instead of a key.
    EXPECT_EQ(con.messageBox(5, 10, "Hello", 7, 2), "");
    EXPECT_EQ(con.sleptMs(), 2000);
    EXPECT_EQ(con.keysLeft(), 0u);
}

TEST(ConsoleScreen, MessageBoxLayout) {
    MemoryConsole con(25, 80);
    con.pushKey(kKeyEnter);
    EXPECT_EQ(con.messageBox(5, 10, "One|Three lines|Two", 7), "\r");
    const auto& shot = con.screenAtLastWait();
    ASSERT_EQ(shot.size(), 25u);
    // Width = widest line (11) + frame and one blank each side = 15.
    EXPECT_EQ(shot[4].substr(9, 15), "\xDA" + std::string(13, '\xC4') + "\xBF");
    EXPECT_EQ(shot[5].substr(9, 15), "\xB3 One         \xB3");
    EXPECT_EQ(shot[6].substr(9, 15), "\xB3 Three lines \xB3");
    EXPECT_EQ(shot[7].substr(9, 15), "\xB3 Two         \xB3");
    EXPECT_EQ(shot[8].substr(9, 15), "\xC0" + std::string(13, '\xC4') + "\xD9");
    EXPECT_EQ(shot[9], std::string(80, ' '));

    // Near the bottom-right corner the box moves in to stay whole.
    con.pushKey("y");
    con.messageBox(24, 75, "Edge", 7);
    EXPECT_EQ(shot[22].substr(72, 8), "\xDA\xC4\xC4\xC4\xC4\xC4\xC4\xBF");
    EXPECT_EQ(shot[23].substr(72, 8), "\xB3 Edge \xB3");

    // An empty text still gives a closed box; no key left answers Escape.
    EXPECT_EQ(con.messageBox(1, 1, "", 7), "\x1b");
    EXPECT_EQ(shot[0].substr(0, 4), "\xDA\xC4\xC4\xBF");
    EXPECT_EQ(con.dryReads(), 1);
}

TEST(ConsoleScreen, SavedScreenStackHoldsFiveAndIgnoresTheRest) {
    MemoryConsole con(25, 80);
    for (int i = 1; i <= 7; ++i) {
        con.printAt(1, 1, std::to_string(i), 7);
        con.setCursor(i, i);
        con.pushScreen();
    }
    EXPECT_EQ(con.savedScreens(), 5);
    con.printAt(1, 1, "X", 7);
    // The pushes of screens 6 and 7 were ignored: pops give 5, 4, ... 1.
    for (int expected = 5; expected >= 1; --expected) {
        con.popScreen();
        EXPECT_EQ(con.textAt(1, 1, 1), std::to_string(expected));
        EXPECT_EQ(con.cursorRow(), expected);
    }
    EXPECT_EQ(con.savedScreens(), 0);
    con.printAt(1, 1, "Q", 7);
    con.popScreen();  // empty: nothing happens
    EXPECT_EQ(con.textAt(1, 1, 1), "Q");
}

TEST(ConsoleScreen, ScriptedKeysAndRecordedEffects) {
    MemoryConsole con(25, 80);
    EXPECT_EQ(con.pollKey(), "");
    con.pushKey("a");
    con.pushKey(kKeyF2);
    con.pushKey(mouseCode({MouseKind::DoubleClick, 7, 12}));
    EXPECT_EQ(con.pollKey(), "a");
    EXPECT_EQ(con.waitKey(), extendedKey(60));
    EXPECT_TRUE(isEnterOrDoubleClick(con.waitKey()));
    EXPECT_EQ(con.waitKey(), kKeyEscape);
    EXPECT_EQ(con.dryReads(), 1);

    con.beep();
    con.setTitle("Varkon Simulator");
    con.sleepMs(450);
    con.sleepMs(0);
    EXPECT_EQ(con.beeps(), 1);
    EXPECT_EQ(con.title(), "Varkon Simulator");
    EXPECT_EQ(con.sleptMs(), 450);
    EXPECT_EQ(con.sleepCalls(), 2);

    // A loop that ignores Escape ends with an error instead of hanging.
    EXPECT_THROW(
        {
            for (;;) con.waitKey();
        },
        std::logic_error);
}

}  // namespace
}  // namespace vrk
