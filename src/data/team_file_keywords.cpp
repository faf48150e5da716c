#include "data/team_file_keywords.h"

#include <algorithm>
#include <array>

#include "core/numbering.h"
#include "core/paths.h"
#include "core/text_fields.h"

namespace vrk {

namespace {

constexpr std::array<std::string_view, 16> kColorNames = {
    "BLACK",      "BLUE",           "GREEN",  "CYAN",        "RED",          "MAGENTA",
    "BROWN",      "DONTUSE",        "GRAY",   "BRIGHT BLUE", "BRIGHT GREEN", "BRIGHT CYAN",
    "BRIGHT RED", "BRIGHT MAGENTA", "YELLOW", "WHITE"};

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// The value after "KEY=", without the quotes that kept its commas together.
std::string valueAfter(std::string_view item, std::size_t prefixLength) {
    std::string_view value = trim(item.substr(prefixLength));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value);
}

void applyParkEffects(Team& team, std::string_view value) {
    const double a = numericPrefix(value);
    const std::size_t slash = value.find('/');
    const double b = slash == std::string_view::npos ? a : numericPrefix(value.substr(slash + 1));
    team.parkFactorA = parkFactorFromPercent(a);
    team.parkFactorB = parkFactorFromPercent(b);
}

void applyColor(Team& team, int slot, Team* visitors, std::string_view name) {
    if (const auto color = teamColorFromName(name)) team.teamColor = *color;
    if (slot == kHome) {
        if (team.teamColor >= 0 && team.teamColor < 256) {
            team.visitorColorChecks.set(static_cast<std::size_t>(team.teamColor));
        } else {
            team.visitorColorCheckOutOfRange = true;
        }
    }
    if (slot == kHome && visitors != nullptr && visitors->teamColor == team.teamColor) {
        visitors->teamColor = kClashColor;
    }
}

// Logo and photograph paths keep their case: the file system needs it.
void applyLogo(Team& team, const std::string& path, const Config& config) {
    std::optional<std::string> found;
    if (!config.overrideLogoDir.empty()) {
        found = findFile(config.overrideLogoDir, fileNamePart(path));
    } else {
        found = findFile(config.homeDir, path);
    }
    if (found) team.logoFile = *found;
}

void applyPhoto(Team& team, int slot, const std::string& path, const Config& config) {
    if (slot != kHome) return;
    if (const auto found = findFile(config.homeDir, path)) team.photoFile = *found;
}

void applyItem(Team& team, int slot, Team* visitors, std::string_view item, const Config& config) {
    const std::string upper = upperCase(item);
    if (startsWith(upper, "WL=")) {
        team.wonLostText = valueAfter(upper, 3);
    } else if (startsWith(upper, "PE=")) {
        applyParkEffects(team, valueAfter(upper, 3));
    } else if (startsWith(upper, "PH=")) {
        applyPhoto(team, slot, valueAfter(item, 3), config);
    } else if (startsWith(upper, "DH=Y")) {
        team.dhRule = kTrue;
    } else if (startsWith(upper, "DH=N")) {
        team.dhRule = 1;
    } else if (startsWith(upper, "GEN=F")) {
        team.femaleTeam = true;
    } else if (startsWith(upper, "COL=")) {
        applyColor(team, slot, visitors, valueAfter(upper, 4));
    } else if (startsWith(upper, "LOGO=")) {
        applyLogo(team, valueAfter(item, 5), config);
    }
}

}  // namespace

std::vector<std::string> splitKeywordItems(std::string_view text) {
    text = trimRight(text);
    std::vector<std::string> items;
    std::string current;
    bool quoted = false;
    for (char c : text) {
        if (c == '"') quoted = !quoted;
        if (c == ',' && !quoted) {
            items.emplace_back(trim(current));
            current.clear();
        } else {
            current += c;
        }
    }
    items.emplace_back(trim(current));
    return items;
}

double parkFactorFromPercent(double percent) {
    const double damped = 1.0 + 0.8 * (percent / 100.0 - 1.0);
    return std::clamp(damped, 0.2, 5.0);
}

std::optional<int> teamColorFromName(std::string_view name) {
    const std::string wanted = upperCase(trim(name));
    for (std::size_t index = 0; index < kColorNames.size(); ++index) {
        if (kColorNames[index] != wanted) continue;
        const bool darkText =
            index == 7 || index == 10 || index == 11 || index == 14 || index == 15;
        const int textColor = darkText ? 0 : 15;
        return textColor + 16 * static_cast<int>(index);
    }
    return std::nullopt;
}

void applyKeywordLine(Team& team, int slot, Team* visitors, std::string_view textAfterStar,
                      const Config& config) {
    for (const std::string& item : splitKeywordItems(textAfterStar)) {
        if (!item.empty()) applyItem(team, slot, visitors, item, config);
    }
}

}  // namespace vrk
