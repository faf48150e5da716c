#include "engine/steals_support.h"

#include "core/text_fields.h"
#include "engine/engine_helpers.h"
#include "engine/hits_support.h"
#include "engine/steals_chance.h"

namespace vrk::steals {

int RunnerEntry(const Game& game, int slot) {
    return SlotPlayer(game, game.state.battingTeam, slot);
}

bool RunnerIsPitcher(const Game& game, int slot) {
    return IsPitcherLine(game.team(game.state.battingTeam).player(RunnerEntry(game, slot)));
}

void CreditSteal(Game& game, int slot, std::string_view cardText) {
    int team = game.state.battingTeam;
    int entry = RunnerEntry(game, slot);
    ++game.counters.bat(team, entry).stolenBases;
    if (game.record != nullptr && RunnerIsPitcher(game, slot)) ++game.record->pitcherStolenBases;
    WriteScoreCard(game, team, entry, '6', cardText);
}

void ChargeCaught(Game& game, int slot, int base, std::string_view cardText) {
    GameState& s = game.state;
    int entry = RunnerEntry(game, slot);
    ++game.counters.bat(s.battingTeam, entry).caughtStealing;
    ++s.outs;
    AddPitcherOut(game);
    WriteScoreCard(game, s.battingTeam, entry, static_cast<char>('0' + base), cardText);
}

int MiddleInfielderCovering(const Game& game) {
    char bats = asciiUpper(game.team(game.state.battingTeam).player(game.state.batter).hand);
    return bats == 'R' ? kSecondBase : kShortstop;
}

bool BattingSideTries(Game& game, double computerChance) {
    int team = game.state.battingTeam;
    if (HumanBattingSide(game)) {
        return game.decisions->askYesNo(team, " Attempt double steal? [y/N]", false, -1);
    }
    return game.rng.chance(computerChance);
}

// The batter's turn is not over when a runner makes the third out: he leads
// off the next inning and is charged no at-bat.
void Finish(Game& game) {
    StepBack(game);
}

}  // namespace vrk::steals
