// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Designs that hold every pair of the numbers ("2 if 2" wheels, and the key wheels
// "3 if 3"): small enough to search at a fixed count of lines, with every swap of every
// line weighed at each move.
#pragma once

#include "wheel.h"

#include <cstdint>
#include <vector>

namespace wheel {

struct PairSearchOptions {
    std::uint64_t seed = 1;
    double secondsCap = 10.0;
};

// Looks for `count` blocks of k of the v points that between them hold every pair of the
// points: random blocks, then a tabu search that swaps one point of one block at a time,
// always the swap that leaves fewest pairs bare (a point just moved out of a block stays
// out for a few moves). Empty when the time runs out first.
std::vector<Line> searchPairCover(int v, int k, std::size_t count, const PairSearchOptions &options);

struct PairDescent {
    std::vector<Line> blocks; // the fewest found; empty when not even `below` - 1 was
    double seconds = 0.0;
};

// Tries count `below` - 1, then one fewer each time it succeeds, down to the counting
// bound; every count gets up to secondsCap.
PairDescent descendPairCover(int v, int k, std::size_t below, const PairSearchOptions &options);

} // namespace wheel
