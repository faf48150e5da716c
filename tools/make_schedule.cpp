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

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "core/rng.h"
#include "data/schedule_file.h"
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

struct Series {
    int visitor;
    int home;
    int games;
};

// Home games of a pairing for one side, as series of two to four games.
std::vector<int> seriesLengths(int homeGames) {
    switch (homeGames) {
        case 11:
            return {4, 4, 3};
        case 10:
            return {4, 3, 3};
        case 2:
            return {2};
        default:
            return {homeGames};
    }
}

int homeGamesBetween(const LeagueTeam& a, const LeagueTeam& b) {
    if (a.league != b.league) return a.division == b.division ? 2 : 0;
    return a.division == b.division ? 11 : 10;
}

std::vector<Series> allSeries() {
    std::vector<Series> out;
    for (int h = 0; h < kTeamCount; ++h) {
        for (int v = 0; v < kTeamCount; ++v) {
            if (h == v) continue;
            for (int n : seriesLengths(homeGamesBetween(kTeams[h], kTeams[v])))
                if (n > 0) out.push_back({v, h, n});
        }
    }
    return out;
}

std::string dateOf(int day) {
    // Day 0 is April 2; the months that follow have these lengths.
    constexpr std::array<int, 7> kMonthDays = {30, 31, 30, 31, 31, 30, 31};
    int month = 4;
    int d = day + 2;
    for (int m = 0; m < static_cast<int>(kMonthDays.size()) && d > kMonthDays[m]; ++m) {
        d -= kMonthDays[m];
        ++month;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%02d/%02d/26", month % 100, d % 100);
    return text;
}

struct Running {
    Series series;
    int firstDay;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: make_schedule OUT.SCH [SEED]\n";
        return 2;
    }
    vrk::Rng rng(argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 2026);
    std::vector<Series> left = allSeries();
    std::array<int, kTeamCount> freeFrom{};
    std::array<int, kTeamCount> lastOpponent;
    lastOpponent.fill(-1);
    std::array<int, kTeamCount> gamesLeft{};
    for (const Series& s : left) {
        gamesLeft[s.visitor] += s.games;
        gamesLeft[s.home] += s.games;
    }
    std::vector<Running> running;
    std::vector<std::vector<Series>> days;  // the games of each day, one game per series

    for (int day = 0; !left.empty() || !running.empty(); ++day) {
        std::array<bool, kTeamCount> busy{};
        for (int t = 0; t < kTeamCount; ++t) busy[t] = freeFrom[t] > day;
        // The teams with the most games left choose first, so all finish
        // close together.
        std::array<int, kTeamCount> order;
        for (int t = 0; t < kTeamCount; ++t) order[t] = t;
        std::sort(order.begin(), order.end(), [&](int a, int b) {
            return gamesLeft[a] != gamesLeft[b] ? gamesLeft[a] > gamesLeft[b] : a < b;
        });
        for (int a : order) {
            if (busy[a]) continue;
            int best = -1;
            double bestScore = -1e9;
            for (int i = 0; i < static_cast<int>(left.size()); ++i) {
                const Series& s = left[i];
                if (s.visitor != a && s.home != a) continue;
                const int b = s.visitor == a ? s.home : s.visitor;
                if (busy[b]) continue;
                double score = gamesLeft[b] + rng.draw() * 6;
                if (lastOpponent[a] == b) score -= 40;  // not the same team twice running
                if (score > bestScore) {
                    bestScore = score;
                    best = i;
                }
            }
            if (best < 0) continue;
            const Series s = left[best];
            left.erase(left.begin() + best);
            running.push_back({s, day});
            for (int t : {s.visitor, s.home}) {
                busy[t] = true;
                gamesLeft[t] -= s.games;
                // Now and then a day off after the series.
                freeFrom[t] = day + s.games + (rng.draw() < 0.3 ? 1 : 0);
            }
            lastOpponent[s.visitor] = s.home;
            lastOpponent[s.home] = s.visitor;
        }
        days.emplace_back();
        for (auto it = running.begin(); it != running.end();) {
            days.back().push_back(it->series);
            if (day - it->firstDay + 1 == it->series.games) {
                it = running.erase(it);
            } else {
                ++it;
            }
        }
    }

    const std::size_t length = vrk::kLongScheduleRecord;
    std::vector<std::uint8_t> bytes = vrk::BlankScheduleRecord(length, true);
    int dates = 0;
    for (std::size_t d = 0; d < days.size(); ++d) {
        if (days[d].empty()) continue;
        std::vector<std::uint8_t> record = vrk::BlankScheduleRecord(length, false);
        vrk::SetRecordDate(record, dateOf(static_cast<int>(d)));
        int k = 0;
        for (const Series& s : days[d])
            vrk::SetRecordSlot(record, ++k, {kTeams[s.visitor].file, kTeams[s.home].file, ""});
        bytes.insert(bytes.end(), record.begin(), record.end());
        ++dates;
    }
    const vrk::IoResult written = vrk::ReplaceFile(vrk::SystemFileOps(), argv[1], bytes);
    if (!written.ok) {
        std::cerr << written.message << "\n";
        return 1;
    }
    std::cout << argv[1] << ": " << dates << " dates, " << days.size() << " days, "
              << (bytes.size() / length - 1) << " records\n";
    return 0;
}
