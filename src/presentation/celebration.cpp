#include "presentation/celebration.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/rounding.h"
#include "presentation/console_colours.h"

namespace vrk {

namespace {

constexpr int kBannerRed = attribute(kBrightRed, kBlack);
constexpr int kBannerHidden = attribute(kBlack, kBlack);

int roundInt(double x) {
    return static_cast<int>(roundHalfEven(x));
}

// Points on the screen proper: the outermost rows and columns stay clear.
void plot(Console& console, int row, int col, unsigned char glyph, int colour) {
    if (row <= 0 || row >= console.rows() || col <= 0 || col >= console.cols()) return;
    console.printAt(row, col, std::string(1, static_cast<char>(glyph)), attribute(colour, kBlack));
}

void drawRing(Console& console, int r0, int c0, int d, unsigned char glyph, int colour) {
    const int reach = roundInt(0.707 * d);
    for (int y = -reach; y <= reach; ++y) {
        const int x = roundInt(std::sqrt(static_cast<double>(d * d - y * y)));
        const int row = r0 + roundInt(0.4 * y);
        plot(console, row, c0 - x, glyph, colour);
        plot(console, row, c0 + x, glyph, colour);
    }
    for (int x = -reach; x <= reach; ++x) {
        const int y = roundInt(0.4 * std::sqrt(static_cast<double>(d * d - x * x)));
        plot(console, r0 - y, c0 + x, glyph, colour);
        plot(console, r0 + y, c0 + x, glyph, colour);
    }
}

}  // namespace

const std::array<std::string, 15>& homeRunBanner() {
    static const std::array<std::string, 15> banner{
        std::string(49, ' '),
        "   HHHH  HHHH   OOOOOO    MMMM  MMMM   EEEEEEEE  ",
        "    HH    HH   OO    OO   MM MMMM MM    EE       ",
        "    HHHHHHHH   OO    OO   MM  MM  MM    EEEEE    ",
        "    HH    HH   OO    OO   MM      MM    EE       ",
        "   HHHH  HHHH   OOOOOO   MMMM    MMMM  EEEEEEEE  ",
        std::string(49, ' '),
        "        RRRRRRR   UUUU  UUUU  NNNN   NNNN        ",
        "         RR  RR    UU    UU    NN N   NN         ",
        "         RRRRRR    UU    UU    NN  N  NN         ",
        "         RR   R    UU    UU    NN   N NN         ",
        "        RRR   RR    UUUUUU    NNNN   NNNN        ",
        std::string(49, ' '),
        std::string(49, ' '),
        std::string(49, ' ')};
    return banner;
}

void showHomeRunCelebration(Console& console, const CelebrationSettings& settings, Rng& rng,
                            const std::function<void(const std::string&)>& announce) {
    if (settings.soundOn && announce) announce("Home Run by " + settings.batterName);

    const int top = settings.originRow + 7;
    const int left = settings.originCol + 17;
    const auto& banner = homeRunBanner();
    // Red, black, red, black, red: it flashes and stays up in red.
    for (int pass = 1; pass <= 5; ++pass) {
        const int colour = pass % 2 == 1 ? kBannerRed : kBannerHidden;
        for (std::size_t i = 0; i < banner.size(); ++i)
            console.printAt(top + static_cast<int>(i), left, banner[i], colour);
        if (pass < 5) console.sleepMs(200);
    }
    console.printAt(settings.originRow + 20, settings.originCol + 35,
                    "...by " + settings.batterName, kBannerRed);
    console.sleepMs(3000);
    if (settings.fireworks) showFireworks(console, 6, settings.colourFireworks, rng);
}

void showFireworks(Console& console, int bursts, bool colourFireworks, Rng& rng) {
    for (int burst = 0; burst < bursts; ++burst) {
        const int r0 = roundInt(rng.draw() * (console.rows() - 7) + 4);
        const int c0 = roundInt(rng.draw() * (console.cols() - 15) + 8);
        plot(console, r0, c0, '*', kWhite);
        const int size = roundInt(5 * rng.draw() + 5);
        // 10 + 6 * draw can reach 16, past the last colour: keep it bright white.
        const int k = colourFireworks ? std::min(roundInt(10 + 6 * rng.draw()), 15) : kWhite;
        for (int t = 1; t <= size; ++t) {
            const int d = t + 1;
            if (t == 1) {
                drawRing(console, r0, c0, d, 250, k);
            } else if (t <= 3) {
                drawRing(console, r0, c0, d, 249, k);
            } else if (t < size) {
                drawRing(console, r0, c0, d, '*', k - 1);
            } else {
                drawRing(console, r0, c0, d, 15, k - 2);
            }
        }
        if (rng.chance(0.3)) console.sleepMs(50);
    }
}

}  // namespace vrk
