// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wheelsearch/wheel.h"

#include <atomic>
#include <cstdint>
#include <vector>

namespace wheel {

// The search follows every drawn set; past this many it gives up (empty result).
constexpr std::uint64_t kMostSetsSearched = 40'000'000;

struct SearchOptions {
    std::uint64_t seed = 1;
    // Moves the search may spend on one attempt at a line count (three attempts a count).
    std::uint64_t movesPerLevel = 2'000'000;
    // Hard cap on the whole search; when it is hit the result is still a valid wheel,
    // but a rerun with the same seed may end elsewhere.
    double secondsCap = 60.0;
    // Give up at once (empty result) when the greedy start needs more lines than this.
    std::size_t giveUpAbove = 0;
    // Give up when the greedy start alone takes longer than this (0: never).
    double greedySecondsCap = 0.0;
    // Tabu search (the default) takes the best swap towards a bare set every time, and a
    // point just moved out of a block may not come straight back; annealing takes a
    // random swap towards it when the change in cost passes the Metropolis test.
    bool tabu = true;
    // Start from these blocks instead of the greedy start (a previous best, say).
    std::vector<Line> start;
    // Read as often as the clock, setting up included: once it is set the search ends as at
    // its time cap with the best cover so far, or gives up (empty result) before it has one.
    // Lets another thread stop a search at once, for a deadline or a cancel.
    const std::atomic<bool> *stop = nullptr;
};

struct SearchResult {
    std::vector<Line> blocks; // empty when the search gave up
    std::size_t greedyLines = 0;
    std::uint64_t moves = 0;
    double seconds = 0.0;
    bool hitTimeCap = false;
};

// Looks for as few blocks of k of the v points as it can such that every m-set of the
// points meets some block in at least t points: a greedy start, then a local search
// over sets of blocks that lowers the count until it can no longer reach full cover.
SearchResult searchDesign(const Design &d, const SearchOptions &options);

// The same for a wheel; key wheels are searched on their reduced design.
SearchResult searchWheel(const WheelSpec &spec, const SearchOptions &options);

} // namespace wheel
