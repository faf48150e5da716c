#include "shell/fixed_tables.h"

#include "core/paths.h"
#include "presentation/console_glyphs.h"
#include "presentation/console_keys.h"

namespace vrk {

FixedTables buildFixedTables(const std::string& homeDir) {
    FixedTables t;
    t.positionAbbreviations = {"", "P ", "C ", "1B", "2B", "3B", "SS", "LF", "CF", "RF", "DH", " "};
    t.positionPlaceNames = {"",      "the mound", "the catcher", "first",  "second",
                            "third", "short",     "left",        "center", "right"};
    t.positionWeights = {0, 1.0, 1.0, 2.2, 5.7, 2.9, 4.8, 1.85, 2.45, 1.85, 0};
    t.leagueFieldingPercentages = {0, .952, .990, .993, .981, .953, .967, .977, .984, .981, .999};
    t.usaAnthem = joinPath(homeDir, "usan.mid");
    t.canadaAnthem = joinPath(homeDir, "canada.mid");
    t.keyEscape = std::string(kKeyEscape);
    t.keyF2 = functionKey(2);
    t.keyF3 = functionKey(3);
    t.keyF4 = functionKey(4);
    t.markerSolid = kGlyphSolidSquare;
    t.markerDot = kGlyphSmallDot;
    return t;
}

}  // namespace vrk
