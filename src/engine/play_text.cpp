#include "engine/play_text.h"

#include <ostream>

namespace vrk {

std::ostream& operator<<(std::ostream& out, const PlayText& text) {
    return out << text.view();
}

}  // namespace vrk
