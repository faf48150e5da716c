#pragma once
#include <string>
#include <vector>

#include "data/stats_records.h"
#include "data/stats_table.h"
#include "data/team_test_support.h"

namespace vrk::report_testing {

using vrk::testing::TempDir;

// A statistics set built record by record and written as the program
// writes one.
struct SetBuilder {
    std::vector<GameRecord> games;
    BattingTable batting = NewStatsTable<BattingRecord>();
    PitchingTable pitching = NewStatsTable<PitchingRecord>();
    FieldingTable fielding = NewStatsTable<FieldingRecord>();
    std::vector<std::string> highlights;

    // A game won by the side with more runs.
    void game(char league, char division, const std::string& visitors, int visitorRuns,
              const std::string& home, int homeRuns) {
        GameRecord g;
        g.visitors = {league, division, visitors, visitorRuns, 8, 1, 6, 1};
        g.home = {league, division, home, homeRuns, 9, 0, 7, 2};
        games.push_back(g);
    }
    // `wins` games of `winner` over `loser` (alternating home and away).
    void series(char league, char division, const std::string& winner, const std::string& loser,
                int wins) {
        for (int i = 0; i < wins; ++i) {
            if (i % 2 == 0) {
                game(league, division, winner, 5, loser, 2);
            } else {
                game(league, division, loser, 1, winner, 3);
            }
        }
    }
    BattingRecord& batter(char league, const std::string& team, const std::string& name) {
        return FindOrInsert(batting, MakePlayerKey(league, team, name), 'R');
    }
    PitchingRecord& pitcher(char league, const std::string& team, const std::string& name) {
        return FindOrInsert(pitching, MakePlayerKey(league, team, name), 'R');
    }
    FieldingRecord& fielder(char league, const std::string& team, const std::string& name) {
        return FindOrInsert(fielding, MakePlayerKey(league, team, name), 'R');
    }

    void write(const TempDir& dir, const std::string& name, bool withFielding = true) const {
        std::string sts;
        for (const GameRecord& g : games) {
            std::vector<std::uint8_t> bytes(GameRecord::kSize);
            EncodeGame(g, bytes);
            sts.append(bytes.begin(), bytes.end());
        }
        dir.write(name + ".STS", sts);
        const auto asText = [](const std::vector<std::uint8_t>& b) {
            return std::string(b.begin(), b.end());
        };
        dir.write(name + ".STB", asText(SerializeStatsTable(batting, 0)));
        dir.write(name + ".STP", asText(SerializeStatsTable(pitching, 0)));
        if (withFielding) dir.write(name + ".STF", asText(SerializeStatsTable(fielding, 0)));
        std::string sth;
        for (const std::string& h : highlights) sth += h + "\n";
        if (!highlights.empty()) dir.write(name + ".STH", sth);
    }
};

// The lines of a text, without their line ends.
inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

}  // namespace vrk::report_testing
