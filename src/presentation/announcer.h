#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vrk {

// Where the audio announcer comes from and how it is started; tests put
// their own checks and launcher in.
struct AnnouncerEnvironment {
    std::string homeDirectory;
    std::function<bool(const std::string&)> isInstalled;          // default: on PATH
    std::function<bool(const std::vector<std::string>&)> launch;  // default: detached, no shell
};

AnnouncerEnvironment DefaultAnnouncerEnvironment(std::string homeDirectory);

// The speech program: voxcall, else voxchat, in the home directory; else
// espeak-ng when installed; else "" (no announcer).
std::string ChooseAnnouncer(const AnnouncerEnvironment& environment);

// A play-by-play line as it is spoken: padding and a trailing "..." gone,
// dashes read as pauses, "0 for " said "oh for ".
std::string SpokenText(std::string_view line);

}  // namespace vrk
