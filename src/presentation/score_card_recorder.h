#pragma once
#include <array>
#include <string_view>

#include "engine/game.h"
#include "presentation/score_card.h"

namespace vrk {

// Keeps a game's score card as the engine writes it: each record is stamped
// with the inning, the bases and the runs the batting side made since the
// last plate-appearance record, and with the player's name of the moment.
class ScoreCardRecorder final : public ScoreCardSink {
  public:
    explicit ScoreCardRecorder(const Game& game) : game_(game) {}

    void entry(int team, int player, char code, std::string_view text) override;

    const ScoreCard& card() const { return card_; }
    // Starts a new game's card (the recorder may serve game after game).
    void clear();

  private:
    const Game& game_;
    ScoreCard card_;
    int halfInning_ = 0;    // inning * 2 + batting side of the last record
    int runsSnapshot_ = 0;  // the batting side's runs when the snapshot was taken
};

}  // namespace vrk
