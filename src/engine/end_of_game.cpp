// The end of a game: the winner, the save and the starter's win, the
// simulation totals, highlights and the closing texts.
#include <string>

#include "engine/end_of_game.h"
#include "engine/engine_helpers.h"
#include "engine/game.h"
#include "engine/highlights.h"

namespace vrk {

namespace {

int Outs(const GameState& s, TeamEntry p) {
    return s.outsRecorded[p.team][p.entry];
}

void AddTotals(Game& game) {
    if (game.record == nullptr) return;
    SimulationRecord& r = *game.record;
    const GameState& s = game.state;
    int pitchers = s.pitchersUsed[kVisitors] + s.pitchersUsed[kHome];
    if (game.options.designatedHitter) {
        ++r.gamesWithDh;
        r.pitchersUsedWithDh += pitchers;
    } else {
        ++r.gamesWithoutDh;
        r.pitchersUsedWithoutDh += pitchers;
    }
    r.doublePlays +=
        game.counters.team[kVisitors].doublePlays + game.counters.team[kHome].doublePlays;
    r.wildPitches += game.counters.wildPitches;
    r.passedBalls += game.counters.passedBalls;
    r.doubleSwitches += game.counters.doubleSwitches;
    for (int t = kVisitors; t <= kHome; ++t) {
        const TeamCounters& tc = game.counters.of(t);
        for (int pos = 1; pos <= 10; ++pos) {
            r.fieldingChances[pos] +=
                tc.positionPutouts[pos] + tc.positionAssists[pos] + tc.positionErrors[pos];
        }
        r.teamSpeedTotal += game.team(t).averageTeamSpeed;
        r.appearancesPerStartTotal += game.team(t).appearancesPerStart;
    }
}

void DecidePitchersOfRecord(Game& game) {
    GameState& s = game.state;
    int w = s.winner;
    const auto& list = s.pitcherList[w];
    TeamEntry finalPitcher{w, list[s.pitchersUsed[w]]};
    s.savePitcher = {};
    if (finalPitcher.entry > 0 && !(finalPitcher == s.winningPitcher)) {
        bool save = s.firstSaveMark == finalPitcher ||
                    (s.secondSaveMark == finalPitcher && Outs(s, finalPitcher) >= 3) ||
                    Outs(s, finalPitcher) >= 9;
        if (save) s.savePitcher = finalPitcher;
    }
    TeamEntry starter{w, list[1]};
    if (s.winningPitcher == starter && Outs(s, starter) <= 14 && s.pitchersUsed[w] >= 2) {
        s.winningPitcher = {w, list[2]};
        // One pitcher cannot take both the win and the save.
        if (s.savePitcher == s.winningPitcher) s.savePitcher = {};
    }
}

}  // namespace

void FinishGame(Game& game) {
    GameState& s = game.state;
    if (s.stoppedByFault) {
        // No winner, no pitchers of record, nothing for the simulation's totals.
        s.winner = 0;
        s.winningPitcher = s.losingPitcher = s.savePitcher = {};
        s.gameOver = true;
        if (game.displayed()) {
            std::string_view lines[] = {"The game was stopped: it could not end.",
                                        "Select an Option from the Menu Bar below."};
            game.narration->window("", lines);
        }
        return;
    }
    AddTotals(game);
    s.winner = s.score[kVisitors] < s.score[kHome] ? kHome : kVisitors;
    DecidePitchersOfRecord(game);
    CollectHighlights(game);
    if (game.record != nullptr) ++game.record->gamesCompleted;
    s.gameOver = true;
    if (game.displayed()) {
        // The spoken lines come first, as a play of their own: showing a play
        // redraws the field, which would cover a window already open.
        if (s.display.soundOn) {
            game.narration->startPlay();
            SayText(game, "That's the ballgame!");
            SayText(game, game.team(s.winner).teamName + " takes this one.", s.winner);
            game.narration->showPlay();
        }
        std::string winner = "WINNER: '" + game.team(s.winner).teamName;
        // The seed lets the user play the same games again (/SEED:).
        std::string seed = "Seed: " + std::to_string(s.seed);
        std::string_view lines[] = {"That's the ballgame!", winner, seed,
                                    "Select an Option from the Menu Bar below."};
        game.narration->window("", lines);
    }
}

}  // namespace vrk
