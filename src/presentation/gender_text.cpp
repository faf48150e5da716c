#include "presentation/gender_text.h"

namespace vrk {

namespace {

void replaceAll(std::string& text, std::string_view find, std::string_view with) {
    std::size_t at = 0;
    while ((at = text.find(find, at)) != std::string::npos) {
        text.replace(at, find.size(), with);
        at += with.size();
    }
}

}  // namespace

bool IsFemaleTeam(const TeamRefs& teams, int team) {
    if (team < 1 || team > 2) return false;
    const Team* t = teams[static_cast<std::size_t>(team)];
    return t != nullptr && t->femaleTeam;
}

std::string GenderText(std::string_view text) {
    // Applied in this order, each over the whole text; " him" already
    // turns " himself" into " herself".
    static constexpr std::string_view kRules[][2] = {
        {"He ", "She "},     {"He'", "She'"},          {" he ", " she "}, {" he's ", " she's "},
        {" him", " her"},    {" HIM", " HER"},         {" guy", " gal"},  {" his ", " her "},
        {" fellow", " gal"}, {" himself", " herself"},
    };
    std::string out(text);
    for (const auto& rule : kRules) replaceAll(out, rule[0], rule[1]);
    return out;
}

std::string GenderText(const TeamRefs& teams, int team, std::string_view text) {
    if (!IsFemaleTeam(teams, team)) return std::string(text);
    return GenderText(text);
}

}  // namespace vrk
