// The manager seam of computer-managed sides: the AutoManager's decisions
// carried out through the bullpen and the roster.
#include "managers/auto_manager_hooks.h"

#include "engine/engine_helpers.h"
#include "engine/game.h"
#include "engine/message_registry.h"
#include "engine/pitching_change.h"
#include "engine/play_game.h"
#include "managers/auto_manager_double_switch.h"
#include "managers/auto_manager_support.h"
#include "managers/pitcher_entry.h"
#include "managers/relief_selection.h"
#include "managers/roster_swap.h"
#include "managers/starters.h"
#include "managers/warmup.h"

namespace vrk {

namespace {

// The very first pass of a game: nothing has happened yet.
bool FirstPassOfGame(const Game& game) {
    const GameState& s = game.state;
    return s.inning == 1 && s.battingTeam == kVisitors && s.outs == 0 && s.basesEmpty() &&
           s.lastBatterSlot[kVisitors] == 1 && s.pitchersUsed[kVisitors] == 1 &&
           s.pitchersUsed[kHome] == 1 && s.score[kVisitors] == 0 &&
           game.counters.pitcher[kHome][s.currentPitcher[kHome]].battersFaced == 0;
}

BullpenState::PitchersSeen PitchersSeen(const Game& game, const BullpenState& bullpen) {
    const GameState& s = game.state;
    return {s.currentPitcher[kVisitors], s.currentPitcher[kHome],  s.pitchersUsed[kVisitors],
            s.pitchersUsed[kHome],       bullpen.swaps(kVisitors), bullpen.swaps(kHome)};
}

}  // namespace

AutoManagerHooks::AutoManagerHooks(AutoManagerCounters& counters, const RotationTable* rotations)
    : counters_(counters), rotations_(rotations) {}

bool AutoManagerHooks::computer(const Game& game, int team) const {
    return !game.state.display.userManaged[team];
}

void AutoManagerHooks::beginGame(Game& game) {
    bullpen_ = BullpenState{};
    perGame_.startGame();
    pitcherLineEntry_ = {};
    pitcherLineSlot_ = {};
    InstallStarters(game, bullpen_);
    begun_ = true;
    entriesComplete_ = false;
}

// A pitcher named current by the engine (a starter, or a reliever brought
// in at a half-inning start) gets the managers' part of his entry.
void AutoManagerHooks::completeEntries(Game& game) {
    if (PitchersSeen(game, bullpen_) != bullpen_.entriesSeen) completeNewEntries(game);
}

void AutoManagerHooks::completeNewEntries(Game& game) {
    const GameState& s = game.state;
    for (int t = kVisitors; t <= kHome; ++t) {
        int pitcher = s.currentPitcher[t];
        if (pitcher <= 0 || bullpen_.used(t, pitcher)) continue;
        if (s.pitchersUsed[t] <= 1) {
            InstallStarter(game, bullpen_, t, pitcher);
        } else {
            CompletePitcherEntry(game, bullpen_, t);
        }
    }
    // Read again: installing a starter sets the count of pitchers used.
    bullpen_.entriesSeen = PitchersSeen(game, bullpen_);
}

void AutoManagerHooks::input(Game& game) {
    entriesComplete_ = false;
    if (userSide_ != nullptr) userSide_->input(game);
}

void AutoManagerHooks::autoManage(Game& game) {
    if (FirstPassOfGame(game)) {
        if (!begun_) beginGame(game);
        begun_ = false;
    }
    completeEntries(game);
    AutoManagerContext context{bullpen_, counters_, perGame_, seasonReplay_};
    Manage(game, context);
    entriesComplete_ = true;
}

void AutoManagerHooks::pinchHit(Game& game, int team, int entry) {
    GameState& s = game.state;
    Team& roster = game.team(team);
    const int slot = s.currentBatterSlot;
    const int old = SlotPlayer(game, team, slot);
    const bool pitcherSlot = automan::PitcherBatsInSlot(game, team, slot);
    // Batting for the pitcher needs someone left to pitch next.
    if (pitcherSlot && FallbackReliever(game, bullpen_, team) == 0) return;
    const int position = roster.player(old).lineupPosition;

    WriteScoreCard(game, team, old, '9', "(for PH)");
    swapGameEntries(game, bullpen_, team, old, entry);
    // `old` now holds the pinch hitter; `entry` the player who left.
    roster.player(old).lineupPosition = position;
    roster.player(entry).lineupPosition = 0;
    bullpen_.markUsed(team, old);
    bullpen_.markUsed(team, entry);
    game.counters.of(team).slotHistory[slot].push({old, pitcherSlot ? 0 : position});
    if (pitcherSlot) {
        pitcherLineEntry_[team] = entry;
        pitcherLineSlot_[team] = slot;
        s.pitcherReplaced[team] = true;
    }
    s.batter = old;
    s.appearance.pinchHitter = true;
    Say(game, msg::kPinchHitter, old, team, entry, team);
}

void AutoManagerHooks::pinchRun(Game& game, int team, int slot, int entry) {
    GameState& s = game.state;
    Team& roster = game.team(team);
    const int old = SlotPlayer(game, team, slot);
    const int position = roster.player(old).lineupPosition;
    WriteScoreCard(game, team, old, '9', "(for PR)");
    swapGameEntries(game, bullpen_, team, old, entry);
    roster.player(old).lineupPosition = position;
    roster.player(entry).lineupPosition = 0;
    bullpen_.markUsed(team, old);
    bullpen_.markUsed(team, entry);
    game.counters.of(team).slotHistory[slot].push({old, position});
    if (position == kPitcher && !game.options.designatedHitter) s.pitcherReplaced[team] = true;
    WriteScoreCard(game, team, old, '7', "");
    Say(game, msg::kPinchRunner, old, team, entry, team);
}

int AutoManagerHooks::substitutions(Game& game) {
    GameState& s = game.state;
    StrategyFlags& f = game.flags;
    if (!entriesComplete_) completeEntries(game);
    entriesComplete_ = false;
    int result = 0;
    if (userSide_ != nullptr &&
        (s.display.userManaged[kVisitors] || s.display.userManaged[kHome])) {
        result = userSide_->substitutions(game);
    }
    const int ft = s.fieldingTeam;
    const int bt = s.battingTeam;
    if (f.changePitcher[ft] && computer(game, ft)) {
        f.changePitcher[ft] = false;
        int reliever = ComputerBullpen(game, bullpen_, rotations_, ft);
        if (reliever > 0) {
            BringInPitcher(game, ft, reliever);
            CompletePitcherEntry(game, bullpen_, ft);
            if (WantsDoubleSwitch(game, reliever) && DoubleSwitch(game, bullpen_, ft, reliever)) {
                ++game.counters.doubleSwitches;
            }
            Pace(game, 1500);
        }
    }
    // A user side's picks are carried out the same way as the computer's.
    {
        if (f.pinchHitCall && f.pinchHitter > 0) pinchHit(game, bt, f.pinchHitter);
        if (f.pinchRunCall && f.pinchRunner > 0 && f.pinchRunnerSlot > 0) {
            pinchRun(game, bt, f.pinchRunnerSlot, f.pinchRunner);
        }
        f.pinchHitter = 0;
        f.pinchRunner = 0;
        f.pinchRunnerSlot = 0;
    }
    return result;
}

bool AutoManagerHooks::doubleSwitch(Game& game, int reliever) {
    entriesComplete_ = false;
    int team = game.state.fieldingTeam;
    if (computer(game, team)) return DoubleSwitch(game, bullpen_, team, reliever);
    // The user switches with the new pitcher already in his batting place.
    completeEntries(game);
    return userSide_ != nullptr && userSide_->doubleSwitch(game, reliever);
}

void AutoManagerHooks::restorePitcherSlot(Game& game, int team) {
    int away = pitcherLineEntry_[team];
    int slot = pitcherLineSlot_[team];
    if (away == 0 || slot == 0) return;
    Team& roster = game.team(team);
    swapGameEntries(game, bullpen_, team, slot, away);
    roster.player(slot).lineupPosition = kPitcher;
    roster.player(away).lineupPosition = 0;
    pitcherLineEntry_[team] = 0;
    pitcherLineSlot_[team] = 0;
}

int AutoManagerHooks::replacePitcher(Game& game, int team) {
    entriesComplete_ = false;
    completeEntries(game);
    restorePitcherSlot(game, team);
    if (!computer(game, team)) {
        return userSide_ != nullptr ? userSide_->replacePitcher(game, team) : 0;
    }
    int reliever = ComputerBullpen(game, bullpen_, rotations_, team);
    if (reliever > 0) ++counters_.pitcherReplacements;
    return reliever;
}

void AutoManagerHooks::warmups(Game& game) {
    entriesComplete_ = false;
    if (userSide_ != nullptr) {
        userSide_->warmups(game);
        return;
    }
    WarmUpClock(game, bullpen_);
}

GameResult PlayManagedGame(Game& game, AutoManagerHooks& hooks) {
    ManagerHooks* before = game.managers;
    game.managers = &hooks;
    hooks.beginGame(game);
    GameResult result = PlayGame(game);
    game.managers = before;
    return result;
}

}  // namespace vrk
