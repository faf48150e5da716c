#include "data/stats_schedule_day.h"

#include <array>

#include "core/text_fields.h"

namespace vrk {

namespace {

bool TwoDigits(std::string_view text) {
    return text.size() == 2 && text[0] >= '0' && text[0] <= '9' && text[1] >= '0' && text[1] <= '9';
}

}  // namespace

std::optional<int> ScheduleDayNumber(std::string_view date) {
    constexpr std::array<int, 13> kDays{0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    date = trim(date);
    if (date.size() < 5 || date[2] != '/') return std::nullopt;
    std::string_view month = date.substr(0, 2);
    std::string_view day = date.substr(3, 2);
    if (!TwoDigits(month) || !TwoDigits(day)) return std::nullopt;
    int m = (month[0] - '0') * 10 + (month[1] - '0');
    int d = (day[0] - '0') * 10 + (day[1] - '0');
    if (m < 1 || m > 12 || d < 1 || d > 31) return std::nullopt;
    int number = d;
    for (int k = 1; k < m; ++k) number += kDays[static_cast<std::size_t>(k)];
    return number;
}

int DaysBetween(int fromDay, int toDay) {
    int days = toDay - fromDay;
    return days < 0 ? days + 365 : days;
}

}  // namespace vrk
