#pragma once
#include <array>
#include <bitset>
#include <string>

#include "core/numbering.h"

namespace vrk {

// League context of a team slot: the rates the outcome model works against.
// Defaults are the built-in values used when no league-average row applies.
struct LeagueContext {
    float walkRate = 0.0815f;
    float strikeoutsPerOut = 0.23f;
    float strikeoutRate = 0.14f;
    float singleRate = 0.1575f;
    float doubleRate = 0.0385f;
    float tripleRate = 0.0053f;
    float homeRunRate = 0.019f;
    int column60Value = 0;
    double runFactor = 5.0;
    int leagueIndex = 100;
    int innings = 23107;
    int hits = 23624;
    int doubles = 4622;
    int triples = 516;
    int homeRuns = 2997;
    int walks = 9847;
    float singleShare = 0;
    float doubleShare = 0;
    float tripleShare = 0;
    float homeRunShare = 0;
    bool fromRow = false;  // a BASEBALL.CFG row supplied it
    std::string rowKey;    // e.g. "1998A" or "DEF A"; empty for built-in values

    bool operator==(const LeagueContext&) const = default;
};

// A pitcher's own batting: at bats, hits, home runs, walks, strikeouts.
struct PitcherBattingLine {
    int atBats = 0;
    int hits = 0;
    int homeRuns = 0;
    int walks = 0;
    int strikeouts = 0;

    bool operator==(const PitcherBattingLine&) const = default;
};

// A pitcher's season line as his team-file line gives it.
struct PitcherLine {
    int inningsPitched = 0;  // whole innings; 0 is read as 1
    int hitsAllowed = 0;
    int doublesAllowed = 0;
    int triplesAllowed = 0;
    int homeRunsAllowed = 0;
    int walksAllowed = 0;
    int strikeouts = 0;
    int eraTimes100 = 0;
    int wins = 0;
    int losses = 0;
    int saves = 0;
    int games = 0;
    int gamesStarted = 0;

    bool operator==(const PitcherLine&) const = default;
};

// Season-to-date figures from the current statistics set.
struct SimStats {
    int games = 0;
    int atBats = 0;
    int hits = 0;
    int homeRuns = 0;
    int runsBattedIn = 0;
    int walks = 0;
    int strikeouts = 0;
    int hitStreak = 0;
    double innings = 0;  // whole innings + extra outs / 3
    int wins = 0;
    int losses = 0;
    int saves = 0;
    int hitsAllowed = 0;
    int earnedRuns = 0;
    int walksAllowed = 0;
    int strikeoutsPitched = 0;

    bool operator==(const SimStats&) const = default;
};

// One roster entry's figures, everything but its names: a plain record,
// so that a whole roster is copied block by block between games.
struct PlayerFigures {
    char platoonMark = ' ';
    int lineupPosition = 0;
    int atBats = 0;
    int hits = 0;
    int doubles = 0;
    int triples = 0;
    int homeRuns = 0;
    int walks = 0;
    char walkGrade = ' ';
    int strikeouts = 0;
    int runsBattedIn = 0;
    char hand =
        ' ';  // bats (batter) / throws (pitcher); lower case = other hand for the other role
    int defense = 0;  // errors when the team's defenseIsErrors
    int stolenBases = 0;
    int caughtStealing = 0;
    int games = 0;
    std::array<int, 5> gamesAtPosition{};  // [1..4]
    std::array<int, 5> positionCode{};     // [1..4]; 10 = DH
    char pitcherBattingGrade = ' ';
    PitcherBattingLine pitcherBattingLine;
    PitcherLine pitching;
    int speed = 0;  // 1..9, 0 = not rated
    int defaultPosition = 0;
    char handAsLoaded = ' ';
    bool sharedLastName = false;
    int lineupPlayer = 0;
    SimStats sim;
    int restDaysNeeded = 0;
    int speedColumn = 0;  // cols 66-67 as written: the rating of a file without steal columns

    bool operator==(const PlayerFigures&) const = default;
};

// One roster entry. Every line is read both as a batting and as a pitching
// line: a record can change roles during a game (a pitcher sent up to bat, a
// fielder sent to pitch) and each role then reads what the file gave it.
struct Player : PlayerFigures {
    std::string playerName;  // "Last, First" or "Last"
    std::string nameAsLoaded;

    bool operator==(const Player&) const = default;
};

struct Team {
    std::string teamFileName;
    char league = ' ';
    char division = ' ';
    std::string centuryDigits;
    std::string season;
    std::string teamName;  // 12 characters
    int stealColumns = 0;  // -1 SB and CS, 1 SB only, 0 speed ratings
    bool defenseIsErrors = false;
    int lastPitcherEntry = 0;
    int playerCount = 0;
    int dhRule = 0;  // 0 not stated, -1 DH=Y, 1 DH=N
    bool femaleTeam = false;
    int teamColor = 0;
    std::string wonLostText;
    std::string logoFile;
    std::string photoFile;  // PH= of a home team, when the file exists
    double parkFactorA = 1.0;
    double parkFactorB = 1.0;
    bool hrAllowedData = false;
    bool pitcherGamesData = false;
    double appearancesPerStart = 2.5;
    bool savesData = false;
    double averageTeamSpeed = 1.0;
    bool twoWayPlayer = false;
    // Loaded as the home team: the colours its COL= items were compared with
    // the visitors' (a visiting team of one of them takes the clash colour).
    std::bitset<256> visitorColorChecks;
    bool visitorColorCheckOutOfRange = false;
    LeagueContext leagueContext;
    // [1..51]. Entries past playerCount stay empty (Player{}): whoever
    // empties or fills one moves the count with it.
    std::array<Player, kMaxRosterEntries + 1> players{};

    Player& player(int entry) { return players[static_cast<std::size_t>(entry)]; }
    const Player& player(int entry) const { return players[static_cast<std::size_t>(entry)]; }
    bool operator==(const Team&) const = default;
};

}  // namespace vrk
