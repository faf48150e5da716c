#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vrk {

// One league-average row of BASEBALL.CFG ("1998A", "DEF N" ...), with the
// per-plate-appearance rates derived when it was read.
struct LeagueAverageRow {
    std::string year;  // 4 characters: a year or "DEF "
    char league = ' ';
    float walkRate = 0;              // walks / PA
    float strikeoutsPerOut = 0;      // strikeouts / (3 * innings)
    float strikeoutRate = 0;         // strikeouts / PA
    float singleRate = 0;            // singles / PA
    float doubleRate = 0;            // doubles / PA
    float tripleRate = 0;            // triples / PA
    float homeRunRate = 0;           // home runs / PA
    std::int16_t column60Value = 0;  // cols 60-65
    double runFactor = 0;            // cols 67-72
    std::int16_t leagueIndex = 100;  // cols 74-76, 0 read as 100
    std::int32_t innings = 0;
    std::int32_t hits = 0;
    std::int16_t doubles = 0;
    std::int16_t triples = 0;
    std::int16_t homeRuns = 0;
    std::int16_t walks = 0;

    std::string key() const { return year + league; }
};

inline constexpr std::size_t kMaxLeagueAverageRows = 300;

// The configuration record: every setting of BASEBALL.CFG plus what start-up
// derives from it. "Y/N" settings keep the character that was read.
struct Config {
    std::string homeDir;        // folder of BASEBALL.MSG, STADIUM.TXT, BASEBALL.CFG
    std::string editor;         // ends in one blank
    std::string wordProcessor;  // ends in one blank
    std::string announcer;      // ANNOUNCER=: the speech program; empty = the system's own
    char mModeSound = 'Y';
    int mModeDelay = 3;
    int rows = 44;
    int cols = 102;
    char retroMode = 'N';
    char fireworks = 'Y';
    char displayFatigue = 'Y';
    std::string fieldPhoto = "wrigley1.jpg";
    std::string aux;  // ends in one blank when set
    std::string homeRunWav;
    int statTeamLimit = 0;
    std::string dataPath;   // empty = home directory; ends in a separator when set
    std::string writePath;  // as dataPath
    std::string overrideLogoDir;
    int regulationInnings = 9;
    int colorScheme = 5;
    int fieldTextColor = 15;
    int fieldBackColor = 3;
    int refreshStandings = 20;
    char parkEffects = 'Y';
    char alternateFont = 'N';
    char deadballAdj = 'Y';
    bool protectSch = false;
    bool forceLineup = false;
    bool strictCloserRule = false;
    bool daysOffRule = false;
    bool warmupRule = false;
    bool batterOveruse = false;
    double homeFieldFactor = 3;
    bool autoCoach = false;
    bool autoDefense = false;
    bool outOfPositionMsg = true;
    bool noDoubleSwitch = false;
    bool startersMayRelieve = false;
    // Highlight thresholds: hits, home runs, RBI, stolen bases, hits allowed
    // for a no-hitter-style line, pitcher strikeouts, shortest streak reported.
    std::array<int, 7> hilite{5, 3, 7, 4, 2, 14, 20};
    std::string starBoxFile = "VAZAZEV.TXT";
    std::vector<LeagueAverageRow> leagueRows;
};

}  // namespace vrk
