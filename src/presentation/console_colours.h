#pragma once

namespace vrk {

// The sixteen console colours in the PC order used by attributes and by
// the colour names of the configuration.
enum Colour : int {
    kBlack = 0,
    kBlue = 1,
    kGreen = 2,
    kCyan = 3,
    kRed = 4,
    kMagenta = 5,
    kBrown = 6,
    kWhite = 7,
    kGrey = 8,
    kBrightBlue = 9,
    kBrightGreen = 10,
    kBrightCyan = 11,
    kBrightRed = 12,
    kBrightMagenta = 13,
    kYellow = 14,
    kBrightWhite = 15
};

// Text attribute: foreground + 16 * background.
constexpr int attribute(int foreground, int background) {
    return (foreground & 15) + 16 * (background & 15);
}
constexpr int foregroundOf(int attr) {
    return attr & 15;
}
constexpr int backgroundOf(int attr) {
    return (attr >> 4) & 15;
}

}  // namespace vrk
