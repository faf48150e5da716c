#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/schedule_file.h"

namespace vrk {

// What the schedule editor does to a schedule's records in memory. A
// deleted date keeps its place in the file (marked "D"), so nothing after
// it moves and a replay's restart point still finds its record.

// A schedule holding its header (marked "D", as a new file's header is)
// and one blank date record to fill in.
ScheduleFile NewScheduleFile(std::size_t recordLength = kLongScheduleRecord);

// The date records that are not deleted, in file order.
std::vector<int> LiveScheduleRecords(const ScheduleFile& file);

// A blank date record after record `after` (the header at the least);
// returns its number.
int InsertScheduleRecord(ScheduleFile& file, int after);
void DeleteScheduleRecord(ScheduleFile& file, int n);

// Opens slot k for a new game, moving it and the later games down one.
// False (nothing changed) when the record's last slot holds a game.
bool InsertScheduleSlot(ScheduleFile& file, int n, int k);
// Takes slot k's game out; the later games move up.
void RemoveScheduleSlot(ScheduleFile& file, int n, int k);

// Puts the date records in season order (year, month, day; a two-digit year
// below 50 is in the 2000s). Equal dates keep their order, so a date
// continued in a second record stays in two records one after the other;
// records without a proper date and deleted ones go last. Returns, for each
// old record number, its new number (index 0 unused).
std::vector<int> SortScheduleByDate(ScheduleFile& file);

// A date record left without a date or a game is of no use: it is marked
// deleted. Returns how many were.
int DeleteBlankScheduleRecords(ScheduleFile& file);

// A date as typed ("4/1/26" or "04/01/26") in the file's form "MM/DD/YY",
// or nothing when it is no day of a year.
std::optional<std::string> NormalScheduleDate(std::string_view typed);

// Why a typed date is refused: not in the form MM/DD/YY, or no day of the
// year (09/31); "" when it is a date.
std::string ScheduleDateProblem(std::string_view typed);

// A team file name as typed, in the form a slot holds it: capitals, cut
// before its first ".". Empty stays empty.
std::string NormalTeamName(std::string_view typed);
// Why a slot's team name cannot name a team file, or "".
std::string TeamNameProblem(std::string_view name);

// What is wrong with a slot: refusals keep it from being saved, warnings
// are told and the slot stands. `teamExists` says whether a team file of
// that name is in the data folder.
struct SlotFindings {
    std::vector<std::string> refused;
    std::vector<std::string> warnings;
};
SlotFindings CheckScheduleSlot(const ScheduleSlot& slot,
                               const std::function<bool(const std::string&)>& teamExists);

// The first refusal of a date record (its date, then its games), or "".
std::string ScheduleRecordProblem(const ScheduleFile& file, int n);

// Writes the schedule through a temporary file and a rename, so the old
// file stays whole until the new one is. The header on disk is kept when
// the file there has the same layout: a replay may have listed its
// statistics set in it while the editor was open. A message on failure.
std::optional<std::string> SaveEditedSchedule(const std::string& path, ScheduleFile& file);

}  // namespace vrk
