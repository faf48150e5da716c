#pragma once
#include <string>
#include <utility>
#include <vector>

namespace vrk {

struct ScatterPlot {
    std::string title;
    std::string xLabel;
    std::string yLabel;
    double tick = 0.025;  // distance between axis marks; the axes snap to it
    const char* tickFormat = "%.3f";
    std::vector<std::pair<double, double>> points;
};

// An SVG scatter of the points with the diagonal y = x dashed, so a reader
// sees at once how far simulated figures stray from the real ones.
bool writeScatterSvg(const std::string& path, const ScatterPlot& plot);

}  // namespace vrk
