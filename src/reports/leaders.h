#pragma once
#include <string>
#include <vector>

#include "reports/report_clubs.h"

namespace vrk {

inline constexpr int kLeaderPlaces = 15;

enum class LeaderFormat { Count, Rate, TwoDecimals, Innings };

struct LeaderPlace {
    std::string name;
    std::string team;
    double value = 0;
};

// One list of a league's leaders: at most kLeaderPlaces places, best first;
// a list that has fewer holders leaves the rest blank.
struct LeaderList {
    std::string title;  // "Runs ====..."
    LeaderFormat format = LeaderFormat::Count;
    bool lowestFirst = false;
    std::vector<LeaderPlace> places;
};

// Twelve lists in print order (pairs side by side): average, runs, hits,
// home runs, doubles, triples, RBI, walks, stolen bases, on-base, slugging,
// runs created per 27 outs. The rate lists take only batters with at least
// `qualifyingPA` plate appearances.
std::vector<LeaderList> BattingLeaders(const ReportLeague& league, long qualifyingPA);

// Eight lists: innings, wins, ERA, strikeouts, saves, complete games,
// shutouts, opponents' OPS. ERA and OPS rank lowest first and take only
// pitchers with at least `qualifyingInnings` innings.
std::vector<LeaderList> PitchingLeaders(const ReportLeague& league, long qualifyingInnings);

// A place as printed: rank, name, club and value in kLeaderWidth
// characters; blanks for a place nobody holds.
inline constexpr std::size_t kLeaderWidth = 36;
std::string LeaderPlaceText(const LeaderList& list, int index);

// The club as the leaders show it: without the season digits in front.
std::string ShortClubName(const std::string& name);

}  // namespace vrk
