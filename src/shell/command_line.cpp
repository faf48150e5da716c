#include "shell/command_line.h"

#include <fstream>

#include "core/paths.h"
#include "core/text_fields.h"
#include "data/option_string.h"

namespace vrk {

namespace {
std::optional<std::string> firstLineOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string line;
    std::getline(in, line);
    return std::string(chompCr(line));
}
}  // namespace

std::vector<std::string> readCommandLine(const std::vector<std::string>& words,
                                         const std::string& homeDir, RunSettings& run) {
    std::string text;
    for (const std::string& word : words) {
        if (!text.empty()) text += ' ';
        text += word;
    }
    run.commandFile.clear();
    parseOptionString(text, run);
    if (run.commandFile.empty()) return {};

    const std::string name = normalizeSeparators(run.commandFile);
    std::optional<std::string> path = findFile("", name);
    if (!path) path = findFile(homeDir, name);
    if (!path) return {"The command file " + run.commandFile + " was not found."};
    if (const auto line = firstLineOf(*path)) parseOptionString(*line, run);
    return {};
}

void applyRunSettingsToConfig(const RunSettings& run, Config& config, ConfigReadMode mode) {
    if (!run.dataPath.empty()) config.dataPath = run.dataPath;
    if (!run.writePath.empty()) config.writePath = run.writePath;
    if (run.homeFieldFactorSet) config.homeFieldFactor = run.homeFieldFactor;
    if (mode == ConfigReadMode::Startup) {
        if (run.consoleRows > 0) config.rows = run.consoleRows;
        if (run.consoleCols > 0) config.cols = run.consoleCols;
    }
}

}  // namespace vrk
