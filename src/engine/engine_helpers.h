#pragma once
#include <algorithm>
#include <array>
#include <string_view>

#include "engine/game.h"

namespace vrk {

// Fixed fielding tables: position weight W(n) and league fielding percentage P(n).
inline constexpr std::array<double, 11> kPositionWeight{0,   1.0,  1.0,  2.2,  5.7, 2.9,
                                                        4.8, 1.85, 2.45, 1.85, 0};
inline constexpr std::array<double, 11> kLeagueFieldingPct{0,    .952, .990, .993, .981, .953,
                                                           .967, .977, .984, .981, .999};
inline constexpr double kPitcherFieldingAverage = kLeagueFieldingPct[1];

// Odds-ratio combination of a pitcher rate p, a batter rate b and a league rate l.
double CombineRates(double p, double b, double l);
double EstimateBattersFaced(double ip, double h, double bb, double so);
double LinearRunValue(const LeagueContext& league);
// Pull tendency of the current batter against the current pitcher.
double PullValue(Game& game);
int GroundBallFielder(Game& game, double v);
int AirBallZone(Game& game, double v);
// Batting-order slot of the fielding team's player at the position; 0 when none
// (with a designated hitter the pitcher holds no slot).
int FielderSlot(const Game& game, int position);
// Roster entry of the fielding team's player at the position (the current
// pitcher for position 1).
int FielderEntry(const Game& game, int position);
double FieldingAverage(const Game& game, int slot);
// Fielding average of the player at a position (the pitcher's fixed value at 1).
double PositionAverage(const Game& game, int position);
double PositionFieldingAverage(const Player& player, int presentPosition, double x, double f);
// Moves the runners on third, second and first by the given numbers of bases.
void AdvanceRunners(Game& game, int first, int second, int third);
int ExpectedPitchesPerGame(const Game& game, int pitcherEntry, int team);

// Runs.
void ScoreRun(Game& game, int runnerSlot);
// The batter's own run on a home run: the bookkeeping of ScoreRun charged to
// the current pitcher, with no walk-off cut.
void ScoreBatterRun(Game& game);
void AnnounceRun(Game& game, int runnerSlot);

// The same batter stays at the plate after a pitch-level event.
void StepBack(Game& game);

// Fielding credit for the fielding team's player at a position.
void CreditPutout(Game& game, int position);
void CreditAssist(Game& game, int position);
// An error by the player at a position: team, half inning, player and position
// counts; `whileAdvancing` also counts it in halfInningAdvanceErrors.
void ChargeError(Game& game, int position, bool whileAdvancing);
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

// Roster entry of the player in a slot of a team.
int SlotPlayer(const Game& game, int team, int slot);

}  // namespace vrk
