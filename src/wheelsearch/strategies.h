// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The ways wheelgen searches one wheel: through the designs that groups keep, at a fixed
// count, from a smaller design given new numbers, again from the lines found so far, and
// for the catalogue. Each takes a wheel or what it must promise and gives back the wheel it
// made, with the note that tells how; what a caller shows while it works comes through a
// callback.
#pragma once

#include "wheelsearch/fixedcount.h"
#include "wheelsearch/groupcover.h"
#include "wheelsearch/orbits.h"
#include "wheelsearch/search.h"
#include "wheelsearch/wheelfile.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace wheel {

// Told once for every group tried, with what the search under it found.
using OrbitGroupTried = std::function<void(const PointCycles &group, const OrbitSearchResult &result)>;
using GeometricGroupTried = std::function<void(const PermutationGroup &group, const GroupSearchResult &result)>;

// The smallest wheel of the spec that a cyclic group keeps, over every group worth trying
// (`seconds` each), then searched again without the group for `seconds` to drop what it
// can. No lines when no group gave a design. Not proven here.
Entry searchThroughOrbits(const WheelSpec &spec, double seconds, std::uint64_t seed, std::size_t mostLines,
                          const OrbitGroupTried &tried = {});

// The smallest wheel of the spec that a group from geometry keeps, over every such group on
// its numbers whose name holds `only` (all of them when empty), `seconds` each; the few
// that did best are searched four times as long again. Then searched again without the
// group for `seconds`. No lines when none gave a design of at most twice `mostLines`. Not
// proven here.
Entry searchThroughGroups(const WheelSpec &spec, double seconds, std::uint64_t seed, std::size_t mostLines,
                          const std::string &only = {}, const GeometricGroupTried &tried = {});

// The first wheel of at most `mostLines` lines found by trying every choice of orbits under
// each group from geometry whose name holds `only`, `seconds` a group. No lines when none
// gave one. Not proven here.
Entry exactThroughGroups(const WheelSpec &spec, std::size_t mostLines, double seconds, const std::string &only,
                         const GeometricGroupTried &tried = {});

// A wheel one search made, and how long that search took.
struct SearchedWheel {
    Entry wheel; // no lines when the search found none
    double seconds = 0.0;
};

// The wheel's design searched at a fixed count, from one line fewer down (see
// descendAtFixedCount). Not proven here.
SearchedWheel searchWheelAtFixedCount(const Entry &wheel, double seconds, std::uint64_t seed, FixedCountMethod method);

// The wheel searched again from its own lines for `seconds`: it takes the lines found where
// they are fewer and proven, and its note tells of the search either way.
SearchedWheel searchAgain(const Entry &wheel, double seconds, std::uint64_t seed);

// A smaller design a wheel may be extended from: `fresh` new numbers, `each` of them on
// every line of `base`.
struct ExtensionBase {
    int fresh = 0;
    int each = 0;
    Entry base;
};

// A wheel of triples or 4-sets and the smaller designs it may grow from.
struct ExtensionTarget {
    Entry wheel;
    std::vector<ExtensionBase> bases;
};

struct Extension {
    Entry wheel;                         // no lines when no base could be extended; not proven
    const ExtensionBase *from = nullptr; // the base that gave the fewest lines once covered
    std::size_t bare = 0;                // the t-sets it left bare
    std::size_t startLines = 0;          // its lines once those were covered
    std::size_t lines = 0;               // the lines the weighing brought that down to
    double seconds = 0.0;                // how long the weighing took
};

// Told for every base, with the t-sets it left bare and the lines once they were covered.
using ExtensionTried = std::function<void(const ExtensionBase &base, std::size_t bare, std::size_t coveredLines)>;

// Every base extended by its new numbers (extendByNewPoints) and completed greedily; the
// one of fewest lines is then weighed at a fixed count for `seconds`, one line fewer at a time.
Extension extendFromSmaller(const ExtensionTarget &target, double seconds, std::uint64_t seed,
                            const ExtensionTried &tried = {});

// No pass searches for a wheel of more lines than this.
constexpr std::size_t kMostLinesSearched = 2000;

// What the catalogue made of one guarantee.
struct CatalogueWheel {
    enum class Outcome {
        found,         // `wheel`: every combination, or a search's wheel, proven
        none,          // no wheel within kMostLinesSearched lines
        tooManySets,   // too many drawn sets for the search
        greedyTooSlow, // the greedy start took longer than `greedySeconds`: no verdict on the wheel
    };
    Outcome outcome = Outcome::none;
    Entry wheel;
    bool searched = false; // whether the search ran; `search` tells how it went
    SearchResult search;
    double greedySeconds = 0.0;
};

// The full wheel where it is small enough, else a search of `seconds` from a greedy start
// where the lower bound leaves room.
CatalogueWheel catalogueWheel(const WheelSpec &spec, double seconds, std::uint64_t seed);

} // namespace wheel
