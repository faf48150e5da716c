// Game start: state and counters from the options, the starting pitchers,
// the park terms and the line-ups on the score card.
#include "engine/game_start.h"

#include <algorithm>

#include "engine/engine_helpers.h"
#include "engine/game.h"
#include "engine/matchup_rates.h"

namespace vrk {

namespace {

// Names are 18 columns of a team file, with a space added after the comma.
constexpr std::size_t kNameRoom = 24;

void ParkTerms(Game& game) {
    GameState& s = game.state;
    const Team& home = game.team(kHome);
    bool batting = game.team(kVisitors).parkFactorA > 0 && home.parkFactorA > 0;
    bool pitching = game.team(kVisitors).parkFactorB > 0 && home.parkFactorB > 0;
    for (int t = kVisitors; t <= kHome; ++t) {
        const Team& team = game.team(t);
        double n = team.leagueContext.column60Value;
        s.parkBattingAdjustment[t] = 0;
        s.parkPitchingAdjustment[t] = 0;
        if (n <= 1) continue;
        if (batting) {
            s.parkBattingAdjustment[t] =
                home.parkFactorA * 2 / (team.parkFactorA + (n - team.parkFactorA) / (n - 1)) - 1;
        }
        // The batting term moves a batter from the parks his line was made in
        // to this one; the pitching term only takes the pitcher's own parks out
        // of his line. Both terms carrying this park would count it twice, as
        // the rates of batter and pitcher are multiplied together.
        if (pitching) {
            s.parkPitchingAdjustment[t] =
                2 / (team.parkFactorB + (n - team.parkFactorB) / (n - 1)) - 1;
        }
    }
}

// The last entry of a roster, within the counters' rows.
int RosterEnd(const Team& team) {
    return std::clamp(team.playerCount, 0, kMaxRosterEntries);
}

// Clears entries 0..last of one team's counters.
template <typename T, std::size_t N>
void ClearRows(OneBased<T, N>& row, int last) {
    std::fill(row.begin(), row.begin() + last + 1, T{});
}

const char* PositionAbbreviation(int position) {
    static constexpr const char* kNames[] = {"  ", "P ", "C ", "1B", "2B", "3B",
                                             "SS", "LF", "CF", "RF", "DH"};
    return (position >= 1 && position <= 10) ? kNames[position] : "  ";
}

}  // namespace

void StartGame(Game& game) {
    GameState& s = game.state;
    const GameOptions& o = game.options;
    s = GameState{};
    // Only the two teams' counters are ever written: clearing slot 0 as
    // well would add half as much again to the cost of starting a game.
    // Nobody past the end of a roster takes part in a game, so the rows past
    // the longer of the last game's roster and this one's are still clear.
    GameCounters& c = game.counters;
    for (int t = kVisitors; t <= kHome; ++t) {
        const int rows = std::max(game.counterRows[t], RosterEnd(game.team(t)));
        ClearRows(c.batter[t], rows);
        ClearRows(c.pitcher[t], rows);
        ClearRows(c.fielder[t], rows);
        game.counterRows[t] = RosterEnd(game.team(t));
        c.team[t].clear();
    }
    c.wildPitches = 0;
    c.passedBalls = 0;
    c.doubleSwitches = 0;
    // A counter added to the record must be cleared above as well.
    static_assert(sizeof(GameCounters) == sizeof(c.batter) + sizeof(c.pitcher) + sizeof(c.fielder) +
                                              sizeof(c.team) + 3 * sizeof(int));
    game.pitchLimits = PitchLimitCache{};
    game.fieldingAverages = FieldingAverageCache{};
    // Each game looks its fielders up afresh, as a line-up read from a file is
    // searched from its first slot.
    game.fielderSlots = FielderSlotCache{};
    ForgetMatchupRates(game);
    game.flags = StrategyFlags{};

    s.rules.regulationInnings =
        game.config.regulationInnings > 0 ? game.config.regulationInnings : 9;
    s.rules.automaticRunner = o.automaticRunner;
    s.display.showPlayByPlay = o.displayed;
    s.display.playDelay = o.displayed ? o.playDelay : 0;
    s.display.soundOn = o.sound && s.display.playDelay > 0;
    s.display.userManaged = o.userManaged;
    s.inning = 1;
    s.seed = game.rng.seed();
    // The wording follows the game's place in the stream, so a replayed run
    // is told the same way, without drawing from the game's generator.
    if (o.displayed) game.wording = Rng(game.rng.fingerprint());

    for (int t = kVisitors; t <= kHome; ++t) {
        Team& team = game.team(t);
        // Entries exchange names during a game (a pitcher's name goes to his
        // batting slot): room for the longest name, so that none allocates.
        for (int e = 0; e <= RosterEnd(team); ++e) team.player(e).playerName.reserve(kNameRoom);
        // Without a rotation's choice the first pitcher of the staff starts.
        int starter = o.starter[t];
        if (starter <= 0) starter = kFirstPitcherEntry;
        s.currentPitcher[t] = starter;
        s.pitchersUsed[t] = 1;
        s.pitcherList[t][1] = starter;
        game.counters.pitch(t, starter).started = true;

        // The line-up's card texts are built only for a card that keeps them
        // (the state is fresh: there is no home run for an entry to clear).
        const bool cardKept = game.scoreCardKept();
        if (cardKept)
            WriteScoreCard(game, t, 0, 'X', (CardText() << "~Lineup: " << team.teamName).view());
        for (int slot = 1; slot <= kLineupSize; ++slot) {
            int position = team.player(slot).lineupPosition;
            int entry = position == kPitcher ? starter : SlotPlayer(game, t, slot);
            game.counters.of(t).slotHistory[slot].push({entry, position});
            if (cardKept) WriteScoreCard(game, t, entry, '0', PositionAbbreviation(position));
        }
    }
    ParkTerms(game);
    if (game.displayed()) {
        game.narration->redrawScoreboard();
        game.narration->redrawField();
    }
}

}  // namespace vrk
