#include "shell/bench_league.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/text_fields.h"
#include "data/team_cache.h"

namespace vrk {

std::vector<std::string> leagueTeamFiles(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        if (!it->is_regular_file(ec)) continue;
        const std::string name = it->path().filename().string();
        if (name.size() > 4 && upperCase(name.substr(name.size() - 4)) == ".DAT") {
            names.push_back(name.substr(0, name.size() - 4));
        }
    }
    std::sort(names.begin(), names.end());
    return names;
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
