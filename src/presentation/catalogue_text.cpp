#include <algorithm>

#include "core/text_fields.h"
#include "presentation/catalogue.h"

namespace vrk {

namespace {

// A comma counts only past the first character: ",Smith" has no first name.
std::size_t nameComma(std::string_view name) {
    const std::size_t comma = name.find(',');
    return comma == 0 ? std::string_view::npos : comma;
}

const Player* playerOf(const TeamRefs& teams, int team, int entry) {
    if (team < 1 || team > 2 || entry < 1 || entry > kMaxRosterEntries) return nullptr;
    const Team* t = teams[static_cast<std::size_t>(team)];
    if (t == nullptr) return nullptr;
    const Player& p = t->player(entry);
    return trim(p.playerName).empty() ? nullptr : &p;
}

}  // namespace

std::string_view PositionWord(int position) {
    static constexpr std::string_view kWords[] = {
        "the mound", "the catcher", "first", "second", "third", "short", "left", "center", "right"};
    if (position < 1 || position > 9) return {};
    return kWords[position - 1];
}

std::string PlayerSurname(std::string_view rosterName) {
    const std::size_t comma = nameComma(rosterName);
    if (comma == std::string_view::npos) return std::string(trim(rosterName));
    return std::string(trim(rosterName.substr(0, comma)));
}

std::string PlayerFullName(std::string_view rosterName) {
    const std::size_t comma = nameComma(rosterName);
    if (comma == std::string_view::npos) return std::string(trim(rosterName));
    const std::string_view first = trim(rosterName.substr(comma + 1));
    const std::string surname = PlayerSurname(rosterName);
    return first.empty() ? surname : std::string(first) + " " + surname;
}

std::string NotFoundText(const MessageKey& key) {
    return "Not found in baseball.msg:" + key.searchKey();
}

std::string PlayByPlayText(const PlayByPlayCatalogue& catalogue, const MessageKey& key,
                           int firstPlayer, int firstTeam, int secondPlayer, int secondTeam,
                           const PlayByPlayContext& context, Rng& rng) {
    const std::string searchKey = key.searchKey();
    const auto& records = catalogue.records;
    const auto found =
        std::lower_bound(records.begin(), records.end(), searchKey,
                         [](const CatalogueRecord& r, const std::string& k) { return r.key < k; });
    if (found == records.end() || found->key != searchKey) return NotFoundText(key);

    std::size_t variants = 0;
    for (auto it = found; it != records.end() && variants < kMaxDrawnVariants; ++it, ++variants)
        if (it->key.compare(0, 6, searchKey, 0, 6) != 0) break;
    const int pick = rng.randInt(static_cast<int>(variants));
    std::string text = (found + (pick - 1))->text;
    if (context.quickPlay) return text;

    // One token is replaced: "#" over "*" over "@".
    const std::size_t at = text.find('@');
    const std::size_t star = text.find('*');
    const std::size_t hash = text.find('#');
    std::size_t position = std::string::npos;
    std::string replacement;
    if (const Player* first = playerOf(context.teams, firstTeam, firstPlayer);
        first != nullptr && (at != std::string::npos || star != std::string::npos)) {
        // "*" is the surname; "@" the full name when the roster has one.
        if (star != std::string::npos) {
            position = star;
            replacement = PlayerSurname(first->playerName);
        } else {
            position = at;
            replacement = PlayerFullName(first->playerName);
        }
    }
    if (hash != std::string::npos && !PositionWord(context.currentFielder).empty()) {
        position = hash;
        replacement = std::string(PositionWord(context.currentFielder));
    }
    // "%" is found in the text as written, so a name put in above that
    // happens to hold a "%" is never taken for the token.
    std::size_t percent = text.find('%');
    if (position != std::string::npos) {
        text.replace(position, 1, replacement);
        if (percent != std::string::npos && percent > position) percent += replacement.size() - 1;
    }
    if (const Player* second = playerOf(context.teams, secondTeam, secondPlayer);
        second != nullptr && percent != std::string::npos)
        text.replace(percent, 1, PlayerSurname(second->playerName));

    if (!text.empty() && text[0] == '~') return text;
    const std::size_t width = static_cast<std::size_t>(std::max(0, context.consoleColumns / 2 - 2));
    if (text.size() > width) text.resize(width);
    return GenderText(context.teams, firstTeam, text);
}

}  // namespace vrk
