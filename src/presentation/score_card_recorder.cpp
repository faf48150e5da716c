#include "presentation/score_card_recorder.h"

namespace vrk {

void ScoreCardRecorder::entry(int team, int player, char code, std::string_view text) {
    const GameState& s = game_.state;
    const int side = s.battingTeam;
    const int runs = s.score[static_cast<std::size_t>(side)];
    const int half = s.inning * 2 + side;
    // The first record of a half inning may come after runs have scored in
    // it; the half's runs tell where it started.
    if (half != halfInning_) {
        halfInning_ = half;
        runsSnapshot_ = runs - s.halfInningRuns;
    }
    ScoreCardSituation situation;
    situation.inning = s.inning;
    situation.onFirst = s.runnerOnFirst != 0;
    situation.onSecond = s.runnerOnSecond != 0;
    situation.onThird = s.runnerOnThird != 0;
    situation.runsSinceSnapshot = runs - runsSnapshot_;
    const std::size_t before = card_.records.size();
    ScoreCardEntry(card_, team, player, code, text, situation);
    if (card_.records.size() > before) {
        const int nameSide = code == 'A' ? otherTeam(team) : team;
        if ((nameSide == kVisitors || nameSide == kHome) && player >= 1 &&
            player <= kMaxRosterEntries) {
            card_.records.back().name = game_.team(nameSide).player(player).playerName;
        }
    }
    if (code == ' ' || code == '8') runsSnapshot_ = runs;
}

void ScoreCardRecorder::clear() {
    card_ = {};
    halfInning_ = 0;
    runsSnapshot_ = 0;
}

}  // namespace vrk
