// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Wheels made one number per line longer: every line of a good design on fewer numbers
// gets one of a few new numbers.
#pragma once

#include "wheel.h"

#include <cstdint>
#include <vector>

namespace wheel {

struct ColouredExtension {
    std::vector<Line> blocks; // empty when the design is not taken
    // ((t-1)-set of old points, new point) that no extended block holds: t-sets still bare.
    std::size_t bare = 0;
};

// A start for the design (v, k, t, t), t = 3 or 4, from blocks of k - 1 on the first
// n = v - fresh points that hold every t-set there: each block gets one of the `fresh` new
// points (t - 1 <= fresh < k), and the old points, k - fresh at a time, get lines of
// their own with all the new points. A t-set of one new point is held when the blocks
// through its t - 1 old points carry that point; the new points are handed out by
// annealing so that the blocks through each such set carry as many different ones as they
// can (a Steiner system whose pairs lie on k - 1 blocks each can leave few triples bare).
// With t = 3 every triple of two or three new points is held as well; with t = 4, those
// of two new points and two old ones only where the old ones share a run. `moves` bounds
// the annealing. What is still bare is left to the caller to cover.
ColouredExtension extendByNewPoints(const Design &d, const std::vector<Line> &base, int fresh, std::uint64_t seed,
                                    std::uint64_t moves);

} // namespace wheel
