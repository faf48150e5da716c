// Choosing and installing both starting pitchers.
#include "managers/starters.h"

#include "engine/engine_helpers.h"
#include "engine/matchup_rates.h"
#include "managers/allowance.h"
#include "managers/bullpen_state.h"
#include "managers/pitcher_entry.h"
#include "managers/rotation.h"
#include "managers/spot_starter.h"

namespace vrk {

int ChooseStarter(Game& game, RotationTable& table, const RotationSettings& settings, int team) {
    const Team& t = game.team(team);
    const std::string& own = settings.teamMethod[static_cast<std::size_t>(team)];
    bool hasOwn = !own.empty() && own[0] != ' ';
    const std::string& method = hasOwn ? own : settings.defaultMethod;
    bool spot = settings.spotStartersFor(team);
    int starter = AutoPitcher(table, t, method, hasOwn, spot, game.rng, *game.errors);
    if (!spot) return starter;
    const RotationRecord* record = table.find(t.teamFileName);
    SpotStarterRules rules{game.config.daysOffRule, game.options.statisticsRecorded};
    std::string used = record != nullptr ? record->method : NormalizeMethod(method);
    return ApplySpotStarter(t, record, used, starter, rules, game.rng, *game.errors);
}

void ChooseStarters(Game& game, RotationTable& table, const RotationSettings& settings) {
    for (int team = kVisitors; team <= kHome; ++team) {
        int& starter = game.options.starter[static_cast<std::size_t>(team)];
        if (starter <= 0) starter = ChooseStarter(game, table, settings, team);
    }
}

void InstallStarter(Game& game, BullpenState& bullpen, int team, int starter) {
    GameState& s = game.state;
    std::size_t t = static_cast<std::size_t>(team);
    s.currentPitcher[t] = starter;
    if (s.fieldingTeam == team) s.pitcher = starter;
    s.pitchersUsed[t] = 1;
    s.pitcherList[t][1] = starter;
    s.pitchCount[t] = 0;
    bullpen.markUsed(team, starter);
    Allowance(game, bullpen, team);
    if (game.options.designatedHitter) return;
    Team& roster = game.team(team);
    for (int slot = 1; slot <= kLineupSize; ++slot) {
        if (roster.player(slot).lineupPosition != kPitcher) continue;
        int slotEntry = SlotPlayer(game, team, slot);
        if (slotEntry != starter) {
            SetPitcherBattingFigures(roster.player(slotEntry), roster.player(starter), game.rng);
            ForgetBatterMatchups(game, team, slotEntry);  // it now bats with another line
        }
        break;
    }
}

void InstallStarters(Game& game, BullpenState& bullpen) {
    for (int team = kVisitors; team <= kHome; ++team) {
        int starter = game.options.starter[static_cast<std::size_t>(team)];
        if (starter <= 0) starter = kFirstPitcherEntry;
        InstallStarter(game, bullpen, team, starter);
    }
}

}  // namespace vrk
