#include "shell/batch_game_files.h"

#include <ctime>

#include "core/text_fields.h"

#include "data/config_folders.h"
#include "engine/stats_record_game.h"
#include "presentation/box_score.h"
#include "presentation/game_files.h"
#include "presentation/gender_text.h"

namespace vrk {

namespace {

std::tm Now() {
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    return local;
}

}  // namespace

std::optional<std::string> perGameFileProblem(const RunSettings& settings) {
    const std::vector<std::pair<std::string, std::string>> named{{"/LS:", settings.lineScoreFile},
                                                                 {"/BX:", settings.boxScoreFile},
                                                                 {"/SC:", settings.scoreCardFile},
                                                                 {"/STB:", settings.vazaZevFile}};
    std::vector<std::string> reserved{kBoxScoreFileName};
    if (!settings.statsSet.empty()) {
        for (const char* ext : {".STS", ".STB", ".STP", ".STF", ".STH", ".RES", ".ROT", ".STD"}) {
            reserved.push_back(upperCase(settings.statsSet) + ext);
        }
    }
    std::vector<std::string> seen;
    for (const auto& [option, name] : named) {
        const std::string upper = upperCase(trim(name));
        if (upper.empty() || IsPrinterName(upper)) continue;
        for (const std::string& r : reserved) {
            if (upper == r) return "vrk --batch: " + option + upper + " would overwrite " + r + ".";
        }
        for (const std::string& other : seen) {
            if (upper == other)
                return "vrk --batch: the per-game files must have different names (" + upper + ").";
        }
        seen.push_back(upper);
    }
    return std::nullopt;
}

void BatchGameFiles::use(const RunSettings& settings, const Config& config) {
    folder_ = writeFolder(config);
    lineScoreFile_ = settings.lineScoreFile;
    boxScoreFile_ = settings.boxScoreFile;
    scoreCardFile_ = settings.scoreCardFile;
    vazaZevFile_ = settings.vazaZevFile;
}

bool BatchGameFiles::any() const {
    return !lineScoreFile_.empty() || !boxScoreFile_.empty() || !scoreCardFile_.empty() ||
           !vazaZevFile_.empty();
}

void BatchGameFiles::attach(Game& game) {
    card_.reset();
    if (scoreCardFile_.empty()) return;
    card_ = std::make_unique<ScoreCardRecorder>(game);
    game.scoreCard = card_.get();
}

std::optional<std::string> BatchGameFiles::write(const Game& game, const StatsSet* season,
                                                 long gameNumber, std::vector<std::string>& notes) {
    if (!any()) return std::nullopt;
    const std::vector<std::string> box = BoxScoreLines(game, {season, game.state.seed});
    if (auto problem = WriteLines(folder_ + kBoxScoreFileName, box)) return problem;
    const std::tm now = Now();
    const LineScore score = BoxLineScore(game);
    const auto append = [&](const std::string& name,
                            const std::vector<std::string>& lines) -> std::optional<std::string> {
        const PerGameOutcome outcome = AppendPerGameFile(name, folder_, lines, printer_);
        if (!outcome.kept) return outcome.message;
        if (!outcome.message.empty()) notes.push_back(outcome.message);
        return std::nullopt;
    };
    if (!lineScoreFile_.empty()) {
        const auto header = PerGameHeader(now, gameNumber, kLineScoreDashes);
        if (auto problem = append(lineScoreFile_, LineScoreFileEntry(header, score))) {
            return problem;
        }
    }
    if (!boxScoreFile_.empty()) {
        const auto header = PerGameHeader(now, gameNumber, kBoxScoreDashes);
        if (auto problem = append(boxScoreFile_, BoxScoreFileEntry(header, box))) return problem;
    }
    if (!scoreCardFile_.empty() && card_) {
        const TeamRefs teams{nullptr, &game.team(kVisitors), &game.team(kHome)};
        const auto header = PerGameHeader(now, gameNumber, kScoreCardDashes);
        const auto lines = ScoreCardFileEntry(header, score, ScoreCardLines(card_->card(), teams));
        if (auto problem = append(scoreCardFile_, lines)) return problem;
    }
    const std::vector<std::string> highlights =
        game.record ? GameHighlightTexts(*game.record, game.record->gamesCompleted)
                    : std::vector<std::string>{};
    if (!vazaZevFile_.empty() && !highlights.empty()) {
        std::vector<std::string> lines{PerGameHeader(now, gameNumber, kBoxScoreDashes)};
        lines.insert(lines.end(), highlights.begin(), highlights.end());
        const auto entry = BoxScoreFileEntry("", box);
        lines.insert(lines.end(), entry.begin() + 1, entry.end());
        if (auto problem = append(vazaZevFile_, lines)) return problem;
    }
    return std::nullopt;
}

}  // namespace vrk
