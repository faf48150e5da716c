#include "data/team_restore.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <type_traits>

namespace vrk {

namespace {

std::uint64_t word(const char* at) {
    std::uint64_t w;
    std::memcpy(&w, at, sizeof w);
    return w;
}

// Names are 8 to 24 bytes as a rule: two or three overlapping words, none
// read past the end, settle them without the library call.
inline bool sameBytes(const char* a, const char* b, std::size_t size) {
    if (size < 8 || size > 24) return size == 0 || std::memcmp(a, b, size) == 0;
    const std::size_t tail = size - 8;
    return word(a) == word(b) && word(a + tail) == word(b + tail) &&
           (size <= 16 || word(a + 8) == word(b + 8));
}

// A string assignment costs a call and a copy even when nothing changed;
// most names come back from a game as they went in, and the entries past a
// roster's end have none: the sizes, then the bytes, settle most of them here.
inline void restoreText(std::string& to, const std::string& from) {
    const std::size_t size = from.size();
    if (to.size() == size && sameBytes(to.data(), from.data(), size)) return;
    to = from;
}

static_assert(std::is_trivially_copyable_v<PlayerFigures>);
// A name added to Player must be restored below as well.
static_assert(sizeof(Player) == sizeof(PlayerFigures) + 2 * sizeof(std::string));

void restorePlayer(Player& to, const Player& from) {
    // One block, not field by field: the record is trivially copyable.
    std::memcpy(static_cast<PlayerFigures*>(&to), static_cast<const PlayerFigures*>(&from),
                sizeof(PlayerFigures));
    restoreText(to.playerName, from.playerName);
    restoreText(to.nameAsLoaded, from.nameAsLoaded);
}

// A field added to these records must be restored below as well (and the
// sizes brought up to date).
static_assert(sizeof(LeagueContext) == sizeof(std::string) + 88, "a league field is not restored");

void restoreLeague(LeagueContext& to, const LeagueContext& from) {
    to.walkRate = from.walkRate;
    to.strikeoutsPerOut = from.strikeoutsPerOut;
    to.strikeoutRate = from.strikeoutRate;
    to.singleRate = from.singleRate;
    to.doubleRate = from.doubleRate;
    to.tripleRate = from.tripleRate;
    to.homeRunRate = from.homeRunRate;
    to.column60Value = from.column60Value;
    to.runFactor = from.runFactor;
    to.leagueIndex = from.leagueIndex;
    to.innings = from.innings;
    to.hits = from.hits;
    to.doubles = from.doubles;
    to.triples = from.triples;
    to.homeRuns = from.homeRuns;
    to.walks = from.walks;
    to.singleShare = from.singleShare;
    to.doubleShare = from.doubleShare;
    to.tripleShare = from.tripleShare;
    to.homeRunShare = from.homeRunShare;
    to.fromRow = from.fromRow;
    restoreText(to.rowKey, from.rowKey);
}

}  // namespace

void restoreTeam(Team& to, const Team& from) {
    if (&to == &from) return;
    restoreText(to.teamFileName, from.teamFileName);
    to.league = from.league;
    to.division = from.division;
    restoreText(to.centuryDigits, from.centuryDigits);
    restoreText(to.season, from.season);
    restoreText(to.teamName, from.teamName);
    to.stealColumns = from.stealColumns;
    to.defenseIsErrors = from.defenseIsErrors;
    to.lastPitcherEntry = from.lastPitcherEntry;
    to.dhRule = from.dhRule;
    to.femaleTeam = from.femaleTeam;
    to.teamColor = from.teamColor;
    restoreText(to.wonLostText, from.wonLostText);
    restoreText(to.logoFile, from.logoFile);
    restoreText(to.photoFile, from.photoFile);
    to.parkFactorA = from.parkFactorA;
    to.parkFactorB = from.parkFactorB;
    to.hrAllowedData = from.hrAllowedData;
    to.pitcherGamesData = from.pitcherGamesData;
    to.appearancesPerStart = from.appearancesPerStart;
    to.savesData = from.savesData;
    to.averageTeamSpeed = from.averageTeamSpeed;
    to.twoWayPlayer = from.twoWayPlayer;
    to.visitorColorChecks = from.visitorColorChecks;
    to.visitorColorCheckOutOfRange = from.visitorColorCheckOutOfRange;
    restoreLeague(to.leagueContext, from.leagueContext);
    // Past both rosters' ends every entry is empty in either team, so there
    // is nothing to copy: a game that drops an entry lowers its count and one
    // that adds an entry raises it.
    const int last = std::clamp(std::max(to.playerCount, from.playerCount), 0, kMaxRosterEntries);
    to.playerCount = from.playerCount;
    for (int e = 0; e <= last; ++e) restorePlayer(to.player(e), from.player(e));
}

static_assert(sizeof(Team) == 7 * sizeof(std::string) + sizeof(std::bitset<256>) +
                                  sizeof(LeagueContext) + sizeof(Team::players) + 104,
              "a Team field is not restored");

}  // namespace vrk
