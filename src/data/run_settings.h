#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vrk {

// Settings given by option strings: the command line, schedule slots and
// series lines. They persist from entry to entry until the shell starts a
// new simulation with a fresh RunSettings. Arrays indexed by team slot (1
// visitors, 2 home; 0 unused). One-letter values are kept as text; an empty
// text means "not given", so the shell keeps its own setting.
struct RunSettings {
    std::string dataPath;   // /P:  ends in a separator; empty = not given
    std::string writePath;  // /PW: as dataPath
    std::string visitor;    // /V:  team file name, at most 8 characters, no extension
    std::string home;       // /H:
    int games = 1;          // /N:  games of this entry

    std::string scheduleName;  // /SCH: name + ".SCH"
    std::string seriesName;    // /SER: name + ".SER"
    bool schedulePlay = false;
    bool seriesPlay = false;

    std::string statsSet;       // /ST:  base name of the statistics set
    std::string vazaZevFile;    // /STB:
    std::string boxScoreFile;   // /BX:
    std::string scoreCardFile;  // /SC:
    std::string lineScoreFile;  // /LS:

    std::string rotationMethod;                   // /SP:  "S5" when given empty
    std::array<std::string, 3> teamRotation;      // /VP: /HP:
    std::array<std::string, 3> autoLineup;        // /AUL /AL (both), /VAL, /HAL
    std::array<std::string, 3> battingOrder;      // /ABO (both), /VBO, /HBO: "Y", "C" or "F"
    std::string regressionOption;                 // /FOC  performance focusing
    std::string spotStarters;                     // /SPT  global setting
    std::array<std::string, 3> teamSpotStarters;  // /VSPT /HSPT
    std::array<std::string, 3> autoManager;       // /VAM /HAM

    // /VM: /HM: "+" or "-" for this entry only; applied to userManagedTeams.
    std::array<std::string, 3> manualControl;
    std::vector<std::string> userManagedTeams;  // team file names under the user's control

    std::string dhRule;          // /DH  "Y", "H", "A", "E" or "N"
    std::string autoRunnerRule;  // the start's answer: "Y", "H" or "N"; no option sets it
    int delay = 0;               // /DEL: 0..7
    bool delaySet = false;       // this entry's /DEL: was given
    std::string fireworksColor;  // /C   "C" = random bright colours
    std::string sound;           // /S   "Y" or "N"
    std::string saveEveryGame;   // /PG  "Y" or "N"
    std::string saveEachDate;    // /PD  "Y" or "N"
    std::string normalizeMode;   // /ERA:
    std::string debug;           // /DEBUG "Y"
    std::string noOptions;       // /NOOPT "Y"
    int consoleCols = 0;         // /CC: 1..199, 0 = not given
    int consoleRows = 0;         // /CR: 1..99, 0 = not given
    std::string quiet;           // /X   "Y" suppresses standings and completion message
    bool homeFieldFactorSet = false;
    double homeFieldFactor = 3;  // /T   "Y" = 3, "N" = 0, else the number

    // Which games of a schedule are replayed: /LEAGUE: letter, /TEAM: team
    // file name, /FROM: and /TO: dates (written MM-DD-YY, since "/" starts
    // an option; held as MM/DD/YY). Empty = all.
    std::string filterLeague;
    std::string filterTeam;
    std::string filterFrom;
    std::string filterTo;

    std::uint64_t seed = 0;   // /SEED: 0 = seed from the time of day
    std::string repeat;       // /REPEAT: seasons to project (batch only); empty = none
    std::string jobs;         // /JOBS: worker threads of a projection; empty = all cores
    std::string commandFile;  // /CMD: when it is the whole string
};

}  // namespace vrk
