#include "presentation/console_keys.h"

#include <cstdio>

namespace vrk {

std::string extendedKey(int scanCode) {
    return std::string{'\0', static_cast<char>(static_cast<unsigned char>(scanCode))};
}

std::string functionKey(int n) {
    if (n >= 1 && n <= 10) return extendedKey(kScanF1 + n - 1);
    if (n == 11) return extendedKey(kScanF11);
    if (n == 12) return extendedKey(kScanF12);
    return {};
}

bool isExtendedKey(std::string_view code) {
    return code.size() == 2 && code[0] == '\0';
}

int scanCodeOf(std::string_view code) {
    return isExtendedKey(code) ? static_cast<unsigned char>(code[1]) : -1;
}

std::string mouseCode(const MouseEvent& event) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%c%03d%03d", static_cast<char>(event.kind),
                  event.row % 1000, event.col % 1000);
    return std::string("\xff") + buffer;
}

std::optional<MouseEvent> parseMouseCode(std::string_view code) {
    if (code.size() != kMouseCodeLength || code[0] != '\xff') return std::nullopt;
    const char kind = code[1];
    if (kind != 'L' && kind != 'D' && kind != 'R' && kind != 'U' && kind != 'W')
        return std::nullopt;
    int numbers[2] = {0, 0};
    for (int n = 0; n < 2; ++n) {
        for (std::size_t i = 0; i < 3; ++i) {
            const char digit = code[2 + 3 * static_cast<std::size_t>(n) + i];
            if (digit < '0' || digit > '9') return std::nullopt;
            numbers[n] = numbers[n] * 10 + (digit - '0');
        }
    }
    return MouseEvent{static_cast<MouseKind>(kind), numbers[0], numbers[1]};
}

bool isMouseCode(std::string_view code) {
    return parseMouseCode(code).has_value();
}

bool isEnterOrDoubleClick(std::string_view code) {
    if (code == kKeyEnter) return true;
    const auto event = parseMouseCode(code);
    return event && event->kind == MouseKind::DoubleClick;
}

}  // namespace vrk
