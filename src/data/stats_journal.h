#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/stats_save_state.h"
#include "data/stats_set.h"

namespace vrk {

// Saving after every game (/PG:Y) without rewriting every file after every
// game: each game is appended to the set's journal (.JNL, our own) with one
// flush to the disk. An entry holds what the game changed: its game record
// and highlight lines, the full records of both teams' players in the three
// tables, and the restart state after it. The next save folds the journal
// into the set and empties it; opening a set replays what a crash left in
// it. A torn last entry is the game that was in play.
//
// The file is written in place: it is kept zero-filled past the entries and
// only grows by whole chunks, so the flush after a game writes the entry's
// data and nothing about the file itself. An entry is written with an empty
// entry head after it, which ends the journal; entries of an earlier round
// that lie beyond it are older than the last save and are never applied.
inline constexpr std::string_view kJournalExtension = ".JNL";

// Lengths of the appended files before a game is recorded.
struct JournalMark {
    int games = 0;
    std::uint64_t highlightBytes = 0;
};

JournalMark MarkJournal(const StatsSet& set);

// The 13 key bytes (league letter and team name) a team's records start with.
using TeamKeyPrefix = std::array<char, 13>;
TeamKeyPrefix TeamPrefix(char league, std::string_view teamName);

// Writes the game recorded since `before` after the journal's entries and
// flushes it.
IoResult JournalGame(StatsSet& set, const JournalMark& before, std::int32_t gameCounter,
                     const std::vector<TeamKeyPrefix>& teams, const RestartState* restart);

struct JournalReplay {
    IoResult result;
    int games = 0;                        // entries applied
    std::int32_t gameCounter = 0;         // the counter after the last one applied
    std::optional<RestartState> restart;  // the last applied entry's, when it had one
};

// Applies, in order, the entries that follow game `fromCounter`: their game
// records and highlights are appended to the files, their records replace
// the teams' records in memory. The tables are left unsaved.
JournalReplay ReplayJournal(StatsSet& set, std::int32_t fromCounter);

// Empties the journal (after a save has taken in what it held). With
// `keepRoom` the file keeps its length for the games still to come;
// otherwise it is cut to nothing.
IoResult ClearJournal(StatsSet& set, bool keepRoom = false);

}  // namespace vrk
