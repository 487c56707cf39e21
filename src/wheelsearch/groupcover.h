// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wheelsearch/groups.h"
#include "wheelsearch/wheel.h"

#include <cstdint>
#include <vector>

namespace wheel {

struct GroupSearchOptions {
    std::uint64_t seed = 1;
    double secondsCap = 10.0;
    // The cover search stops early when it has not improved for twice as long as its
    // best took to find, and this many seconds more.
    double patience = 0.5;
    // Past this many orbits of blocks (or of drawn sets) the group is too small to search
    // this way: the result is empty and marked too large.
    std::size_t mostOrbits = 1'500'000;
    // Past this many drawn sets looked up in weighing the orbits of blocks (the orbits
    // times the sets a block covers) the group is too small as well.
    double mostLookups = 5e8;
    // Not 0: instead of the local search, try every choice of orbits (backtracking) for a
    // design of at most this many lines; empty when none is found in the time.
    std::size_t backtrackAtMost = 0;
};

struct GroupSearchResult {
    std::vector<Line> blocks; // empty when no design was found
    std::size_t orbits = 0;   // how many orbits of blocks it is made of
    double seconds = 0.0;
    bool tooLarge = false;
};

// Looks for the smallest design that the group maps onto itself. The group splits the
// blocks and the drawn sets into orbits, and a block covers a drawn set exactly when every
// image of the block covers the image of the set, so an orbit of blocks covers whole orbits
// of drawn sets: the design is a choice of block orbits that covers every orbit of drawn
// sets, each costing as many lines as it holds. Every orbit of blocks is weighed, then a
// greedy choice is improved by taking a few orbits out and covering again until the time
// is up.
GroupSearchResult searchGroupDesign(const Design &d, const PermutationGroup &g, const GroupSearchOptions &options);

// As few of the given sets (each a list of element numbers below `elements`) as the same
// cover search finds in `seconds` that together hold every element: their places in
// `sets`, or none when not every element is in some set.
std::vector<std::size_t> coverEveryElement(std::uint32_t elements, const std::vector<std::vector<std::uint32_t>> &sets,
                                           double seconds, std::uint64_t seed);

} // namespace wheel
