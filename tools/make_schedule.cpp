// make_schedule: writes the season schedule that ships with the sample
// league, 162 games for each of its sixteen teams.
//
//   make_schedule OUT.SCH [SEED]
//
// Each team plays its three division rivals 22 times, the four teams of the
// league's other division 20 times and the four teams of the matching
// division of the other league 4 times, half of each at home. Home games of
// a pairing are cut into series of two to four games; the series are laid
// on the calendar from April on, a team taking a day off now and then
// between series. The same seed always gives the same file.

#include <array>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "core/rng.h"
#include "data/schedule_file.h"
#include "data/schedule_maker.h"
#include "data/stats_file_io.h"

namespace {

struct LeagueTeam {
    const char* file;
    char league;
    char division;
};

// The sample league as its team files describe it.
constexpr std::array<LeagueTeam, 16> kTeams = {{
    {"CAMHAVEN", 'A', 'E'},
    {"NEVHOLM", 'A', 'E'},
    {"WENSTEAD", 'A', 'E'},
    {"YSTVORA", 'A', 'E'},
    {"DALMOUTH", 'A', 'W'},
    {"HALMOUTH", 'A', 'W'},
    {"QUENHOLM", 'A', 'W'},
    {"TAVMERE", 'A', 'W'},
    {"FELVORA", 'N', 'E'},
    {"KORRIDGE", 'N', 'E'},
    {"MARDALE", 'N', 'E'},
    {"SARFORD", 'N', 'E'},
    {"ARDMOUTH", 'N', 'W'},
    {"GORWICK", 'N', 'W'},
    {"LUNDALE", 'N', 'W'},
    {"PRAFORD", 'N', 'W'},
}};
constexpr int kTeamCount = static_cast<int>(kTeams.size());

int homeGamesBetween(const LeagueTeam& a, const LeagueTeam& b) {
    if (a.league != b.league) return a.division == b.division ? 2 : 0;
    return a.division == b.division ? 11 : 10;
}

std::vector<vrk::ScheduleSeries> allSeries() {
    std::vector<vrk::ScheduleSeries> out;
    for (int h = 0; h < kTeamCount; ++h) {
        for (int v = 0; v < kTeamCount; ++v) {
            if (h == v) continue;
            for (int n : vrk::SeriesLengths(homeGamesBetween(kTeams[h], kTeams[v])))
                out.push_back({v, h, n});
        }
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: make_schedule OUT.SCH [SEED]\n";
        return 2;
    }
    vrk::Rng rng(argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 2026);
    const auto days = vrk::LayOutSeries(allSeries(), kTeamCount, rng);
    std::vector<std::string> names;
    for (const LeagueTeam& t : kTeams) names.emplace_back(t.file);
    const std::vector<std::uint8_t> bytes = vrk::ScheduleFileBytes(days, names, 2026);
    const std::size_t length = vrk::kLongScheduleRecord;
    const std::size_t dates = bytes.size() / length - 1;
    const vrk::IoResult written = vrk::ReplaceFile(vrk::SystemFileOps(), argv[1], bytes);
    if (!written.ok) {
        std::cerr << written.message << "\n";
        return 1;
    }
    std::cout << argv[1] << ": " << dates << " dates, " << days.size() << " days, "
              << (bytes.size() / length - 1) << " records\n";
    return 0;
}
