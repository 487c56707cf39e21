// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Pairs covered by 4-sets in as few blocks as counting allows when that count forces one
// pair onto four blocks: on v = 7 or 10 (mod 12) points every point but two lies on
// (v - 1) / 3 blocks, and those two share four blocks, every other pair lies on exactly
// one. Such a cover is searched among those kept by turns modulo 3 of (v - 4) / 3 runs
// that leave the four points of one of the shared blocks in place.
#pragma once

#include "wheel.h"

#include <cstdint>
#include <vector>

namespace wheel {

struct QuadCover {
    std::vector<Line> blocks; // every pair of 0..v-1 on one of them; empty when none found
    std::uint64_t nodes = 0;
    bool exhausted = false; // no such cover kept by the group exists
};

// Whether the counting bound of the pair cover by 4-sets on v points forces one pair
// onto four blocks, the case quadCoverWithOnePairOnFour looks for.
bool quadCoverPutsOnePairOnFour(int v);

// Searches an exact cover of the pairs the group cannot keep apart; `seed` shuffles the
// order the orbits of blocks are tried in, `nodeLimit` bounds the search.
QuadCover quadCoverWithOnePairOnFour(int v, std::uint64_t seed, std::uint64_t nodeLimit);

} // namespace wheel
