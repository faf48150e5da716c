#include "shell/bench_league.h"

#include "data/team_cache.h"

namespace vrk {

const std::vector<std::string>& sampleLeagueTeams() {
    static const std::vector<std::string> kTeams = {"ARDMOUTH", "CAMHAVEN", "DALMOUTH", "FELVORA",
                                                    "GORWICK",  "HALMOUTH", "KORRIDGE", "LUNDALE",
                                                    "MARDALE",  "NEVHOLM",  "PRAFORD",  "QUENHOLM",
                                                    "SARFORD",  "TAVMERE",  "WENSTEAD", "YSTVORA"};
    return kTeams;
}

std::vector<Pairing> roundRobin(const std::vector<std::string>& teams) {
    std::vector<Pairing> pairings;
    for (const std::string& visitor : teams) {
        for (const std::string& home : teams) {
            if (visitor != home) pairings.push_back({visitor, home});
        }
    }
    return pairings;
}

std::vector<LoadedPairing> loadPairings(const std::vector<Pairing>& pairings, const Config& config,
                                        std::vector<std::string>& problems) {
    std::vector<LoadedPairing> loaded;
    loaded.reserve(pairings.size());
    TeamFileCache files;  // each file parsed once, whatever the number of pairings
    for (const Pairing& p : pairings) {
        LoadedPairing& l = loaded.emplace_back();
        l.names = p;
        const TeamLoadResult result = files.loadPair(l.teams, p.visitor, p.home, config);
        if (result.abort) {
            problems = result.warnings;
            return {};
        }
    }
    return loaded;
}

}  // namespace vrk
