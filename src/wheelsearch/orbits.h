// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wheelsearch/wheel.h"

#include <cstdint>
#include <vector>

namespace wheel {

// A group on the points: the first cycles * length points fall into runs of `length`,
// and one turn moves every point of a run one place on (the last to the first); the
// points after the runs stay where they are. With a multiplier other than 1 (the run's
// length a prime) the group also multiplies: point x of a run goes to a * x + b for every
// b and every power a of the multiplier, counted modulo the length.
struct PointCycles {
    int length = 0;
    int cycles = 1;
    int multiplier = 1;

    int fixedPoints(int v) const { return v - cycles * length; }
    Line turn(Line set, int steps) const;
    // How many maps the group holds, and the set that map number `element` makes of `set`
    // (element 0 leaves it as it is).
    int order() const;
    Line image(Line set, int element) const;
};

// The groups worth trying on v points: one to four runs of at least `shortest` points,
// at most three points left fixed, and on runs of prime length also the maps
// x -> ax + b with a of each order up to 12 that divides the length less one; the
// largest groups first.
std::vector<PointCycles> cycleGroupsFor(int v, int shortest);

struct OrbitSearchOptions {
    PointCycles group;
    std::uint64_t seed = 1;
    double secondsCap = 30.0;
    // Moves the search may spend on each count of base blocks.
    std::uint64_t movesPerLevel = 200'000;
    // Give up (empty result) when even the greedy start holds more lines than this.
    std::size_t giveUpAbove = 0;
};

struct OrbitSearchResult {
    std::vector<Line> blocks; // every turn of every base block, none twice; empty when none found
    std::size_t baseBlocks = 0;
    double seconds = 0.0;
};

// Looks for a design that the group maps onto itself: a few base blocks and all their
// turns. It searches the orbits of the m-sets rather than the m-sets, which makes a large
// design smaller by the order of the group: the moves change a base block, and with it
// every turn of it at once.
OrbitSearchResult searchOrbitDesign(const Design &d, const OrbitSearchOptions &options);

} // namespace wheel
