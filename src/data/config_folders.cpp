#include "data/config_folders.h"

#include "core/paths.h"

namespace vrk {

namespace {
std::string folderOf(const Config& config, const std::string& configured) {
    std::string home = normalizeSeparators(config.homeDir);
    if (!home.empty() && home.back() != '/') home += '/';
    if (configured.empty()) return home.empty() ? std::string("./") : home;
    std::string folder = normalizeSeparators(configured);
    if (folder.back() != '/') folder += '/';
    if (folder.front() == '/' || home.empty()) return folder;
    return home + folder;
}
}  // namespace

std::string dataFolder(const Config& config) {
    return folderOf(config, config.dataPath);
}
std::string writeFolder(const Config& config) {
    return folderOf(config, config.writePath);
}

}  // namespace vrk
