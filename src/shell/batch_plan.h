#pragma once
#include <optional>
#include <string>
#include <vector>

#include "data/config.h"
#include "data/run_settings.h"

namespace vrk {

// One entry of a batch run: the teams and number of games with the settings
// and configuration in force for them (options persist from entry to entry).
struct BatchEntry {
    RunSettings settings;
    Config config;
};

// The two-team entry of the command line's own options.
BatchEntry commandLineEntry(const RunSettings& run, const Config& config);

// One entry per series line, each line's option string applied on top of
// the settings left by the lines before it.
std::vector<BatchEntry> seriesEntries(const std::vector<std::string>& lines, const RunSettings& run,
                                      const Config& config);

// Why batch play cannot do what the entry asks, or nothing when it can.
// Options that only concern the screen (delay, sound, colours, console size)
// are moot without one and are not refused.
std::optional<std::string> batchRefusal(const RunSettings& settings);

// Folders named by the entry that do not exist, as a message.
std::optional<std::string> folderProblem(const Config& config);

}  // namespace vrk
