#include "engine/hits_support.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "engine/advance_runners.h"
#include "engine/engine_helpers.h"

namespace vrk {

bool HumanBattingSide(const Game& game) {
    return game.state.display.userManaged[static_cast<std::size_t>(game.state.battingTeam)] &&
           !game.config.autoCoach;
}

bool HumanFieldingSide(const Game& game) {
    return game.state.display.userManaged[static_cast<std::size_t>(game.state.fieldingTeam)] &&
           !game.config.autoDefense;
}

int RunnerSpeed(const Game& game, int slot) {
    int entry = SlotPlayer(game, game.state.battingTeam, slot);
    return game.team(game.state.battingTeam).player(entry).speed;
}

int BatterSpeed(const Game& game) {
    return game.team(game.state.battingTeam).player(game.state.batter).speed;
}

std::string RunnerSurname(const Game& game, int slot) {
    int entry = SlotPlayer(game, game.state.battingTeam, slot);
    const std::string& name = game.team(game.state.battingTeam).player(entry).playerName;
    std::size_t comma = name.find(',');
    std::string surname = comma == std::string::npos || comma == 0 ? name : name.substr(0, comma);
    while (!surname.empty() && surname.back() == ' ') surname.pop_back();
    return surname;
}

void AppendResult(Game& game, std::string_view text) {
    game.state.play.playResult.append(text);
}

void AppendPosition(Game& game, int position) {
    game.state.play.playResult.push_back(static_cast<char>('0' + position % 10));
}

void PutBatterOn(Game& game, int base, bool unearned) {
    GameState& s = game.state;
    int slot = s.currentBatterSlot;
    if (base == 1) s.runnerOnFirst = slot;
    if (base == 2) s.runnerOnSecond = slot;
    if (base == 3) s.runnerOnThird = slot;
    s.responsiblePitcher[static_cast<std::size_t>(s.battingTeam)][static_cast<std::size_t>(slot)] =
        unearned ? -s.pitcher : s.pitcher;
}

void AdvanceOnError(Game& game, int first, int second, int third) {
    bool before = game.state.play.errorOnPlay;
    game.state.play.errorOnPlay = true;
    AdvanceRunners(game, first, second, third);
    game.state.play.errorOnPlay = before;
}

void CountDoublePlay(Game& game) {
    int team = game.state.fieldingTeam;
    game.counters.of(team).doublePlays += 1;
}

bool AskSide(Game& game, int team, std::string_view question, double percent) {
    return game.decisions->askYesNo(team, question, false, percent);
}

std::string WholePercent(int value) {
    return std::to_string(value);
}

std::string TenthsPercent(double value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%.1f", value);
    return buffer;
}

int OutfielderBehind(int infielder) {
    switch (infielder) {
        case kThirdBase:
        case kShortstop:
            return kLeftField;
        case kFirstBase:
        case kSecondBase:
            return kRightField;
        case kPitcher:
        case kCatcher:
            return kCenterField;
        default:
            return infielder;  // already an outfielder
    }
}

}  // namespace vrk
