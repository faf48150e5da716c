#include "shell/batch_game.h"

#include "core/text_fields.h"
#include "managers/auto_lineup.h"
#include "managers/batting_order.h"
#include "managers/starters.h"
#include "shell/designated_hitter_lineup.h"

namespace vrk {

namespace {

char firstLetter(const std::string& text) {
    return text.empty() ? ' ' : text.front();
}

}  // namespace

BatchRules batchRulesFrom(const RunSettings& run, const Config& config) {
    BatchRules rules;
    if (!run.dhRule.empty()) rules.dhChoice = run.dhRule;
    if (!run.autoRunnerRule.empty()) rules.autoRunnerChoice = run.autoRunnerRule;
    rules.regression = run.regressionOption == "Y";
    rules.statisticsRecorded = !run.statsSet.empty();
    rules.normalizeMode = run.normalizeMode;
    rules.normalization = normalizationTarget(config.leagueRows, run.normalizeMode);
    if (!run.rotationMethod.empty()) rules.rotation.defaultMethod = run.rotationMethod;
    rules.rotation.spotStarters = firstLetter(run.spotStarters) == 'Y' ? 'Y' : 'N';
    for (int t = kVisitors; t <= kHome; ++t) {
        rules.rotation.teamMethod[t] = run.teamRotation[t];
        rules.rotation.teamSpotStarters[t] = firstLetter(run.teamSpotStarters[t]);
        rules.autoLineup[t] = run.autoLineup[t] == "Y";
        rules.battingOrder[t] = firstLetter(run.battingOrder[t]);
    }
    return rules;
}

void BatchFaults::fault(std::string_view label, std::string_view detail) {
    std::string text(label);
    if (!detail.empty()) text += concat({" ", detail});
    if (seen_.insert(text).second) fresh_.push_back(std::move(text));
}

std::vector<std::string> BatchFaults::takeNew() {
    std::vector<std::string> out;
    out.swap(fresh_);
    return out;
}

void prepareUndisplayedGame(Game& game, const BatchRules& rules, BatchCarry& carry) {
    const Team& visitors = game.team(kVisitors);
    const Team& home = game.team(kHome);
    carry.designatedHitter =
        designatedHitterGame(rules.dhChoice, visitors, home, carry.designatedHitter);
    carry.automaticRunner =
        automaticRunnerGame(rules.autoRunnerChoice, home, carry.automaticRunner);

    GameOptions& o = game.options;
    o = GameOptions{};
    o.regressionOption = rules.regression;
    o.statisticsRecorded = rules.statisticsRecorded;
    o.normalizeMode = rules.normalizeMode;
    o.normalizationHomeRunRate = rules.normalization.homeRunRate;
    o.designatedHitter = carry.designatedHitter;
    o.automaticRunner = carry.automaticRunner;
    o.playDelay = 0;
    o.displayed = false;
    o.sound = false;
    o.userManaged = {false, false, false};
    game.record = &carry.record;
    game.errors = &carry.faults;
    game.managers = &carry.managers;

    for (int t = kVisitors; t <= kHome; ++t) fitLineupToRule(game.team(t), o.designatedHitter);
    ChooseStarters(game, carry.rotations, rules.rotation);
    for (int t = kVisitors; t <= kHome; ++t) {
        const bool changed = rules.autoLineup[t] && AUTOLINEUP(game, t);
        BattingOrder(game, t, rules.battingOrder[t], changed);
    }
}

GameResult playUndisplayedGame(Game& game, const BatchRules& rules, BatchCarry& carry) {
    prepareUndisplayedGame(game, rules, carry);
    return PlayManagedGame(game, carry.managers);
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
