#pragma once
#include <string>

#include "data/league_context.h"
#include "data/run_settings.h"
#include "engine/game.h"
#include "shell/batch_rules.h"
#include "shell/config.h"

namespace vrk {

// What the games of one entry share: the rule choices and the league the
// statistics are normalised to, taken from the run settings.
struct BatchRules {
    std::string dhChoice = "H";  // home-team rules unless an option says otherwise
    std::string autoRunnerChoice = "H";
    bool regression = false;
    std::string normalizeMode;
    NormalizationTarget normalization;
};

BatchRules batchRulesFrom(const RunSettings& run, const Config& config);

// What carries from game to game of an unattended run.
struct BatchCarry {
    bool designatedHitter = false;
    bool automaticRunner = false;
    StarterTurns starters;
    SimulationRecord record;
};

// Plays one game between the teams already loaded into the game's slots:
// undisplayed, no waits, no sound, both sides computer-managed. The game must
// have been built over rules.normalization.context.
GameResult playUndisplayedGame(Game& game, const BatchRules& rules, BatchCarry& carry);

// Name of a pitcher of record after the game; empty when there is none.
std::string pitcherOfRecord(const Game& game, const TeamEntry& who);

// A team name as shown in a result line: the 12-character name, trimmed.
std::string shownTeamName(const Team& team);

}  // namespace vrk
