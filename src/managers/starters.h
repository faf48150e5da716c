#pragma once

namespace vrk {

struct Game;
struct BullpenState;
struct RotationTable;
struct RotationSettings;

// The computer's starter for a team: the team's own method when it has one
// (stored in its rotation record), else the default method; then the
// spot-starter rule when spot starters are on for the team.
int ChooseStarter(Game& game, RotationTable& table, const RotationSettings& settings, int team);

// Before StartGame: fills game.options.starter for team 1 then team 2, for
// each team whose starter was not already set (a user's pick).
void ChooseStarters(Game& game, RotationTable& table, const RotationSettings& settings);

// After StartGame: the starter becomes the team's current pitcher, the only
// one in its list, used in this game and with his allowance.
void InstallStarter(Game& game, BullpenState& bullpen, int team, int starter);
// Both teams, from game.options.starter (entry 10 where none is set).
void InstallStarters(Game& game, BullpenState& bullpen);

}  // namespace vrk
