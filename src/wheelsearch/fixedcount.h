// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Designs that must hold every pair, triple or 4-set of the numbers on one line ("2 if
// 2" to "4 if 4" wheels, and the key wheels "3 if 3" to "5 if 5"): searched at a fixed
// count of lines, with every swap of every line weighed at each move.
#pragma once

#include "wheel.h"

#include <cstdint>
#include <vector>

namespace wheel {

struct FixedCountOptions {
    std::uint64_t seed = 1;
    double secondsCap = 10.0;
};

// Whether the fixed-count search takes the design: every t-set held whole (m = t) for
// t = 2 to 4, within kMaxPositions points.
bool searchableAtFixedCount(const Design &d);

// Looks for `count` blocks of the design: random blocks, then a tabu search that swaps
// one point of one block at a time, always the swap that leaves fewest t-sets bare
// among those that bring one onto a block (a point just moved out of a block stays out
// for a few moves). Empty when the time runs out first or the design is not taken.
std::vector<Line> searchAtFixedCount(const Design &d, std::size_t count, const FixedCountOptions &options);

struct FixedCountDescent {
    std::vector<Line> blocks; // the fewest found; empty when not even `below` - 1 was
    double seconds = 0.0;
};

// Tries count `below` - 1, then one fewer each time it succeeds, down to the counting
// bound; every count gets up to secondsCap.
FixedCountDescent descendAtFixedCount(const Design &d, std::size_t below, const FixedCountOptions &options);

} // namespace wheel
