#include <algorithm>

#include "presentation/catalogue.h"
#include "presentation/console.h"

namespace vrk {

void ShowCatalogueLoadProblem(Console& console, const CatalogueLoad& outcome) {
    if (outcome.status == CatalogueLoadStatus::Loaded) return;
    // Row 30 is below the screen of a 25-row console; a box is always seen.
    const int row = std::min(30, std::max(1, console.rows() - 4));
    constexpr int kErrorAttribute = 15 + 16 * 4;  // bright white on red
    if (outcome.status == CatalogueLoadStatus::TooManyLines)
        console.messageBox(row, 10, outcome.message, kErrorAttribute, 1);
    else
        console.messageBox(row, 10, outcome.message, kErrorAttribute);
}

}  // namespace vrk
