#include "screens/lineup_view.h"

#include <array>
#include <string>

#include "core/numbering.h"
#include "core/text_fields.h"
#include "data/team.h"
#include "presentation/console.h"

namespace vrk {

namespace {
constexpr int kAttribute = 15 + 16 * 1;
constexpr int kTitleAttribute = 14 + 16 * 1;
constexpr std::array<const char*, 11> kPositions{"  ", "P ", "C ", "1B", "2B", "3B",
                                                 "SS", "LF", "CF", "RF", "DH"};
}  // namespace

void LineupView(Console& console, const Team& team, bool designatedHitter) {
    constexpr int width = 44, height = 15;
    const int top = std::max(1, playAreaTop(console.rows()) + 5);
    const int left = std::max(1, playAreaLeft(console.cols()) + 19);
    console.pushScreen();
    console.fillArea(top, left, height, width, kAttribute);
    console.drawFrame(top, left, height, width, FrameStyle::Double, kAttribute);
    const std::string title = "Lineup for '" + std::string(trim(team.teamName)) + "'";
    console.printAt(top + 1, left + (width - static_cast<int>(title.size())) / 2, title,
                    kTitleAttribute);
    console.printAt(top + 2, left + 2,
                    designatedHitter ? "With the designated hitter" : "The pitcher bats",
                    kAttribute);
    for (int slot = 1; slot <= kLineupSize; ++slot) {
        const Player& p = team.player(slot);
        const int pos = p.lineupPosition >= 0 && p.lineupPosition <= 10 ? p.lineupPosition : 0;
        const std::string line = std::to_string(slot) + ". " +
                                 kPositions[static_cast<std::size_t>(pos)] + "  " +
                                 std::string(trim(p.playerName));
        console.printAt(top + 3 + slot, left + 3, line.substr(0, width - 6), kAttribute);
    }
    console.printAt(top + height - 1, left + 9, " Hit/Click Any Key ", kTitleAttribute);
    console.waitKey();
    console.popScreen();
}

}  // namespace vrk
