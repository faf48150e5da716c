#pragma once
#include <cmath>

namespace vrk {

// Nearest whole number, halves to even (2.5 -> 2, 3.5 -> 4).
inline long roundHalfEven(double x) {
    double floorPart = std::floor(x);
    double diff = x - floorPart;
    long f = static_cast<long>(floorPart);
    if (diff > 0.5) return f + 1;
    if (diff < 0.5) return f;
    return (f % 2 == 0) ? f : f + 1;
}

}  // namespace vrk
