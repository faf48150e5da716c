#include "shell/schedule_standings.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace vrk {

namespace {

double percentage(const StandingsEntry& e) {
    const int games = e.wins + e.losses;
    return games > 0 ? static_cast<double>(e.wins) / games : 0.0;
}

}  // namespace

void printStandings(std::ostream& out, const StandingsTable& table) {
    std::vector<const StandingsEntry*> teams;
    for (const StandingsEntry& e : table.teams) teams.push_back(&e);
    std::stable_sort(teams.begin(), teams.end(), [](const auto* a, const auto* b) {
        if (a->league != b->league) return a->league < b->league;
        if (a->division != b->division) return a->division < b->division;
        return percentage(*a) > percentage(*b);
    });
    char line[96];
    const StandingsEntry* leader = nullptr;
    for (const StandingsEntry* e : teams) {
        if (leader == nullptr || leader->league != e->league || leader->division != e->division) {
            leader = e;
            std::snprintf(line, sizeof line, "League %c  Division %c", e->league, e->division);
            out << line << "\n";
            std::snprintf(line, sizeof line, "  %-12s %5s %5s %6s %6s", "Team", "W", "L", "Pct",
                          "GB");
            out << line << "\n";
        }
        const double behind = ((leader->wins - e->wins) + (e->losses - leader->losses)) / 2.0;
        char gb[16];
        if (e == leader) {
            std::snprintf(gb, sizeof gb, "-");
        } else {
            std::snprintf(gb, sizeof gb, "%.1f", behind);
        }
        std::snprintf(line, sizeof line, "  %-12s %5d %5d %6.3f %6s", e->teamName.c_str(), e->wins,
                      e->losses, percentage(*e), gb);
        out << line << "\n";
    }
}

ClubStandings ClubsOfReplay(const StandingsTable& table) {
    ClubStandings clubs;
    for (const StandingsEntry& e : table.teams) {
        ClubStanding& club = StandingsClub(clubs, e.league, e.division, e.teamName);
        club.wins = e.wins;
        club.losses = e.losses;
    }
    return clubs;
}

}  // namespace vrk
