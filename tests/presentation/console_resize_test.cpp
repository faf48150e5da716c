#include <gtest/gtest.h>

#include "presentation/console_memory.h"

namespace vrk {
namespace {

// What is drawn, and what is saved, moves with the centre of the play area;
// what falls off the new screen is dropped.
TEST(ConsoleResize, ContentFollowsThePlayArea) {
    MemoryConsole console(24, 80);
    console.printAt(1, 1, "corner", 7);
    console.printAt(24, 75, "edge!", 7);
    console.pushScreen();
    console.printAt(1, 1, "CHANGE", 7);
    const int before = console.resizeCount();
    console.resize(40, 100);
    EXPECT_EQ(console.resizeCount(), before + 1);
    EXPECT_EQ(console.textAt(9, 11, 6), "CHANGE");  // play area now at rows 9.., cols 11..
    EXPECT_EQ(console.textAt(32, 85, 5), "edge!");
    console.popScreen();
    EXPECT_EQ(console.textAt(9, 11, 6), "corner");

    console.resize(24, 80);
    console.resize(24, 70);  // narrower: the right-hand text falls off
    EXPECT_EQ(console.textAt(1, 1, 1), "r");
    console.resize(24, 70);
    EXPECT_EQ(console.resizeCount(), before + 3);  // the same size is no change
}

// A message box waiting while the terminal changes size leaves the screen
// to its owner instead of writing back a copy of the old size.
TEST(ConsoleResize, MessageBoxAcrossAResize) {
    MemoryConsole console(24, 80);
    console.printAt(12, 30, "under the box", 7);
    console.pushResize(30, 120);
    console.pushKey("x");
    EXPECT_EQ(console.messageBox(10, 20, "Hello|there", 15), "x");
    EXPECT_EQ(console.rows(), 30);
    EXPECT_EQ(console.cols(), 120);

    MemoryConsole still(24, 80);
    still.printAt(12, 30, "under the box", 7);
    still.pushKey("x");
    still.messageBox(10, 20, "Hello|there", 15);
    EXPECT_EQ(still.textAt(12, 30, 13), "under the box");
}

}  // namespace
}  // namespace vrk
