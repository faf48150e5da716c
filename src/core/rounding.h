#pragma once
#include <cmath>
#if defined(__x86_64__) && defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vrk {

// Nearest whole number, halves to even (2.5 -> 2, 3.5 -> 4).
inline long roundHalfEven(double x) {
#if defined(__x86_64__) && defined(__SSE2__)
    // The processor's own conversion rounds to nearest, halves to even, in
    // the default rounding mode, which this program never changes: one
    // instruction on the engine's hot paths.
    return static_cast<long>(_mm_cvtsd_si64(_mm_set_sd(x)));
#else
    double floorPart = std::floor(x);
    double diff = x - floorPart;
    long f = static_cast<long>(floorPart);
    if (diff > 0.5) return f + 1;
    if (diff < 0.5) return f;
    return (f % 2 == 0) ? f : f + 1;
#endif
}

}  // namespace vrk
