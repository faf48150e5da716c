#include "shell/batch_game.h"

#include "core/text_fields.h"

namespace vrk {

BatchRules batchRulesFrom(const RunSettings& run, const Config& config) {
    BatchRules rules;
    if (!run.dhRule.empty()) rules.dhChoice = run.dhRule;
    rules.regression = run.regressionOption == "Y";
    rules.normalizeMode = run.normalizeMode;
    rules.normalization = normalizationTarget(config.leagueRows, run.normalizeMode);
    return rules;
}

GameResult playUndisplayedGame(Game& game, const BatchRules& rules, BatchCarry& carry) {
    const Team& visitors = game.team(kVisitors);
    const Team& home = game.team(kHome);
    carry.designatedHitter =
        designatedHitterGame(rules.dhChoice, visitors, home, carry.designatedHitter);
    carry.automaticRunner =
        automaticRunnerGame(rules.autoRunnerChoice, home, carry.automaticRunner);

    GameOptions& o = game.options;
    o = GameOptions{};
    o.regressionOption = rules.regression;
    o.normalizeMode = rules.normalizeMode;
    o.normalizationHomeRunRate = rules.normalization.homeRunRate;
    o.designatedHitter = carry.designatedHitter;
    o.automaticRunner = carry.automaticRunner;
    o.playDelay = 0;
    o.displayed = false;
    o.sound = false;
    o.userManaged = {false, false, false};
    o.starter[kVisitors] = nextStarter(carry.starters, visitors);
    o.starter[kHome] = nextStarter(carry.starters, home);
    game.record = &carry.record;
    return PlayGame(game);
}

std::string pitcherOfRecord(const Game& game, const TeamEntry& who) {
    if (who.empty() || who.team < kVisitors || who.team > kHome || who.entry < 1 ||
        who.entry > kMaxRosterEntries) {
        return {};
    }
    return std::string(trim(game.team(who.team).player(who.entry).playerName));
}

std::string shownTeamName(const Team& team) {
    return std::string(trim(team.teamName));
}

}  // namespace vrk
