#include "core/text_fields.h"

namespace vrk {

std::string_view field(std::string_view line, int firstCol, int lastCol) {
    if (firstCol < 1) firstCol = 1;
    if (lastCol < firstCol) return {};
    const auto start = static_cast<std::size_t>(firstCol - 1);
    if (start >= line.size()) return {};
    const auto len = static_cast<std::size_t>(lastCol - firstCol + 1);
    return line.substr(start, len);
}

std::string_view fieldToEnd(std::string_view line, int firstCol) {
    if (firstCol < 1) firstCol = 1;
    const auto start = static_cast<std::size_t>(firstCol - 1);
    if (start >= line.size()) return {};
    return line.substr(start);
}

char charAt(std::string_view line, int col) {
    if (col < 1 || static_cast<std::size_t>(col) > line.size()) return ' ';
    return line[static_cast<std::size_t>(col - 1)];
}

double numericPrefix(std::string_view text, bool allowDecimal) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    double value = 0.0;
    bool seenPoint = false;
    double scale = 0.1;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            if (seenPoint) {
                value += (c - '0') * scale;
                scale /= 10.0;
            } else {
                value = value * 10.0 + (c - '0');
            }
        } else if (c == '.' && allowDecimal && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
    }
    return negative ? -value : value;
}

long integerPrefix(std::string_view text) {
    return static_cast<long>(numericPrefix(text, false));
}

std::string_view trimRight(std::string_view text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

std::string_view trimLeft(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    return text;
}

std::string_view trim(std::string_view text) {
    return trimLeft(trimRight(text));
}

char upperChar(char c) {
    if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
    switch (static_cast<unsigned char>(c)) {
        case 0x87:
            return static_cast<char>(0x80);  // c cedilla
        case 0x81:
            return static_cast<char>(0x9A);  // u diaeresis
        case 0x82:
            return static_cast<char>(0x90);  // e acute
        case 0x84:
            return static_cast<char>(0x8E);  // a diaeresis
        case 0x86:
            return static_cast<char>(0x8F);  // a ring
        case 0x91:
            return static_cast<char>(0x92);  // ae
        case 0x94:
            return static_cast<char>(0x99);  // o diaeresis
        case 0xA4:
            return static_cast<char>(0xA5);  // n tilde
        default:
            return c;
    }
}

std::string upperCase(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = upperChar(c);
    return out;
}

std::string padRight(std::string_view text, std::size_t width) {
    std::string out(text.substr(0, width));
    out.resize(width, ' ');
    return out;
}

std::string_view chompCr(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

std::string concat(std::initializer_list<std::string_view> parts) {
    std::size_t size = 0;
    for (std::string_view part : parts) size += part.size();
    std::string out;
    out.reserve(size);
    for (std::string_view part : parts) out.append(part);
    return out;
}

}  // namespace vrk
