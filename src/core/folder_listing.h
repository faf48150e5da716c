#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace vrk {

// Lists can only hold so many names; more are cut and the list says so.
inline constexpr int kMaxListedFiles = 500;

// The entry that leads to the parent folder, and the one that stands for the
// root of the file system (what a drive root was on the PC).
inline constexpr std::string_view kParentEntry = "..";
inline constexpr std::string_view kRootEntry = "/";

struct FileListing {
    std::vector<std::string> names;  // sorted, at most the limit
    bool truncated = false;          // the folder held more matching files
};

// Files of a folder whose names match one of the patterns ("*.DAT", "*. "
// for names without an extension, or a whole name), ignoring case; sorted
// by name ignoring case. Folders and unreadable entries are left out.
FileListing listFiles(const std::string& folder, const std::vector<std::string>& patterns,
                      int limit = kMaxListedFiles);

// The sub-folders of a folder, sorted, after ".." (unless it is the root)
// and "/" (unless it is the root). Hidden folders are left out.
std::vector<std::string> listFolders(const std::string& folder);

// The folder an entry of listFolders leads to; always ends in '/'.
std::string enterFolder(const std::string& folder, std::string_view entry);

// True when the name matches the pattern as the lists match it.
bool matchesPattern(std::string_view name, std::string_view pattern);

}  // namespace vrk
