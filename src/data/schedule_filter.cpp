#include "data/schedule_filter.h"

#include "core/text_fields.h"
#include "data/series_file.h"

namespace vrk {

namespace {

bool Digits(std::string_view text) {
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

bool ValidDate(std::string_view date) {
    if (date.size() < 8 || !Digits(date.substr(0, 2)) || !Digits(date.substr(3, 2)) ||
        !Digits(date.substr(6, 2))) {
        return false;
    }
    const std::string_view month = date.substr(0, 2);
    const std::string_view day = date.substr(3, 2);
    return month >= "01" && month <= "12" && day >= "01" && day <= "31";
}

}  // namespace

bool PassesFilter(const ScheduleFilter& filter, std::string_view date, const ScheduleSlot& slot) {
    const std::string visitor = upperCase(trim(slot.visitor));
    const std::string home = upperCase(trim(slot.home));
    if (!filter.league.empty()) {
        const char league = upperChar(filter.league.front());
        if (TeamFileLeague(visitor) != league && TeamFileLeague(home) != league) return false;
    }
    if (!filter.team.empty()) {
        const std::string team = upperCase(filter.team);
        if (team != visitor && team != home) return false;
    }
    if (!filter.fromDate.empty() && !filter.toDate.empty()) {
        if (date < std::string_view(filter.fromDate) || date > std::string_view(filter.toDate))
            return false;
    }
    return true;
}

long ScheduleSlotGames(const ScheduleSlot& slot) {
    return seriesEntryGames(slot.options);
}

long CountScheduleGames(const ScheduleFile& file, const ScheduleFilter& filter) {
    long games = 0;
    for (int n = 2; n <= file.recordCount(); ++n) {
        if (file.deleted(n)) continue;
        const std::string date = file.date(n);
        for (int k = 1; k <= file.slotsPerRecord(); ++k) {
            const ScheduleSlot slot = file.slot(n, k);
            if (!slot.empty() && PassesFilter(filter, date, slot)) games += ScheduleSlotGames(slot);
        }
    }
    return games;
}

std::optional<std::string> PrepareFilter(ScheduleFilter& filter, const ScheduleFile& file) {
    filter.league = upperCase(trim(filter.league));
    filter.team = upperCase(trim(filter.team));
    filter.fromDate = std::string(trim(filter.fromDate));
    filter.toDate = std::string(trim(filter.toDate));
    for (const std::string& date : {filter.fromDate, filter.toDate}) {
        if (!date.empty() && !ValidDate(date)) return std::string(kFilterDateMessage);
    }
    if (!filter.team.empty() && CountScheduleGames(file, filter) == 0)
        return std::string(kFilterTeamMessage);
    if (!filter.fromDate.empty() && filter.toDate.empty()) filter.toDate = filter.fromDate;
    return std::nullopt;
}

}  // namespace vrk
