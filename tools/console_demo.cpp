// Shows the console layer on a real terminal: colours, frames, glyphs, a
// message box, the home-run screen, and the code of every key pressed.
// Run it in a terminal; Escape ends it.
#include <cstdio>
#include <string>

#include "core/rng.h"
#include "presentation/celebration.h"
#include "presentation/console_colours.h"
#include "presentation/console_keys.h"
#include "presentation/console_ncurses.h"

namespace {

std::string describeKey(const std::string& key) {
    if (auto mouse = vrk::parseMouseCode(key)) {
        return std::string("mouse ") + static_cast<char>(mouse->kind) + " row " +
               std::to_string(mouse->row) + " col " + std::to_string(mouse->col);
    }
    if (vrk::isExtendedKey(key))
        return "extended, scan code " + std::to_string(vrk::scanCodeOf(key));
    return "key " + std::to_string(static_cast<unsigned char>(key[0]));
}

}  // namespace

int main() {
    vrk::TerminalConsole terminal = vrk::openTerminalConsole();
    if (!terminal.console) {
        std::fprintf(stderr, "%s\n", terminal.error.c_str());
        return 1;
    }
    vrk::Console& con = *terminal.console;
    con.setTitle("Varkon Simulator - console demo");
    const int top = con.rows() / 2 - 12;
    const int left = con.cols() / 2 - 40;

    con.clear(vrk::attribute(vrk::kWhite, vrk::kBlack));
    con.drawFrame(top + 1, left + 1, 22, 80, vrk::FrameStyle::Double,
                  vrk::attribute(vrk::kYellow, vrk::kBlue));
    con.drawFrameRule(top + 4, left + 1, 80, vrk::FrameStyle::Double,
                      vrk::attribute(vrk::kYellow, vrk::kBlue));
    con.printAt(top + 2, left + 3,
                "Console demo " + std::to_string(con.rows()) + " x " + std::to_string(con.cols()),
                vrk::attribute(vrk::kBrightWhite, vrk::kBlack));
    for (int colour = 0; colour < 16; ++colour) {
        con.printAt(top + 6, left + 3 + 4 * colour, " " + std::to_string(colour) + " ",
                    vrk::attribute(colour, colour == 0 ? vrk::kWhite : vrk::kBlack));
        con.printAt(top + 7, left + 3 + 4 * colour, "   ", vrk::attribute(vrk::kBlack, colour));
    }
    std::string glyphs;
    for (int b = 1; b < 32; ++b) glyphs.push_back(static_cast<char>(b));
    con.printAt(top + 9, left + 3, glyphs, 7);
    for (int row = 0; row < 4; ++row) {
        std::string line;
        for (int b = 128 + 32 * row; b < 160 + 32 * row; ++b) line.push_back(static_cast<char>(b));
        con.printAt(top + 10 + row, left + 3, line, 7);
    }
    con.drawFrame(top + 15, left + 3, 4, 30, vrk::FrameStyle::Single, 11);
    con.drawFrameRule(top + 16, left + 3, 30, vrk::FrameStyle::Single, 11);
    // Right-edge rule: the first fits exactly, the second is not written at all.
    con.printAt(top + 20, con.cols() - 4, "EDGE!", 10);
    con.printAt(top + 21, con.cols() - 3, "NOT SHOWN", 12);

    con.messageBox(top + 12, left + 40, "A message box|with three lines|press a key", 0x1F);

    con.pushScreen();
    vrk::Rng rng(vrk::Rng::timeOfDaySeed());
    vrk::CelebrationSettings party{top, left, "Babe Ruth", false, true, true};
    vrk::showHomeRunCelebration(con, party, rng);
    con.sleepMs(1500);
    con.popScreen();

    con.printAt(top + 23, left + 3, "Press keys (Escape ends):", 15);
    for (;;) {
        const std::string key = con.waitKey();
        if (key == vrk::kKeyEscape) break;
        con.printAt(top + 23, left + 30, std::string(50, ' '), 7);
        con.printAt(top + 23, left + 30, describeKey(key), 14);
    }
    return 0;
}
