// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "extend.h"

#include "localsearch.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace wheel {

ColouredExtension extendByNewPoints(const Design &d, const std::vector<Line> &base, int fresh, std::uint64_t seed,
                                    std::uint64_t moves)
{
    ColouredExtension result;
    const int n = d.v - fresh;
    if ((d.t != 3 && d.t != 4) || d.m != d.t || fresh < std::max(2, d.t - 1) || fresh >= d.k || n < d.k ||
        d.v > kMaxPositions || base.empty())
        return result;
    const Line old = (Line{1} << n) - 1;
    for (const Line b : base)
        if (std::popcount(b) != d.k - 1 || (b & ~old) != 0)
            return result;
    // The old points in runs of k - fresh (the last run filled up from the first points),
    // each run on one line with all the new points.
    const int run = d.k - fresh;
    std::vector<Line> runs;
    for (int first = 0; first < n; first += run) {
        Line r = 0;
        for (int j = 0; j < run; ++j)
            r |= Line{1} << ((first + j) % n);
        runs.push_back(r);
    }

    // The (t-1)-sets of the old points by colex rank; carried[rank * fresh + c]: the blocks
    // through the set that carry new point c.
    const int shorter = d.t - 1;
    auto rankOf = [](Line set) {
        std::size_t rank = 0;
        for (int size = 1; set; set &= set - 1, ++size)
            rank += static_cast<std::size_t>(binomial(std::countr_zero(set), size));
        return rank;
    };
    const auto slots = static_cast<std::size_t>(fresh);
    const auto sets = static_cast<std::size_t>(binomial(n, shorter));
    std::vector<std::uint32_t> carried(sets * slots, 0);
    // A run's line carries every new point.
    for (const Line r : runs) {
        int pos[kMaxPositions];
        const int size = positionsOf(r, pos);
        forEachSubsetOf(pos, size, shorter, 0, [&](Line s) {
            for (std::size_t c = 0; c < slots; ++c)
                ++carried[rankOf(s) * slots + c];
        });
    }
    std::vector<std::vector<std::size_t>> setsOf(base.size());
    for (std::size_t i = 0; i < base.size(); ++i) {
        int pos[kMaxPositions];
        const int size = positionsOf(base[i], pos);
        forEachSubsetOf(pos, size, shorter, 0, [&](Line s) { setsOf[i].push_back(rankOf(s)); });
    }
    local::Rng rng(seed);
    std::vector<std::size_t> colour(base.size());
    for (std::size_t i = 0; i < base.size(); ++i) {
        colour[i] = rng.below(slots);
        for (const auto p : setsOf[i])
            ++carried[p * slots + colour[i]];
    }
    auto bare = static_cast<std::size_t>(std::count(carried.begin(), carried.end(), 0u));

    // Annealing: a block takes another new point when that leaves no more t-sets bare,
    // or by chance when it leaves a few more, less and less often as it cools.
    std::size_t fewest = bare;
    std::vector<std::size_t> best = colour;
    const double hottest = 2.0;
    const double coldest = 0.05;
    for (std::uint64_t move = 0; move < moves && fewest > 0; ++move) {
        const std::size_t i = rng.below(base.size());
        const std::size_t to = rng.below(slots);
        const std::size_t from = colour[i];
        if (to == from)
            continue;
        long change = 0;
        for (const auto p : setsOf[i])
            change += (carried[p * slots + from] == 1) - (carried[p * slots + to] == 0);
        const double heat = std::max(coldest, hottest * (1.0 - static_cast<double>(move) / static_cast<double>(moves)));
        if (change > 0 && rng.unit() >= std::exp(-static_cast<double>(change) / heat))
            continue;
        for (const auto p : setsOf[i]) {
            --carried[p * slots + from];
            ++carried[p * slots + to];
        }
        colour[i] = to;
        bare = static_cast<std::size_t>(static_cast<long>(bare) + change);
        if (bare < fewest) {
            fewest = bare;
            best = colour;
        }
    }

    const Line fresher = ((Line{1} << d.v) - 1) & ~old;
    for (std::size_t i = 0; i < base.size(); ++i)
        result.blocks.push_back(base[i] | (Line{1} << (n + static_cast<int>(best[i]))));
    for (const Line r : runs)
        result.blocks.push_back(fresher | r);
    result.bare = fewest;
    return result;
}

} // namespace wheel
