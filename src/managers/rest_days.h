#pragma once
#include <optional>

namespace vrk {

// Days of rest a pitcher still needs (0..4) from his season-to-date record:
// the stored rest count, or, during a schedule replay, that count plus 1
// minus the days since his last outing. No record means 0.
int RestDaysNeeded(std::optional<int> storedRest, std::optional<int> daysSinceLastOuting);

}  // namespace vrk
