#include "presentation/field_display.h"

#include <cstdio>

namespace vrk {

namespace {

constexpr int kFieldWidth = 40;
constexpr int kInfoColumn = 43;
constexpr int kInfoWidth = 38;
constexpr char kBase = static_cast<char>(254);
constexpr char kBall = static_cast<char>(7);
constexpr char kMarker = static_cast<char>(16);

// Play-area (row, column) of each fielder's mark, by position number.
constexpr std::array<std::pair<int, int>, 10> kSpots{
    {{0, 0}, {17, 20}, {22, 20}, {15, 29}, {12, 25}, {12, 15}, {15, 11}, {9, 6}, {8, 20}, {9, 34}}};
constexpr std::array<const char*, 10> kMarks{"",   "P",  "C",  "1B", "2B",
                                             "SS", "3B", "LF", "CF", "RF"};

// Bases: home, first, second, third.
constexpr std::array<std::pair<int, int>, 4> kBases{{{21, 20}, {17, 27}, {13, 20}, {17, 13}}};

std::string fitted(std::string text, std::size_t width) {
    if (text.size() > width) text.resize(width);
    text.resize(width, ' ');
    return text;
}

}  // namespace

std::pair<int, int> fielderSpot(int position) {
    if (position < 1 || position > 9) return {0, 0};
    return kSpots[static_cast<std::size_t>(position)];
}

void drawField(Console& console, int originRow, int originCol, const FieldView& view,
               const FieldColours& colours) {
    const int height = kFieldBottomRow - kFieldTopRow;
    auto at = [&](int row, int col, const std::string& text, int attribute) {
        console.printAt(originRow + row, originCol + col, text, attribute);
    };
    console.fillArea(originRow + kFieldTopRow, originCol + 1, height, kFieldWidth, colours.field);
    // Base paths, then the foul lines beyond first and third.
    for (int i = 1; i <= 3; ++i) {
        at(21 - i, 20 + 2 * i, "/", colours.fieldDark);
        at(21 - i, 20 - 2 * i, "\\", colours.fieldDark);
        at(17 - i, 28 - 2 * i, "\\", colours.fieldDark);
        at(17 - i, 12 + 2 * i, "/", colours.fieldDark);
    }
    for (int i = 1; i <= 6; ++i) {
        at(17 - i, 27 + 2 * i, "/", colours.fieldDark);
        at(17 - i, 13 - 2 * i, "\\", colours.fieldDark);
    }
    for (int b = 0; b <= 3; ++b) {
        const bool occupied = b > 0 && view.runnerOn[static_cast<std::size_t>(b)];
        at(kBases[static_cast<std::size_t>(b)].first, kBases[static_cast<std::size_t>(b)].second,
           std::string(1, kBase), occupied ? colours.highlight : colours.field);
    }
    for (int p = 1; p <= 9; ++p) {
        const auto [row, col] = fielderSpot(p);
        at(row, col, kMarks[static_cast<std::size_t>(p)], colours.field);
        if (p == view.ballAt) at(row, col - 1, std::string(1, kBall), colours.highlight);
    }
    char line[64];
    std::snprintf(line, sizeof line, " %s %d ", view.battingTeam == 1 ? "Top" : "Bot", view.inning);
    at(kFieldTopRow, 2, line, colours.field);

    // The batting side on the right.
    console.fillArea(originRow + kFieldTopRow, originCol + kInfoColumn - 1, height, kInfoWidth + 1,
                     colours.text);
    at(kFieldTopRow + 1, kInfoColumn, fitted("Batting: " + view.battingClub, kInfoWidth),
       colours.text);
    at(kFieldTopRow + 2, kInfoColumn, fitted("At bat:  " + view.batter, kInfoWidth),
       colours.highlight);
    std::snprintf(line, sizeof line, "  (%d pitches)", view.pitchCount);
    at(kFieldTopRow + 3, kInfoColumn, fitted("Pitcher: " + view.pitcher + line, kInfoWidth),
       colours.text);
    for (int slot = 1; slot <= 9; ++slot) {
        const bool up = slot == view.batterSlot;
        std::snprintf(line, sizeof line, "%c%d ", up ? kMarker : ' ', slot);
        at(kFieldTopRow + 4 + slot, kInfoColumn,
           fitted(line + view.lineup[static_cast<std::size_t>(slot)], kInfoWidth),
           up ? colours.highlight : colours.text);
    }
    if (!view.fatigue.empty())
        at(kFieldBottomRow - 1, kInfoColumn, fitted(view.fatigue, kInfoWidth), colours.text);
}

}  // namespace vrk
