#include "managers/allowance.h"

#include <cmath>

#include "engine/game.h"
#include "managers/bullpen_state.h"

namespace vrk {

double Allowance(Game& game, BullpenState& bullpen, int team) {
    const GameState& s = game.state;
    std::size_t t = static_cast<std::size_t>(team);
    double a;
    if (s.pitchersUsed[t] <= 1) {
        double sigma = game.team(team).appearancesPerStart < 2.5 ? 0.19 : 0.205;
        double r = game.rng.draw();
        a = std::pow(2.71, -std::pow(std::fabs(r - 0.5), 0.3)) / (sigma * std::sqrt(2 * 3.14159));
    } else if (s.inning < 6) {
        a = 10.0 / (9 + game.rng.randInt(11));
    } else if (s.inning <= 7) {
        a = 10.0 / (8 + game.rng.randInt(8));
    } else {
        a = 10.0 / (7 + game.rng.randInt(7));
    }
    bullpen.allowance[t] = a;
    return a;
}

}  // namespace vrk
