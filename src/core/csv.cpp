#include "core/csv.h"

#include <charconv>
#include <fstream>

#include "core/text_fields.h"

namespace vrk {

std::optional<std::vector<std::string>> splitCsvLine(std::string_view line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c != '"') {
                fields.back() += c;
            } else if (i + 1 < line.size() && line[i + 1] == '"') {
                fields.back() += '"';
                ++i;
            } else {
                quoted = false;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    if (quoted) return std::nullopt;
    return fields;
}

int CsvTable::column(std::string_view name) const {
    for (std::size_t i = 0; i < header.size(); ++i) {
        if (header[i] == name) return static_cast<int>(i);
    }
    return -1;
}

CsvTable readCsvFile(const std::string& path, std::string_view shownName) {
    CsvTable table;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        table.problems.push_back(std::string(shownName) + ": cannot be read");
        return table;
    }
    std::string text;
    int lineNumber = 0;
    while (std::getline(in, text)) {
        ++lineNumber;
        std::string_view line = chompCr(text);
        // A byte-order mark some spreadsheets write before the header.
        if (lineNumber == 1 && line.starts_with("\xEF\xBB\xBF")) line.remove_prefix(3);
        if (trim(line).empty()) continue;
        auto fields = splitCsvLine(line);
        if (!fields) {
            table.problems.push_back(std::string(shownName) + " line " +
                                     std::to_string(lineNumber) + ": unterminated quote");
            continue;
        }
        if (table.header.empty()) {
            table.header = std::move(*fields);
        } else {
            table.rows.push_back({lineNumber, std::move(*fields)});
        }
    }
    return table;
}

std::optional<long> csvInteger(std::string_view text) {
    text = trim(text);
    if (text.empty()) return std::nullopt;
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace vrk
