#pragma once
#include <array>
#include <string>

#include "presentation/console.h"

namespace vrk {

// What the field below the scoreboard shows. Arrays of names are indexed
// by position number 1..9 (the fielding side) or batting slot 1..9.
struct FieldView {
    int inning = 1;
    int battingTeam = 1;
    std::array<bool, 4> runnerOn{};  // [base 1..3]
    int ballAt = 0;                  // position number of the fielder with the ball; 0 = none
    std::string battingClub;
    std::string batter;   // name of the batter
    std::string pitcher;  // name of the pitcher
    int pitchCount = 0;
    std::array<std::string, 10> lineup;  // batting side's names by slot
    int batterSlot = 0;
    std::string fatigue;  // the pitcher's fatigue line, empty when none
};

struct FieldColours {
    int field = 15 + 16 * 3;     // the colour scheme's text on its background
    int fieldDark = 0 + 16 * 3;  // black on the same background
    int text = 7;
    int highlight = 15;
};

// Rows of the play area the field takes (below the scoreboard, above the
// last row of an 80 x 24 screen, which belongs to the status bar).
inline constexpr int kFieldTopRow = 6;
inline constexpr int kFieldBottomRow = 23;

// Screen position of a fielder (position 1..9) on the diamond, as play-area
// row and column; {0, 0} for any other number.
std::pair<int, int> fielderSpot(int position);

// The diamond with its bases and fielders, the ball beside the fielder who
// has it, and on the right the batter, the pitcher and the batting order.
void drawField(Console& console, int originRow, int originCol, const FieldView& view,
               const FieldColours& colours);

}  // namespace vrk
