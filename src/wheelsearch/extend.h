// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Wheels made longer by a number or two a line: every line of a good design on fewer
// numbers gets one or two of some new numbers.
#pragma once

#include "wheelsearch/wheel.h"

#include <cstdint>
#include <vector>

namespace wheel {

struct ColouredExtension {
    std::vector<Line> blocks; // empty when the design is not taken
    // (old set, new set) that no extended block holds, for the t-sets of 1 to `each` new
    // points: t-sets still bare.
    std::size_t bare = 0;
};

// A start for the design (v, k, t, t), t = 3 or 4, from blocks of k - each on the first
// n = v - fresh points that hold every t-set there: each block gets `each` (1 or 2) of the
// `fresh` new points. With one a block (t - 1 <= fresh < k), the old points, k - fresh at
// a time, get lines of their own with all the new points; with two (fresh >= 3) they get
// none. A t-set of j new points and t - j old ones is held when a block through its old
// points carries its new ones; the new points are handed out by annealing so that the
// blocks through each such old set carry as many different ones as they can (a Steiner
// system whose pairs lie on k - 1 blocks each can leave few triples bare). With one new
// point a block and t = 3 every triple of two or three new points is held as well; with
// t = 4, those of two new points and two old ones only where the old ones share a run.
// `moves` bounds the annealing. What is still bare is left to the caller to cover.
ColouredExtension extendByNewPoints(const Design &d, const std::vector<Line> &base, int fresh, std::uint64_t seed,
                                    std::uint64_t moves, int each = 1);

// `blocks` and as many lines more as it takes to hold every t-set of the design (m = t),
// one at a time: of `tries` lines grown from sets still bare, a point at a time by the
// point that brings most bare t-sets onto the line (ties drawn at random), the one that
// holds most bare t-sets is taken. Empty when the design is not taken.
std::vector<Line> coverBareGreedily(const Design &d, std::vector<Line> blocks, std::uint64_t seed, int tries);

} // namespace wheel
