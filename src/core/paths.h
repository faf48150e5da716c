#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace vrk {

// Folder texts may come from a configuration written for either system, so
// both separators are accepted; what we build always uses '/'.
std::string normalizeSeparators(std::string_view path);

// Joins a folder (empty = current folder) and a name, with exactly one '/'.
std::string joinPath(std::string_view folder, std::string_view name);

// The text after the last separator of either kind.
std::string fileNamePart(std::string_view path);

// The existing file for folder + name: the exact name when it exists,
// otherwise the one entry of the folder whose name matches ignoring case
// (team files are written in capitals; disks hold all sorts).
std::optional<std::string> findFile(std::string_view folder, std::string_view name);
bool fileExists(std::string_view folder, std::string_view name);

}  // namespace vrk
