#pragma once
#include <array>
#include <memory>
#include <string>

#include "core/rng.h"
#include "data/team.h"
#include "engine/game.h"
#include "shell/config.h"

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

// A batter of about 600 plate appearances at the league's rates.
inline Player AverageBatter(const std::string& name, int position) {
    Player p;
    p.playerName = name;
    p.nameAsLoaded = name;
    p.atBats = 551;
    p.walks = 49;
    p.hits = 131;
    p.doubles = 23;
    p.triples = 3;
    p.homeRuns = 11;
    p.strikeouts = 84;
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
    p.atBats = 200;  // innings pitched
    p.hits = 187;
    p.doubles = 33;
    p.triples = 5;
    p.homeRuns = 16;
    p.walks = 69;
    p.strikeouts = 119;
    p.runsBattedIn = 400;  // ERA x 100
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
        t.player(e) = AveragePitcher("Pitcher, No" + std::to_string(e));
        if (e > 10) {
            t.player(e).atBats = 70;
            t.player(e).hits = 65;
            t.player(e).walks = 24;
            t.player(e).strikeouts = 42;
            t.player(e).doubles = 11;
            t.player(e).triples = 2;
            t.player(e).homeRuns = 6;
            t.player(e).games = 60;
            t.player(e).gamesAtPosition[1] = 0;
        }
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

}  // namespace vrk::testing
