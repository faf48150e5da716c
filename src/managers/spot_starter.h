#pragma once
#include <string_view>

#include "data/team.h"

namespace vrk {

class ErrorSink;
class Rng;
struct RotationRecord;

struct SpotStarterRules {
    bool daysOffRule = false;      // DAYS-OFF-RULE
    bool statisticsInUse = false;  // a statistics set supplies rest days
};

// Applies the spot-starter rule to the rotation's starter: occasionally a
// staff pitcher outside the rotation starts instead, in proportion to his
// real starts. `record` may be null (no rotation exclusions, with an error).
int ApplySpotStarter(const Team& team, const RotationRecord* record, std::string_view method,
                     int rotationStarter, const SpotStarterRules& rules, Rng& rng,
                     ErrorSink& errors);

}  // namespace vrk
