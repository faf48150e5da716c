#include "data/schedule_csv.h"

#include <algorithm>
#include <cctype>
#include <map>

#include "core/text_fields.h"

namespace vrk {

namespace {

constexpr int kSlotsPerRecord = 15;

// Fields split at commas; a field in double quotes may hold commas, and ""
// inside it stands for one quote.
std::vector<std::string> SplitCsv(std::string_view line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                fields.back() += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                fields.back() += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    for (std::string& f : fields) f = std::string(trim(f));
    return fields;
}

bool AllDigits(std::string_view s) {
    return !s.empty() &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<std::string> ScheduleDate(std::string_view text) {
    // Views into the text, compared and joined without copies of their own
    // (copies of two letters make GCC 12 at -O3 warn of false overlaps).
    std::string_view month, day, year;
    if (text.size() == 10 && text[4] == '-' && text[7] == '-') {
        year = text.substr(2, 2);
        month = text.substr(5, 2);
        day = text.substr(8, 2);
    } else if (text.size() == 8 && text[2] == '/' && text[5] == '/') {
        month = text.substr(0, 2);
        day = text.substr(3, 2);
        year = text.substr(6, 2);
    } else {
        return std::nullopt;
    }
    if (!AllDigits(month) || !AllDigits(day) || !AllDigits(year)) return std::nullopt;
    if (month < "01" || month > "12" || day < "01" || day > "31") return std::nullopt;
    return concat({month, "/", day, "/", year});
}

std::optional<std::string> TeamName(std::string_view text) {
    std::string name = upperCase(text.substr(0, text.find('.')));
    if (name.empty() || name.size() > kScheduleTeamWidth) return std::nullopt;
    if (name.find_first_of(" /\\") != std::string::npos) return std::nullopt;
    return name;
}

std::string Quoted(const std::string& field) {
    if (field.find_first_of(",\"") == std::string::npos) return field;
    std::string out = "\"";
    for (char c : field) out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

}  // namespace

CsvSchedule ScheduleFromCsv(std::istream& in) {
    CsvSchedule out;
    std::vector<std::string> order;  // dates as first seen
    std::map<std::string, std::vector<ScheduleSlot>> games;
    std::string line;
    int number = 0;
    auto fail = [&](const std::string& why) {
        out.problem = "line " + std::to_string(number) + ": " + why;
        out.bytes.clear();
        return out;
    };
    while (std::getline(in, line)) {
        ++number;
        const std::string_view text = chompCr(line);
        if (trim(text).empty()) continue;
        const std::vector<std::string> f = SplitCsv(text);
        if (number == 1 && upperCase(f[0]) == "DATE") continue;
        if (f.size() < 3 || f.size() > 4)
            return fail("expected date, visitor, home and optional options; found " +
                        std::to_string(f.size()) + " column(s)");
        const auto date = ScheduleDate(f[0]);
        if (!date) return fail("the date \"" + f[0] + "\" is not MM/DD/YY or YYYY-MM-DD");
        const auto visitor = TeamName(f[1]);
        const auto home = TeamName(f[2]);
        if (!visitor)
            return fail("the visitor \"" + f[1] +
                        "\" is not a team file name of 1 to 8 characters");
        if (!home)
            return fail("the home team \"" + f[2] +
                        "\" is not a team file name of 1 to 8 characters");
        const std::string options = f.size() == 4 ? f[3] : "";
        if (options.size() > kScheduleOptionsWidth)
            return fail("the options \"" + options + "\" are longer than 12 characters");
        if (!games.count(*date)) order.push_back(*date);
        games[*date].push_back({*visitor, *home, options});
        ++out.games;
    }
    out.bytes = BlankScheduleRecord(kLongScheduleRecord, true);
    for (const std::string& date : order) {
        const std::vector<ScheduleSlot>& slots = games[date];
        for (std::size_t first = 0; first < slots.size(); first += kSlotsPerRecord) {
            std::vector<std::uint8_t> record = BlankScheduleRecord(kLongScheduleRecord, false);
            SetRecordDate(record, date);
            const std::size_t last = std::min(slots.size(), first + kSlotsPerRecord);
            for (std::size_t i = first; i < last; ++i)
                SetRecordSlot(record, static_cast<int>(i - first) + 1, slots[i]);
            out.bytes.insert(out.bytes.end(), record.begin(), record.end());
        }
    }
    return out;
}

void ScheduleToCsv(const ScheduleFile& file, std::ostream& out) {
    out << "date,visitor,home,options\n";
    for (int n = 2; n <= file.recordCount(); ++n) {
        if (file.deleted(n)) continue;
        for (int k = 1; k <= file.slotsPerRecord(); ++k) {
            const ScheduleSlot s = file.slot(n, k);
            if (s.empty()) continue;
            out << Quoted(file.date(n)) << "," << Quoted(s.visitor) << "," << Quoted(s.home) << ","
                << Quoted(s.options) << "\n";
        }
    }
}

}  // namespace vrk
