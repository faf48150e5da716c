// Every run passes through here: the score, the line score, runs batted in,
// earned runs and the pitchers of record.
#include <cstdlib>

#include "engine/engine_helpers.h"
#include "engine/message_registry.h"
#include "engine/score_run.h"

namespace vrk {

namespace {

// Steps shared by a runner's run and the batter's own run on a home run.
void CountRun(Game& game, int runnerEntry, int responsible, bool earnedPossible) {
    GameState& s = game.state;
    int bt = s.battingTeam;
    int ft = s.fieldingTeam;
    s.score[bt] += 1;
    s.halfInningRuns += 1;
    if (s.scoreboardInning >= 1 && s.scoreboardInning <= 10)
        s.lineScore[bt][s.scoreboardInning] += 1;
    if (s.inning < 31) game.counters.of(bt).runsByInning[s.inning] += 1;

    if (!s.play.errorOnPlay && !s.play.noRbiOnPlay && s.batter > 0) {
        BatterCounters& b = game.counters.bat(bt, s.batter);
        ++b.runsBattedIn;
    }
    if (runnerEntry > 0) ++game.counters.bat(bt, runnerEntry).runs;
    int charged = std::abs(responsible);
    if (charged > 0) {
        PitcherCounters& p = game.counters.pitch(ft, charged);
        ++p.runs;
        if (earnedPossible && responsible > 0 &&
            s.outs + (s.halfInningErrors - s.halfInningAdvanceErrors) < 3 && !s.play.errorOnPlay) {
            ++p.earnedRuns;
        }
    }

    int own = s.score[bt];
    int other = s.score[ft];
    if (own == other) {
        s.winningPitcher = {};
        s.losingPitcher = {};
        s.savePitcher = {};
        if (!s.firstSaveMark.empty() || !s.secondSaveMark.empty()) {
            s.firstSaveMark = {};
            s.secondSaveMark = {};
            if (s.inning > s.rules.regulationInnings - 3) {
                ++game.counters.pitch(ft, s.currentPitcher[ft]).blownSaves;
            }
        }
    } else if (own == other + 1) {
        s.winningPitcher = {bt, s.currentPitcher[bt]};
        s.losingPitcher = {ft, charged};
    }
}

}  // namespace

void ScoreRun(Game& game, int runnerSlot) {
    GameState& s = game.state;
    int bt = s.battingTeam;
    // Once the home side leads in its last half inning the game is over:
    // further runners do not score (a home run counts all its runs).
    if (!s.play.homeRunInProgress && s.inning >= s.rules.regulationInnings && bt == kHome &&
        s.score[kHome] > s.score[kVisitors]) {
        return;
    }
    int slot = (runnerSlot >= 1 && runnerSlot <= kLineupSize) ? runnerSlot : 0;
    int responsible = slot ? s.responsiblePitcher[bt][slot] : 0;
    CountRun(game, SlotPlayer(game, bt, slot), responsible, true);
    if (!s.play.homeRunInProgress && !s.appearance.runAnnounced && s.display.playDelay != 0) {
        SayRunner(game, msg::kRunScores, slot);
    }
}

void ScoreBatterRun(Game& game) {
    GameState& s = game.state;
    CountRun(game, s.batter, s.pitcher, true);
}

void AnnounceRun(Game& game, int runnerSlot) {
    if (runnerSlot == 0) return;
    SayRunner(game, msg::kRunScores, runnerSlot);
    game.state.appearance.runAnnounced = true;
}

}  // namespace vrk
