#pragma once
#include <array>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "core/rng.h"
#include "data/stats_records.h"
#include "data/team_test_support.h"
#include "engine/game.h"

namespace vrk::stats_testing {

using ScratchFolder = vrk::testing::TempDir;

inline std::vector<std::uint8_t> readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

inline void writeText(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

inline std::string readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Two small teams and a game whose counters a test fills by hand: entries
// 1-8 bat in slots 1-8 at positions 2-9, slot 9 is the pitcher's, entries
// 10-13 pitch, 14-15 sit on the bench.
struct GameFixture {
    std::array<Team, 3> teams{};
    LeagueContext normalization;
    Config config;
    Rng rng{7};
    std::unique_ptr<Game> game;

    GameFixture() {
        const char* names[3] = {"", "Hawks", "Owls"};
        for (int t = 1; t <= 2; ++t) {
            Team& team = teams[static_cast<std::size_t>(t)];
            team.league = t == 1 ? 'A' : 'N';
            team.division = 'E';
            team.teamName = names[t];
            team.lastPitcherEntry = 13;
            team.playerCount = 15;
            for (int e = 1; e <= 15; ++e) {
                Player& p = team.player(e);
                p.playerName =
                    std::string(names[t]).substr(0, 1) + "Player" + std::to_string(e) + ", Al";
                p.nameAsLoaded = p.playerName;
                p.hand = e % 2 == 0 ? 'L' : 'R';
                p.lineupPosition = e <= 8 ? e + 1 : (e == 9 ? 1 : (e <= 13 ? 1 : 7));
                p.lineupPlayer = e;
            }
        }
        game = std::make_unique<Game>(teams, normalization, config, rng);
        for (int t = 1; t <= 2; ++t) {
            for (int slot = 1; slot <= 8; ++slot) addToSlot(t, slot, slot, slot + 1);
            setPitchers(t, {10}, {27});
        }
        game->state.score = {0, 3, 2};
        game->state.winner = 1;
        game->state.winningPitcher = {1, 10};
        game->state.losingPitcher = {2, 10};
    }

    void addToSlot(int t, int slot, int entry, int position) {
        game->counters.team[static_cast<std::size_t>(t)]
            .slotHistory[static_cast<std::size_t>(slot)]
            .push({entry, position});
    }

    // Pitchers in order of appearance with their outs; the slot-9 history follows.
    void setPitchers(int t, std::vector<int> entries, std::vector<int> outs) {
        auto& s = game->state;
        auto ti = static_cast<std::size_t>(t);
        s.pitchersUsed[ti] = static_cast<int>(entries.size());
        auto& history = game->counters.team[ti].slotHistory[9];
        history = {};
        for (std::size_t k = 0; k < entries.size(); ++k) {
            s.pitcherList[ti][k + 1] = entries[k];
            s.outsRecorded[ti][static_cast<std::size_t>(entries[k])] = outs[k];
            history.push({entries[k], 1});
        }
    }

    BatterCounters& bat(int t, int e) { return game->counters.bat(t, e); }
    PitcherCounters& pitch(int t, int e) { return game->counters.pitch(t, e); }
    FielderCounters& field(int t, int e) { return game->counters.field(t, e); }
    PlayerKey key(int t, int e) const {
        const Team& team = teams[static_cast<std::size_t>(t)];
        return MakePlayerKey(team.league, team.teamName, team.player(e).nameAsLoaded);
    }
};

}  // namespace vrk::stats_testing
