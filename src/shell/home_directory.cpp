#include "shell/home_directory.h"

#include <filesystem>
#include <vector>

#include "core/paths.h"

namespace vrk {

std::string findHomeDirectory(const std::string& currentDir, const std::string& exePath,
                              const std::string& sourceHome) {
    namespace fs = std::filesystem;
    std::vector<std::string> candidates{currentDir};
    if (!sourceHome.empty()) candidates.push_back(sourceHome);
    if (!exePath.empty()) {
        const fs::path exeDir = fs::path(exePath).parent_path();
        candidates.push_back((exeDir / ".." / "home").lexically_normal().string());
        candidates.push_back((exeDir / "home").lexically_normal().string());
    }
    for (const std::string& dir : candidates) {
        if (!dir.empty() && fileExists(dir, "BASEBALL.MSG")) return dir;
    }
    return currentDir;
}

}  // namespace vrk
