#pragma once
#include <string>
#include <vector>

#include "data/config.h"
#include "data/run_settings.h"
#include "shell/config_file.h"

namespace vrk {

// Reads the program's options into run: the words are joined by blanks and
// parsed as one option string; when that names a command file with "/CMD:"
// and the file exists (as given, else in the home directory), its first line
// is parsed instead. Returns messages for the user (a command file that is
// not there).
std::vector<std::string> readCommandLine(const std::vector<std::string>& words,
                                         const std::string& homeDir, RunSettings& run);

// The options that stand for configuration settings override them: the data
// and write folders, the home-field factor and (at start-up only) the
// console size.
void applyRunSettingsToConfig(const RunSettings& run, Config& config, ConfigReadMode mode);

}  // namespace vrk
