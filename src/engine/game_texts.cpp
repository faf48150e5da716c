// Small texts of the game display: spoken names and the fatigue figure.
#include <cmath>
#include <string>

#include "core/rounding.h"
#include "core/text_fields.h"
#include "engine/expected_pitches.h"
#include "engine/game.h"
#include "engine/game_texts.h"

namespace vrk {

namespace {

std::string Trim(std::string_view t) {
    std::size_t b = t.find_first_not_of(' ');
    if (b == std::string_view::npos) return {};
    std::size_t e = t.find_last_not_of(' ');
    return std::string(t.substr(b, e - b + 1));
}

}  // namespace

std::string SpokenName(const Player& player) {
    std::string_view name = player.playerName;
    std::size_t comma = name.find(',');
    if (comma == std::string_view::npos || comma == 0) return Trim(name);
    std::string first = Trim(name.substr(comma + 1));
    std::string last = Trim(name.substr(0, comma));
    return first.empty() ? last : first + " " + last;
}

std::string FatigueText(const Game& game) {
    const GameState& s = game.state;
    int ft = s.fieldingTeam;
    int expected = ExpectedPitchesPerGame(game, s.currentPitcher[static_cast<std::size_t>(ft)], ft);
    long pct = roundHalfEven(100.0 * s.pitchCount[static_cast<std::size_t>(ft)] / expected);
    std::string t = concat({"(", std::to_string(pct), "%)"});
    if (t.size() < 6) t.append(6 - t.size(), ' ');
    return t;
}

}  // namespace vrk
