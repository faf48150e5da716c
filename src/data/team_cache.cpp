#include "data/team_cache.h"

#include <sys/stat.h>

#include <optional>

#include "core/paths.h"
#include "data/config_folders.h"
#include "data/team_file_keywords.h"
#include "data/team_restore.h"

namespace vrk {

const TeamFileCache::Entry* TeamFileCache::fetch(std::string_view name, int slot,
                                                 const Config& config, TeamLoadResult& failure) {
    const std::string folder = dataFolder(config);
    Stamp stamp;
    if (const auto found = findFile(folder, teamFileNameWithExtension(name))) {
        struct stat st {};
        if (::stat(found->c_str(), &st) == 0) {
            stamp.path = *found;
            stamp.modifiedNs =
                static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
            stamp.size = static_cast<long long>(st.st_size);
            stamp.inode = static_cast<unsigned long long>(st.st_ino);
        }
    }
    Entry* entry = nullptr;
    for (const auto& e : entries_) {
        if (e->slot == slot && e->name == name && e->folder == folder) entry = e.get();
    }
    // A missing file is never kept: the load below reports it.
    if (entry != nullptr && !stamp.path.empty() && entry->stamp == stamp) return entry;

    Team team;
    team.teamFileName = std::string(name);
    ++reads_;
    TeamLoadResult result = loadTeam(team, slot, nullptr, config);
    if (result.abort) {
        failure = std::move(result);
        return nullptr;
    }
    if (entry == nullptr) {
        entries_.push_back(std::make_unique<Entry>());
        entry = entries_.back().get();
        entry->folder = folder;
        entry->name = std::string(name);
        entry->slot = slot;
    }
    entry->stamp = stamp;
    entry->team = std::move(team);
    entry->warnings = std::move(result.warnings);
    entry->problem = result.problem;
    return entry;
}

TeamLoadResult TeamFileCache::loadPair(TeamSlots& teams, std::string_view visitorsFile,
                                       std::string_view homeFile, const Config& config) {
    TeamLoadResult result;
    const Entry* visitors = fetch(visitorsFile, kVisitors, config, result);
    if (visitors == nullptr) return result;
    const Entry* home = fetch(homeFile, kHome, config, result);
    if (home == nullptr) {
        result.warnings.insert(result.warnings.begin(), visitors->warnings.begin(),
                               visitors->warnings.end());
        result.problem = result.problem || visitors->problem;
        return result;
    }
    // A colour beyond what the home team's record keeps: load the pair as is.
    if (home->team.visitorColorCheckOutOfRange) {
        return loadTeamPair(teams, visitorsFile, homeFile, config);
    }
    restoreTeam(teams[kVisitors], visitors->team);
    restoreTeam(teams[kHome], home->team);
    // Loading the home team after the visitors would have given the visitors
    // the clash colour when a COL= item of the home file matched theirs.
    Team& v = teams[kVisitors];
    if (v.teamColor >= 0 && v.teamColor < 256 &&
        home->team.visitorColorChecks.test(static_cast<std::size_t>(v.teamColor))) {
        v.teamColor = kClashColor;
    }
    result.problem = visitors->problem || home->problem;
    result.warnings = visitors->warnings;
    result.warnings.insert(result.warnings.end(), home->warnings.begin(), home->warnings.end());
    return result;
}

}  // namespace vrk
