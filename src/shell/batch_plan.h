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

// Applies one series line's option string on top of the entry left by the
// lines before it. A run walks its series with one entry, so a long series
// never holds a copy of the settings and configuration per line.
void applySeriesLine(const std::string& line, BatchEntry& entry);

// Why batch play cannot do what the entry asks, or nothing when it can.
// Options that only concern the screen (delay, sound, colours, console size)
// are moot without one and are not refused.
std::optional<std::string> batchRefusal(const RunSettings& settings);

// Folders named by the entry that do not exist, as a message.
std::optional<std::string> folderProblem(const Config& config);

}  // namespace vrk
