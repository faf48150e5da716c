#pragma once
#include <algorithm>
#include <array>

#include "engine/game_state.h"

namespace vrk {

// Pitcher-hand split of a batter's line: index 0 against left-handed
// pitchers, 1 against all others.
struct HandSplit {
    int atBats = 0;
    int hits = 0;
    int singles = 0;
    int doubles = 0;
    int triples = 0;
    int homeRuns = 0;
    int walks = 0;
    int hitByPitch = 0;
    int strikeouts = 0;
    int sacrificeFlies = 0;
    bool operator==(const HandSplit&) const = default;
};

struct BatterCounters {
    int atBats = 0;
    int runs = 0;
    int hits = 0;
    int doubles = 0;
    int triples = 0;
    int homeRuns = 0;
    int runsBattedIn = 0;
    int walks = 0;
    int hitByPitch = 0;
    int strikeouts = 0;
    int stolenBases = 0;
    int caughtStealing = 0;
    int sacrifices = 0;
    int sacrificeFlies = 0;
    int groundedIntoDoublePlays = 0;
    int errors = 0;
    std::array<HandSplit, 2> vsHand{};
    bool operator==(const BatterCounters&) const = default;
};

// Adds one line's counts into another: the line of a player whose figures
// sat on more than one entry (the pitcher's batting slot stands in for
// whoever pitches).
void AddCounters(HandSplit& to, const HandSplit& from);
void AddCounters(BatterCounters& to, const BatterCounters& from);

struct PitcherCounters {
    int battersFaced = 0;
    int hits = 0;
    int doubles = 0;
    int triples = 0;
    int homeRuns = 0;
    int runs = 0;
    int earnedRuns = 0;
    int walks = 0;
    int hitBatsmen = 0;
    int strikeouts = 0;
    int blownSaves = 0;
    int wildPitches = 0;
    int pitches = 0;  // outs recorded live in GameState::outsRecorded
    bool started = false;
    bool operator==(const PitcherCounters&) const = default;
};

struct FielderCounters {
    int putouts = 0;
    int assists = 0;
    int errors = 0;
    bool operator==(const FielderCounters&) const = default;
};

// One player who held a batting-order slot, with the position he took.
struct SlotOccupant {
    int entry = 0;
    int position = 0;
    bool operator==(const SlotOccupant&) const = default;
};

// Fixed-capacity list so that substitutions never allocate during a game.
template <typename T, int Capacity>
struct BoundedList {
    std::array<T, Capacity> items{};
    int count = 0;
    // Returns false (and keeps the list) when it is full.
    bool push(const T& item) {
        if (count >= Capacity) return false;
        items[static_cast<std::size_t>(count++)] = item;
        return true;
    }
    const T* begin() const { return items.data(); }
    const T* end() const { return items.data() + count; }
    const T& operator[](int i) const { return items[static_cast<std::size_t>(i)]; }
    bool empty() const { return count == 0; }
    // What lies past the count is never read: emptying a list leaves it there.
    void clear() { count = 0; }
    bool operator==(const BoundedList& other) const {
        return count == other.count && std::equal(begin(), end(), other.begin());
    }
};

struct TeamCounters {
    OneBased<BoundedList<SlotOccupant, 32>, 9> slotHistory{};  // [slot 1..9]
    int errors = 0;
    int hits = 0;
    int doublePlays = 0;
    int leftOnBase = 0;
    OneBased<int, 30> runsByInning{};    // innings 1..30
    OneBased<int, 10> positionErrors{};  // [position 1..10]
    OneBased<int, 10> positionPutouts{};
    OneBased<int, 10> positionAssists{};
    BoundedList<TeamEntry, 64> hitByPitch;  // (batting team, batter) hit by this team
    BoundedList<int, 64> wildPitches;       // pitcher entries
    BoundedList<int, 64> passedBalls;       // catcher entries
    int stolenBaseAttempts = 0;
    bool operator==(const TeamCounters&) const = default;

    // As a fresh record compares, without writing the lists' several
    // kilobytes of items at the start of every game.
    void clear();
};

// Per-game counters read by the box score and the statistics files;
// cleared at game start.
// StartGame clears each field by hand (the two teams only): a new field
// must be added there.
struct GameCounters {
    PerTeam<OneBased<BatterCounters, kMaxRosterEntries>> batter{};
    PerTeam<OneBased<PitcherCounters, kMaxRosterEntries>> pitcher{};
    PerTeam<OneBased<FielderCounters, kMaxRosterEntries>> fielder{};
    PerTeam<TeamCounters> team{};
    int wildPitches = 0;
    int passedBalls = 0;
    int doubleSwitches = 0;

    bool operator==(const GameCounters&) const = default;

    BatterCounters& bat(int team, int entry) {
        return batter[static_cast<std::size_t>(team)][static_cast<std::size_t>(entry)];
    }
    PitcherCounters& pitch(int team, int entry) {
        return pitcher[static_cast<std::size_t>(team)][static_cast<std::size_t>(entry)];
    }
    FielderCounters& field(int team, int entry) {
        return fielder[static_cast<std::size_t>(team)][static_cast<std::size_t>(entry)];
    }
    TeamCounters& of(int team) { return this->team[static_cast<std::size_t>(team)]; }
};

// 0 against a left-handed pitcher, 1 otherwise.
inline int handIndex(char pitcherHand) {
    return (pitcherHand == 'L' || pitcherHand == 'l') ? 0 : 1;
}

}  // namespace vrk
