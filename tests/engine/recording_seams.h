#pragma once
#include <string>
#include <vector>

#include "engine/game.h"

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

// Narration that keeps every line as "key" or text.
struct LoopNarration final : Narration {
    void message(MessageKey key, int, int, int, int) override { lines.push_back(key.display()); }
    void text(int, std::string_view line) override { lines.emplace_back(line); }
    std::string_view recentLine(int back) const override {
        if (back < 0 || back >= static_cast<int>(lines.size())) return {};
        return lines[lines.size() - 1 - static_cast<std::size_t>(back)];
    }
    void dropRecent(int count) override {
        while (count-- > 0 && !lines.empty()) lines.pop_back();
    }
    void startPlay() override {}
    void showPlay() override {}
    void redrawScoreboard() override {}
    void redrawField() override {}
    void markBatter(int, int) override {}
    void refreshAtBat() override {}
    void fatigue(std::string_view text) override { fatigueText = std::string(text); }
    void window(std::string_view title, std::span<const std::string_view> text) override {
        windows.emplace_back(title);
        for (std::string_view l : text) lines.emplace_back(l);
    }
    void closeWindow() override {}
    void celebrateHomeRun(bool) override { ++celebrations; }
    bool has(std::string_view line) const {
        for (const std::string& l : lines) {
            if (l == line) return true;
        }
        return false;
    }
    std::vector<std::string> lines;
    std::vector<std::string> windows;
    std::string fatigueText;
    int celebrations = 0;
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

}  // namespace vrk::testing
