#pragma once
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "data/schedule_file.h"

namespace vrk {

// A schedule from a spreadsheet: rows of date, visitor, home and an
// optional option string (a first row naming the columns is skipped).
// Dates may be MM/DD/YY or YYYY-MM-DD. One 430-byte record per date, in
// the order the dates first appear; a date with more than 15 games goes on
// in a further record with the same date.
struct CsvSchedule {
    std::vector<std::uint8_t> bytes;  // the schedule file when `problem` is empty
    std::string problem;              // "line N: ..." for the first bad row
    int games = 0;
};

CsvSchedule ScheduleFromCsv(std::istream& in);

// Every game of the schedule's date records as a row, with a heading row.
void ScheduleToCsv(const ScheduleFile& file, std::ostream& out);

}  // namespace vrk
