#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "data/config.h"
#include "data/team_file.h"

namespace vrk {

// Team files read once and handed out as copies: a run of many games starts
// every game from the team a fresh load gives without parsing the file again.
// A file that changes on disk (time, size or identity) is read again.
class TeamFileCache {
  public:
    // What loadTeamPair gives for the two files.
    TeamLoadResult loadPair(TeamSlots& teams, std::string_view visitorsFile,
                            std::string_view homeFile, const Config& config);
    // Files read so far (a changed file counts again).
    int reads() const { return reads_; }

  private:
    struct Stamp {
        std::string path;
        long long modifiedNs = 0;
        long long size = 0;
        unsigned long long inode = 0;
        bool operator==(const Stamp&) const = default;
    };
    struct Entry {
        std::string folder;
        std::string name;
        int slot = 0;
        Stamp stamp;
        Team team;
        std::vector<std::string> warnings;
        bool problem = false;
    };
    // The entry for a file in a slot, read when missing or changed; null
    // with `failure` filled when the load aborts.
    const Entry* fetch(std::string_view name, int slot, const Config& config,
                       TeamLoadResult& failure);

    std::vector<std::unique_ptr<Entry>> entries_;
    int reads_ = 0;
};

}  // namespace vrk
