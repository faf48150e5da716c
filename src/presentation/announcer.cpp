#include "presentation/announcer.h"

#include <unistd.h>

#include <cstdlib>

#include "core/process.h"
#include "core/text_fields.h"

namespace vrk {

AnnouncerEnvironment DefaultAnnouncerEnvironment(std::string configuredProgram) {
    AnnouncerEnvironment env;
    env.configured = std::move(configuredProgram);
    env.locate = [](const std::string& name) {
        const char* path = std::getenv("PATH");
        return LocateOnSearchPath(name, path != nullptr ? path : "");
    };
    env.launch = [](const std::vector<std::string>& argv) { return launchDetached(argv); };
    return env;
}

std::optional<std::string> LocateOnSearchPath(const std::string& name,
                                              std::string_view searchPath) {
    if (name.empty() || name.find('/') != std::string::npos) return std::nullopt;
    while (true) {
        const std::size_t colon = searchPath.find(':');
        const std::string_view dir = searchPath.substr(0, colon);
        if (!dir.empty() && dir.front() == '/') {
            std::string candidate(dir);
            candidate += "/" + name;
            if (access(candidate.c_str(), X_OK) == 0) return candidate;
        }
        if (colon == std::string_view::npos) return std::nullopt;
        searchPath.remove_prefix(colon + 1);
    }
}

std::string ChooseAnnouncer(const AnnouncerEnvironment& environment) {
    const std::string& configured = environment.configured;
    if (!configured.empty()) {
        // Only a full path names a file directly; "./say" would depend on the
        // folder the program was started from.
        if (configured.front() == '/') {
            return access(configured.c_str(), X_OK) == 0 ? configured : std::string{};
        }
        if (configured.find('/') != std::string::npos || !environment.locate) return {};
        return environment.locate(configured).value_or("");
    }
    if (!environment.locate) return {};
    return environment.locate("espeak-ng").value_or("");
}

std::string SpokenText(std::string_view line) {
    std::string text(trimRight(line));
    if (text.size() >= 3 && text.compare(text.size() - 3, 3, "...") == 0)
        text.resize(text.size() - 3);
    for (char& c : text)
        if (c == '-') c = ' ';
    // "0 for 4" is said "oh for 4"; the 0 of "10 for 12" stays a number.
    for (std::size_t at = 0; (at = text.find("0 for ", at)) != std::string::npos;) {
        if (at > 0 && text[at - 1] >= '0' && text[at - 1] <= '9') {
            at += 6;
            continue;
        }
        text.replace(at, 6, "oh for ");
        at += 7;
    }
    return text;
}

}  // namespace vrk
