#include "core/folder_listing.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "core/paths.h"

namespace vrk {

namespace {

namespace fs = std::filesystem;

char lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool lessIgnoringCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return lower(x) < lower(y); });
}

// '*' matches any run of characters, '?' one; the rest compare ignoring case.
bool globMatch(std::string_view name, std::string_view pattern) {
    std::size_t n = 0, p = 0, star = std::string_view::npos, resume = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || lower(pattern[p]) == lower(name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            resume = n;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

std::string withSlash(const std::string& folder) {
    if (folder.empty()) return "./";
    if (folder.back() == '/') return folder;
    return joinPath(folder, "");
}

// The folder as an absolute path without a trailing separator (but "/").
fs::path canonicalFolder(const std::string& folder) {
    std::error_code ec;
    fs::path p = fs::weakly_canonical(fs::absolute(folder.empty() ? "." : folder, ec), ec);
    if (!p.has_filename() && p != p.root_path()) p = p.parent_path();
    return p;
}

}  // namespace

bool matchesPattern(std::string_view name, std::string_view pattern) {
    // "*. " is the PC's way of asking for names without an extension.
    if (pattern == "*. ") return name.find('.') == std::string_view::npos;
    return globMatch(name, pattern);
}

FileListing listFiles(const std::string& folder, const std::vector<std::string>& patterns,
                      int limit) {
    FileListing listing;
    std::error_code ec;
    for (fs::directory_iterator it(withSlash(folder), ec), end; !ec && it != end;
         it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue;
        const std::string name = it->path().filename().string();
        if (std::any_of(patterns.begin(), patterns.end(),
                        [&](const std::string& p) { return matchesPattern(name, p); })) {
            listing.names.push_back(name);
        }
    }
    std::sort(listing.names.begin(), listing.names.end(), lessIgnoringCase);
    listing.names.erase(std::unique(listing.names.begin(), listing.names.end()),
                        listing.names.end());
    if (limit >= 0 && static_cast<int>(listing.names.size()) > limit) {
        listing.names.resize(static_cast<std::size_t>(limit));
        listing.truncated = true;
    }
    return listing;
}

std::vector<std::string> listFolders(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    const fs::path here = canonicalFolder(folder);
    for (fs::directory_iterator it(here, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_directory(typeError)) continue;
        std::string name = it->path().filename().string();
        if (name.empty() || name[0] == '.') continue;
        names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end(), lessIgnoringCase);
    if (here == here.root_path()) return names;
    std::vector<std::string> entries{std::string(kParentEntry), std::string(kRootEntry)};
    entries.insert(entries.end(), std::make_move_iterator(names.begin()),
                   std::make_move_iterator(names.end()));
    return entries;
}

std::string enterFolder(const std::string& folder, std::string_view entry) {
    const fs::path here = canonicalFolder(folder);
    fs::path target;
    if (entry.empty() || entry == ".") {
        target = here;
    } else if (entry == kRootEntry) {
        target = here.root_path();
    } else if (entry == kParentEntry) {
        target = here == here.root_path() ? here : here.parent_path();
    } else {
        target = here / std::string(entry);
    }
    return withSlash(target.string());
}

}  // namespace vrk
