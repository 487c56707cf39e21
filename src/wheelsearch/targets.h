// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Which wheels each pass of wheelgen over a folder of search results takes, and in what
// order: those its search may make smaller, and those not found yet.
#pragma once

#include "wheelsearch/records.h"
#include "wheelsearch/strategies.h"

#include <functional>
#include <map>
#include <tuple>
#include <vector>

namespace wheel {

// A wheel a pass searches, and how many times its published record it holds; a wheel
// without lines stands for a guarantee that has none yet (ratio 0).
struct RecordTarget {
    Entry wheel;
    double ratio = 0.0;
};

// What the searches through groups take from the wheels `found`. Given a range of numbers
// (mostNumbers above 0): every guarantee of `picks` there with neither a wheel of its own
// nor a stronger one, and a lower bound within kMostLinesSearched. Otherwise every wheel of
// `picks` more than `ratio` times above its record, the worst first. Never a full wheel,
// nor a key wheel "2 if y" or one whose pick less one is in `picks` (assemble makes those
// from that pick's type-a wheels), nor one `tried` says was tried before.
std::vector<RecordTarget> recordTargets(std::vector<Entry> found, const Records &records, double ratio,
                                        const std::vector<int> &picks, int fewestNumbers, int mostNumbers,
                                        const std::function<bool(const WheelSpec &)> &tried);

// The design (v, k, t, m) of each wheel the searches at a fixed count take.
using FixedCountKey = std::tuple<int, int, int, int>;

// The smallest wheel of each design the searches at a fixed count take, a type-a wheel
// before a key wheel of as many lines; takes the wheels out of `all`.
std::map<FixedCountKey, Entry> smallestByDesign(std::vector<Entry> &all);

// Whether a wheel could have fewer lines: above the counting bound and above its record.
bool worthSearching(const Entry &e, const Records &records);

// What the searches at a fixed count take: the smallest wheel of each design, where worth
// searching.
std::vector<Entry> fixedCountTargets(std::vector<Entry> all, const Records &records);

// What the extension takes: the smallest wheel of each design of triples or 4-sets worth
// searching, with the smaller designs among `all` it may grow from (one or two numbers
// fewer a line).
std::vector<ExtensionTarget> extensionTargets(std::vector<Entry> all, const Records &records);

// What the catalogue searches: up to pick 8 every guarantee for fewestNumbers to
// mostNumbers numbers; a larger pick the strong guarantees for up to five numbers more than
// it picks. A key wheel "x if y" with x > 2 only where the pick below is not in `picks`.
// The counts of numbers players use most come first.
std::vector<WheelSpec> catalogueSpecs(const std::vector<int> &picks, int fewestNumbers, int mostNumbers);

// A wheel to search again from its lines: how long it was searched so far, and how many
// times its lower bound it holds.
struct SearchAgainTarget {
    Entry wheel;
    double searched = 0.0;
    double gap = 0.0;
};

// Of the wheels found so far, those searched for less than `seconds` that stand above
// their lower bound (full wheels never), the largest gap first. With `whateverSearched`, every
// wheel above its bound, however long it was searched: a run of `seconds` more each, which
// chains short searches, since the time searched so far seeds each run anew.
std::vector<SearchAgainTarget> searchAgainTargets(std::vector<Entry> wheels, double seconds,
                                                  bool whateverSearched = false);

} // namespace wheel
