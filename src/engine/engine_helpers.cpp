#include "engine/engine_helpers.h"

#include <cstdio>

#include <cmath>
#include <cstdlib>

namespace vrk {

double LinearRunValue(const LeagueContext& league) {
    double singles = league.hits - league.doubles - league.triples - league.homeRuns;
    return singles + 1.6 * league.doubles + 2.2 * league.triples + 3 * league.homeRuns +
           0.7 * league.walks;
}

void StepBack(Game& game) {
    GameState& s = game.state;
    s.appearance.continues = true;
    s.lastBatterSlot[static_cast<std::size_t>(s.battingTeam)] -= 1;
    TakeBackAtBat(game);
}

void AddPitcherOut(Game& game, int delta) {
    GameState& s = game.state;
    s.outsRecorded[static_cast<std::size_t>(s.fieldingTeam)][static_cast<std::size_t>(s.pitcher)] +=
        delta;
}

void RecordHit(Game& game, int bases) {
    GameState& s = game.state;
    BatterCounters& b = game.counters.bat(s.battingTeam, s.batter);
    HandSplit& split = b.vsHand[static_cast<std::size_t>(handIndex(game.pitcherPlayer().hand))];
    PitcherCounters& p = game.counters.pitch(s.fieldingTeam, s.pitcher);
    ++b.hits;
    ++split.hits;
    ++p.hits;
    switch (bases) {
        case 1:
            ++split.singles;
            break;
        case 2:
            ++b.doubles;
            ++split.doubles;
            ++p.doubles;
            break;
        case 3:
            ++b.triples;
            ++split.triples;
            ++p.triples;
            break;
        default:
            ++b.homeRuns;
            ++split.homeRuns;
            ++p.homeRuns;
            break;
    }
    ++s.halfInningHits;
    ++game.counters.of(s.battingTeam).hits;
}

void Say(Game& game, MessageKey key, int player1, int team1, int player2, int team2) {
    if (!game.displayed()) return;
    game.narration->message(key, player1, team1, player2, team2);
}

void SayText(Game& game, std::string_view line, int team) {
    if (!game.displayed()) return;
    game.narration->text(team, line);
}

void SayBatter(Game& game, MessageKey key) {
    if (!game.displayed()) return;
    game.narration->message(key, game.state.batter, game.state.battingTeam);
}

void SayRunner(Game& game, MessageKey key, int runnerSlot) {
    if (!game.displayed() || runnerSlot == 0) return;
    int team = game.state.battingTeam;
    game.narration->message(key, SlotPlayer(game, team, runnerSlot), team);
}

void PlayEffect(Game& game, int number) {
    if (game.displayed() && game.state.display.soundOn) game.sound->effect(number);
}

void PlayWav(Game& game, std::string_view fileName) {
    if (game.displayed() && game.state.display.soundOn) game.sound->wav(fileName);
}

void TakeBackAtBat(Game& game) {
    GameState& s = game.state;
    BatterCounters& b = game.counters.bat(s.battingTeam, s.batter);
    b.atBats -= 1;
    b.vsHand[static_cast<std::size_t>(handIndex(game.pitcherPlayer().hand))].atBats -= 1;
}

void ReportFault(Game& game, std::string_view label, std::string_view what) {
    game.errors->fault(label, what);
}

void Pace(Game& game, int unitMs) {
    if (game.state.display.playDelay <= 0) return;
    game.pacer->wait(unitMs * game.state.display.playDelay);
}

CardText& CardText::operator<<(int number) {
    std::array<char, 12> digits{};
    const int n = std::snprintf(digits.data(), digits.size(), "%d", number);
    return *this << std::string_view(digits.data(), n > 0 ? static_cast<std::size_t>(n) : 0);
}

void WriteScoreCard(Game& game, int team, int player, char code, std::string_view text) {
    game.state.afterHomeRun = false;
    game.scoreCard->entry(team, player, code, text);
}

}  // namespace vrk
