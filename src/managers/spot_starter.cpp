// Spot starters: a staff pitcher outside the rotation starts now and then.
#include "managers/spot_starter.h"

#include <array>

#include "core/rng.h"
#include "engine/game_seams.h"
#include "managers/rotation.h"

namespace vrk {

namespace {

constexpr int kSpotDraws = 4;

int MethodNumber(std::string_view method) {
    char c = method.size() > 1 ? method[1] : ' ';
    int n = (c >= '0' && c <= '9') ? c - '0' : 0;
    return (n < 1 || n > 5) ? 5 : n;
}

bool InRotation(const RotationRecord* record, int entry) {
    if (record == nullptr) return false;
    for (int k = 1; k <= 5; ++k) {
        if (record->starters[static_cast<std::size_t>(k)] == entry) return true;
    }
    return false;
}

}  // namespace

int ApplySpotStarter(const Team& team, const RotationRecord* record, std::string_view method,
                     int rotationStarter, const SpotStarterRules& rules, Rng& rng,
                     ErrorSink& errors) {
    int last = std::min(team.lastPitcherEntry, kLastPitcherLimit);
    int startsTotal = 0;
    for (int e = kFirstPitcherEntry; e <= last; ++e)
        startsTotal += team.player(e).pitching.gamesStarted;
    if (startsTotal <= 0) return rotationStarter;

    const Player& starter = team.player(rotationStarter);
    double share =
        static_cast<double>(MethodNumber(method)) * starter.pitching.gamesStarted / startsTotal;
    bool spot = share < rng.draw() || (rules.daysOffRule && starter.restDaysNeeded > 0);
    if (!spot) return rotationStarter;

    if (record == nullptr) errors.fault("AutoPit: Spot Starter Error: ", team.teamFileName);
    std::array<int, kMaxRosterEntries + 1> entries{};
    std::array<double, kMaxRosterEntries + 1> weights{};
    std::size_t count = 0;
    double total = 0;
    for (int e = kFirstPitcherEntry; e <= last; ++e) {
        if (InRotation(record, e)) continue;
        entries[count] = e;
        weights[count] = team.player(e).pitching.gamesStarted;
        total += weights[count];
        ++count;
    }
    if (count == 0 || total <= 0) return rotationStarter;
    for (std::size_t i = 0; i < count; ++i) weights[i] /= total;

    bool restMatters = rules.statisticsInUse && rules.daysOffRule;
    for (int draw = 1; draw <= kSpotDraws; ++draw) {
        int pick = entries[rng.weightedChoice(std::span<const double>(weights.data(), count))];
        if (!restMatters || team.player(pick).restDaysNeeded <= 0) return pick;
    }
    return rotationStarter;
}

}  // namespace vrk
