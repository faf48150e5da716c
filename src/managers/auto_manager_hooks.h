#pragma once
#include <array>

#include "engine/game.h"
#include "managers/auto_manager.h"
#include "managers/bullpen_state.h"

namespace vrk {

struct RotationTable;

// The manager seam for computer-managed sides: the AutoManager decides, the
// substitutions it chose are carried out (pinch hitters and runners take
// their slots, relievers come in through the bullpen) and written to the
// score card. Install it as game.managers; one object serves game after
// game, keeping the decision counters of the run.
//
//   AutoManagerCounters counters;
//   AutoManagerHooks hooks(counters);
//   game.managers = &hooks;
//   PlayManagedGame(game, hooks);  // or hooks.beginGame(game); PlayGame(game);
//
// A user-managed side in the same game is handed to `userSide` (the
// strategy menu) for its input, substitutions and replacements.
class AutoManagerHooks final : public ManagerHooks {
  public:
    explicit AutoManagerHooks(AutoManagerCounters& counters,
                              const RotationTable* rotations = nullptr);

    // A season replay with a statistics file (batters rested by real use).
    void setSeasonReplay(bool on) { seasonReplay_ = on; }
    void setUserSide(ManagerHooks* userSide) { userSide_ = userSide; }

    // Clears what the managers keep per game and installs both starters.
    // Called before PlayGame; the first pass of a game also does it when
    // the caller did not.
    void beginGame(Game& game);

    const BullpenState& bullpen() const { return bullpen_; }
    BullpenState& bullpen() { return bullpen_; }
    const AutoManagerGame& perGame() const { return perGame_; }
    AutoManagerGame& perGame() { return perGame_; }

    void input(Game& game) override;
    void autoManage(Game& game) override;
    int substitutions(Game& game) override;
    bool doubleSwitch(Game& game, int reliever) override;
    int replacePitcher(Game& game, int team) override;
    void warmups(Game& game) override;

  private:
    bool computer(const Game& game, int team) const;
    void completeEntries(Game& game);
    void completeNewEntries(Game& game);
    void pinchHit(Game& game, int team, int entry);
    void pinchRun(Game& game, int team, int slot, int entry);
    void restorePitcherSlot(Game& game, int team);

    AutoManagerCounters& counters_;
    const RotationTable* rotations_;
    ManagerHooks* userSide_ = nullptr;
    bool seasonReplay_ = false;
    bool begun_ = false;
    // autoManage completed the entries, and nothing names a new pitcher
    // before the same pass's substitutions: they need not look again.
    bool entriesComplete_ = false;
    BullpenState bullpen_;
    AutoManagerGame perGame_;
    // Where the pitcher's batting line went when a pinch hitter took his
    // slot (entry 0 = in place), and the slot it came from.
    std::array<int, 3> pitcherLineEntry_{};
    std::array<int, 3> pitcherLineSlot_{};
};

// beginGame, then the game.
GameResult PlayManagedGame(Game& game, AutoManagerHooks& hooks);

}  // namespace vrk
