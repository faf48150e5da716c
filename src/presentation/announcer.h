#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vrk {

// Where the audio announcer comes from and how it is started; tests put
// their own lookup and launcher in.
struct AnnouncerEnvironment {
    std::string configured;  // ANNOUNCER= of BASEBALL.CFG, or empty
    // The full path of a program name on the search path, never looked up in
    // the current folder.
    std::function<std::optional<std::string>(const std::string&)> locate;
    std::function<bool(const std::vector<std::string>&)> launch;  // default: detached, no shell
};

AnnouncerEnvironment DefaultAnnouncerEnvironment(std::string configuredProgram);

// The speech program as a full path: the configured one (a full path, or a
// name on the search path), else espeak-ng when installed, else "" (silent).
// A folder the user happens to be in can never plant one.
std::string ChooseAnnouncer(const AnnouncerEnvironment& environment);

// A program name looked up in the folders of `searchPath` (":"-separated),
// skipping empty and relative entries, which mean the current folder.
std::optional<std::string> LocateOnSearchPath(const std::string& name, std::string_view searchPath);

// A play-by-play line as it is spoken: padding and a trailing "..." gone,
// dashes read as pauses, "0 for " said "oh for ".
std::string SpokenText(std::string_view line);

}  // namespace vrk
