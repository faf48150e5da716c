#pragma once
#include <functional>
#include <string>
#include <vector>

#include "reports/report_clubs.h"

namespace vrk {

struct TeamTableOptions {
    long minAtBats = 0;
    bool rlBreakdown = false;
    bool fielding = true;
    bool fieldingDetail = false;
    bool fieldingFileHasRecords = true;  // else a club without fielders is no fault
};

// A club's batting, pitching and fielding tables. The abort callback is
// asked after every batter; when it answers true the tables stop there and
// false is returned.
bool WriteTeamTables(std::string& out, const ReportClub& club, const TeamTableOptions& options,
                     const std::function<bool()>& abortRequested);

// Column values of the batting, pitching and fielding rows, in header order.
// `games` is shown in the G column (empty leaves it blank).
std::vector<std::string> BattingValues(const BattingRecord& b, int avgDecimals,
                                       const std::string& games);
std::vector<std::string> PitchingValues(const PitchingRecord& p, const std::string& games);
std::vector<std::string> FieldingValues(const FieldingRecord& f);

// A club's totals: the sums of its players' records.
BattingRecord ClubBatting(const ReportClub& club);
PitchingRecord ClubPitching(const ReportClub& club);
FieldingRecord ClubFielding(const ReportClub& club);

// The column headers the tables and the league summaries share.
extern const char* const kBattingHeader;
extern const char* const kPitchingHeaderTop;
extern const char* const kPitchingHeader;
extern const char* const kFieldingHeaderTop;
extern const char* const kFieldingHeader;

}  // namespace vrk
