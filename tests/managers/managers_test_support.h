#pragma once
#include <array>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>
#include "test_paths.h"

#include "core/rng.h"
#include "data/team.h"
#include "data/team_file.h"
#include "engine/game.h"
#include "engine/game_seams.h"
#include "engine/recording_seams.h"

namespace vrk::mgrtest {

// Forwards to other managers and runs a check around every turn that can
// change a line-up or a pitcher: what a cache keeps must match the game then.
class CheckedHooks final : public ManagerHooks {
  public:
    CheckedHooks(ManagerHooks& inner, std::function<void(Game&)> check)
        : inner_(inner), check_(std::move(check)) {}
    void input(Game& game) override {
        check_(game);
        inner_.input(game);
    }
    void autoManage(Game& game) override {
        check_(game);
        inner_.autoManage(game);
        check_(game);
    }
    int substitutions(Game& game) override {
        check_(game);
        const int reliever = inner_.substitutions(game);
        check_(game);
        return reliever;
    }
    bool doubleSwitch(Game& game, int reliever) override {
        const bool made = inner_.doubleSwitch(game, reliever);
        check_(game);
        return made;
    }
    int replacePitcher(Game& game, int team) override {
        const int reliever = inner_.replacePitcher(game, team);
        check_(game);
        return reliever;
    }
    void warmups(Game& game) override { inner_.warmups(game); }

  private:
    ManagerHooks& inner_;
    std::function<void(Game&)> check_;
};

// Records every fault instead of showing it.
struct RecordingErrors final : ErrorSink {
    std::vector<std::string> faults;
    void fault(std::string_view label, std::string_view detail) override {
        faults.push_back(std::string(label) + (detail.empty() ? "" : "|") + std::string(detail));
    }
};

// Score card lines with the player's name as it was when the line was written.
struct CardLine {
    int team = 0;
    char code = ' ';
    std::string name;
    std::string text;
};

struct NamedScoreCard final : ScoreCardSink {
    explicit NamedScoreCard(const Game& game) : game(game) {}
    void entry(int team, int player, char code, std::string_view text) override {
        bool known =
            (team == kVisitors || team == kHome) && player >= 1 && player <= kMaxRosterEntries;
        lines.push_back({team, code, known ? game.team(team).player(player).playerName : "",
                         std::string(text)});
    }
    int count(char code, std::string_view text) const {
        int n = 0;
        for (const CardLine& l : lines) n += l.code == code && l.text == text;
        return n;
    }
    const Game& game;
    std::vector<CardLine> lines;
};

inline Config ShippedConfig() {
    Config config;
    config.dataPath = std::string(vrk::test::sourceHome()) + "/";
    return config;
}

// Every name on the roster: a manager step may move players, never lose one.
inline std::multiset<std::string> Names(const Team& team) {
    std::multiset<std::string> names;
    for (int e = 1; e <= team.playerCount; ++e) names.insert(team.player(e).playerName);
    return names;
}

using testing::BuildTeam;
using testing::MakeBatter;
using testing::MakePitcher;

// Two teams and a game with recording seams; entry 10 pitches for both.
struct StaffGame {
    std::array<Team, 3> teams{};
    LeagueContext normalization;
    Config config;
    Rng rng{12345};
    RecordingErrors errors;
    testing::LoopNarration narration;
    std::unique_ptr<Game> game;

    explicit StaffGame(int pitchers = 12) {
        BuildTeam(teams[1], "VISIT.DAT", pitchers);
        BuildTeam(teams[2], "HOME.DAT", pitchers);
        game = std::make_unique<Game>(teams, normalization, config, rng);
        game->errors = &errors;
        game->narration = &narration;
        GameState& s = game->state;
        s.battingTeam = kVisitors;
        s.fieldingTeam = kHome;
        for (int t = kVisitors; t <= kHome; ++t) {
            s.currentPitcher[t] = 10;
            s.pitchersUsed[t] = 1;
            s.pitcherList[t][1] = 10;
        }
        s.pitcher = 10;
    }
};

}  // namespace vrk::mgrtest
