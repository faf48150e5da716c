// The plate-appearance loop of a half inning: the walk-off test, the next
// batter and his announcement, then one pass of the pitch loop.
#include <string>

#include "core/text_fields.h"
#include "engine/engine_helpers.h"
#include "engine/game.h"
#include "engine/game_texts.h"
#include "engine/message_registry.h"
#include "engine/pitch_loop.h"
#include "engine/plate_appearance_loop.h"

namespace vrk {

namespace {

std::string Number(int n) {
    return concat({" ", std::to_string(n)});
}

void AnnounceBatter(Game& game, bool continuing) {
    GameState& s = game.state;
    if (continuing) {
        SayBatter(game, msg::kBatterStillUp);
    } else {
        SayBatter(game, msg::kBatterUp);
        const Player& p = game.batterPlayer();
        const BatterCounters& c = game.counters.bat(s.battingTeam, s.batter);
        std::string name = SpokenName(p);
        if (c.atBats > 0) {
            SayText(game, BatterGameLine(name, c), s.battingTeam);
            if (c.homeRuns == 1) {
                SayText(game, game.wording.chance(0.7) ? "And a Home Run!" : "Including a Homer!",
                        s.battingTeam);
            } else if (c.homeRuns >= 2) {
                SayText(game, "And" + Number(c.homeRuns) + " Home Runs!", s.battingTeam);
            }
        } else if (game.options.statisticsRecorded && p.sim.hitStreak >= 4) {
            SayText(game, "He's got a" + Number(p.sim.hitStreak) + "-game Hitting Streak.",
                    s.battingTeam);
        }
    }
    game.narration->showPlay();
}

}  // namespace

bool WalkOffReached(const GameState& s) {
    return s.inning >= s.rules.regulationInnings && s.battingTeam == kHome &&
           s.score[kVisitors] < s.score[kHome];
}

std::string BatterGameLine(const std::string& name, const BatterCounters& c) {
    if (c.atBats <= 0) return {};
    if (c.hits == 0) return name + "'s hitless in" + Number(c.atBats) + " tries.";
    std::string line = name + "'s" + Number(c.hits) + " for" + Number(c.atBats);
    if (c.runsBattedIn == 1) return line + " with an RBI.";
    if (c.runsBattedIn >= 2) return line + " with" + Number(c.runsBattedIn) + " RBI's!";
    return line + ".";
}

bool PlayHalfInning(Game& game) {
    GameState& s = game.state;
    int bt = s.battingTeam;
    for (int pass = 0;; ++pass) {
        // A line-up that cannot be put out would bat for ever and run the
        // score past any counter.
        if (pass >= kHalfInningPassLimit) {
            ReportFault(game, "Game stopped",
                        "a half inning of " + std::to_string(kHalfInningPassLimit) +
                            " plays could not end");
            s.stoppedByFault = true;
            return false;
        }
        if (s.display.playDelay == 0) {
            s.display.soundOn = false;
        } else if (game.config.displayFatigue == 'Y' && game.displayed()) {
            game.narration->fatigue(FatigueText(game));
        }
        if (WalkOffReached(s)) return false;
        if (s.outs > 2) return true;

        int next = s.lastBatterSlot[bt] + 1;
        if (next > kLineupSize) next = 1;
        s.lastBatterSlot[bt] = next;
        s.currentBatterSlot = next;
        if (game.paced()) game.narration->markBatter(bt, next);

        bool continuing = s.appearance.continues;
        s.appearance.continues = false;
        if (!continuing) {
            s.appearance.pinchHitter = false;
            s.appearance.runAnnounced = false;
            s.appearance.startingScore = s.score[bt];
        }
        s.batter = SlotPlayer(game, bt, s.currentBatterSlot);
        if (game.displayed() && (s.display.playDelay > 0 || s.display.userManaged[kVisitors] ||
                                 s.display.userManaged[kHome])) {
            AnnounceBatter(game, continuing);
        }
        PlayPass(game);
    }
}

}  // namespace vrk
