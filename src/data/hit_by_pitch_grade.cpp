#include "data/hit_by_pitch_grade.h"

#include <cstdlib>

#include "core/text_fields.h"

namespace vrk {

double HitByPitchGradeScale(char grade) {
    if (grade < 'A') return 1;
    int g = 74 - asciiUpper(grade);
    if (g < 1) g = 1;
    g -= 4;
    if (g >= 1) return g;
    return 1.0 / (2 + std::abs(g));
}

}  // namespace vrk
