#pragma once
#include <vector>

namespace vrk {

// A club's batting line as season totals: what a run estimate and the
// replay's club comparison read.
struct BattingLine {
    double ab = 0, h = 0, d = 0, t = 0, hr = 0, bb = 0, hbp = 0, so = 0, sf = 0;
    double sb = 0, cs = 0;
    void add(const BattingLine& o);
    double pa() const { return ab + bb + hbp + sf; }
    double totalBases() const { return h + d + 2 * t + 3 * hr; }
    double avg() const { return ab > 0 ? h / ab : 0; }
    double obp() const { return pa() > 0 ? (h + bb + hbp) / pa() : 0; }
    double slg() const { return ab > 0 ? totalBases() / ab : 0; }
};

// BaseRuns, the run estimate of a batting line: runners on base times the
// share of them driven in, plus home runs. An empty line scores nothing.
double baseRuns(const BattingLine& line);

// Pearson correlation of two equally long series; 0 when either is flat.
double correlation(const std::vector<double>& x, const std::vector<double>& y);

double meanAbsoluteError(const std::vector<double>& x, const std::vector<double>& y);

// Least-squares slope of y on x: below 1 the simulated differences between
// clubs are narrower than the real ones. 0 when x is flat.
double slope(const std::vector<double>& x, const std::vector<double>& y);

// Standard deviation over the whole series (not a sample estimate).
double spread(const std::vector<double>& x);

}  // namespace vrk
