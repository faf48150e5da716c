// Per-game counters: adding one batting line into another.
#include "engine/game_counters.h"

namespace vrk {

void AddCounters(HandSplit& to, const HandSplit& from) {
    to.atBats += from.atBats;
    to.hits += from.hits;
    to.singles += from.singles;
    to.doubles += from.doubles;
    to.triples += from.triples;
    to.homeRuns += from.homeRuns;
    to.walks += from.walks;
    to.hitByPitch += from.hitByPitch;
    to.strikeouts += from.strikeouts;
    to.sacrificeFlies += from.sacrificeFlies;
}

void AddCounters(BatterCounters& to, const BatterCounters& from) {
    to.atBats += from.atBats;
    to.runs += from.runs;
    to.hits += from.hits;
    to.doubles += from.doubles;
    to.triples += from.triples;
    to.homeRuns += from.homeRuns;
    to.runsBattedIn += from.runsBattedIn;
    to.walks += from.walks;
    to.hitByPitch += from.hitByPitch;
    to.strikeouts += from.strikeouts;
    to.stolenBases += from.stolenBases;
    to.caughtStealing += from.caughtStealing;
    to.sacrifices += from.sacrifices;
    to.sacrificeFlies += from.sacrificeFlies;
    to.groundedIntoDoublePlays += from.groundedIntoDoublePlays;
    to.errors += from.errors;
    for (std::size_t i = 0; i < to.vsHand.size(); ++i) AddCounters(to.vsHand[i], from.vsHand[i]);
}

}  // namespace vrk

namespace vrk {

void TeamCounters::clear() {
    for (auto& history : slotHistory) history.clear();
    errors = 0;
    hits = 0;
    doublePlays = 0;
    leftOnBase = 0;
    runsByInning = {};
    positionErrors = {};
    positionPutouts = {};
    positionAssists = {};
    hitByPitch.clear();
    wildPitches.clear();
    passedBalls.clear();
    stolenBaseAttempts = 0;
}

// A counter added to TeamCounters must be cleared above as well.
static_assert(sizeof(TeamCounters) ==
                  sizeof(TeamCounters::slotHistory) + sizeof(TeamCounters::runsByInning) +
                      3 * sizeof(TeamCounters::positionErrors) + sizeof(TeamCounters::hitByPitch) +
                      sizeof(TeamCounters::wildPitches) + sizeof(TeamCounters::passedBalls) +
                      5 * sizeof(int),
              "a team counter is not cleared");

}  // namespace vrk
