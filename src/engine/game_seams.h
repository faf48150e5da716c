#pragma once
#include <span>
#include <string_view>

#include "engine/message_key.h"

namespace vrk {

struct Game;

// Where the play-by-play goes. Engine code calls it only when the game is
// displayed (showPlayByPlay), so an undisplayed game does no text work at all.
// It only tells: nothing told is ever read back to decide a play.
class Narration {
  public:
    virtual ~Narration() = default;
    // A catalogue message about up to two players (roster entry, team; 0 = none).
    virtual void message(MessageKey key, int player1, int team1, int player2 = 0,
                         int team2 = 0) = 0;
    // A line of the program's own text; team selects the pronoun conversion (0 = none).
    virtual void text(int team, std::string_view line) = 0;
    // A new play starts: the queue is emptied.
    virtual void startPlay() = 0;
    // Shows the queued lines at the set pace.
    virtual void showPlay() = 0;
    // Screen refreshes: scoreboard, field, lineup marker, at-bat panel, fatigue text.
    virtual void redrawScoreboard() = 0;
    virtual void redrawField() = 0;
    virtual void markBatter(int team, int slot) = 0;
    virtual void refreshAtBat() = 0;
    virtual void fatigue(std::string_view text) = 0;
    // A titled window with lines (inning summary, end of game); closed by closeWindow.
    virtual void window(std::string_view title, std::span<const std::string_view> lines) = 0;
    virtual void closeWindow() = 0;
    // The home-run celebration (fireworks when asked).
    virtual void celebrateHomeRun(bool fireworks) = 0;
};

// Reports a run-time fault of one engine step ("OUTorERR_Error" ...) and a
// consistency message ("AutoManager is out of pitchers!"). Every game has one,
// displayed or not.
class ErrorSink {
  public:
    virtual ~ErrorSink() = default;
    virtual void fault(std::string_view label, std::string_view detail) = 0;
};

// The score card: one record per batter line, stamped by the card itself.
class ScoreCardSink {
  public:
    virtual ~ScoreCardSink() = default;
    virtual void entry(int team, int player, char code, std::string_view text) = 0;
};

// Questions to the user who manages a side.
class Decisions {
  public:
    virtual ~Decisions() = default;
    // A yes/no prompt; `successPercent` < 0 when no chance is shown.
    virtual bool askYesNo(int team, std::string_view question, bool defaultYes,
                          double successPercent) = 0;
    // 0-based index of the chosen option.
    virtual int pick(int team, std::string_view title,
                     std::span<const std::string_view> options) = 0;
};

// Pauses: the engine asks for milliseconds already multiplied by the delay.
class Pacer {
  public:
    virtual ~Pacer() = default;
    virtual void wait(int milliseconds) = 0;
    // Watch-mode key poll between passes; true when a key was handled.
    virtual bool pollKey() = 0;
};

class SoundSink {
  public:
    virtual ~SoundSink() = default;
    virtual void effect(int number) = 0;              // numbered WAV effect
    virtual void wav(std::string_view fileName) = 0;  // a named WAV in the home folder
    // Plays a MIDI anthem through the device until a key is pressed.
    virtual void anthem(std::string_view midiFile) = 0;
};

// What the managers decide between plate appearances. The computer
// implementations below decide nothing; the AutoManager and the strategy
// menu plug in here.
class ManagerHooks {
  public:
    virtual ~ManagerHooks() = default;
    // Manager input of a pass: the user's key (strategy window) or the watch-mode poll.
    virtual void input(Game& game) = 0;
    // The AutoManager for the computer-managed side(s).
    virtual void autoManage(Game& game) = 0;
    // Carries out the substitutions decided this pass; returns the reliever
    // entry when a pitching change brought one in, 0 otherwise.
    virtual int substitutions(Game& game) = 0;
    // Makes a double switch for the reliever who just came in; true when made.
    virtual bool doubleSwitch(Game& game, int reliever) = 0;
    // A new pitcher for the fielding team at a half-inning start (its pitcher
    // was hit or run for); 0 when none is left.
    virtual int replacePitcher(Game& game, int team) = 0;
    // Pitching-change warm-up bookkeeping of a pass.
    virtual void warmups(Game& game) = 0;
};

// No-op seams for undisplayed games and tests.
class NullNarration final : public Narration {
  public:
    void message(MessageKey, int, int, int, int) override {}
    void text(int, std::string_view) override {}
    void startPlay() override {}
    void showPlay() override {}
    void redrawScoreboard() override {}
    void redrawField() override {}
    void markBatter(int, int) override {}
    void refreshAtBat() override {}
    void fatigue(std::string_view) override {}
    void window(std::string_view, std::span<const std::string_view>) override {}
    void closeWindow() override {}
    void celebrateHomeRun(bool) override {}
};

class NullErrorSink final : public ErrorSink {
  public:
    void fault(std::string_view, std::string_view) override {}
};

class NullScoreCard final : public ScoreCardSink {
  public:
    void entry(int, int, char, std::string_view) override {}
};

// The computer's answers: the default of every question, the first option.
class ComputerDecisions final : public Decisions {
  public:
    bool askYesNo(int, std::string_view, bool defaultYes, double) override { return defaultYes; }
    int pick(int, std::string_view, std::span<const std::string_view>) override { return 0; }
};

class NullPacer final : public Pacer {
  public:
    void wait(int) override {}
    bool pollKey() override { return false; }
};

class NullSound final : public SoundSink {
  public:
    void effect(int) override {}
    void wav(std::string_view) override {}
    void anthem(std::string_view) override {}
};

class ComputerManagers final : public ManagerHooks {
  public:
    void input(Game&) override {}
    void autoManage(Game&) override {}
    int substitutions(Game&) override { return 0; }
    bool doubleSwitch(Game&, int) override { return false; }
    int replacePitcher(Game&, int) override { return 0; }
    void warmups(Game&) override {}
};

}  // namespace vrk
