#pragma once
#include <array>
#include <string>

namespace vrk {

// Tables built once at start-up and only read afterwards. Arrays follow the
// position numbers, index 0 unused where the numbering starts at 1.
struct FixedTables {
    std::array<std::string, 12> positionAbbreviations;  // 1..11
    std::array<std::string, 10> positionPlaceNames;     // 1..9
    std::array<double, 11> positionWeights;             // 0..10
    std::array<double, 11> leagueFieldingPercentages;   // 1..10
    // The anthem files the inning loop plays and stops.
    std::string usaAnthem;
    std::string canadaAnthem;
    // Escape and the three function keys the screens treat specially, as
    // console key codes.
    std::string keyEscape;
    std::string keyF2, keyF3, keyF4;
    unsigned char markerSolid = 254;
    unsigned char markerDot = 249;
};

FixedTables buildFixedTables(const std::string& homeDir);

}  // namespace vrk
