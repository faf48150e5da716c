#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace vrk {

class Console;

// Two numbers typed into a small window: digits, Backspace, Enter or Tab to
// go on to the second number. Enter on the second number or ESC takes what
// was typed; F3 cancels (no value). A field left blank reads as 0. `top`
// is the window's first row (0: the middle of the play area).
struct NumberPair {
    int first = 0;
    int second = 0;
};
std::optional<NumberPair> AskNumberPair(Console& console, std::string_view title,
                                        std::string_view footer, int top = 0);

}  // namespace vrk
