#include "data/player_names.h"

#include <algorithm>

#include "core/numbering.h"
#include "core/text_fields.h"

namespace vrk {

namespace {
// Position of the comma that splits the name, or npos when there is none
// (a comma in the first character does not count).
std::size_t splittingComma(std::string_view name) {
    const std::size_t comma = name.find(',');
    return (comma == std::string_view::npos || comma == 0) ? std::string_view::npos : comma;
}
}  // namespace

std::string lastName(std::string_view name) {
    const std::size_t comma = splittingComma(name);
    if (comma == std::string_view::npos) return std::string(trimRight(name));
    return std::string(trimRight(name.substr(0, comma)));
}

std::string firstName(std::string_view name) {
    const std::size_t comma = splittingComma(name);
    if (comma == std::string_view::npos) return {};
    return std::string(trim(name.substr(comma + 1)));
}

std::string storedPlayerName(std::string_view written) {
    const std::string last = lastName(written);
    const std::string first = firstName(written);
    return first.empty() ? last : last + ", " + first;
}

int findPlayer(const Team& team, int first, int last, std::string_view name, int position) {
    first = std::max(first, 1);
    last = std::min(last, kMaxRosterEntries);
    for (int entry = first; entry <= last; ++entry) {
        const Player& p = team.player(entry);
        if (p.playerName.empty()) return 0;
        if (p.playerName == name && (position == 0 || p.lineupPosition == position)) return entry;
    }
    return 0;
}

}  // namespace vrk
