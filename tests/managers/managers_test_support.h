#pragma once
#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/rng.h"
#include "data/team.h"
#include "engine/game.h"

namespace vrk::mgrtest {

// Records every fault instead of showing it.
struct RecordingErrors final : ErrorSink {
    std::vector<std::string> faults;
    void fault(std::string_view label, std::string_view detail) override {
        faults.push_back(std::string(label) + (detail.empty() ? "" : "|") + std::string(detail));
    }
};

// Records catalogue messages by key.
struct RecordingNarration final : Narration {
    std::vector<std::pair<MessageKey, std::array<int, 4>>> messages;
    void message(MessageKey key, int p1, int t1, int p2, int t2) override {
        messages.push_back({key, {p1, t1, p2, t2}});
    }
    void text(int, std::string_view) override {}
    std::string_view recentLine(int) const override { return {}; }
    void dropRecent(int) override {}
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

inline Player MakeBatter(const std::string& name, int position, int atBats) {
    Player p;
    p.playerName = name;
    p.nameAsLoaded = name;
    p.lineupPosition = position;
    p.defaultPosition = position;
    p.atBats = atBats;
    p.hits = atBats / 4;
    p.walks = atBats / 10;
    p.hand = 'R';
    p.positionCode[1] = position;
    p.gamesAtPosition[1] = atBats / 4;
    return p;
}

inline Player MakePitcher(const std::string& name, int games, int starts, int innings,
                          int saves = 0) {
    Player p;
    p.playerName = name;
    p.nameAsLoaded = name;
    p.lineupPosition = kPitcher;
    p.defaultPosition = kPitcher;
    p.games = games;
    p.gamesAtPosition[1] = starts;
    p.atBats = innings;
    p.caughtStealing = saves;
    p.hand = 'R';
    return p;
}

// A team of nine (catcher to right field in slots 1..8, the pitcher ninth),
// `pitchers` starters-then-relievers from entry 10 on and `bench` bench
// players; every entry refers to itself.
inline void BuildTeam(Team& team, const std::string& fileName, int pitchers, int bench = 4) {
    team = Team{};
    team.teamFileName = fileName;
    team.teamName = fileName.substr(0, fileName.find('.'));
    team.league = 'A';
    for (int slot = 1; slot <= 8; ++slot) {
        team.player(slot) = MakeBatter("Fielder" + std::to_string(slot), slot + 1, 500);
    }
    team.player(9) = MakeBatter("Pitcher Slot", kPitcher, 60);
    int entry = kFirstPitcherEntry;
    for (int i = 0; i < pitchers; ++i, ++entry) {
        bool starter = i < 5;
        team.player(entry) = MakePitcher("Arm" + std::to_string(entry), starter ? 32 : 60,
                                         starter ? 32 : 0, starter ? 200 : 70);
    }
    team.lastPitcherEntry = entry - 1;
    for (int i = 0; i < bench; ++i, ++entry) {
        team.player(entry) = MakeBatter("Bench" + std::to_string(entry), 2 + i % 8, 150);
    }
    team.playerCount = entry - 1;
    for (int e = 1; e <= team.playerCount; ++e) team.player(e).lineupPlayer = e;
    team.pitcherGamesData = true;
}

// Two teams and a game with recording seams.
struct StaffGame {
    std::array<Team, 3> teams{};
    LeagueContext normalization;
    Config config;
    Rng rng{12345};
    RecordingErrors errors;
    RecordingNarration narration;
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
            s.currentPitcher[static_cast<std::size_t>(t)] = 10;
            s.pitchersUsed[static_cast<std::size_t>(t)] = 1;
            s.pitcherList[static_cast<std::size_t>(t)][1] = 10;
        }
        s.pitcher = 10;
    }
};

}  // namespace vrk::mgrtest
