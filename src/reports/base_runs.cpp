#include "reports/base_runs.h"

#include <cmath>

namespace vrk {

void BattingLine::add(const BattingLine& o) {
    ab += o.ab, h += o.h, d += o.d, t += o.t, hr += o.hr, bb += o.bb, hbp += o.hbp;
    so += o.so, sf += o.sf, sb += o.sb, cs += o.cs;
}

double baseRuns(const BattingLine& l) {
    const double onBase = l.h + l.bb + l.hbp - l.hr;
    const double advance =
        (1.4 * l.totalBases() - 0.6 * l.h - 3 * l.hr + 0.1 * (l.bb + l.hbp)) * 1.02 +
        0.9 * (l.sb - l.cs);
    const double outs = l.ab - l.h;
    // A line with no outs and no advancement has nobody to drive in.
    if (advance + outs <= 0) return l.hr;
    return onBase * advance / (advance + outs) + l.hr;
}

double correlation(const std::vector<double>& x, const std::vector<double>& y) {
    if (x.size() != y.size() || x.empty()) return 0;
    const double n = double(x.size());
    double mx = 0, my = 0;
    for (std::size_t i = 0; i < x.size(); ++i) mx += x[i] / n, my += y[i] / n;
    double sxy = 0, sxx = 0, syy = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        sxy += (x[i] - mx) * (y[i] - my);
        sxx += (x[i] - mx) * (x[i] - mx);
        syy += (y[i] - my) * (y[i] - my);
    }
    return sxx > 0 && syy > 0 ? sxy / std::sqrt(sxx * syy) : 0;
}

double meanAbsoluteError(const std::vector<double>& x, const std::vector<double>& y) {
    if (x.size() != y.size() || x.empty()) return 0;
    double sum = 0;
    for (std::size_t i = 0; i < x.size(); ++i) sum += std::fabs(x[i] - y[i]);
    return sum / double(x.size());
}

double spread(const std::vector<double>& x) {
    if (x.empty()) return 0;
    double mean = 0;
    for (double v : x) mean += v / double(x.size());
    double sum = 0;
    for (double v : x) sum += (v - mean) * (v - mean);
    return std::sqrt(sum / double(x.size()));
}

double slope(const std::vector<double>& x, const std::vector<double>& y) {
    if (x.size() != y.size() || x.empty()) return 0;
    double mx = 0, my = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        mx += x[i] / double(x.size());
        my += y[i] / double(y.size());
    }
    double sxy = 0, sxx = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        sxy += (x[i] - mx) * (y[i] - my);
        sxx += (x[i] - mx) * (x[i] - mx);
    }
    return sxx > 0 ? sxy / sxx : 0;
}

}  // namespace vrk
