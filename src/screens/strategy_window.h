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

// The panel form of the window: every item of both menus in a field of 22
// characters under "  On               Off"; a standing call is marked under
// "On", one that could be made under "Off".
inline constexpr const char* kPanelHeader = "  On               Off";
struct PanelItem {
    const char* name;
    int offenceItem;  // the item of the offence menu it stands for, 0 none
    int defenceItem;  // of the defence menu
};
const std::vector<PanelItem>& PanelItems();
// The panel's line of an item: blank, "On" or "Off" mark (' ', '+', '-').
std::string PanelLine(const PanelItem& item, char mark);
// Whether the call of a menu item stands for `team` (false for items
// without a call).
bool CallStands(const StrategyFlags& flags, int team, bool offence, int item);
// Takes back a standing call.
void WithdrawCall(StrategyFlags& flags, int team, bool offence, int item);

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
    bool doubleSwitch(Game& game, int reliever) override;
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
    // The two forms of the window; false when the user asked for the other.
    bool panel(Game& game, int team);
    bool list(Game& game, int team);

    Console& console_;
    AutoManagerHooks& managers_;
    std::array<int, 3> reliever_{};  // chosen at the mound visit, in before the pitch
    bool panelForm_ = false;         // the form the window opened in last
};

}  // namespace vrk
