#pragma once
#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/rng.h"
#include "data/config.h"
#include "data/team.h"
#include "engine/event_rates.h"
#include "engine/game_counters.h"
#include "engine/game_seams.h"
#include "engine/game_state.h"

namespace vrk {

// Per-game options chosen by the mode's setup or an option string.
struct GameOptions {
    bool regressionOption = false;        // performance focusing ("Y")
    std::string normalizeMode;            // "H", "V", "B", a season + league key, or blank
    double normalizationHomeRunRate = 0;  // > 0 exactly when a season + league target is set
    bool statisticsRecorded = false;      // a statistics file is being written
    bool designatedHitter = false;
    bool automaticRunner = false;
    int playDelay = 0;
    bool displayed = false;
    bool sound = false;
    PerTeam<bool> userManaged{};
    PerTeam<int> starter{};  // starting pitcher per team; 0 = the first of the staff
};

// A text of at most N characters kept in place: highlights are written
// during a game, and a game allocates nothing.
template <std::size_t N>
struct FixedText {
    std::array<char, N> chars{};
    std::size_t size = 0;

    FixedText() = default;
    FixedText(std::string_view text) : size(std::min(text.size(), chars.size())) {
        text.copy(chars.data(), size);
    }
    std::string_view view() const { return {chars.data(), size}; }
    operator std::string_view() const { return view(); }
    bool operator==(std::string_view other) const { return view() == other; }
};

// A highlight as the run's list keeps it; in full, as the last game left it.
using RunHighlightText = FixedText<40>;
using FullHighlightText = FixedText<120>;

// One highlight line of a simulation, with the game it came from.
struct Highlight {
    int gameNumber = 0;
    RunHighlightText text;
};

inline constexpr int kMaxHighlights = 400;

// Totals that outlive one game: the highlight list of the simulation and the
// debug statistics. Owned by the caller across the games of a run.
struct SimulationRecord {
    std::vector<Highlight> highlights;  // at most kMaxHighlights
    // The last game's highlight texts in full, however many the run has had:
    // the statistics set's highlights file takes every one.
    std::vector<FullHighlightText> lastGameHighlights;
    int gamesCompleted = 0;
    int gamesWithDh = 0;
    int gamesWithoutDh = 0;
    int pitchersUsedWithDh = 0;
    int pitchersUsedWithoutDh = 0;
    int doublePlays = 0;
    int wildPitches = 0;
    int passedBalls = 0;
    int doubleSwitches = 0;
    std::array<int, 11> fieldingChances{};  // by position
    double teamSpeedTotal = 0;
    double appearancesPerStartTotal = 0;
    // Running plays.
    int catcherThrowingErrors = 0;
    int sacrificesMade = 0;    // sacrifices and squeezes that worked
    int sacrificesFailed = 0;  // sacrifices and squeezes that did not
    int pitcherStolenBases = 0;
    // Steals of second and third by their chance of success: below 40 %,
    // then tens of percent up to 90-99.
    std::array<int, 7> stealAttemptsByChance{};
};

// What a finished game leaves behind.
struct GameResult {
    PerTeam<int> score{};
    PerTeam<OneBased<int, 30>> runsByInning{};  // innings 1..30
    int innings = 0;                            // the last inning played (or shown as complete)
    int winner = 0;                             // 1 or 2
    TeamEntry winningPitcher;
    TeamEntry losingPitcher;
    TeamEntry savePitcher;
    bool stopped = false;    // stopped by a fault: no decision, not to be counted or recorded
    std::uint64_t seed = 0;  // the generator's seed: /SEED: with it replays the run
};

// Pitch limits of the game's pitchers, worked out on first use: a pure
// function of a pitcher's line and whether he is still the starter, asked for
// on nearly every pitch. Cleared at game start; an exchange of two entries
// exchanges their cells.
struct PitchLimitCache {
    // [team][entry][0 in relief, 1 as the starter]; 0 = not worked out yet.
    PerTeam<OneBased<std::array<int, 2>, kMaxRosterEntries>> pitches{};
    // The usual outing the fatigue term divides by, for the pitcher it was
    // last asked about, by team (the same man for most of a side's plate
    // appearances; kept for both sides, as they take the field in turn).
    struct Usual {
        int team = -1;
        int entry = -1;
        bool starter = false;
        double pitches = 0;
    };
    PerTeam<Usual> lastUsual{};
};

// Fielding averages of the players in the field, by team and position: a
// pure function of which slot plays the position and who holds that slot,
// asked for several times on every ball in play. Cleared at game start; an
// exchange of entries forgets the cells worked out from either entry.
struct FieldingAverageCache {
    struct Cell {
        int slot = 0;    // 0 = not worked out yet
        int player = 0;  // the slot's lineupPlayer then
        double average = 0;
    };
    PerTeam<OneBased<Cell, kDesignatedHitter>> cells{};
};

// Batting slot of each position (0..10) of a team's line-up, as last found.
// Line-ups change in many places, so a kept slot is trusted only while it still
// holds the position; 0 = look again.
struct FielderSlotCache {
    PerTeam<std::array<int, 11>> slots{};
};

// Event rates of the matchups met so far, by batting team and slot, alone and
// combined: a pure function of the batter, the pitcher and what holds for the
// whole game (the rules, the fielding side's league), asked for on every plate
// appearance. Forgotten at game start and whenever an entry changes players or
// batting line; forgetting only moves the stamp, as it happens on most
// substitutions.
struct MatchupRateCache {
    struct Cell {
        std::uint32_t stamp = 0;  // the cache's stamp when worked out
        int batter = 0;
        int pitcher = 0;
        float homeRunScale = 0;
        KeptMatchup kept;
    };
    // What the pitcher and the batting side bring to every matchup, kept
    // under the same stamp: by batting team, and pitcher entry.
    struct PitcherCell {
        std::uint32_t stamp = 0;
        PitcherTerms terms;
    };
    struct BatterCell {
        std::uint32_t stamp = 0;
        BatterTerms terms;
    };
    std::uint32_t stamp = 1;
    KeptMatchup unkept;  // a matchup outside the cells (no team or slot at bat)
    PerTeam<OneBased<Cell, kLineupSize>> cells{};
    PerTeam<OneBased<PitcherCell, kMaxRosterEntries>> pitchers{};
    PerTeam<BatterCell> batters{};
};

// Everything one game needs. Teams 1 and 2 are the visitors and the home side;
// `normalization` is the league context of slot 3.
struct Game {
    Game(std::array<Team, 3>& teams, const LeagueContext& normalization, const Config& config,
         Rng& rng)
        : teams(teams), normalization(normalization), config(config), rng(rng) {}
    // The default seams point into the object itself.
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    std::array<Team, 3>& teams;
    const LeagueContext& normalization;
    const Config& config;
    Rng& rng;
    GameOptions options;
    GameState state;
    GameCounters counters;
    // For each team, the highest roster entry whose counters a game since the
    // last clear could have written: StartGame clears no further.
    PerTeam<int> counterRows{{kMaxRosterEntries, kMaxRosterEntries, kMaxRosterEntries}};
    StrategyFlags flags;
    SimulationRecord* record = nullptr;  // highlights and debug totals; optional

    // The seams. Each defaults to a quiet implementation.
    Narration* narration = &nullNarration;
    ErrorSink* errors = &nullErrors;
    ScoreCardSink* scoreCard = &nullScoreCard;
    Decisions* decisions = &computerDecisions;
    Pacer* pacer = &nullPacer;
    SoundSink* sound = &nullSound;
    ManagerHooks* managers = &computerManagers;

    // Derived from the teams' lines during this game only.
    mutable PitchLimitCache pitchLimits;
    mutable FieldingAverageCache fieldingAverages;
    mutable FielderSlotCache fielderSlots;
    MatchupRateCache matchupRates;

    // The narration's own generator: which of several texts tells what the
    // engine decided. Play never draws from it, so a shown game and the same
    // seed unattended are the same game. Seeded at game start when displayed.
    Rng wording{0};

    Team& team(int t) { return teams[static_cast<std::size_t>(t)]; }
    const Team& team(int t) const { return teams[static_cast<std::size_t>(t)]; }
    Team& battingSide() { return team(state.battingTeam); }
    Team& fieldingSide() { return team(state.fieldingTeam); }
    Player& batterPlayer() { return battingSide().player(state.batter); }
    Player& pitcherPlayer() { return fieldingSide().player(state.pitcher); }
    bool displayed() const { return state.display.showPlayByPlay; }
    // Displayed with a pause: announcements and waits happen.
    bool paced() const { return state.display.showPlayByPlay && state.display.playDelay > 0; }
    // Some card keeps the entries (a shown game's, a per-game file's).
    bool scoreCardKept() const { return scoreCard != &nullScoreCard; }

  private:
    NullNarration nullNarration;
    NullErrorSink nullErrors;
    NullScoreCard nullScoreCard;
    ComputerDecisions computerDecisions;
    NullPacer nullPacer;
    NullSound nullSound;
    ComputerManagers computerManagers;
};

}  // namespace vrk
