#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "core/rng.h"

namespace vrk {

// A series: `games` games on consecutive days at the home club's park.
// Clubs are numbered from 0 in the order of the names given below.
struct ScheduleSeries {
    int visitor = 0;
    int home = 0;
    int games = 0;
};

// A pairing's home games for one side as series of two to four games, as
// even as they come (11 = 4 + 4 + 3); a single game stays one.
std::vector<int> SeriesLengths(int homeGames);

// The series of one league whose clubs (by number) play each other as
// evenly as `games` a club allows: every pairing the same number of games,
// a few pairings one more, so that each club plays `games` (one fewer when
// clubs × games is odd and no such schedule exists). Each club's home games
// equal its away games, give or take one.
std::vector<ScheduleSeries> BalancedLeagueSeries(const std::vector<int>& clubs, int games);

// Lays the series on the calendar, day by day: the clubs with the most
// games left choose first, not the same opponent twice running, a day off
// now and then after a series. Returns the games of each day, one entry per
// series in play that day (a day may be empty).
std::vector<std::vector<ScheduleSeries>> LayOutSeries(std::vector<ScheduleSeries> series,
                                                      int clubCount, Rng& rng);

// "MM/DD/YY" of a season's day: day 0 is April 2.
std::string SeasonDate(int day, int year);

// The schedule file of the laid-out days: a header record, then one record
// of 15 game slots per date that has games (a date with more goes on in a
// further record with the same date). `names` are the team file names.
std::vector<std::uint8_t> ScheduleFileBytes(const std::vector<std::vector<ScheduleSeries>>& days,
                                            const std::vector<std::string>& names, int year);

}  // namespace vrk
