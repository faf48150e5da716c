#include "shell/batch_plan.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "data/option_string.h"
#include "shell/batch_game_files.h"
#include "shell/command_line.h"
#include "shell/config_file.h"

namespace vrk {

namespace {

bool userManages(const RunSettings& s, const std::string& team) {
    return !team.empty() && std::find(s.userManagedTeams.begin(), s.userManagedTeams.end(), team) !=
                                s.userManagedTeams.end();
}

std::string notYet(const std::string& option, const std::string& what) {
    return "vrk --batch: " + option + " (" + what + ") cannot be honoured in batch play yet.";
}

bool isFolder(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_directory(path, ec);
}

}  // namespace

BatchEntry commandLineEntry(const RunSettings& run, const Config& config) {
    return {run, config};
}

void applySeriesLine(const std::string& line, BatchEntry& entry) {
    parseOptionString(line, entry.settings);
    applyRunSettingsToConfig(entry.settings, entry.config, ConfigReadMode::Reread);
}

std::optional<std::string> batchRefusal(const RunSettings& s) {
    if (userManages(s, s.visitor) || userManages(s, s.home)) {
        return "The next game is 'Manually-Managed'.\nvrk --batch plays both sides itself; "
               "release the team with /VM:- or /HM:-.";
    }
    // A schedule replay checks its slots with schedulePlay cleared; here a
    // /SCH: can only come from a series line or a two-team run.
    if (s.schedulePlay) {
        return "vrk --batch: /SCH: replays a schedule on its own; it cannot be an entry of a "
               "series.";
    }
    if (auto problem = perGameFileProblem(s)) return problem;
    // The computer manages both sides; only turning it off cannot be done.
    if (s.autoManager[1] == "N" || s.autoManager[2] == "N") {
        return notYet("/VAM:N /HAM:N", "a side without the AutoManager");
    }
    return std::nullopt;
}

std::optional<std::string> folderProblem(const Config& config) {
    if (!config.dataPath.empty() && !isFolder(dataFolder(config))) {
        return "vrk --batch: the data folder " + dataFolder(config) + " was not found.";
    }
    if (!config.writePath.empty() && !isFolder(writeFolder(config))) {
        return "vrk --batch: the write folder " + writeFolder(config) + " was not found.";
    }
    return std::nullopt;
}

}  // namespace vrk
