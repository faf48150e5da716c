#pragma once
#include <string>
#include <vector>

#include "engine/game.h"
#include "presentation/announcer.h"
#include "presentation/catalogue.h"
#include "presentation/console.h"
#include "presentation/field_display.h"
#include "presentation/play_by_play_queue.h"
#include "presentation/scoreboard.h"

namespace vrk {

// The seams of a displayed game on a console: play-by-play from the
// catalogue into the queue and the panel, the windows, the pauses and the
// fault messages. One object serves one game at a time (attach it first).
class ConsoleNarration final : public Narration, public Pacer, public ErrorSink {
  public:
    ConsoleNarration(Console& console, const PlayByPlayCatalogue& catalogue,
                     AnnouncerEnvironment announcer);

    // Points every seam of the game at this object.
    void attach(Game& game);

    // The colours of the scoreboard and the field (the colour scheme).
    void setColours(const ScoreboardColours& board, const FieldColours& field);
    // Draws the whole game screen again from the game: frames, scoreboard,
    // field and batting order (at the start and after a window or a resize).
    void drawScreen();
    // The same with the open window, if any, drawn again over it (a resize).
    void drawScreenAndWindow();

    // Narration
    void message(MessageKey key, int player1, int team1, int player2, int team2) override;
    void text(int team, std::string_view line) override;
    void startPlay() override;
    void showPlay() override;
    void redrawScoreboard() override;
    void redrawField() override;
    void markBatter(int team, int slot) override;
    void refreshAtBat() override;
    void fatigue(std::string_view text) override;
    void window(std::string_view title, std::span<const std::string_view> lines) override;
    void closeWindow() override;
    void celebrateHomeRun(bool fireworks) override;

    // Pacer
    void wait(int milliseconds) override;
    bool pollKey() override;

    // ErrorSink
    void fault(std::string_view label, std::string_view detail) override;

    // Lines that named a key the catalogue lacks, over the object's life.
    int missingTexts() const { return missingTexts_; }
    int linesQueued() const { return linesQueued_; }
    bool announcerOn = false;

  private:
    TeamRefs teamRefs() const;
    void drawField();
    int row(int playRow) const;
    int col(int playCol) const;

    Console& console_;
    const PlayByPlayCatalogue& catalogue_;
    AnnouncerEnvironment announcer_;
    Game* game_ = nullptr;
    PlayByPlayQueue queue_;
    bool windowOpen_ = false;
    std::string windowTitle_;
    std::vector<std::string> windowLines_;
    ScoreboardColours boardColours_;
    FieldColours fieldColours_;
    int ballAt_ = 0;
    int markedSlot_ = 0;
    std::string fatigue_;
    int missingTexts_ = 0;
    int linesQueued_ = 0;
};

}  // namespace vrk
