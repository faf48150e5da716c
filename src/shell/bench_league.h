#pragma once
#include <memory>
#include <string>
#include <vector>

#include "data/config.h"
#include "data/team_file.h"

namespace vrk {

// The sixteen teams of the shipped sample league, by file name, sorted. The
// bench plays these by name, so a stray team file in the folder can neither
// change its signature nor break it.
const std::vector<std::string>& sampleLeagueTeams();

struct Pairing {
    std::string visitor;
    std::string home;
};

// Every team against every other, at home and away.
std::vector<Pairing> roundRobin(const std::vector<std::string>& teams);

// A pairing loaded once: measured runs copy the slots instead of reading
// the files before every game.
struct LoadedPairing {
    Pairing names;
    TeamSlots teams;
};

// Loads every pairing; a load that aborts ends it with its messages in
// `problems` and nothing returned.
std::vector<LoadedPairing> loadPairings(const std::vector<Pairing>& pairings, const Config& config,
                                        std::vector<std::string>& problems);

}  // namespace vrk
