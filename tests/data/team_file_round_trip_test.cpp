// A team file read into roster records and written back from them keeps
// every figure in its columns: batters from their batting line, pitchers
// from their pitching line.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

#include "data/team_file.h"
#include "data/team_file_player_line.h"
#include "data/team_file_writer.h"
#include "test_paths.h"

namespace vrk {
namespace {

namespace fs = std::filesystem;

// The player lines of a file in file order, trailing blanks removed.
std::vector<std::string> PlayerLines(const fs::path& file) {
    std::ifstream in(file);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.rfind("##", 0) == 0) break;
        if (line.empty() || line[0] == ';' || line[0] == '*') continue;
        const auto end = line.find_last_not_of(' ');
        lines.push_back(line.substr(0, end + 1));
    }
    return lines;
}

WrittenBatter AsBatter(const Player& p) {
    WrittenBatter w;
    w.name = p.playerName;
    w.position = p.lineupPosition;
    w.platoon = p.platoonMark;
    w.ab = p.atBats, w.h = p.hits, w.d = p.doubles, w.t = p.triples, w.hr = p.homeRuns;
    w.bb = p.walks, w.k = p.strikeouts, w.rbi = p.runsBattedIn;
    w.hand = p.hand;
    w.defense = p.defense, w.sb = p.stolenBases, w.cs = p.caughtStealing;
    w.speedRating = p.speedColumn;
    w.g = p.games;
    for (std::size_t k = 0; k < 4; ++k) {
        const int code = p.positionCode[k + 1];
        w.positions[k] = {p.gamesAtPosition[k + 1],
                          code == kDesignatedHitter ? 'D' : static_cast<char>('0' + code)};
    }
    return w;
}

WrittenPitcher AsPitcher(const Player& p) {
    const PitcherLine& l = p.pitching;
    WrittenPitcher w;
    w.name = p.playerName;
    w.ip = l.inningsPitched, w.h = l.hitsAllowed, w.d = l.doublesAllowed, w.t = l.triplesAllowed;
    w.hr = l.homeRunsAllowed, w.bb = l.walksAllowed, w.k = l.strikeouts, w.era100 = l.eraTimes100;
    w.hand = p.hand;
    w.w = l.wins, w.l = l.losses, w.sv = l.saves, w.g = l.games, w.gs = l.gamesStarted;
    w.battingGrade = p.pitcherBattingGrade;
    const PitcherBattingLine& b = p.pitcherBattingLine;
    w.batAb = b.atBats, w.batH = b.hits, w.batHr = b.homeRuns, w.batBb = b.walks;
    w.batK = b.strikeouts;
    return w;
}

auto PitchingFigures(const Player& p) {
    const PitcherLine& l = p.pitching;
    const PitcherBattingLine& b = p.pitcherBattingLine;
    return std::tuple(l.inningsPitched, l.hitsAllowed, l.doublesAllowed, l.triplesAllowed,
                      l.homeRunsAllowed, l.walksAllowed, l.strikeouts, l.eraTimes100, l.wins,
                      l.losses, l.saves, l.games, l.gamesStarted, p.hand, p.pitcherBattingGrade,
                      b.atBats, b.hits, b.homeRuns, b.walks, b.strikeouts);
}

auto BattingFigures(const Player& p) {
    return std::tuple(p.lineupPosition, p.platoonMark, p.atBats, p.hits, p.doubles, p.triples,
                      p.homeRuns, p.walks, p.strikeouts, p.runsBattedIn, p.hand, p.defense,
                      p.stolenBases, p.caughtStealing, p.games, p.gamesAtPosition, p.positionCode);
}

struct RoundTrip {
    Team team;
    std::vector<std::string> asRead;     // the file's player lines
    std::vector<std::string> rewritten;  // the same lines written from the records
};

RoundTrip ReadAndRewrite(const fs::path& file) {
    RoundTrip r;
    Config config;
    config.dataPath = file.parent_path().string() + "/";
    r.team.teamFileName = file.filename().string();
    EXPECT_FALSE(loadTeam(r.team, kVisitors, nullptr, config).abort) << file;
    r.asRead = PlayerLines(file);
    const int count = std::min<int>(static_cast<int>(r.asRead.size()), kMaxRosterEntries);
    for (int entry = 1; entry <= count; ++entry) {
        const Player& p = r.team.player(entry);
        const bool pitcher = entry >= kFirstPitcherEntry && entry <= r.team.lastPitcherEntry;
        r.rewritten.push_back(pitcher ? teamPitcherLine(AsPitcher(p))
                                      : teamBatterLine(AsBatter(p), r.team.stealColumns != 0));
    }
    return r;
}

std::vector<fs::path> TeamFiles(const std::string& folder) {
    std::vector<fs::path> files;
    for (const auto& e : fs::directory_iterator(folder))
        if (e.path().extension() == ".DAT") files.push_back(e.path());
    return files;
}

TEST(TeamFileRoundTrip, ShippedPlayerLinesAreWrittenBackByteForByte) {
    const std::vector<fs::path> files = TeamFiles(vrk::test::sourceHome());
    ASSERT_FALSE(files.empty());
    for (const fs::path& file : files) {
        const RoundTrip r = ReadAndRewrite(file);
        ASSERT_EQ(r.rewritten.size(), r.asRead.size()) << file;
        ASSERT_GT(r.team.lastPitcherEntry, kLineupSize) << file;
        for (std::size_t i = 0; i < r.asRead.size(); ++i)
            EXPECT_EQ(r.rewritten[i], r.asRead[i]) << file << " player line " << i + 1;
    }
}

// Hand-written files need not be laid out as the writer lays them out, but
// what is written back must read as the same figures.
TEST(TeamFileRoundTrip, RewrittenLinesReadAsTheSameFigures) {
    std::vector<fs::path> files = TeamFiles(vrk::test::sourceHome());
    for (const fs::path& f : TeamFiles(std::string(vrk::test::testDataDir()) + "/team"))
        files.push_back(f);
    for (const fs::path& file : files) {
        const RoundTrip r = ReadAndRewrite(file);
        for (std::size_t i = 0; i < r.rewritten.size(); ++i) {
            const int entry = static_cast<int>(i) + 1;
            const bool pitcher = entry >= kFirstPitcherEntry && entry <= r.team.lastPitcherEntry;
            Player again;
            std::string line = r.rewritten[i];
            line.resize(100, ' ');
            readPlayerLine(again, line, entry, !pitcher && entry > kLineupSize);
            if (r.team.stealColumns == 0)
                again.stolenBases = again.caughtStealing = 0;  // as loaded
            const Player& first = r.team.player(entry);
            if (pitcher) {
                EXPECT_EQ(PitchingFigures(again), PitchingFigures(first)) << file << " " << entry;
            } else {
                EXPECT_EQ(BattingFigures(again), BattingFigures(first)) << file << " " << entry;
            }
        }
    }
}

}  // namespace
}  // namespace vrk
