#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "data/schedule_file.h"

namespace vrk {

inline constexpr std::string_view kFilterDateMessage = "** Date must be in MM/DD/YY form **";
inline constexpr std::string_view kFilterTeamMessage = "** Team does not appear in .SCH! **";

// Which games of a schedule are played; an empty field admits everything.
struct ScheduleFilter {
    std::string league;    // one letter
    std::string team;      // a team file name
    std::string fromDate;  // "MM/DD/YY"
    std::string toDate;
};

// League and team are compared upper-cased; dates compare as text, so a
// range is ordered by month, then day, then year.
bool PassesFilter(const ScheduleFilter& filter, std::string_view date, const ScheduleSlot& slot);

// Games of one slot: the number after "/N:" in its options, else 1.
long ScheduleSlotGames(const ScheduleSlot& slot);

// Games the filter admits over every date record that is not deleted.
long CountScheduleGames(const ScheduleFile& file, const ScheduleFilter& filter);

// Tidies the fields as the filter window does (trimmed, league and team in
// capitals, a lone from-date also ends the range) and checks them: the
// message to show when a date is not MM/DD/YY or the team plays no game.
std::optional<std::string> PrepareFilter(ScheduleFilter& filter, const ScheduleFile& file);

}  // namespace vrk
