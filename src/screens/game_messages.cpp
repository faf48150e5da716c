#include "screens/game_messages.h"

#include <cctype>

#include "core/paths.h"
#include "core/process.h"
#include "core/text_fields.h"
#include "presentation/console_keys.h"

namespace vrk {

namespace {

char upper(std::string_view key) {
    if (key.size() != 1) return 0;
    return static_cast<char>(std::toupper(static_cast<unsigned char>(key[0])));
}

void notYet(Console& console, std::string_view what) {
    tellUser(console, " " + std::string(what) + " not available yet. ");
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

void showBoxScoreSoFar(Console& console, const Config&, Game&) {
    notYet(console, "The box score is");
}

void showScoreCard(Console& console, const Config&, Game&) {
    notYet(console, "The score card is");
}

void showDocumentation(Console& console, const Config& config,
                       bool (*launch)(const std::vector<std::string>&)) {
    std::optional<std::string> file = findFile(config.homeDir, "BASEBALL.RTF");
    if (!file) file = findFile(config.homeDir, "BASEBALL.DOC");
    if (!file) {
        tellUser(console, kDocumentationMissing, kRefusalAttribute);
        return;
    }
    const std::string program(trim(config.wordProcessor));
    const bool started =
        !program.empty() && (launch ? launch({program, *file}) : launchDetached({program, *file}));
    if (!started) tellUser(console, " The word processor could not be started: " + program + " ");
}

}  // namespace vrk
