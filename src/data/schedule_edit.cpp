#include "data/schedule_edit.h"

#include <algorithm>
#include <array>
#include <tuple>

#include "core/text_fields.h"
#include "data/option_check.h"
#include "data/schedule_filter.h"
#include "data/stats_file_io.h"

namespace vrk {

namespace {

constexpr std::array<int, 13> kMonthDays = {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

std::vector<std::uint8_t> RecordBytes(const ScheduleFile& file, int n) {
    const auto r = file.record(n);
    return {r.begin(), r.end()};
}

void PutRecord(ScheduleFile& file, int n, const std::vector<std::uint8_t>& bytes) {
    std::copy(bytes.begin(), bytes.end(), file.record(n).begin());
}

// Digits only, one or two of them: the parts of a typed date.
std::optional<int> DatePart(std::string_view text) {
    if (text.empty() || text.size() > 2) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::string TwoDigits(int value) {
    return std::string{static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
}

bool HasGame(const ScheduleFile& file, int n) {
    for (int k = 1; k <= file.slotsPerRecord(); ++k) {
        const ScheduleSlot s = file.slot(n, k);
        if (!s.visitor.empty() || !s.home.empty() || !s.options.empty()) return true;
    }
    return false;
}

}  // namespace

ScheduleFile NewScheduleFile(std::size_t recordLength) {
    std::vector<std::uint8_t> bytes = BlankScheduleRecord(recordLength, true);
    const std::vector<std::uint8_t> first = BlankScheduleRecord(recordLength, false);
    bytes.insert(bytes.end(), first.begin(), first.end());
    return ParseSchedule(std::move(bytes));
}

std::vector<int> LiveScheduleRecords(const ScheduleFile& file) {
    std::vector<int> live;
    for (int n = 2; n <= file.recordCount(); ++n)
        if (!file.deleted(n)) live.push_back(n);
    return live;
}

int InsertScheduleRecord(ScheduleFile& file, int after) {
    after = std::clamp(after, 1, file.recordCount());
    const std::vector<std::uint8_t> blank = BlankScheduleRecord(file.recordLength, false);
    file.bytes.insert(file.bytes.begin() + static_cast<std::ptrdiff_t>(
                                               static_cast<std::size_t>(after) * file.recordLength),
                      blank.begin(), blank.end());
    return after + 1;
}

void DeleteScheduleRecord(ScheduleFile& file, int n) {
    file.record(n)[0] = 'D';
}

bool InsertScheduleSlot(ScheduleFile& file, int n, int k) {
    const int last = file.slotsPerRecord();
    const ScheduleSlot end = file.slot(n, last);
    if (!end.visitor.empty() || !end.home.empty() || !end.options.empty()) return false;
    for (int j = last; j > k; --j) SetRecordSlot(file.record(n), j, file.slot(n, j - 1));
    SetRecordSlot(file.record(n), k, {});
    return true;
}

void RemoveScheduleSlot(ScheduleFile& file, int n, int k) {
    const int last = file.slotsPerRecord();
    for (int j = k; j < last; ++j) SetRecordSlot(file.record(n), j, file.slot(n, j + 1));
    SetRecordSlot(file.record(n), last, {});
}

std::vector<int> SortScheduleByDate(ScheduleFile& file) {
    const int count = file.recordCount();
    std::vector<int> order;
    for (int n = 2; n <= count; ++n) order.push_back(n);
    // Deleted and undated records after every dated one; then year, month, day.
    auto key = [&](int n) {
        const auto date = file.deleted(n) ? std::nullopt : NormalScheduleDate(file.date(n));
        if (!date) return std::make_tuple(file.deleted(n) ? 2 : 1, 0, 0, 0);
        const int yy = std::stoi(date->substr(6, 2));
        return std::make_tuple(0, yy < 50 ? 2000 + yy : 1900 + yy, std::stoi(date->substr(0, 2)),
                               std::stoi(date->substr(3, 2)));
    };
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return key(a) < key(b); });

    std::vector<std::vector<std::uint8_t>> records;
    for (int n : order) records.push_back(RecordBytes(file, n));
    std::vector<int> moved(static_cast<std::size_t>(count) + 1, 0);
    moved[1] = 1;
    for (std::size_t i = 0; i < order.size(); ++i) {
        const int to = static_cast<int>(i) + 2;
        PutRecord(file, to, records[i]);
        moved[static_cast<std::size_t>(order[i])] = to;
    }
    return moved;
}

int DeleteBlankScheduleRecords(ScheduleFile& file) {
    int deleted = 0;
    for (int n : LiveScheduleRecords(file)) {
        if (!trim(file.date(n)).empty() || HasGame(file, n)) continue;
        DeleteScheduleRecord(file, n);
        ++deleted;
    }
    return deleted;
}

namespace {

struct TypedDate {
    int month = 0, day = 0, year = 0;
};

// The three parts of M/D/YY, whatever their values.
std::optional<TypedDate> DateParts(std::string_view typed) {
    typed = trim(typed);
    const std::size_t first = typed.find('/');
    const std::size_t second = first == std::string_view::npos ? first : typed.find('/', first + 1);
    if (second == std::string_view::npos) return std::nullopt;
    const auto month = DatePart(typed.substr(0, first));
    const auto day = DatePart(typed.substr(first + 1, second - first - 1));
    const std::string_view yearText = typed.substr(second + 1);
    const auto year = DatePart(yearText);
    if (!month || !day || !year || yearText.size() != 2) return std::nullopt;
    return TypedDate{*month, *day, *year};
}

bool RealDay(const TypedDate& d) {
    return d.month >= 1 && d.month <= 12 && d.day >= 1 &&
           d.day <= kMonthDays[static_cast<std::size_t>(d.month)];
}

}  // namespace

std::optional<std::string> NormalScheduleDate(std::string_view typed) {
    const auto d = DateParts(typed);
    if (!d || !RealDay(*d)) return std::nullopt;
    return TwoDigits(d->month) + "/" + TwoDigits(d->day) + "/" + TwoDigits(d->year);
}

std::string ScheduleDateProblem(std::string_view typed) {
    const auto d = DateParts(typed);
    if (!d || d->month < 1 || d->month > 12) return std::string(kFilterDateMessage);
    if (!RealDay(*d))
        return "** " + TwoDigits(d->month) + "/" + TwoDigits(d->day) + " is no day of the year **";
    return {};
}

std::string NormalTeamName(std::string_view typed) {
    typed = trim(typed);
    return upperCase(typed.substr(0, typed.find('.')));
}

std::string TeamNameProblem(std::string_view name) {
    if (name.size() > kScheduleTeamWidth) return "** A team file name has at most 8 characters **";
    for (char c : name) {
        const bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                        (c >= '0' && c <= '9') || c == '_' || c == '-' || c == '$' || c == '&' ||
                        c == '#';
        if (!ok) return "** " + std::string(name) + " cannot be a team file name **";
    }
    return {};
}

SlotFindings CheckScheduleSlot(const ScheduleSlot& slot,
                               const std::function<bool(const std::string&)>& teamExists) {
    SlotFindings found;
    const std::string visitor = NormalTeamName(slot.visitor);
    const std::string home = NormalTeamName(slot.home);
    if (visitor.empty() && home.empty()) {
        if (!trim(slot.options).empty())
            found.refused.push_back("** Options need a game: name its two teams **");
        return found;
    }
    if (visitor.empty() || home.empty()) {
        found.refused.push_back("** A game needs a visiting and a home team **");
        return found;
    }
    for (const std::string& team : {visitor, home}) {
        if (const std::string problem = TeamNameProblem(team); !problem.empty()) {
            found.refused.push_back(problem);
            return found;
        }
    }
    if (visitor == home) found.refused.push_back("** A team cannot play itself **");
    for (const std::string& team : {visitor, home}) {
        if (teamExists && !teamExists(team))
            found.warnings.push_back("There is no team file " + team + ".DAT in the data folder.");
    }
    for (const OptionFinding& f : checkOptionString(slot.options, UnknownOptions::Warn))
        (f.refused ? found.refused : found.warnings).push_back(f.text);
    return found;
}

std::string ScheduleRecordProblem(const ScheduleFile& file, int n) {
    if (!NormalScheduleDate(file.date(n))) return std::string(kFilterDateMessage);
    for (int k = 1; k <= file.slotsPerRecord(); ++k) {
        const SlotFindings found = CheckScheduleSlot(file.slot(n, k), {});
        if (!found.refused.empty()) return "Game " + std::to_string(k) + ": " + found.refused[0];
    }
    return {};
}

std::optional<std::string> SaveEditedSchedule(const std::string& path, ScheduleFile& file) {
    if (file.recordCount() < 1) return "There is no schedule to save.";
    if (const auto onDisk = ReadScheduleFile(path);
        onDisk && onDisk->recordLength == file.recordLength && onDisk->recordCount() >= 1) {
        const auto header = onDisk->record(1);
        std::copy(header.begin(), header.end(), file.record(1).begin());
    }
    const IoResult written = ReplaceFile(SystemFileOps(), path, file.bytes);
    if (!written.ok) return written.message;
    return std::nullopt;
}

}  // namespace vrk
