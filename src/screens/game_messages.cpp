#include "screens/game_messages.h"

#include <cctype>

#include "core/paths.h"
#include "data/config_folders.h"
#include "presentation/box_score.h"
#include "presentation/text_output.h"
#include "screens/file_viewer.h"
#include "screens/score_card_viewer.h"

namespace vrk {

namespace {

char upper(std::string_view key) {
    if (key.size() != 1) return 0;
    return static_cast<char>(std::toupper(static_cast<unsigned char>(key[0])));
}

}  // namespace

std::string tellUser(Console& console, std::string_view text, int attribute) {
    const int row = playAreaTop(console.rows()) + 10;
    const int width = static_cast<int>(std::min<std::size_t>(text.size(), 76));
    const int col = playAreaLeft(console.cols()) + std::max(2, 40 - width / 2 - 2);
    return console.messageBox(row, col, text, attribute);
}

char askKey(Console& console, std::string_view question) {
    return upper(tellUser(console, question));
}

bool askYesNo(Console& console, std::string_view question, bool defaultYes) {
    const char key = askKey(console, question);
    if (key == 'Y') return true;
    if (key == 'N') return false;
    return defaultYes;
}

void showBoxScoreSoFar(Console& console, const Config& config, const Game& game) {
    const std::string path = writeFolder(config) + kBoxScoreFileName;
    if (const auto problem = WriteLines(path, BoxScoreLines(game, {nullptr, game.state.seed}))) {
        tellUser(console, " " + *problem + " ", kRefusalAttribute);
        return;
    }
    viewTextFile(console, config, path);
}

void showScoreCard(Console& console, const Config& config, const std::vector<std::string>& lines) {
    viewScoreCard(console, config, lines);
}

void showDocumentation(Console& console, const Config& config,
                       const std::function<bool(const std::vector<std::string>&)>& launch) {
    std::optional<std::string> file = findFile(config.homeDir, "BASEBALL.RTF");
    if (!file) file = findFile(config.homeDir, "BASEBALL.DOC");
    if (!file) {
        tellUser(console, kDocumentationMissing, kRefusalAttribute);
        return;
    }
    const std::string problem = launch ? openWithWordProcessor(config, *file, launch)
                                       : openWithWordProcessor(config, *file);
    if (!problem.empty()) tellUser(console, " " + problem + " ", kRefusalAttribute);
}

}  // namespace vrk
