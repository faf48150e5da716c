#pragma once
#include <algorithm>
#include <array>
#include <string_view>

#include "engine/event_rates.h"
#include "engine/game.h"

namespace vrk {

// Odds-ratio combination of a pitcher rate p, a batter rate b and a league rate l.
inline double CombineRates(double p, double b, double l) {
    return CombineRates(PrepareRate(p, l), b);
}
inline double EstimateBattersFaced(double ip, double h, double bb, double so) {
    return h + bb + so + 0.99 * (3 * ip - so);
}
double LinearRunValue(const LeagueContext& league);

// Just under the lowest fielding average anyone has (.800 at worst, three
// quarters of it out of position): a draw at or below it is a clean play
// whoever fields, so the average need not be looked up.
inline constexpr double kFieldingAverageFloor = 0.59;

// The same batter stays at the plate after a pitch-level event.
void StepBack(Game& game);

// One out made by the fielding team's current pitcher (or taken back with -1).
void AddPitcherOut(Game& game, int delta = 1);

// Narration helpers: they do nothing when the game is not displayed.
void Say(Game& game, MessageKey key, int player1 = 0, int team1 = 0, int player2 = 0,
         int team2 = 0);
void SayText(Game& game, std::string_view line, int team = 0);
// Message about the batter / a runner slot of the batting team.
void SayBatter(Game& game, MessageKey key);
void SayRunner(Game& game, MessageKey key, int runnerSlot);
// A numbered sound effect / named WAV, when the game is displayed with sound on.
void PlayEffect(Game& game, int number);
void PlayWav(Game& game, std::string_view fileName);
// Pause of `units` x delay milliseconds (nothing with delay 0).
void Pace(Game& game, int unitMs);

// Score-card line for a player of a team. It clears the after-a-home-run
// mark; the pass that hit the home run sets it again after its own entry.
void WriteScoreCard(Game& game, int team, int player, char code, std::string_view text);

// A score-card text put together from pieces without allocating (a game
// unseen still keeps its last text); pieces past the capacity are cut.
class CardText {
  public:
    CardText& operator<<(std::string_view piece) {
        const std::size_t n = std::min(piece.size(), text_.size() - size_);
        piece.copy(text_.data() + size_, n);
        size_ += n;
        return *this;
    }
    CardText& operator<<(int number);
    std::string_view view() const { return {text_.data(), size_}; }

  private:
    std::array<char, 120> text_{};
    std::size_t size_ = 0;
};

// A base hit of 1..4 bases: the batter's line (with the hand split), the
// pitcher's hits allowed, the team and half-inning hits.
void RecordHit(Game& game, int bases);

// Gives back the at-bat that the pitch loop counts for every pass (walks, hit
// batsmen, sacrifices, a step back).
void TakeBackAtBat(Game& game);

// Reports a fault of an engine step through the error sink; the game goes on.
void ReportFault(Game& game, std::string_view label, std::string_view what);

// Roster entry of the player in a slot of a team. Asked for many times a pass,
// so kept where every caller can inline it.
inline int SlotPlayer(const Game& game, int team, int slot) {
    if (slot < 1 || slot > kLineupSize) return 0;
    const int entry = game.team(team).player(slot).lineupPlayer;
    return entry > 0 ? entry : slot;
}

}  // namespace vrk
