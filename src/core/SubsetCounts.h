// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
// How many draws of a few numbers from a pool meet a family of sets in a given way. The pool's
// first places are bits 0..63 of the sets; the rest of the pool lies on none of them.
#pragma once

#include <cstdint>
#include <span>

namespace odds {

// The r-subsets of a pool of `pool` numbers, for r up to 8 and pools up to 99: exact in 64 bits.
std::uint64_t subsetsOf(int pool, int r);

// The r-subsets of the pool that meet every one of `sets` (each non-empty); r from 1 to 8.
// `ok` turns false when the family is too large to count this way (more than 12 sets left once
// those holding another are dropped, none r + 1 of them disjoint, and r above 3).
std::uint64_t subsetsMeetingEvery(std::span<const std::uint64_t> sets, int pool, int r, bool &ok);

// The r-subsets of the pool holding both places of some pair on one of `sets`, for r = 2 or 3:
// `near[p]` is the union of the sets holding place p, without p.
std::uint64_t subsetsHoldingAPair(std::span<const std::uint64_t, 64> near, std::uint64_t places, int pool, int r);

} // namespace odds
