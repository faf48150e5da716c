#include "screens/positions_screen.h"

#include <cstdio>
#include <string>

#include "core/text_fields.h"
#include "managers/lineup_changes.h"
#include "presentation/console.h"
#include "screens/game_messages.h"
#include "screens/number_pair_prompt.h"

namespace vrk {

namespace {

constexpr int kAttribute = 15 + 16 * 1;
constexpr int kTitleAttribute = 14 + 16 * 1;
constexpr int kWidth = 66;
constexpr int kHeight = 14;

std::string GamesAtPositions(const Player& p) {
    std::string text;
    for (std::size_t k = 1; k < p.positionCode.size(); ++k) {
        if (p.gamesAtPosition[k] == 0) break;
        if (!text.empty()) text += ' ';
        text += concat({PositionText(p.positionCode[k]), std::to_string(p.gamesAtPosition[k])});
    }
    return text;
}

std::string SlotLine(int slot, const Player& p) {
    const double average = p.atBats > 0 ? static_cast<double>(p.hits) / p.atBats : 0.0;
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "%d %-12.12s %-3s %3d %.3f %3d %3d %2d %3d ", slot,
                  p.playerName.c_str(), std::string(PositionText(p.lineupPosition)).c_str(),
                  p.games, average, p.atBats, p.hits, p.homeRuns, p.defense);
    return std::string(buffer) + GamesAtPositions(p);
}

void Draw(Console& console, const Team& team) {
    const int top = playAreaTop(console.rows()) + 1;
    const int left = playAreaLeft(console.cols()) + 1 + (80 - kWidth) / 2;
    console.fillArea(top, left, kHeight, kWidth, kAttribute);
    console.drawFrame(top, left, kHeight, kWidth, FrameStyle::Double, kAttribute);
    const std::string title = kPositionsTitle;
    console.printAt(top + 1, left + (kWidth - static_cast<int>(title.size())) / 2, title,
                    kTitleAttribute);
    console.printAt(top + 2, left + 2, kPositionsHeader, kTitleAttribute);
    for (int slot = 1; slot <= kLineupSize; ++slot) {
        const std::string line = SlotLine(slot, team.player(slot));
        console.printAt(top + 2 + slot, left + 2, line.substr(0, kWidth - 4), kAttribute);
    }
}

}  // namespace

bool PositionsScreen(Console& console, Game& game, BullpenState& bullpen, int team) {
    bool changed = false;
    console.pushScreen();
    while (true) {
        Draw(console, game.team(team));
        const std::optional<NumberPair> pair =
            AskNumberPair(console, kPositionsPrompt, "ESC:Continue F3:Cancel",
                          playAreaTop(console.rows()) + 1 + kHeight);
        if (!pair || pair->first == 0 || pair->second == 0) break;
        const PositionSwitch made = SwitchPositions(game, bullpen, team, pair->first, pair->second);
        if (!made.refusal.empty()) tellUser(console, made.refusal, kRefusalAttribute);
        changed = changed || made.made;
    }
    console.popScreen();
    return changed;
}

}  // namespace vrk
