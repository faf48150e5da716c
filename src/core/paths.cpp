#include "core/paths.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace vrk {

namespace fs = std::filesystem;

std::string normalizeSeparators(std::string_view path) {
    std::string out(path);
    std::replace(out.begin(), out.end(), '\\', '/');
    return out;
}

std::string joinPath(std::string_view folder, std::string_view name) {
    std::string dir = normalizeSeparators(folder);
    std::string file = normalizeSeparators(name);
    if (dir.empty()) return file;
    if (!file.empty() && file.front() == '/') return file;
    if (dir.back() != '/') dir += '/';
    return dir + file;
}

std::string fileNamePart(std::string_view path) {
    const auto pos = path.find_last_of("/\\");
    return std::string(pos == std::string_view::npos ? path : path.substr(pos + 1));
}

namespace {
bool equalsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}
}  // namespace

std::optional<std::string> findFile(std::string_view folder, std::string_view name) {
    if (name.empty()) return std::nullopt;
    const std::string exact = joinPath(folder, name);
    std::error_code ec;
    if (fs::is_regular_file(exact, ec)) return exact;

    // Only the last component is matched loosely; the folder must exist as given.
    const fs::path full(exact);
    fs::path dir = full.parent_path();
    const std::string wanted = full.filename().string();
    if (dir.empty()) dir = ".";
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string candidate = it->path().filename().string();
        if (equalsIgnoreCase(candidate, wanted) && it->is_regular_file(ec)) {
            return (full.parent_path() / candidate).string();
        }
    }
    return std::nullopt;
}

bool fileExists(std::string_view folder, std::string_view name) {
    return findFile(folder, name).has_value();
}

}  // namespace vrk
