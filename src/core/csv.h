#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vrk {

// One line of comma-separated values: fields may be quoted ("a, b"), with ""
// for a quote inside. Returns nothing for an unterminated quote.
std::optional<std::vector<std::string>> splitCsvLine(std::string_view line);

// A CSV file read whole: the header's names and the data rows with the
// line number each came from (1 = the header).
struct CsvTable {
    std::vector<std::string> header;
    struct Row {
        int line = 0;
        std::vector<std::string> fields;
    };
    std::vector<Row> rows;
    std::vector<std::string> problems;  // "Teams.csv line 7: unterminated quote"

    // Index of a header name, or -1.
    int column(std::string_view name) const;
};

// Reads path; a missing file gives an empty table with one problem.
CsvTable readCsvFile(const std::string& path, std::string_view shownName);

// Whole number of a field; nothing for blank or unreadable text.
std::optional<long> csvInteger(std::string_view text);

}  // namespace vrk
