#include "screens/manual_manage_screen.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "core/text_fields.h"
#include "data/team.h"
#include "presentation/console.h"
#include "presentation/console_keys.h"
#include "screens/form_screen.h"
#include "screens/lineup_view.h"
#include "screens/starter_screen.h"

namespace vrk {

namespace {

constexpr int kScreenAttribute = 15 + 16 * 1;
constexpr int kTitleAttribute = 14 + 16 * 1;
constexpr int kNoticeAttribute = 15 + 16 * 4;
constexpr int kNameWidth = 23;

bool SimulatedLineUsed(const Player& p) {
    return p.sim.games > 0 || p.sim.innings > 0;
}

// Draws the screen as far as it goes and returns the next free row.
int DrawScreen(Console& console, const ManualManageRequest& request) {
    const int top = playAreaTop(console.rows());
    const int left = playAreaLeft(console.cols());
    console.clear(kScreenAttribute);
    console.printAt(top + 1, left + 28, "Manual Manage Options", kTitleAttribute);
    console.printAt(
        top + 3, left + 2,
        " This is game " + std::to_string(request.number) + " of " + std::to_string(request.total),
        kScreenAttribute);
    int row = top + 5;
    for (int t = 1; t <= 2; ++t) {
        const ManualManageSide& side = request.sides[static_cast<std::size_t>(t)];
        if (side.own == nullptr) continue;
        console.printAt(
            row++, left + 2,
            "Scheduled to start for YOUR " + std::string(trim(side.own->teamName)) + ":",
            kScreenAttribute);
        console.printAt(row++, left + 2, kStarterHeading, kTitleAttribute);
        for (std::size_t i = 0; i < side.candidates.size(); ++i) {
            console.printAt(row++, left + 2,
                            StarterCandidateLine(side.own->player(side.candidates[i]), i == 0),
                            kScreenAttribute);
        }
        ++row;
    }
    return row;
}

UserGamePlay AskHowToPlay(Console& console, int row, int col) {
    console.printAt(row, col, kHowToPlayQuestion, kTitleAttribute);
    for (;;) {
        const std::string key = console.waitKey();
        if (key == kKeyEnter) return UserGamePlay::Manage;
        if (key.size() != 1) continue;
        switch (std::toupper(static_cast<unsigned char>(key[0]))) {
            case 'P':
                return UserGamePlay::Manage;
            case 'W':
                return UserGamePlay::Watch;
            case 'S':
                return UserGamePlay::Simulate;
            default:
                break;
        }
    }
}

}  // namespace

std::string StarterCandidateLine(const Player& pitcher, bool scheduled) {
    const bool sim = SimulatedLineUsed(pitcher);
    int wins = pitcher.wins();
    int losses = pitcher.losses();
    double era = pitcher.eraTimes100() / 100.0;
    if (sim) {
        wins = pitcher.sim.wins;
        losses = pitcher.sim.losses;
        era = pitcher.sim.innings > 0 ? pitcher.sim.earnedRuns * 9.0 / pitcher.sim.innings : 0.0;
    }
    char line[96];
    std::snprintf(line, sizeof line, "%s%-*.*s%3d%3d%6.2f%s", scheduled ? "->" : "  ", kNameWidth,
                  kNameWidth, pitcher.playerName.c_str(), std::clamp(wins, 0, 999),
                  std::clamp(losses, 0, 999), std::clamp(era, 0.0, 99.99), sim ? " [SIM]" : "");
    return line;
}

std::vector<int> StarterCandidates(const std::vector<int>& rotation, int scheduled) {
    std::vector<int> order{scheduled};
    const auto at = std::find(rotation.begin(), rotation.end(), scheduled);
    // After the scheduled man, the rotation goes on from him and wraps.
    const std::size_t start =
        at == rotation.end() ? 0 : static_cast<std::size_t>(at - rotation.begin()) + 1;
    for (std::size_t i = 0; i < rotation.size(); ++i) {
        const int entry = rotation[(start + i) % rotation.size()];
        if (entry > 0 && std::find(order.begin(), order.end(), entry) == order.end())
            order.push_back(entry);
    }
    return order;
}

ManualManageAnswer RunManualManageOptions(Console& console, const ManualManageRequest& request) {
    ManualManageAnswer answer;
    const int top = playAreaTop(console.rows());
    const int left = playAreaLeft(console.cols());
    const std::string notice = std::string(kManuallyManagedNotice) + "|" + kQuitNowNotice;
    const std::string key = console.messageBox(top + 10, left + 20, notice, kNoticeAttribute);
    if (key == "q" || key == "Q") {
        answer.quit = true;
        return answer;
    }

    int row = DrawScreen(console, request);
    for (int t = 1; t <= 2; ++t) {
        const ManualManageSide& side = request.sides[static_cast<std::size_t>(t)];
        if (side.own == nullptr) continue;
        const std::string team = std::string(trim(side.own->teamName));
        if (AskYesNo(console, row, left + 2, padRight(team, 12) + " " + kChangeStarterQuestion,
                     false)) {
            answer.starter[static_cast<std::size_t>(t)] =
                StarterScreen(console, *side.own, request.daysOffRule, true);
            row = DrawScreen(console, request);
        }
    }
    const int users = (request.sides[1].own != nullptr) + (request.sides[2].own != nullptr);
    if (users == 1) {
        const ManualManageSide& side = request.sides[request.sides[1].own != nullptr ? 1 : 2];
        if (AskYesNo(console, row, left + 2, std::string(kOpponentLineupQuestion) + "[y/N] ",
                     false)) {
            LineupView(console, *side.opponent, request.designatedHitter);
        }
    }
    answer.play = AskHowToPlay(console, row + 2, left + 2);
    return answer;
}

}  // namespace vrk
