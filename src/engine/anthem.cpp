// Which national anthems open a game.
#include <cctype>
#include <string>

#include "engine/anthem.h"
#include "engine/game.h"

namespace vrk {

bool IsCanadianTeam(std::string_view teamName) {
    std::string upper(teamName);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (const char* mark : {"JAYS", "EXPOS", "TORON", "MONT"}) {
        if (upper.find(mark) != std::string::npos) return true;
    }
    if (upper.size() >= 8) {
        std::string_view middle = std::string_view(upper).substr(4, 4);
        if (middle == "ATOR" || middle == "NMON") return true;
    }
    return false;
}

int AnthemOrder(const Game& game, std::string_view (&files)[2]) {
    bool visitors = IsCanadianTeam(game.team(kVisitors).teamName);
    bool home = IsCanadianTeam(game.team(kHome).teamName);
    if (visitors && home) {
        files[0] = "canada.mid";
        return 1;
    }
    if (visitors) {
        files[0] = "canada.mid";
        files[1] = "usan.mid";
        return 2;
    }
    if (home) {
        files[0] = "usan.mid";
        files[1] = "canada.mid";
        return 2;
    }
    files[0] = "usan.mid";
    return 1;
}

}  // namespace vrk
