#pragma once
#include <array>
#include <set>
#include <string>
#include <vector>

#include "data/config.h"
#include "data/league_context.h"
#include "data/run_settings.h"
#include "engine/game.h"
#include "managers/auto_manager.h"
#include "managers/auto_manager_hooks.h"
#include "managers/rotation.h"
#include "shell/batch_rules.h"

namespace vrk {

// What the games of one entry share: the rule choices, the managers'
// settings and the league the statistics are normalised to, taken from the
// run settings.
struct BatchRules {
    std::string dhChoice = "H";  // home-team rules unless an option says otherwise
    std::string autoRunnerChoice = "H";
    bool regression = false;
    std::string normalizeMode;
    NormalizationTarget normalization;
    RotationSettings rotation;
    std::array<bool, 3> autoLineup{};                 // /AUL /VAL /HAL
    std::array<char, 3> battingOrder{' ', ' ', ' '};  // /ABO /VBO /HBO
    bool statisticsRecorded = false;                  // /ST: streaks and focusing apply
};

BatchRules batchRulesFrom(const RunSettings& run, const Config& config);

// Engine faults of unattended games, each distinct text kept once.
class BatchFaults final : public ErrorSink {
  public:
    void fault(std::string_view label, std::string_view detail) override;
    // Texts seen since the last call, in order.
    std::vector<std::string> takeNew();

  private:
    std::set<std::string> seen_;
    std::vector<std::string> fresh_;
};

// What carries from game to game of an unattended run: the rules' resolved
// flags, the rotation list, the computer managers with their counters, the
// highlights and debug totals.
struct BatchCarry {
    bool designatedHitter = false;
    bool automaticRunner = false;
    RotationTable rotations;
    AutoManagerCounters managerCounters;
    AutoManagerHooks managers{managerCounters, &rotations};
    SimulationRecord record;
    BatchFaults faults;
};

// Plays one game between the teams already loaded into the game's slots:
// undisplayed, no waits, no sound, both sides managed by the computer
// (starters from the rotation, line-ups and batting order as the options
// say). The game must have been built over rules.normalization.context.
GameResult playUndisplayedGame(Game& game, const BatchRules& rules, BatchCarry& carry);
// Its first half: everything up to the first pitch (rules resolved, starters
// chosen, line-ups set), so a caller can show the game instead.
void prepareUndisplayedGame(Game& game, const BatchRules& rules, BatchCarry& carry);

// Name of a pitcher of record after the game; empty when there is none.
std::string pitcherOfRecord(const Game& game, const TeamEntry& who);

// A team name as shown in a result line: the 12-character name, trimmed.
std::string shownTeamName(const Team& team);

}  // namespace vrk
