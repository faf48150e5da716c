// Start and end of a half inning: the defence check, the new pitcher, the
// automatic runner and the inning summary.
#include <string>

#include "engine/anthem.h"
#include "engine/engine_helpers.h"
#include "engine/fielding.h"
#include "engine/game.h"
#include "engine/game_texts.h"
#include "engine/half_inning.h"
#include "engine/message_registry.h"
#include "engine/pitching_change.h"

namespace vrk {

namespace {

// Returns true when a new pitcher came in.
bool CheckDefence(Game& game) {
    GameState& s = game.state;
    int ft = s.fieldingTeam;
    const Team& team = game.team(ft);
    int pitchers = 0;
    // Unrolled and counted without a branch: the loop's exit was the
    // mispredicted branch of every half inning.
#pragma GCC unroll 9
    for (int slot = 1; slot <= kLineupSize; ++slot) {
        pitchers += int(team.player(slot).lineupPosition == kPitcher);
    }
    if (pitchers > 1) ReportFault(game, "More than one pitcher in batting order! ", "");
    if (!s.pitcherReplaced[ft]) return false;
    s.pitcherReplaced[ft] = false;
    int reliever = game.managers->replacePitcher(game, ft);
    if (reliever <= 0) {
        if (!s.display.userManaged[ft]) ReportFault(game, "AutoManager is out of pitchers!", "");
        return false;
    }
    BringInPitcher(game, ft, reliever);
    return true;
}

void CheckAlignment(Game& game) {
    const GameState& s = game.state;
    int ft = s.fieldingTeam;
    const Team& team = game.team(ft);
    for (int slot = 1; slot <= kLineupSize; ++slot) {
        int position = team.player(slot).lineupPosition;
        if (position == 0) {
            SayText(game, "Lineup error: No Position");
            continue;
        }
        if (position == kPitcher || position == kDesignatedHitter) continue;
        const Player& p = team.player(SlotPlayer(game, ft, slot));
        if (game.config.outOfPositionMsg && !PlaysInPosition(p, position)) {
            SayText(game, "Note: " + SpokenName(p) + " is playing out-of-position.", ft);
        }
    }
}

void Anthem(Game& game) {
    GameState& s = game.state;
    if (s.anthemPlayed || !game.paced()) return;
    s.anthemPlayed = true;
    if (s.display.soundOn) {
        SayText(game, "Our National Anthem...");
        game.narration->showPlay();
        game.pacer->wait(1000);
        SayText(game, "Click or hit any key to continue...");
        game.narration->showPlay();
        std::string_view files[2];
        int n = AnthemOrder(game, files);
        for (int i = 0; i < n; ++i) game.sound->anthem(files[i]);
        game.pacer->wait(1000);
        PlayWav(game, "4540.wav");
        game.pacer->wait(1000);
    } else {
        SayText(game, "We're set for the first pitch...");
        game.narration->showPlay();
        game.pacer->wait(1500);
    }
}

}  // namespace

int ScoreboardColumn(int inning) {
    return (inning - 1) % 10 + 1;
}

void StartHalfInning(Game& game) {
    GameState& s = game.state;
    s.halfInningRuns = 0;
    s.halfInningHits = 0;
    s.halfInningErrors = 0;
    s.halfInningAdvanceErrors = 0;
    s.halfInningLeftOnBase = 0;
    s.outs = 0;
    s.runnerOnFirst = s.runnerOnSecond = s.runnerOnThird = 0;
    s.responsiblePitcher = {};
    s.appearance.pitchOuts = 0;
    s.appearance.ballsFromWildPitches = 0;
    s.appearance.throwOverMade = false;
    s.appearance.continues = false;
    game.flags.clearPlateAppearance();
    s.appearance.startingScore = s.score[s.battingTeam];
    if (game.displayed()) {
        game.narration->redrawField();
        game.narration->redrawScoreboard();
    }

    // Ten innings to a scoreboard page; a new page starts blank.
    s.scoreboardInning = ScoreboardColumn(s.inning);
    if (s.scoreboardInning == 1 && s.battingTeam == kVisitors) s.lineScore = {};

    s.fieldingTeam = otherTeam(s.battingTeam);
    s.pitcher = s.currentPitcher[s.fieldingTeam];
    if (s.inning == 1 && s.outs == 0 && s.basesEmpty()) {
        WriteScoreCard(game, s.battingTeam, s.pitcher, 'A', "[Starter] ");
    }
    bool newPitcher = CheckDefence(game);
    if (s.inning == 1 && s.battingTeam == kVisitors && game.displayed()) Anthem(game);
    if (game.paced()) {
        if (newPitcher) {
            SayText(game, "Now pitching for '" + game.fieldingSide().teamName + ":");
            Say(game, msg::kNewPitcher, s.pitcher, s.fieldingTeam);
            game.narration->showPlay();
            Pace(game, 1500);
        }
        CheckAlignment(game);
    }
    PlaceAutomaticRunner(game);
}

void PlaceAutomaticRunner(Game& game) {
    GameState& s = game.state;
    if (!s.rules.automaticRunner || s.inning <= s.rules.regulationInnings) return;
    int bt = s.battingTeam;
    int slot = s.lastBatterSlot[bt];
    if (slot < 1 || slot > kLineupSize) slot = kLineupSize;
    s.runnerOnSecond = slot;
    s.responsiblePitcher[bt][slot] = -s.pitcher;
    s.appearance.startingScore = s.score[bt];
    int runner = SlotPlayer(game, bt, slot);
    WriteScoreCard(game, bt, runner, 'R', "Auto-R");
    if (game.paced()) {
        game.narration->redrawField();
        SayText(game,
                "Automatic runner, " + SpokenName(game.team(bt).player(runner)) + " is on second.",
                bt);
        game.narration->showPlay();
        game.pacer->wait(2000);
    }
}

void EndHalfInning(Game& game) {
    GameState& s = game.state;
    s.halfInningLeftOnBase = s.runnersOn();
    game.counters.of(s.battingTeam).leftOnBase += s.halfInningLeftOnBase;
    if (game.paced()) {
        std::string line = InningSummaryText(s.halfInningRuns, s.halfInningHits, s.halfInningErrors,
                                             s.halfInningLeftOnBase);
        std::string_view lines[] = {line};
        game.narration->window("Inning Summary", lines);
        Pace(game, 1000);
        game.narration->closeWindow();
    }
}

std::string InningSummaryText(int runs, int hits, int errors, int leftOnBase) {
    std::string t;
    t += runs == 0 ? "No runs - " : runs == 1 ? "1 run - " : std::to_string(runs) + " runs - ";
    t += hits == 0 ? "no hits - " : hits == 1 ? "1 hit - " : std::to_string(hits) + " hits - ";
    t += errors == 0   ? "no errors, "
         : errors == 1 ? "1 error, "
                       : std::to_string(errors) + " errors, ";
    t += leftOnBase == 0 ? "nobody left" : std::to_string(leftOnBase) + " left on base";
    return t;
}

}  // namespace vrk
