#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "core/numbering.h"
#include "core/one_based.h"
#include "engine/play_text.h"

namespace vrk {

inline constexpr int kRosterSize = kMaxRosterEntries + 1;  // entries 1..51, index 0 unused

// (team, roster entry); team 0 means "none".
struct TeamEntry {
    int team = 0;
    int entry = 0;
    bool empty() const { return team == 0; }
    bool operator==(const TeamEntry&) const = default;
};

// Strategy flags of the current plate appearance, set by a manager and
// cleared by the pitch loop.
struct StrategyFlags {
    bool intentionalWalk = false;
    bool pitchAround = false;
    bool pitchOut = false;
    bool infieldIn = false;
    PerTeam<bool> changePitcher{};  // per team
    bool pinchHitCall = false;
    bool pinchRunCall = false;
    bool stealCall = false;
    bool buntCall = false;
    bool hitAndRunCall = false;
    int pinchHitter = 0;      // roster entry chosen by the manager, 0 = none
    int pinchRunner = 0;      // roster entry chosen by the manager, 0 = none
    int pinchRunnerSlot = 0;  // slot of the runner to be replaced

    // Everything but the pitching-change requests, which stand until acted on.
    void clearPlateAppearance() {
        auto keep = changePitcher;
        *this = StrategyFlags{};
        changePitcher = keep;
    }
};

// Kind of a fielding error handed on to the hit handlers.
enum class ErrorKind { None, Fielding, Throwing };

// The rules of this game, copied from the options at game start.
struct GameRules {
    bool automaticRunner = false;  // extra half innings start with a runner on second
    int regulationInnings = 9;
};

// How the game is shown and who answers its questions. None of these may
// change what happens on the field.
struct DisplaySwitches {
    int playDelay = 0;
    bool showPlayByPlay = false;
    bool soundOn = false;
    PerTeam<bool> userManaged{};  // false = the computer manages the side
};

// The current pass of the pitch loop: what the play did, handed from the
// outcome draw to the handlers and the score card. Cleared as each pass starts.
struct PlayScratch {
    PlayText playResult;     // scoring notation
    int hitType = 0;         // 0 out, 1 single .. 4 home run
    int currentFielder = 0;  // position number of the fielder handling the ball
    bool errorOnPlay = false;
    ErrorKind precedingError = ErrorKind::None;  // set before a hit handler runs after an error
    bool insideTheParkHomeRun = false;
    bool homeRunInProgress = false;
    bool homeRunThisPass = false;
    bool noRbiOnPlay = false;
    int resultCode = 0;           // 90 = strike-out-throw-out double play
    int secondaryRunnerSlot = 0;  // a second runner who took part in the play (score card)
    int buntFielderDraw = 1;      // uniform 1..4 of the pass; also read by the out handler
};

// The current plate appearance, which pitch-level events (steals, wild
// pitches, throws over) leave open across several passes.
struct AppearanceScratch {
    bool continues = false;  // the same batter stays at the plate
    bool pinchHitter = false;
    bool runAnnounced = false;
    int startingScore = 0;  // the batting side's score when it began
    int pitchOuts = 0;
    int ballsFromWildPitches = 0;
    bool throwOverMade = false;
};

// The state of one game. Field names follow the game's own vocabulary; team
// arrays are indexed 1 (visitors) and 2 (home), roster arrays 1..51, slots
// 1..9. Index 0 is unused throughout. The top-level fields are the situation
// of the game; the nested ones say what else a value is.
struct GameState {
    GameRules rules;
    DisplaySwitches display;
    PlayScratch play;
    AppearanceScratch appearance;

    int inning = 1;
    int battingTeam = kVisitors;
    int fieldingTeam = kHome;
    int outs = 0;
    int runnerOnFirst = 0;  // batting-order slot, 0 = base empty
    int runnerOnSecond = 0;
    int runnerOnThird = 0;
    int currentBatterSlot = 1;
    int batter = 0;   // roster entry
    int pitcher = 0;  // roster entry of the fielding team's pitcher
    PerTeam<int> lastBatterSlot{};
    PerTeam<int> currentPitcher{};
    PerTeam<int> score{};
    PerTeam<OneBased<int, 10>> lineScore{};  // [team][column 1..10]
    int scoreboardInning = 1;
    // Pitcher charged with the runner who reached from each slot; negative =
    // the run is earned by nobody (the automatic runner, some errors).
    PerTeam<OneBased<int, 9>> responsiblePitcher{};
    int halfInningRuns = 0;
    int halfInningHits = 0;
    int halfInningErrors = 0;
    int halfInningLeftOnBase = 0;
    int halfInningAdvanceErrors = 0;
    TeamEntry firstSaveMark;
    TeamEntry secondSaveMark;
    PerTeam<int> pitchersUsed{};
    PerTeam<OneBased<int, kMaxRosterEntries>> pitcherList{};  // [team][1..pitchersUsed]
    PerTeam<OneBased<int, kMaxRosterEntries>> outsRecorded{};
    PerTeam<int> pitchCount{};  // pitches by each team's current pitcher
    TeamEntry winningPitcher;
    TeamEntry losingPitcher;
    TeamEntry savePitcher;
    int winner = 0;
    bool gameOver = false;
    // The game was stopped because it could not end (a half inning or an
    // inning count beyond any real game): it has no winner and is no game.
    bool stoppedByFault = false;
    // The last score-card entry was a home run: the next batter is pitched
    // to more carefully. Any other entry clears it.
    bool afterHomeRun = false;
    // The seed of the generator the game was played from (replays the run).
    std::uint64_t seed = 0;

    // Per-team park terms prepared at game start.
    PerTeam<double> parkBattingAdjustment{};
    PerTeam<double> parkPitchingAdjustment{};

    PerTeam<int> teamStealAttempts{};
    PerTeam<OneBased<int, kMaxRosterEntries>> runnerStealAttempts{};
    bool anthemPlayed = false;
    // Set by a substitution that hit or ran for a team's pitcher: a new
    // pitcher must come in when that team next takes the field.
    PerTeam<bool> pitcherReplaced{};

    int runnersOn() const {
        return (runnerOnFirst != 0) + (runnerOnSecond != 0) + (runnerOnThird != 0);
    }
    bool basesEmpty() const { return (runnerOnFirst | runnerOnSecond | runnerOnThird) == 0; }
};

}  // namespace vrk
