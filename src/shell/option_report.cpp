#include "shell/option_report.h"

#include <fstream>

#include "core/paths.h"
#include "core/text_fields.h"
#include "data/option_check.h"
#include "data/option_string.h"

namespace vrk {

namespace {

bool report(const std::vector<OptionFinding>& findings, const std::string& where,
            std::ostream& err) {
    bool refused = false;
    for (const OptionFinding& f : findings) {
        err << "vrk: " << where << (f.refused ? "" : "warning: ") << f.text << "\n";
        refused = refused || f.refused;
    }
    return !refused;
}

}  // namespace

int reportCommandLineOptions(const std::vector<std::string>& words, const std::string& homeDir,
                             std::ostream& err) {
    std::string text;
    for (const std::string& word : words) {
        if (!text.empty()) text += ' ';
        text += word;
        // Only words that begin with "/" are options; the rest would be
        // dropped without a word.
        if (!word.empty() && word.front() != '/') {
            err << "vrk: warning: \"" << word << "\" is not an option and is ignored.\n";
        }
    }
    if (!report(checkOptionString(text, UnknownOptions::Warn), "", err)) return 2;
    const std::vector<OptionToken> tokens = tokenizeOptionString(text);
    if (tokens.size() != 1 || !tokens[0].text.starts_with("/CMD:")) return 0;
    // Found where the command line looks for it: the current folder, then home.
    const std::string name = normalizeSeparators(tokens[0].raw.substr(5));
    std::optional<std::string> path = findFile("", name);
    if (!path) path = findFile(homeDir, name);
    if (!path) {
        err << "vrk: the command file " << tokens[0].raw.substr(5) << " was not found.\n";
        return 1;
    }
    std::ifstream in(*path, std::ios::binary);
    std::string line;
    std::getline(in, line);
    const std::string where = *path + ", line 1: ";
    return report(checkOptionString(chompCr(line), UnknownOptions::Warn), where, err) ? 0 : 2;
}

bool seriesLinesUsable(const std::string& path, const std::vector<SeriesLine>& lines,
                       std::ostream& err) {
    for (const SeriesLine& line : lines) {
        const std::string where = path + ", line " + std::to_string(line.number) + ": ";
        if (!report(checkOptionString(line.text, UnknownOptions::Ignore), where, err)) return false;
    }
    return true;
}

}  // namespace vrk
