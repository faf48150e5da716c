#include "shell/batch_rules.h"

#include "core/numbering.h"

namespace vrk {

namespace {

bool inTwoThousands(const Team& team) {
    return team.season.size() >= 4 && team.season.compare(0, 2, "20") == 0;
}

bool inNineteenHundreds(const Team& team) {
    return team.season.size() >= 4 && team.season.compare(0, 2, "19") == 0;
}

// The two-digit year compared as text, as the season is written.
bool yearAfter(const Team& team, std::string_view twoDigits) {
    return team.season.size() >= 4 && std::string_view(team.season).substr(2, 2) > twoDigits;
}

bool homeRulesDesignatedHitter(const Team& home) {
    bool on = false;
    if (home.league == 'A') {
        on = (inNineteenHundreds(home) && yearAfter(home, "73")) || inTwoThousands(home);
    } else if (home.league == 'N') {
        on = inTwoThousands(home) && yearAfter(home, "21");
    }
    if (home.dhRule == kTrue) on = true;
    if (home.dhRule == 1) on = false;
    return on;
}

bool lineupHasDesignatedHitter(const Team& team) {
    for (int slot = 1; slot <= kLineupSize; ++slot) {
        if (team.player(slot).lineupPosition == kDesignatedHitter) return true;
    }
    return false;
}

}  // namespace

bool lineupNeedsDesignatedHitter(const Team& team) {
    bool pitcherSlot = false;
    for (int slot = 1; slot <= kLineupSize; ++slot) {
        if (team.player(slot).lineupPosition == kPitcher) pitcherSlot = true;
    }
    return lineupHasDesignatedHitter(team) && !pitcherSlot;
}

bool designatedHitterGame(std::string_view choice, const Team& visitors, const Team& home,
                          bool current) {
    if (choice == "Y" || choice == "A") return true;
    if (choice == "N") return false;
    if (choice == "H") return homeRulesDesignatedHitter(home);
    if (choice == "E")
        return lineupHasDesignatedHitter(visitors) || lineupHasDesignatedHitter(home);
    return current;
}

bool automaticRunnerGame(std::string_view choice, const Team& home, bool current) {
    if (choice == "Y" || choice == "A") return true;
    if (choice == "N") return false;
    if (choice == "H") {
        return (home.league == 'A' || home.league == 'N') && inTwoThousands(home) &&
               yearAfter(home, "21");
    }
    return current;
}

}  // namespace vrk
