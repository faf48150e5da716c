#pragma once
#include <vector>

namespace vrk {

// Splits a whole total in proportion to the weights, largest remainders
// first, so the parts always add up to the total exactly. With no weight at
// all the first part takes everything.
std::vector<int> apportion(int total, const std::vector<double>& weights);

// The same with an upper bound per part: what a part cannot take goes to
// the others in proportion to their weights. The parts add up to the total
// when the bounds allow it, else every part is at its bound.
std::vector<int> apportionCapped(int total, const std::vector<double>& weights,
                                 const std::vector<int>& caps);

}  // namespace vrk
