#pragma once
#include <array>
#include <cstdint>
#include <string_view>

#include "core/numbering.h"

namespace vrk {

struct Game;
struct Player;
struct Team;
struct BullpenState;

// Why a starter was taken out (or batted for), as the debug statistics count it.
enum StarterRemoval {
    kBombedEarly = 1,
    kBombedSevenPlus,
    kBombedOther,
    kPitchCountRemoval,
    kCompleteGameReduction,
    kPinchHitGeneralReliever,
    kPinchHitCloser,
    kPinchHitAll,
};
inline constexpr int kStarterRemovalReasons = 8;

// The computer manager's decision counters for a whole run (the debug
// statistics screen shows them under these labels).
struct AutoManagerCounters {
    int intentionalWalkDesperate = 0;  // loading the bases
    int intentionalWalkToPitcher = 0;  // to get to the pitcher
    int intentionalWalkRegular = 0;
    int pinchHits = 0;
    int pitcherStealAttempts = 0;
    int pitchAroundToPitcher = 0;
    int pitchAroundOther = 0;
    std::array<int, kStarterRemovalReasons + 1> starterRemoval{};  // [1..8]
    // Further totals of the decisions, for checks and the fidelity report.
    int pitchOuts = 0;
    int infieldIn = 0;
    int pitchingChanges = 0;
    int bunts = 0;
    int steals = 0;
    int hitAndRuns = 0;
    int pinchRuns = 0;
    int pitcherReplacements = 0;  // a new pitcher after his slot was hit or run for
};

inline constexpr std::string_view kIntentionalWalkDesperateLabel = "I-Walk1 (desperate):";
inline constexpr std::string_view kIntentionalWalkToPitcherLabel = "I-Walk2 (get2pit):";
inline constexpr std::string_view kIntentionalWalkRegularLabel = "I-Walk3:(regular)";
inline constexpr std::string_view kPinchHitLabel = "P-Hit:";
inline constexpr std::string_view kPitcherStealAttemptLabel = "St-Att-P:";
inline constexpr std::string_view kPitchAroundToPitcherLabel = "Pitch Arnd (get2pit):";
inline constexpr std::string_view kPitchAroundOtherLabel = "Pitch Arnd (other)  :";
// Label of a starter-removal reason 1..8.
std::string_view StarterRemovalLabel(int reason);

// What the computer manager remembers about one game.
struct AutoManagerGame {
    std::array<bool, 3> pitcherLetBat{};  // the team let its pitcher bat for himself

    // A bench player's pinch-hitting figures come from his season line alone,
    // yet the list is drawn up on most plate appearances late in a game: they
    // are worked out once per game, and again for the entries an exchange moved.
    struct BenchFigures {
        double value = 0;  // batting value
        int valueThousandths = 0;
        double selection = 0;  // value with the fielding share, before hand and bench order
        char bats = ' ';       // upper case
    };
    std::array<int, 3> benchSwaps{-1, -1, -1};  // the bullpen's entrySwaps when worked out
    std::array<std::array<BenchFigures, kMaxRosterEntries + 1>, 3> bench{};

    // The best batting value among the fresh bench players and how many
    // there are: the same until the bench changes (an exchange, a use mark,
    // a player who pitched: the pitcher list only grows, or follows an exchange).
    struct BenchBest {
        int swaps = -1;  // the bullpen's entrySwaps and useMarks when worked out
        int marks = -1;
        int pitchersUsed = -1;
        int best = 0;
        int count = 0;
    };
    std::array<BenchBest, 3> benchBest{};

    // Whatever is kept between passes is worked out again when next read.
    void forgetFigures() {
        benchSwaps = {-1, -1, -1};
        benchBest = {};
    }

    // Ready for a new game. The bench figures are left as they are: they are
    // worked out again before they are read, as benchSwaps says.
    void startGame() {
        pitcherLetBat = {};
        forgetFigures();
    }
};

// Everything one call reads and writes beside the game.
struct AutoManagerContext {
    BullpenState& bullpen;
    AutoManagerCounters& counters;
    AutoManagerGame& perGame;
    // A season replay with a statistics file: batters are rested in
    // proportion to their real-season use.
    bool seasonReplay = false;
};

// The computer manager's turn before a pass: the fielding side first
// (infield, pitch-out, intentional walk, pitching around, the pitching
// change), then the batting side (pinch hitter, bunt, steal, hit-and-run,
// pinch runner), each only when the computer manages it. Sets the strategy
// flags and the chosen substitutes in game.flags; carries nothing out.
void Manage(Game& game, AutoManagerContext& context);

// The pieces, each for its own side, each reading the situation itself;
// the pitching change ends the call.
void ManageInfieldAndPitchOut(Game& game, AutoManagerContext& context);
void ManageWalks(Game& game, AutoManagerContext& context);
bool ManagePitchingChange(Game& game, AutoManagerContext& context);
// True when a pinch hitter was chosen (the call ends there).
bool ManagePinchHitter(Game& game, AutoManagerContext& context);
// Bunt, steal and hit-and-run; true when a bunt or a steal was called.
bool ManageRunningPlay(Game& game, AutoManagerContext& context);
void ManagePinchRunner(Game& game, AutoManagerContext& context);

// Figures the decisions rest on.
// (hits + 1.5 HR) / AB, scaled down for a batter used beyond his real season.
double BattingValue(const Player& batter, bool seasonReplay);
// Runs (plus half the runners on base) that knock a pitcher out, by APS.
int KnockOutThreshold(double appearancesPerStart);
// The team's share of complete games implied by its APS.
double CompleteGameShare(double appearancesPerStart);
// Pitch-out threshold of a runner on first by his speed.
int PitchOutSpeedThreshold(int speed);
// Steal attempts per time on first: from the runner's line (caught stealing
// estimated as the engine does when the club has no such figures), by speed
// when the line has none.
double StealAttemptsPerTimeOnFirst(const Team& team, const Player& runner);
// Base rate at which a runner tries to steal, before the situation factors.
double StealAttemptRate(const Team& team, const Player& runner);
// Required edge of the best pinch hitter over the batter by inning.
double PinchHitMargin(int inning, bool pitcherBatting);

}  // namespace vrk
