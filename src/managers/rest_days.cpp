#include "managers/rest_days.h"

#include <algorithm>

namespace vrk {

int RestDaysNeeded(std::optional<int> storedRest, std::optional<int> daysSinceLastOuting) {
    if (!storedRest) return 0;
    int rest = *storedRest;
    if (daysSinceLastOuting) rest = rest + 1 - *daysSinceLastOuting;
    return std::clamp(rest, 0, 4);
}

}  // namespace vrk
