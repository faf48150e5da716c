#pragma once
#include <array>
#include <memory>
#include <string>

#include "core/rng.h"
#include "data/config.h"
#include "data/team.h"
#include "engine/game.h"

namespace vrk::testing {

// League context with the hit-type shares filled in from the rates.
inline LeagueContext AverageLeague() {
    LeagueContext c;
    float sum = c.singleRate + c.doubleRate + c.tripleRate + c.homeRunRate;
    c.singleShare = c.singleRate / sum;
    c.doubleShare = c.doubleRate / sum;
    c.tripleShare = c.tripleRate / sum;
    c.homeRunShare = c.homeRunRate / sum;
    return c;
}

// A season line: at-bats (innings for a pitcher), hits by kind, walks, strikeouts.
inline void SetLine(Player& p, int atBats, int hits, int doubles, int triples, int homeRuns,
                    int walks, int strikeouts) {
    p.atBats = atBats;
    p.hits = hits;
    p.doubles = doubles;
    p.triples = triples;
    p.homeRuns = homeRuns;
    p.walks = walks;
    p.strikeouts = strikeouts;
}

// The bases as the slots on first, second and third (0 = empty).
inline std::array<int, 3> Bases(const GameState& s) {
    return {s.runnerOnFirst, s.runnerOnSecond, s.runnerOnThird};
}
inline void SetBases(GameState& s, int first, int second, int third) {
    s.runnerOnFirst = first;
    s.runnerOnSecond = second;
    s.runnerOnThird = third;
}

// A batter of about 600 plate appearances at the league's rates.
inline Player AverageBatter(const std::string& name, int position) {
    Player p;
    p.playerName = name;
    p.nameAsLoaded = name;
    SetLine(p, 551, 131, 23, 3, 11, 49, 84);
    p.runsBattedIn = 60;
    p.hand = 'R';
    p.defense = 980;
    p.games = 150;
    p.speed = 5;
    p.positionCode[1] = position;
    p.gamesAtPosition[1] = position == kDesignatedHitter ? 0 : 150;
    p.defaultPosition = position;
    p.lineupPosition = position;
    return p;
}

// A starting pitcher of about 850 batters faced at the league's rates.
inline Player AveragePitcher(const std::string& name) {
    Player p;
    p.playerName = name;
    p.nameAsLoaded = name;
    SetLine(p, 200, 187, 33, 5, 16, 69, 119);  // 200 innings
    p.runsBattedIn = 400;                      // ERA x 100
    p.hand = 'R';
    p.games = 32;
    p.gamesAtPosition[1] = 32;  // games started
    p.positionCode[1] = kPitcher;
    p.defaultPosition = kPitcher;
    p.speed = 1;
    return p;
}

// A league-average team with a designated hitter in slot 9 (or, without
// one, the pitcher batting ninth) and six pitchers, entries 10 to 15.
inline Team AverageTeam(const std::string& name, bool designatedHitter = true) {
    Team t;
    t.teamName = name;
    t.league = 'A';
    t.lastPitcherEntry = 15;
    t.playerCount = 18;
    t.pitcherGamesData = true;
    t.hrAllowedData = true;
    t.leagueContext = AverageLeague();
    static const char* kNames[] = {"Abel, Al",  "Baker, Bo", "Cole, Cy",  "Dunn, Dee", "Eads, Ed",
                                   "Funk, Fay", "Gore, Gus", "Hale, Hal", "Ives, Ike"};
    for (int slot = 1; slot <= 9; ++slot) {
        int position = slot == 9 ? kDesignatedHitter : slot + 1;
        t.player(slot) = AverageBatter(kNames[slot - 1], position);
        t.player(slot).lineupPlayer = slot;
    }
    for (int e = 10; e <= 15; ++e) {
        Player& p = t.player(e) = AveragePitcher("Pitcher, No" + std::to_string(e));
        if (e == 10) continue;
        SetLine(p, 70, 65, 11, 2, 6, 24, 42);  // relievers: 70 innings in 60 games, no starts
        p.games = 60;
        p.gamesAtPosition[1] = 0;
    }
    for (int e = 16; e <= 18; ++e) {
        t.player(e) = AverageBatter("Bench, No" + std::to_string(e), kLeftField);
        t.player(e).lineupPosition = 0;
    }
    if (!designatedHitter) {
        t.player(9).lineupPosition = kPitcher;
        t.player(9).lineupPlayer = 10;
    }
    return t;
}

// Two average teams, a configuration and a generator, with a Game over them.
struct GameFixture {
    explicit GameFixture(std::uint64_t seed = 1, bool designatedHitter = true) : rng(seed) {
        teams[1] = AverageTeam("VISITORS    ", designatedHitter);
        teams[2] = AverageTeam("HOMETOWN    ", designatedHitter);
        normalization = AverageLeague();
        game = std::make_unique<Game>(teams, normalization, config, rng);
        game->options.designatedHitter = designatedHitter;
    }
    std::array<Team, 3> teams;
    LeagueContext normalization;
    Config config;
    Rng rng;
    std::unique_ptr<Game> game;
};

// Visitors' slot `slot` at the plate against entry 10 as the half-inning
// loop leaves him: bases empty, nobody out, no score, no strategy.
inline void AtThePlate(Game& g, int slot) {
    GameState& s = g.state;
    s.battingTeam = kVisitors;
    s.fieldingTeam = kHome;
    s.lastBatterSlot[kVisitors] = slot;
    s.currentBatterSlot = slot;
    s.batter = slot;
    s.pitcher = 10;
    s.outs = 0;
    s.plateAppearanceContinues = false;
    SetBases(s, 0, 0, 0);
    s.score = {0, 0, 0};
    s.playResult.clear();
    g.flags = StrategyFlags{};
}

// Outs made by a fielding team so far: its pitchers' outs and its putouts.
struct FieldingOuts {
    int pitcherOuts = 0;
    int putouts = 0;
};
inline FieldingOuts OutsSoFar(const Game& g, int team) {
    FieldingOuts outs;
    for (int e = 1; e <= kMaxRosterEntries; ++e) {
        outs.pitcherOuts += g.state.outsRecorded[team][e];
        outs.putouts += g.counters.fielder[team][e].putouts;
    }
    return outs;
}

}  // namespace vrk::testing
