#include "shell/home_directory.h"

#include <filesystem>
#include <vector>

#include "core/paths.h"

namespace vrk {

std::string installedHome(const std::string& exePath) {
    namespace fs = std::filesystem;
    const fs::path exeDir = fs::path(exePath).parent_path();
    return (exeDir / ".." / "share" / "vrk" / "home").lexically_normal().string();
}

std::string findHomeDirectory(const std::string& currentDir, const std::string& exePath,
                              const std::string& sourceHome) {
    namespace fs = std::filesystem;
    std::vector<std::string> candidates{currentDir};
    const fs::path exeDir = fs::path(exePath).parent_path();
    // An installed program's own copy comes before the source tree it was
    // built from, which may have moved on or gone.
    if (!exePath.empty()) candidates.push_back(installedHome(exePath));
    if (!sourceHome.empty()) candidates.push_back(sourceHome);
    if (!exePath.empty()) {
        candidates.push_back((exeDir / ".." / "home").lexically_normal().string());
        candidates.push_back((exeDir / "home").lexically_normal().string());
    }
    for (const std::string& dir : candidates) {
        if (!dir.empty() && fileExists(dir, "BASEBALL.MSG")) return dir;
    }
    return currentDir;
}

}  // namespace vrk
