#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/rng.h"
#include "engine/engine_helpers.h"
#include "engine/game.h"

namespace vrk::testing {

// Positions of the nine batting-order slots of both test teams.
inline constexpr std::array<int, 10> kSlotPosition{0, 8, 6, 9, 3, 5, 7, 4, 2, 1};

// A plausible team: nine regulars who play their own positions well, a
// staff of three pitchers at entries 10..12.
inline Team MakeTeam(const std::string& name) {
    Team team;
    team.teamName = name;
    team.league = 'A';
    team.lastPitcherEntry = 12;
    team.playerCount = 12;
    team.averageTeamSpeed = 5;
    team.leagueContext.singleShare = 0.7f;
    team.leagueContext.doubleShare = 0.18f;
    team.leagueContext.tripleShare = 0.03f;
    team.leagueContext.homeRunShare = 0.09f;
    for (int slot = 1; slot <= 9; ++slot) {
        Player& p = team.player(slot);
        p.playerName = "Slot" + std::to_string(slot) + ", Sam";
        p.lineupPosition = kSlotPosition[static_cast<std::size_t>(slot)];
        p.defaultPosition = p.lineupPosition;
        p.atBats = 500;
        p.hits = 135;
        p.doubles = 25;
        p.triples = 3;
        p.homeRuns = 15;
        p.walks = 50;
        p.strikeouts = 90;
        p.hand = slot % 3 == 0 ? 'L' : 'R';
        p.defense = 985;
        p.speed = 5;
        p.games = 140;
    }
    for (int entry = 10; entry <= 12; ++entry) {
        Player& p = team.player(entry);
        p.playerName = "Arm" + std::to_string(entry) + ", Al";
        p.lineupPosition = 1;
        p.atBats = 200;  // innings pitched
        p.hits = 190;
        p.doubles = 35;
        p.triples = 4;
        p.homeRuns = 20;
        p.walks = 65;
        p.strikeouts = 150;
        p.hand = entry == 11 ? 'L' : 'R';
        p.games = 32;
        p.gamesAtPosition[1] = entry == 10 ? 32 : 0;
        p.speed = 3;
    }
    return team;
}

// Answers questions from a script and keeps what was asked.
class ScriptedDecisions final : public Decisions {
  public:
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

// Counts every narration call; the lines it is given are kept so that the
// handlers can read them back.
class RecordingNarration final : public Narration {
  public:
    int calls = 0;
    std::vector<std::string> lines;
    void message(MessageKey key, int, int, int, int) override {
        ++calls;
        lines.push_back(key.display());
    }
    void text(int, std::string_view line) override {
        ++calls;
        lines.emplace_back(line);
    }
    std::string_view recentLine(int back) const override {
        ++const_cast<RecordingNarration*>(this)->calls;
        if (back < 0 || back >= static_cast<int>(lines.size())) return {};
        return lines[lines.size() - 1 - static_cast<std::size_t>(back)];
    }
    void dropRecent(int count) override {
        ++calls;
        for (int i = 0; i < count && !lines.empty(); ++i) lines.pop_back();
    }
    void startPlay() override { ++calls; }
    void showPlay() override { ++calls; }
    void redrawScoreboard() override { ++calls; }
    void redrawField() override { ++calls; }
    void markBatter(int, int) override { ++calls; }
    void refreshAtBat() override { ++calls; }
    void fatigue(std::string_view) override { ++calls; }
    void window(std::string_view, std::span<const std::string_view>) override { ++calls; }
    void closeWindow() override { ++calls; }
    void celebrateHomeRun(bool) override { ++calls; }
};

// One game in the middle of a half inning: visitors bat, the home team's
// entry 10 pitches, slot 1 is up.
struct PlaysFixture {
    std::array<Team, 3> teams;
    LeagueContext normalization;
    Config config;
    Rng rng;
    std::unique_ptr<Game> game;

    explicit PlaysFixture(std::uint64_t seed = 1) : rng(seed) {
        teams[1] = MakeTeam("Visitors");
        teams[2] = MakeTeam("Home");
        game = std::make_unique<Game>(teams, normalization, config, rng);
        GameState& s = game->state;
        s.currentPitcher = {0, 10, 10};
        s.pitcher = 10;
        s.battingTeam = kVisitors;
        s.fieldingTeam = kHome;
        s.inning = 3;
        s.pitchersUsed = {0, 1, 1};
        s.pitcherList[1][1] = 10;
        s.pitcherList[2][1] = 10;
        Bat(1);
    }

    // The home team bats in `inning` with the score as given.
    void HomeBats(int inning, int visitorsScore, int homeScore) {
        GameState& s = game->state;
        s.battingTeam = kHome;
        s.fieldingTeam = kVisitors;
        s.inning = inning;
        s.score = {0, visitorsScore, homeScore};
    }

    GameState& state() { return game->state; }
    Team& fielding() { return teams[static_cast<std::size_t>(game->state.fieldingTeam)]; }
    Team& batting() { return teams[static_cast<std::size_t>(game->state.battingTeam)]; }

    // The batter in `slot` comes up with the bases as given (slots, 0 = empty).
    void Bat(int slot, int first = 0, int second = 0, int third = 0, int outs = 0) {
        GameState& s = game->state;
        s.currentBatterSlot = slot;
        s.batter = slot;
        s.runnerOnFirst = first;
        s.runnerOnSecond = second;
        s.runnerOnThird = third;
        s.outs = outs;
        for (int r : {first, second, third}) {
            if (r != 0) {
                s.responsiblePitcher[static_cast<std::size_t>(s.battingTeam)]
                                    [static_cast<std::size_t>(r)] = s.pitcher;
            }
        }
        s.playResult.clear();
        s.errorOnPlay = false;
        s.precedingError = ErrorKind::None;
        // The pitch loop counts the at-bat before the outcome.
        game->counters.bat(s.battingTeam, s.batter).atBats += 1;
    }

    // The fielder at `position` of the fielding team gets this defence rating.
    void SetDefense(int position, int rating) {
        for (int slot = 1; slot <= 9; ++slot) {
            Player& p = fielding().player(slot);
            if (p.lineupPosition == position) p.defense = rating;
        }
    }
    void SetSpeed(int slot, int speed) { batting().player(slot).speed = speed; }

    int TotalPutouts() {
        int total = 0;
        for (int entry = 1; entry <= kMaxRosterEntries; ++entry) {
            total += game->counters.field(game->state.fieldingTeam, entry).putouts;
        }
        return total;
    }
    int PitcherOuts() {
        const GameState& s = game->state;
        return s.outsRecorded[static_cast<std::size_t>(s.fieldingTeam)]
                             [static_cast<std::size_t>(s.pitcher)];
    }
    int Runs() { return game->state.score[static_cast<std::size_t>(game->state.battingTeam)]; }
    int FielderCount(int position, int FielderCounters::*field) {
        int entry = FielderEntry(*game, position);
        return game->counters.field(game->state.fieldingTeam, entry).*field;
    }
};

}  // namespace vrk::testing
