#include "presentation/announcer.h"

#include "core/paths.h"
#include "core/process.h"
#include "core/text_fields.h"

namespace vrk {

AnnouncerEnvironment DefaultAnnouncerEnvironment(std::string homeDirectory) {
    AnnouncerEnvironment env;
    env.homeDirectory = std::move(homeDirectory);
    env.isInstalled = [](const std::string& name) { return programAvailable(name); };
    env.launch = [](const std::vector<std::string>& argv) { return launchDetached(argv); };
    return env;
}

std::string ChooseAnnouncer(const AnnouncerEnvironment& environment) {
    for (const char* name : {"voxcall", "voxchat"}) {
        if (auto path = findFile(environment.homeDirectory, name)) {
            // A bare name would be looked up on PATH instead of here.
            return path->find('/') == std::string::npos ? "./" + *path : *path;
        }
    }
    if (environment.isInstalled && environment.isInstalled("espeak-ng")) return "espeak-ng";
    return {};
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
