#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "core/rng.h"
#include "data/config.h"
#include "data/run_settings.h"
#include "presentation/catalogue.h"
#include "presentation/console_glyphs.h"
#include "shell/fixed_tables.h"

namespace vrk {

// Where the centred 80 x 24 play area sits on the console.
struct ScreenLayout {
    int rows = 25;
    int cols = 80;
    int halfRows = 12;
    int halfCols = 40;
    int top = 0;   // the play area's row r is screen row top + r
    int left = 0;  // its column c is screen column left + c
};

ScreenLayout layoutFor(int rows, int cols);

// What one run of the program holds from start-up to the end: the
// configuration, the settings of the option strings, the fixed tables and
// the random source. Passed by reference to whatever needs it.
struct Session {
    Config config;
    RunSettings run;
    FixedTables tables;
    ArrowGlyphs glyphs;
    ScreenLayout layout;
    int completedGames = 0;
    bool endProgram = false;  // a mode's game ended the program (Q, Q)
    bool playByPlay = true;
    std::uint64_t seed = 0;  // the seed the random source started from
    Rng rng{1};
    PlayByPlayCatalogue catalogue;
};

}  // namespace vrk
