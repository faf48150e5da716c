#pragma once
#include <array>
#include <functional>
#include <string>

#include "core/rng.h"
#include "presentation/console.h"

namespace vrk {

struct CelebrationSettings {
    int originRow = 0;       // top of the centred 80 x 24 play area (rows / 2 - 12)
    int originCol = 0;       // its left (cols / 2 - 40)
    std::string batterName;  // First Last
    bool soundOn = false;
    bool fireworks = true;         // FIREWORKS= "Y"
    bool colourFireworks = false;  // the "/C:" run setting is "C"
};

// The 15 banner rows, 49 characters each.
const std::array<std::string, 15>& homeRunBanner();

// The home-run screen: the flashing banner, the batter's line, a three
// second pause and, when wanted, six fireworks bursts. The caller pushes the
// screen before and pops it after. When sound is on, `announce` receives
// "Home Run by " + the name first, for the play-by-play queue to show.
void showHomeRunCelebration(Console& console, const CelebrationSettings& settings, Rng& rng,
                            const std::function<void(const std::string&)>& announce = {});

// n bursts at random places on the whole screen.
void showFireworks(Console& console, int bursts, bool colourFireworks, Rng& rng);

}  // namespace vrk
