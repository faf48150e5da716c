#pragma once
#include <algorithm>
#include <string>
#include <vector>

#include "engine/game.h"
#include "engine/game_start.h"
#include "engine/test_teams.h"

namespace vrk::testing {

// Score card that keeps its records with the inning they were made in.
struct RecordingScoreCard final : ScoreCardSink {
    explicit RecordingScoreCard(const GameState& state) : state(state) {}
    struct Line {
        int inning;
        int team;
        int player;
        char code;
        std::string text;
    };
    void entry(int team, int player, char code, std::string_view text) override {
        lines.push_back({state.inning, team, player, code, std::string(text)});
    }
    int count(std::string_view text) const {
        int n = 0;
        for (const Line& l : lines) n += l.text == text;
        return n;
    }
    const GameState& state;
    std::vector<Line> lines;
};

// Narration that keeps every line as "key" or text and counts every call.
// Wordy, it adds the telling words a handler that read the play-by-play
// back would act on (depth of a fly, a slow roller, the flip to the
// pitcher): they must change nothing.
struct LoopNarration final : Narration {
    void message(MessageKey key, int, int, int, int) override {
        ++calls;
        std::string line = key.display();
        if (wordy && key.category == 7 && key.s == '3') line += " way back, deep!";
        if (wordy && key.category == 6 && key.s == '2')
            line += key.detail % 2 ? " a short fly" : " routine";
        if (wordy && key.category == 3 && key.s == '2') line += " a slow roller";
        if (wordy && key.category == 2 && key.p == '3')
            line += " He flips to the pitcher covering...";
        lines.push_back(line);
    }
    void text(int, std::string_view line) override {
        ++calls;
        lines.emplace_back(line);
    }
    void startPlay() override { ++calls; }
    void showPlay() override { ++calls; }
    void redrawScoreboard() override { ++calls; }
    void redrawField() override { ++calls; }
    void markBatter(int, int) override { ++calls; }
    void refreshAtBat() override { ++calls; }
    void fatigue(std::string_view) override { ++calls; }
    void window(std::string_view title, std::span<const std::string_view> text) override {
        ++calls;
        windows.emplace_back(title);
        for (std::string_view l : text) lines.emplace_back(l);
    }
    void closeWindow() override { ++calls; }
    void celebrateHomeRun(bool) override { ++calls; }
    bool has(std::string_view line) const {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
    bool wordy = false;
    mutable int calls = 0;
    std::vector<std::string> lines;
    std::vector<std::string> windows;
};

// Answers every question the same way and keeps what was asked.
struct ScriptedDecisions final : Decisions {
    bool answer = false;
    std::vector<std::string> questions;
    std::vector<double> percents;
    bool askYesNo(int, std::string_view question, bool, double successPercent) override {
        questions.emplace_back(question);
        percents.push_back(successPercent);
        return answer;
    }
    int pick(int, std::string_view, std::span<const std::string_view>) override { return 0; }
};

// A manager that sets chosen strategy flags on every pass.
struct FlagManager final : ManagerHooks {
    StrategyFlags wanted;
    void input(Game&) override {}
    void autoManage(Game& game) override {
        auto keep = game.flags.changePitcher;
        game.flags = wanted;
        game.flags.changePitcher = keep;
    }
    int substitutions(Game&) override { return 0; }
    bool doubleSwitch(Game&, int) override { return false; }
    int replacePitcher(Game&, int) override { return 0; }
    void warmups(Game&) override {}
};

// A started game over two average teams whose score card is recorded.
struct StartedGame : GameFixture {
    explicit StartedGame(std::uint64_t seed = 1) : GameFixture(seed), g(*game), card(g.state) {
        StartGame(g);
        g.scoreCard = &card;
    }
    Game& g;
    RecordingScoreCard card;
};

}  // namespace vrk::testing
