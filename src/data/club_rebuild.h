#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "data/databank_teams.h"
#include "data/team_file_writer.h"

namespace vrk {

// How a rebuilt club's park is written: not at all, the databank's batting
// and pitching park factors as they stand (averaged over home and road
// games), or the park's own effect (the home half only) derived from them.
enum class ParkLine { None, Averaged, OwnPark };

struct ClubRebuildOptions {
    bool pitchersBat = true;
    ParkLine park = ParkLine::OwnPark;
    std::uint64_t seed = 1;
    // Multiplies each batter's playing time before the club's at-bats are
    // shared, by the letter of his name ("Regular,C" is [2]); a replay sets it
    // so that the at-bats match the turns its line-ups give him. Empty or
    // short: 1.
    std::vector<double> playingScale;
};

// The place of a rebuilt batter's scale in `playingScale`, read from his
// name as written ("Regular,C") or as a loaded team shows it ("Regular, C");
// -1 for the pitchers' batting place and any other name.
int playingScaleIndex(const std::string& name);

// A club of a real season as players whose lines add up to the club's
// totals: the batters' AB, H, 2B, 3B, HR, BB, SO, SB and CS (with the
// pitchers' own batting, where pitchers bat, a part of them), and the
// staff's innings (whole innings of the club's outs), hits, home runs,
// walks, strikeouts, earned runs, wins, losses and saves. Columns the season
// did not record are 0.
struct RebuiltClub {
    std::string fileName;  // season, league letter, club id: "1998ANYA.DAT"
    WrittenHeader header;
    std::vector<WrittenBatter> lineup;  // batting order
    std::vector<WrittenPitcher> staff;  // five starters first, then the closer
    std::vector<WrittenBatter> bench;
    std::vector<long> earnedRuns;       // per pitcher: the ERA column is rounded
    std::vector<std::string> keywords;  // "*DH=N" ...
    std::string text() const;           // the whole team file
};

RebuiltClub rebuildClub(const DatabankTeamSeason& club, const ClubRebuildOptions& options);

// Games a league's replayed schedule holds: half its clubs times the games
// most of them played, whatever their number (strike years, short seasons).
long leagueScheduleGames(std::vector<long> clubGames);

// The PE= value (in percent) a park line writes for a club's databank
// factors, one figure for its batters and pitchers alike. The databank's
// batting and pitching factors each carry a correction for the club not
// meeting its own staff or lineup, of opposite sign; a replay plays that
// schedule already, so only the park, their mean, may be left. Taken as
// they stand, a club with poor pitching had its pitchers' hits taken down
// more than its park had put them up, and the other way about.
int parkPercent(long battingFactor, long pitchingFactor, ParkLine park);

}  // namespace vrk
