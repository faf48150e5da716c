// A whole game: innings until one of the three end tests says it is over.
#include "engine/play_game.h"
#include "engine/end_of_game.h"
#include "engine/engine_helpers.h"
#include "engine/game.h"
#include "engine/game_start.h"
#include "engine/half_inning.h"
#include "engine/plate_appearance_loop.h"

namespace vrk {

namespace {

// A game between teams that cannot score would never end; this many innings
// is far beyond any real game.
constexpr int kInningLimit = 99;

GameResult Result(const Game& game) {
    const GameState& s = game.state;
    GameResult r;
    r.score = s.score;
    for (int t = kVisitors; t <= kHome; ++t) {
        r.runsByInning[static_cast<std::size_t>(t)] =
            game.counters.team[static_cast<std::size_t>(t)].runsByInning;
    }
    r.innings = s.inning;
    r.winner = s.winner;
    r.winningPitcher = s.winningPitcher;
    r.losingPitcher = s.losingPitcher;
    r.savePitcher = s.savePitcher;
    r.stopped = s.stoppedByFault;
    r.seed = s.seed;
    return r;
}

}  // namespace

GameResult PlayGame(Game& game) {
    GameState& s = game.state;
    StartGame(game);
    bool over = false;
    while (!over) {
        if (s.inning > s.rules.regulationInnings && s.score[kHome] < s.score[kVisitors]) {
            --s.inning;
            break;
        }
        for (int bt = kVisitors; bt <= kHome && !over; ++bt) {
            s.battingTeam = bt;
            s.fieldingTeam = otherTeam(bt);
            if (s.inning >= s.rules.regulationInnings && s.score[kVisitors] < s.score[kHome] &&
                bt == kHome) {
                over = true;
                break;
            }
            StartHalfInning(game);
            if (!PlayHalfInning(game) || s.stoppedByFault) {
                over = true;
                break;
            }
            EndHalfInning(game);
        }
        if (over) break;
        if (s.inning >= kInningLimit && s.score[kVisitors] == s.score[kHome]) {
            ReportFault(game, "Game stopped", "no decision after 99 innings");
            s.stoppedByFault = true;
            break;
        }
        ++s.inning;
    }
    FinishGame(game);
    return Result(game);
}

}  // namespace vrk
