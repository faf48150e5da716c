#include "core/apportion.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>

namespace vrk {

std::vector<int> apportion(int total, const std::vector<double>& weights) {
    std::vector<int> parts(weights.size(), 0);
    const double sum = std::accumulate(weights.begin(), weights.end(), 0.0);
    if (weights.empty() || sum <= 0) {
        if (!weights.empty()) parts[0] = total;
        return parts;
    }
    std::vector<std::pair<double, std::size_t>> remainders;
    int given = 0;
    for (std::size_t i = 0; i < weights.size(); ++i) {
        const double exact = total * weights[i] / sum;
        parts[i] = static_cast<int>(std::floor(exact));
        given += parts[i];
        remainders.push_back({exact - parts[i], i});
    }
    std::stable_sort(remainders.begin(), remainders.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    for (std::size_t k = 0; given < total; ++k, ++given)
        ++parts[remainders[k % remainders.size()].second];
    return parts;
}

std::vector<int> apportionCapped(int total, const std::vector<double>& weights,
                                 const std::vector<int>& caps) {
    std::vector<int> parts(weights.size(), 0);
    int left = total;
    // Each round fills the parts that hit their bound and shares the rest
    // among the others; it ends when nothing is left or no part has room.
    while (left > 0) {
        std::vector<double> open(weights.size(), 0);
        bool any = false;
        for (std::size_t i = 0; i < weights.size(); ++i) {
            if (parts[i] < caps[i]) {
                open[i] = std::max(weights[i], 1e-9);
                any = true;
            }
        }
        if (!any) break;
        const std::vector<int> share = apportion(left, open);
        left = 0;
        for (std::size_t i = 0; i < parts.size(); ++i) {
            const int room = caps[i] - parts[i];
            const int take = std::min(share[i], std::max(room, 0));
            parts[i] += take;
            left += share[i] - take;
        }
    }
    return parts;
}

}  // namespace vrk
