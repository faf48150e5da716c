#pragma once
// The teams the engine, manager and screen tests play with. Every roster has
// the same shape: catcher to right fielder in slots 1..8, the pitcher's slot
// ninth, pitchers from entry 10, then the bench.
#include <array>
#include <string>

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

// A batter hitting .250 with few walks; at-bats decide who plays.
inline Player MakeBatter(const std::string& name, int position, int atBats, char hand = 'R') {
    Player p;
    p.playerName = p.nameAsLoaded = name;
    p.lineupPosition = p.defaultPosition = position;
    p.atBats = atBats;
    p.hits = atBats / 4;
    p.walks = atBats / 10;
    p.hand = hand;
    p.positionCode[1] = position;
    p.gamesAtPosition[1] = atBats / 4;
    return p;
}

// A pitcher's appearances, starts, innings (held in at-bats) and saves.
inline Player MakePitcher(const std::string& name, int games, int starts, int innings,
                          int saves = 0) {
    Player p;
    p.playerName = p.nameAsLoaded = name;
    p.lineupPosition = p.defaultPosition = kPitcher;
    p.positionCode[1] = kPitcher;
    p.games = games;
    p.gamesAtPosition[1] = starts;
    p.atBats = innings;
    p.caughtStealing = saves;
    p.hand = 'R';
    return p;
}

// A batter of about 600 plate appearances at the league's rates.
inline Player AverageBatter(const std::string& name, int position) {
    Player p = MakeBatter(name, position, 551);
    SetLine(p, 551, 131, 23, 3, 11, 49, 84);
    p.runsBattedIn = 60;
    p.defense = 980;
    p.games = 150;
    p.speed = 5;
    p.gamesAtPosition[1] = position == kDesignatedHitter ? 0 : 150;
    return p;
}

// A starting pitcher of about 850 batters faced at the league's rates.
inline Player AveragePitcher(const std::string& name) {
    Player p = MakePitcher(name, 32, 32, 200);
    SetLine(p, 200, 187, 33, 5, 16, 69, 119);
    p.runsBattedIn = 400;  // ERA x 100
    p.speed = 1;
    return p;
}

// A reliever of 70 innings in 60 games at the league's rates.
inline Player AverageReliever(const std::string& name) {
    Player p = AveragePitcher(name);
    SetLine(p, 70, 65, 11, 2, 6, 24, 42);
    p.games = 60;
    p.gamesAtPosition[1] = 0;
    return p;
}

// A roster of `pitchers` (the first five start, the rest relieve) and `bench`
// bench players; entry 9 holds the pitcher's slot and every entry refers to
// itself, as a team file written without a line-up would load.
inline void BuildTeam(Team& team, const std::string& fileName, int pitchers, int bench = 4) {
    team = Team{};
    team.teamFileName = fileName;
    team.teamName = fileName.substr(0, fileName.find('.'));
    team.league = 'A';
    for (int slot = 1; slot <= 8; ++slot)
        team.player(slot) = MakeBatter("Fielder" + std::to_string(slot), slot + 1, 500);
    team.player(9) = MakeBatter("Pitcher Slot", kPitcher, 60);
    int entry = kFirstPitcherEntry;
    for (int i = 0; i < pitchers; ++i, ++entry) {
        bool starter = i < 5;
        team.player(entry) = MakePitcher("Arm" + std::to_string(entry), starter ? 32 : 60,
                                         starter ? 32 : 0, starter ? 200 : 70);
    }
    team.lastPitcherEntry = entry - 1;
    for (int i = 0; i < bench; ++i, ++entry)
        team.player(entry) = MakeBatter("Bench" + std::to_string(entry), 2 + i % 8, 150);
    team.playerCount = entry - 1;
    for (int e = 1; e <= team.playerCount; ++e) team.player(e).lineupPlayer = e;
    team.pitcherGamesData = true;
}

// A league-average team with a designated hitter in slot 9 (or, without
// one, entry 10 batting ninth), one starter and five relievers at entries
// 10 to 15 and three bench players.
inline Team AverageTeam(const std::string& name, bool designatedHitter = true) {
    Team t;
    BuildTeam(t, "", 6, 3);
    t.teamName = name;
    t.hrAllowedData = true;
    t.leagueContext = AverageLeague();
    static const char* kNames[] = {"Abel, Al",  "Baker, Bo", "Cole, Cy",  "Dunn, Dee", "Eads, Ed",
                                   "Funk, Fay", "Gore, Gus", "Hale, Hal", "Ives, Ike"};
    for (int slot = 1; slot <= 9; ++slot) {
        t.player(slot) = AverageBatter(kNames[slot - 1], slot == 9 ? kDesignatedHitter : slot + 1);
        t.player(slot).lineupPlayer = slot;
    }
    t.player(10) = AveragePitcher("Pitcher, No10");
    for (int e = 11; e <= 15; ++e) t.player(e) = AverageReliever("Pitcher, No" + std::to_string(e));
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

}  // namespace vrk::testing
