#pragma once
#include <optional>
#include <string_view>

namespace vrk {

// Day number of a "MM/DD/YY" date: the days of the months before it
// (February always 28) plus the day; the year is ignored. Empty when the
// text is not such a date.
std::optional<int> ScheduleDayNumber(std::string_view date);

// Days from one day number to a later one, across the turn of the year
// (a negative difference gains 365).
int DaysBetween(int fromDay, int toDay);

}  // namespace vrk
