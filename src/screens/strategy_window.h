#pragma once
#include <array>
#include <string>
#include <vector>

#include "engine/game.h"
#include "managers/auto_manager_hooks.h"

namespace vrk {

class Console;

// The menu a user-managed side gets on its strategy key: the offence list
// while the side bats, the defence list while it fields. Items whose text
// starts with "%" are shown but cannot be chosen.
std::vector<std::string> OffenceMenu(bool warmupRule);
std::vector<std::string> DefenceMenu();

// The bench under the batting line's heading, one player a line.
inline constexpr const char* kBenchHeader =
    "   Name              P  AB HIT  2B 3B  HR RBI  BB  SO B  S  SB CS Def  Avg";

// The manager of the user's side(s) in a displayed game: the strategy
// window and its screens, the pitcher a side must bring in, the questions
// the engine asks, and the computer's warm-up clock.
class UserSideManager final : public ManagerHooks, public Decisions {
  public:
    UserSideManager(Console& console, AutoManagerHooks& managers)
        : console_(console), managers_(managers) {}

    // The window of `team`, opened by its strategy key.
    void openStrategyWindow(Game& game, int team);

    void input(Game&) override {}
    void autoManage(Game&) override {}
    int substitutions(Game& game) override;
    bool doubleSwitch(Game&, int) override { return false; }
    int replacePitcher(Game& game, int team) override;
    void warmups(Game& game) override;

    bool askYesNo(int team, std::string_view question, bool defaultYes,
                  double successPercent) override;
    int pick(int team, std::string_view title, std::span<const std::string_view> options) override;

  private:
    // Carry out a menu item; false when it was refused and the menu comes back.
    bool offence(Game& game, int team, int item);
    bool defence(Game& game, int team, int item);
    // The bench screen; the chosen entry, 0 after ESC.
    int chooseSubstitute(Game& game, int team, int slot, bool runner);
    int chooseRunner(Game& game);

    Console& console_;
    AutoManagerHooks& managers_;
    std::array<int, 3> reliever_{};  // chosen at the mound visit, in before the pitch
};

}  // namespace vrk
