#include "presentation/scoreboard.h"

#include <cctype>
#include <cstdio>

namespace vrk {

namespace {

constexpr char kBlock = static_cast<char>(219);
constexpr char kTopLeft = static_cast<char>(213);
constexpr char kTopRight = static_cast<char>(184);
constexpr char kBottomLeft = static_cast<char>(212);
constexpr char kBottomRight = static_cast<char>(190);
constexpr char kHorizontal = static_cast<char>(205);
constexpr char kVertical = static_cast<char>(179);
constexpr char kMeetLeft = static_cast<char>(181);   // a rule ends at a text
constexpr char kMeetRight = static_cast<char>(198);  // and starts again after it
constexpr int kNameWidth = 9;
constexpr int kRunsColumn = 32;

int cellColumn(int column) {
    return 2 * column + 10;
}

// One box of the double-horizontal style; `label` sits in the bottom rule.
void drawBox(Console& console, int top, int left, int width, const std::string& label,
             int attribute) {
    std::string rule(static_cast<std::size_t>(width - 2), kHorizontal);
    console.printAt(top, left, kTopLeft + rule + kTopRight, attribute);
    for (int r = top + 1; r < top + kScoreboardRows - 1; ++r) {
        console.printAt(r, left, std::string(1, kVertical), attribute);
        console.printAt(r, left + width - 1, std::string(1, kVertical), attribute);
    }
    std::string bottom = std::string(1, kBottomLeft);
    if (!label.empty()) bottom += std::string(1, kHorizontal) + kMeetLeft + label + kMeetRight;
    bottom.resize(static_cast<std::size_t>(width - 1), kHorizontal);
    console.printAt(top + kScoreboardRows - 1, left, bottom + kBottomRight, attribute);
}

}  // namespace

std::string scoreboardName(std::string_view teamName) {
    std::string name(teamName);
    if (name.size() >= 2 && std::isdigit(static_cast<unsigned char>(name[0])) &&
        std::isdigit(static_cast<unsigned char>(name[1]))) {
        name.erase(0, 2);
    }
    while (!name.empty() && name.back() == ' ') name.pop_back();
    while (!name.empty() && name.front() == ' ') name.erase(0, 1);
    if (name.size() > kNameWidth) name.resize(kNameWidth);
    return name;
}

void drawScoreboardFrame(Console& console, int originRow, int originCol,
                         const ScoreboardColours& colours) {
    drawBox(console, originRow + 1, originCol + 1, kScoreboardWidth, "Out:  ", colours.normal);
    console.fillArea(originRow + 2, originCol + 2, 3, kScoreboardWidth - 2, colours.normal);
    console.printAt(originRow + 2, originCol + 2, "          1 2 3 4 5 6 7 8 9 10 R  H  E",
                    colours.normal);
    drawBox(console, originRow + 1, originCol + kScoreboardWidth + 1, kScoreboardWidth, "",
            colours.normal);
    console.fillArea(originRow + 2, originCol + kScoreboardWidth + 2, 3, kScoreboardWidth - 2,
                     colours.normal);
}

std::string scoreboardCell(const ScoreboardView& view, int team, int column) {
    if (column > view.column) return "  ";
    const int runs = view.lineScore[team][column];
    // The home side has not batted yet in the top of the current inning.
    if (column == view.column && team == 2 && view.battingTeam == 1) return "  ";
    char text[8];
    if (column == view.column && team == view.battingTeam && runs < 10) {
        std::string cell(1, kBlock);
        cell += runs > 0 ? static_cast<char>('0' + runs) : ' ';
        return cell;
    }
    std::snprintf(text, sizeof text, "%2d", runs % 100);
    return text;
}

void drawScoreboard(Console& console, int originRow, int originCol, const ScoreboardView& view,
                    const ScoreboardColours& colours, bool allCells) {
    char field[16];
    for (int t = 1; t <= 2; ++t) {
        const int row = originRow + 2 + t;
        std::string name = scoreboardName(view.names[t]);
        name.resize(kNameWidth, ' ');
        console.printAt(row, originCol + 2, name, colours.normal);
        const int first = allCells ? 1 : view.column;
        for (int c = first; c <= 10; ++c) {
            const bool current = c == view.column && t == view.battingTeam;
            console.printAt(row, originCol + cellColumn(c), scoreboardCell(view, t, c),
                            current ? colours.highlight : colours.normal);
        }
        // Units under the header's R, H and E, inside the frame.
        std::snprintf(field, sizeof field, "%2d%3d%3d", view.runs[t] % 100, view.hits[t] % 1000,
                      view.errors[t] % 1000);
        console.printAt(row, originCol + kRunsColumn, field, colours.normal);
    }
    std::snprintf(field, sizeof field, "%d", view.outs % 10);
    console.printAt(originRow + 5, originCol + 9, field, colours.normal);
}

}  // namespace vrk
