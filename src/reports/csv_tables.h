#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "data/stats_file_io.h"
#include "reports/report_input.h"

namespace vrk {

// The four tables a spreadsheet or a data-frame library opens:
// standings.csv, batting.csv, pitching.csv and fielding.csv, each with a
// header row of lower-case names and one row per club or player.
struct CsvTables {
    std::string standings;
    std::string batting;
    std::string pitching;
    std::string fielding;
    std::vector<std::string> leftOut;  // clubs beyond the team limit
};

CsvTables BuildCsvTables(const ReportInput& input, int teamLimit);

// Writes the four files into `folder` (created when missing), each put in
// place only when complete.
IoResult WriteCsvTables(const CsvTables& tables, std::string_view folder);

// A field as CSV wants it: quoted when it holds a comma, a quote or a line end.
std::string CsvField(std::string_view text);

}  // namespace vrk
