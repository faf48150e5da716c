#include "screens/won_lost_screen.h"

#include <algorithm>
#include <cstdio>

#include "presentation/console.h"

namespace vrk {

namespace {
constexpr int kAttribute = 15 + 16 * 1;
constexpr int kTitleAttribute = 14 + 16 * 1;
constexpr int kWidth = 52;
}  // namespace

std::string WinningPercentage(int wins, int losses) {
    if (wins + losses <= 0) return "----";
    const int thousandths = (wins * 1000 + (wins + losses) / 2) / (wins + losses);
    char buffer[16];
    if (thousandths >= 1000) return "1.000";
    std::snprintf(buffer, sizeof buffer, ".%03d", thousandths);
    return buffer;
}

void DrawWonLost(Console& console, const std::vector<WonLostLine>& lines, int played, int total) {
    const int height = static_cast<int>(lines.size()) + 7;
    const int top = std::max(1, playAreaTop(console.rows()) + 6);
    const int left = std::max(1, playAreaLeft(console.cols()) + 1 + (80 - kWidth) / 2);
    console.fillArea(top, left, height, kWidth, kAttribute);
    console.drawFrame(top, left, height, kWidth, FrameStyle::Double, kAttribute);
    console.printAt(top + 1, left + 19, "Standings", kTitleAttribute);
    console.printAt(top + 3, left + 2, "Team              W     L    Pct   Runs/G",
                    kTitleAttribute);
    char buffer[96];
    int row = top + 4;
    for (const WonLostLine& line : lines) {
        const int games = line.wins + line.losses;
        const double perGame = games > 0 ? static_cast<double>(line.runs) / games : 0.0;
        std::snprintf(buffer, sizeof buffer, "%-14.14s %4d  %4d  %5s  %6.2f", line.team.c_str(),
                      line.wins, line.losses, WinningPercentage(line.wins, line.losses).c_str(),
                      perGame);
        console.printAt(row++, left + 2, buffer, kAttribute);
    }
    std::snprintf(buffer, sizeof buffer, "Game %d of %d", played, total);
    console.printAt(top + height - 2, left + 2, buffer, kAttribute);
    console.refresh();
}

}  // namespace vrk
