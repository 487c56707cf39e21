// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Pair covers that meet every pair exactly as often as asked (once, or more for a few
// chosen pairs), kept by turns of runs: an exact cover of the orbits of pairs. Where the
// counting bound leaves a few pairs too many and says which, this finds covers at the
// bound that a search for fewer bare pairs keeps missing.
#pragma once

#include "wheelsearch/wheel.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace wheel {

struct ExactPairCover {
    std::vector<Line> blocks; // empty when none was found
    std::uint64_t nodes = 0;
    bool exhausted = false; // no such cover is kept by the group
};

struct PairCoverAsk {
    int v = 0;
    int k = 0;
    // Points 0 to fixed - 1 stay; the rest fall into runs of `length`, and one turn moves
    // every point of a run one place on.
    int length = 3;
    int fixed = 0;
    // Base blocks taken as they are, each with all its turns.
    std::vector<std::vector<int>> given;
    // Each listing of a pair asks every pair of its orbit to lie on one block more.
    std::vector<std::pair<int, int>> oftener;
    // Pairs a block laid by the caller, outside the turns, already meets: their orbits ask
    // for no block here.
    std::vector<std::pair<int, int>> spared;
};

// Searches the blocks kept by the turns that meet every pair as often as asked; `seed`
// shuffles the order the orbits of blocks are tried in, `nodeLimit` bounds the search.
ExactPairCover exactPairCover(const PairCoverAsk &ask, std::uint64_t seed, std::uint64_t nodeLimit);

// On v = 7 or 10 (mod 12) points the counting bound of the pair cover by 4-sets leaves
// room for three pairs too many, and every point but two lies on (v - 1) / 3 blocks: a
// cover at the bound puts one pair on four blocks and every other pair on one.
bool quadCoverPutsOnePairOnFour(int v);

// Such a cover kept by turns modulo 3 of (v - 4) / 3 runs that fix the points 0 to 3:
// the pair 0, 1 lies on {0, 1, 2, 3} and the turns of {0, 1, 4, 7}.
ExactPairCover quadCoverWithOnePairOnFour(int v, std::uint64_t seed, std::uint64_t nodeLimit);

// The pair cover by 4-sets of v = 6u + 3 points at the counting bound from a group
// divisible design: points 0 to 2 stay and lie on the block {0, 1, 2, 3}; the other 6u
// fall into u groups of six, and each group's pairs lie on three blocks of its own (three
// of them twice); every pair from two groups, or from a fixed point and a group, lies on
// one block kept by the turns. With runs = 3 each run holds 2u points, a group being the
// points u apart in the three runs; with runs = 6 each holds u, a group being the points
// at one place in the six runs.
ExactPairCover groupDivisibleQuadCover(int u, int runs, std::uint64_t seed, std::uint64_t nodeLimit);

} // namespace wheel
