// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Designs that must hold every pair, triple or 4-set of the numbers on one line ("2 if
// 2" to "4 if 4" wheels, and the key wheels "3 if 3" to "5 if 5"): searched at a fixed
// count of lines, with every swap of every line weighed at each move. Designs whose drawn
// sets are one or two numbers larger ("2 if 3" to "4 if 5", "2 if 4" to "4 if 6") are
// searched at a fixed count too, over their drawn sets, from a wheel already found.
#pragma once

#include "wheelsearch/wheel.h"

#include <atomic>
#include <cstdint>
#include <vector>

namespace wheel {

// How the descent searches each count.
enum class FixedCountMethod { tabu, anneal, weigh };

struct FixedCountOptions {
    std::uint64_t seed = 1;
    double secondsCap = 10.0;
    FixedCountMethod method = FixedCountMethod::tabu;
    // Weighing, and the search over drawn sets: start the first count from these blocks,
    // and each next count from the blocks found at the one before.
    std::vector<Line> start;
};

struct AnnealOptions {
    std::uint64_t seed = 1;
    double secondsCap = 10.0;
    double hottest = 0.5;  // at the start and whenever the cooling begins again
    double coldest = 0.08; // where the cooling ends
    std::uint64_t movesToCool = 40'000'000;
};

// Whether the fixed-count search takes the design: every t-set held whole (m = t) for
// t = 2 to 4, within kMaxPositions points; or drawn sets of t + 1 or t + 2 points, at most
// 6 (searchOverDrawnSets).
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

// Looks for `count` blocks by simulated annealing: random blocks, then at each move a
// random bare t-set is brought onto a random block that holds all of it but one point,
// in place of a random point of that block outside the set. A move that leaves more
// t-sets bare is still taken, with a chance of e^(-more / temperature); the temperature
// falls from hottest to coldest over movesToCool moves, and starts again. Where the
// tabu search always takes the best swap and circles on large designs, the random walk
// crosses the ridges between nearly full designs. Empty when the time runs out first.
std::vector<Line> annealAtFixedCount(const Design &d, std::size_t count, const AnnealOptions &options);

struct WeighOptions {
    std::uint64_t seed = 1;
    double secondsCap = 10.0;
    // Bare t-sets drawn at each move; their swaps are weighed together.
    std::size_t drawn = 4;
    // Start from these blocks instead of random ones, less those that hold fewest t-sets
    // alone (or with random ones added) to make `count`.
    std::vector<Line> start;
    // The search over drawn sets ends, empty, soon after this is set.
    const std::atomic<bool> *stop = nullptr;
};
// Looks for `count` blocks by a local search that weighs the bare t-sets: every t-set
// starts at weight 1, and a move is the swap, among those that bring one of a few randomly
// drawn bare t-sets onto a block, that most lowers the total weight of the bare t-sets
// (ties drawn at random, a point just moved out of a block stays out for a while). When
// even that swap does not lower it, every t-set still bare weighs one more, so the sets
// that stay bare longest pull the blocks towards them and the walk leaves the flats where
// counting alone sees nothing to gain. Empty when the time runs out first.
std::vector<Line> weighAtFixedCount(const Design &d, std::size_t count, const WeighOptions &options);

// Looks for `count` blocks of a design whose drawn sets are one or two points larger than
// a hit (m = t + 1 or t + 2, t = 2 to 4, m at most 6): from the start (cut or padded to
// `count` blocks), a tabu search that, of the swaps bringing one of a few randomly drawn bare
// sets to t points on a block, takes the one leaving fewest drawn sets bare (ties drawn at
// random; a point just moved out of a block stays out for a while). Every drawn set is counted with how many of its
// t-sets are held, so a swap is weighed by a few lookups. It goes down from a good wheel; from random blocks it stalls
// far above one. Empty when the time runs out first.
std::vector<Line> searchOverDrawnSets(const Design &d, std::size_t count, const WeighOptions &options);

// Tries count `below` - 1, then one fewer each time it succeeds, down to the counting
// bound; every count gets up to secondsCap. A design whose drawn sets are larger than a
// hit is searched over them (searchOverDrawnSets), whatever the method.
FixedCountDescent descendAtFixedCount(const Design &d, std::size_t below, const FixedCountOptions &options);

} // namespace wheel
