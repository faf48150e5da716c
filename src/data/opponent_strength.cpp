#include "data/opponent_strength.h"

#include <cmath>
#include <map>
#include <optional>
#include <utility>

namespace vrk {

namespace {

// The events both sides of a line record: the batting column and the one
// allowed. Hits count without home runs, as doubles and triples go with them.
struct EventColumns {
    std::optional<long> DatabankTeamSeason::*made;
    std::optional<long> DatabankTeamSeason::*allowed;
};

constexpr EventColumns kEvents[] = {
    {&DatabankTeamSeason::hits, &DatabankTeamSeason::hitsAllowed},
    {&DatabankTeamSeason::homeRuns, &DatabankTeamSeason::homeRunsAllowed},
    {&DatabankTeamSeason::walks, &DatabankTeamSeason::walksAllowed},
    {&DatabankTeamSeason::strikeouts, &DatabankTeamSeason::strikeoutsByPitchers},
};
constexpr std::size_t kHits = 0, kHomeRuns = 1;
constexpr std::size_t kEventCount = std::size(kEvents);

double odds(double rate) {
    return rate / (1 - rate);
}

// A rate made against opponents allowing `opponents`, as it would read
// against a league allowing `league`, by the odds the outcome model combines.
double restate(double rate, double opponents, double league) {
    if (rate <= 0 || rate >= 1 || opponents <= 0 || opponents >= 1 || league <= 0 || league >= 1)
        return rate;
    const double o = odds(rate) * odds(league) / odds(opponents);
    return o / (1 + o);
}

// What a staff allowed, per batter it faced (the outs of its innings, hits
// and walks): the scale the league rows measure pitchers by.
struct Allowed {
    double events[kEventCount] = {};
    double faced = 0;
    bool known = true;
};

Allowed allowedBy(const DatabankTeamSeason& c) {
    Allowed a;
    for (const auto& e : kEvents) a.known &= (c.*e.allowed).has_value();
    a.known &= c.outsPitched.has_value();
    if (!a.known) return a;
    for (std::size_t e = 0; e < kEventCount; ++e) a.events[e] = double(*(c.*kEvents[e].allowed));
    a.events[kHits] -= a.events[kHomeRuns];
    a.faced = double(*c.outsPitched) + double(*c.hitsAllowed) + double(*c.walksAllowed);
    return a;
}

void restateBatting(DatabankTeamSeason& c, const Allowed& others, const Allowed& league) {
    for (const auto& e : kEvents)
        if (!(c.*e.made).has_value()) return;
    if (!c.atBats || others.faced <= 0 || league.faced <= 0) return;
    const double pa = double(*c.atBats + *c.walks);
    if (pa <= 0) return;
    double made[kEventCount], restated[kEventCount];
    for (std::size_t e = 0; e < kEventCount; ++e) made[e] = double(*(c.*kEvents[e].made));
    made[kHits] -= made[kHomeRuns];
    for (std::size_t e = 0; e < kEventCount; ++e)
        restated[e] = pa * restate(made[e] / pa, others.events[e] / others.faced,
                                   league.events[e] / league.faced);
    c.hits = std::lround(restated[kHits] + restated[kHomeRuns]);
    for (std::size_t e = kHomeRuns; e < kEventCount; ++e)
        c.*kEvents[e].made = std::lround(restated[e]);
    // Doubles and triples keep their share of the hits in play.
    if (made[kHits] > 0) {
        const double scale = restated[kHits] / made[kHits];
        if (c.doubles) c.doubles = std::lround(double(*c.doubles) * scale);
        if (c.triples) c.triples = std::lround(double(*c.triples) * scale);
    }
}

}  // namespace

std::vector<DatabankTeamSeason> battingAgainstWholeLeague(
    const std::vector<DatabankTeamSeason>& clubs) {
    std::map<std::pair<int, std::string>, Allowed> leagues;
    for (const auto& c : clubs) {
        const Allowed a = allowedBy(c);
        Allowed& sum = leagues[{c.year, c.league}];
        sum.known &= a.known;
        sum.faced += a.faced;
        for (std::size_t e = 0; e < kEventCount; ++e) sum.events[e] += a.events[e];
    }
    std::vector<DatabankTeamSeason> out = clubs;
    for (auto& c : out) {
        const Allowed& league = leagues[{c.year, c.league}];
        if (!league.known) continue;
        // The club's hitters met every staff but their own.
        Allowed others = league;
        const Allowed own = allowedBy(c);
        others.faced -= own.faced;
        for (std::size_t e = 0; e < kEventCount; ++e) others.events[e] -= own.events[e];
        restateBatting(c, others, league);
    }
    return out;
}

}  // namespace vrk
