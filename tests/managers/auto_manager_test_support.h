#pragma once
// Shared pieces of the computer-manager tests: the shipped teams and a
// score card that remembers names as they were when a line was written.
#include <string>
#include <string_view>
#include <vector>

#include "data/team_file.h"
#include "engine/game.h"

namespace vrk::autotest {

inline Config ShippedConfig() {
    Config config;
    config.dataPath = std::string(VRK_SOURCE_HOME) + "/";
    return config;
}

struct CardLine {
    int inning = 0;
    int team = 0;
    int player = 0;
    char code = ' ';
    std::string name;
    std::string text;
};

class NamedScoreCard final : public ScoreCardSink {
  public:
    explicit NamedScoreCard(const Game& game) : game_(game) {}
    void entry(int team, int player, char code, std::string_view text) override {
        std::string name;
        if ((team == kVisitors || team == kHome) && player >= 1 && player <= kMaxRosterEntries) {
            name = game_.team(team).player(player).playerName;
        }
        lines.push_back({game_.state.inning, team, player, code, name, std::string(text)});
    }
    int count(char code, std::string_view text) const {
        int n = 0;
        for (const CardLine& l : lines) n += l.code == code && l.text == text;
        return n;
    }
    std::vector<CardLine> lines;

  private:
    const Game& game_;
};

// Every fault an engine or manager step reports.
class Faults final : public ErrorSink {
  public:
    void fault(std::string_view label, std::string_view detail) override {
        seen.push_back(std::string(label) + std::string(detail));
    }
    std::vector<std::string> seen;
};

}  // namespace vrk::autotest
