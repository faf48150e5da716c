#pragma once
#include <array>
#include <map>
#include <string>
#include <vector>

namespace vrk {

// A person of the databank's People.csv, with a name fit for a team file.
struct DatabankPerson {
    std::string first;  // plain ASCII
    std::string last;
    char bats = 'R';    // L, R or B
    char throws = 'R';  // L or R
};

// One player's season with one club, all stints with that club added up.
struct ClubBatting {
    long g = 0, ab = 0, r = 0, h = 0, d = 0, t = 0, hr = 0, rbi = 0, sb = 0, cs = 0, bb = 0, so = 0,
         hbp = 0;
};
struct ClubPitching {
    long w = 0, l = 0, g = 0, gs = 0, sv = 0, outs = 0, h = 0, er = 0, hr = 0, bb = 0, so = 0;
};
// Games at positions 1-9 (index = position number) and errors.
struct ClubFielding {
    std::array<long, 10> games{};
    long outfieldGames = 0;  // "OF" rows not split into left, centre and right
    long errors = 0;
};

struct ClubPlayer {
    std::string playerId;
    bool batted = false, pitched = false, fielded = false;
    ClubBatting batting;
    ClubPitching pitching;
    ClubFielding fielding;
};

// The players of one season, club by club (teamID), each club's players in
// the order they were first met, and the league (lgID) of each club.
struct DatabankSeason {
    std::map<std::string, DatabankPerson> people;
    std::map<std::string, std::vector<ClubPlayer>> clubs;
    std::map<std::string, std::string> clubLeague;
    std::vector<std::string> problems;  // "Batting.csv line 12: ..."
};

// Reads People, Batting, Pitching and Fielding (and FieldingOFsplit when
// present) of folder for one season; league = "" for every league, else a
// databank lgID. Rows of other seasons are skipped unread; an unreadable
// row of the season is named and skipped.
DatabankSeason readDatabankSeason(const std::string& folder, int year, const std::string& league);

// A name in plain ASCII: accented letters lose their accents, other bytes
// outside ASCII are dropped.
std::string plainAscii(const std::string& utf8);

}  // namespace vrk
