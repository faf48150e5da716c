#include "reports/scatter_svg.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>

namespace vrk {

namespace {
std::string formatted(const char* format, double v) {
    char text[32];
    std::snprintf(text, sizeof text, format, v);
    return text;
}
}  // namespace

bool writeScatterSvg(const std::string& path, const ScatterPlot& plot) {
    double lo = 1e300, hi = -1e300;
    for (const auto& [x, y] : plot.points) {
        lo = std::min({lo, x, y});
        hi = std::max({hi, x, y});
    }
    if (plot.points.empty()) lo = 0, hi = plot.tick;
    lo = std::floor(lo / plot.tick) * plot.tick;
    hi = std::ceil(hi / plot.tick) * plot.tick;
    if (hi <= lo) hi = lo + plot.tick;
    const double size = 480, margin = 60;
    auto px = [&](double v) { return margin + (v - lo) / (hi - lo) * size; };
    auto py = [&](double v) { return margin + size - (v - lo) / (hi - lo) * size; };
    std::ofstream svg(path);
    svg << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << size + 2 * margin
        << "\" height=\"" << size + 2 * margin
        << "\" font-family=\"sans-serif\" font-size=\"12\">\n"
        << "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n"
        << "<text x=\"" << margin + size / 2 << "\" y=\"24\" text-anchor=\"middle\" "
        << "font-size=\"15\">" << plot.title << "</text>\n";
    for (double v = lo; v <= hi + plot.tick * 1e-6; v += plot.tick) {
        svg << "<line x1=\"" << px(v) << "\" y1=\"" << py(lo) << "\" x2=\"" << px(v) << "\" y2=\""
            << py(lo) + 5 << "\" stroke=\"black\"/>\n"
            << "<text x=\"" << px(v) << "\" y=\"" << py(lo) + 18 << "\" text-anchor=\"middle\">"
            << formatted(plot.tickFormat, v) << "</text>\n"
            << "<line x1=\"" << px(lo) - 5 << "\" y1=\"" << py(v) << "\" x2=\"" << px(lo)
            << "\" y2=\"" << py(v) << "\" stroke=\"black\"/>\n"
            << "<text x=\"" << px(lo) - 8 << "\" y=\"" << py(v) + 4 << "\" text-anchor=\"end\">"
            << formatted(plot.tickFormat, v) << "</text>\n";
    }
    svg << "<line x1=\"" << px(lo) << "\" y1=\"" << py(lo) << "\" x2=\"" << px(hi) << "\" y2=\""
        << py(lo) << "\" stroke=\"black\"/>\n"
        << "<line x1=\"" << px(lo) << "\" y1=\"" << py(lo) << "\" x2=\"" << px(lo) << "\" y2=\""
        << py(hi) << "\" stroke=\"black\"/>\n"
        << "<line x1=\"" << px(lo) << "\" y1=\"" << py(lo) << "\" x2=\"" << px(hi) << "\" y2=\""
        << py(hi) << "\" stroke=\"grey\" stroke-dasharray=\"6,4\"/>\n"
        << "<text x=\"" << margin + size / 2 << "\" y=\"" << size + margin + 42
        << "\" text-anchor=\"middle\">" << plot.xLabel << "</text>\n"
        << "<text x=\"16\" y=\"" << margin + size / 2
        << "\" text-anchor=\"middle\" transform=\"rotate(-90 16 " << margin + size / 2 << ")\">"
        << plot.yLabel << "</text>\n";
    for (const auto& [x, y] : plot.points) {
        svg << "<circle cx=\"" << px(x) << "\" cy=\"" << py(y)
            << "\" r=\"3.5\" fill=\"steelblue\" fill-opacity=\"0.75\"/>\n";
    }
    svg << "</svg>\n";
    svg.close();
    return static_cast<bool>(svg);
}

}  // namespace vrk
