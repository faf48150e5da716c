#include "reports/report_format.h"

#include <cstdio>

namespace vrk {

std::vector<int> HeaderColumnEnds(std::string_view header) {
    std::vector<int> ends;
    for (std::size_t i = 0; i < header.size(); ++i) {
        bool inWord = header[i] != ' ';
        bool wordEnds = inWord && (i + 1 == header.size() || header[i + 1] == ' ');
        if (wordEnds) ends.push_back(static_cast<int>(i + 1));
    }
    return ends;
}

std::string AlignedRow(std::string_view label, const std::vector<int>& ends,
                       const std::vector<std::string>& values) {
    std::string row(label);
    for (std::size_t i = 0; i < values.size() && i + 1 < ends.size(); ++i) {
        const std::string& value = values[i];
        if (value.empty()) continue;
        auto end = static_cast<std::size_t>(ends[i + 1]);
        std::size_t start = value.size() > end ? 0 : end - value.size();
        if (row.size() < end) row.resize(end, ' ');
        row.replace(start, value.size(), value.substr(0, end));
    }
    std::size_t last = row.find_last_not_of(' ');
    row.resize(last == std::string::npos ? 0 : last + 1);
    return row;
}

std::string Fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string Rate(double value, int decimals) {
    std::string text = Fixed(value, decimals);
    if (text.starts_with("0.")) text.erase(0, 1);
    return text;
}

std::string Count(long value) {
    return std::to_string(value);
}

std::string PadLeft(std::string_view text, std::size_t width) {
    std::string padded(text.size() < width ? width - text.size() : 0, ' ');
    return padded.append(text);
}

void AddLine(std::string& out, std::string_view line) {
    out.append(line);
    out += '\n';
}

}  // namespace vrk
