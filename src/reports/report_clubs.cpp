#include "reports/report_clubs.h"

#include <algorithm>
#include <map>
#include <utility>

#include "core/text_fields.h"

namespace vrk {

namespace {

using ClubId = std::pair<char, std::string>;

ClubId IdOf(const PlayerKey& key) {
    return {key.bytes[0], std::string(key.view().substr(1, 12))};
}

struct Grouping {
    std::map<ClubId, ReportClub> clubs;
    std::vector<std::string>& leftOut;
    int limit;

    ReportClub* find(const ClubId& id) {
        auto it = clubs.find(id);
        if (it != clubs.end()) return &it->second;
        if (static_cast<int>(clubs.size()) >= limit) {
            std::string name(trimRight(id.second));
            if (std::find(leftOut.begin(), leftOut.end(), name) == leftOut.end())
                leftOut.push_back(name);
            return nullptr;
        }
        ReportClub& club = clubs[id];
        club.league = id.first;
        club.name = id.second;
        return &club;
    }
};

// Records 1..count-1: the sentinel that ends the table is no player.
template <typename Record, typename Add>
void Distribute(const StatsTable<Record>& table, Grouping& grouping,
                const std::map<ClubId, bool>& excluded, Add add) {
    for (int n = 1; n < table.count(); ++n) {
        const Record& r = table.at(n);
        const ClubId id = IdOf(r.key);
        if (excluded.contains(id)) continue;
        if (ReportClub* club = grouping.find(id)) add(*club, r);
    }
}

}  // namespace

std::vector<ReportLeague> GroupClubs(const ReportInput& input, const StandingsBuild& standings,
                                     int teamLimit, std::vector<std::string>& leftOut) {
    Grouping grouping{{}, leftOut, teamLimit};
    for (const TeamStanding& t : standings.teams) {
        if (ReportClub* club = grouping.find({t.league, t.name})) club->games = t.games();
    }
    // Clubs the standings already left out stay out of the tables too.
    std::map<ClubId, bool> excluded;
    for (const GameRecord& g : input.games) {
        for (const GameTeamLine* line : {&g.visitors, &g.home}) {
            ClubId id{line->league, padRight(line->teamName, 12)};
            if (!grouping.clubs.contains(id)) excluded[id] = true;
        }
    }
    Distribute(input.batting, grouping, excluded,
               [](ReportClub& c, const BattingRecord& r) { c.batters.push_back(&r); });
    Distribute(input.pitching, grouping, excluded,
               [](ReportClub& c, const PitchingRecord& r) { c.pitchers.push_back(&r); });
    Distribute(input.fielding, grouping, excluded,
               [](ReportClub& c, const FieldingRecord& r) { c.fielders.push_back(&r); });

    std::vector<ReportLeague> leagues;
    for (auto& [id, club] : grouping.clubs) {
        if (leagues.empty() || leagues.back().letter != id.first) leagues.push_back({id.first, {}});
        leagues.back().clubs.push_back(std::move(club));
    }
    return leagues;
}

std::string KeyPlayerName(const PlayerKey& key) {
    return std::string(trimRight(key.view().substr(13, 16)));
}

std::string KeyTeamName(const PlayerKey& key) {
    return std::string(trimRight(key.view().substr(1, 12)));
}

}  // namespace vrk
