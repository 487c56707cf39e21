// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The note above a wheel in its file that tells how it was found, written and read back.
#pragma once

#include "wheelsearch/fixedcount.h"
#include "wheelsearch/quads.h"
#include "wheelsearch/wheel.h"

#include <cstddef>
#include <string>

namespace wheel {

// The note of a searched wheel: how long it was searched, from a greedy start of how many lines.
std::string searchedNote(double seconds, std::size_t greedyLines);
// The note of a wheel found among the designs a cyclic group keeps (see orbits.h), then
// searched again without the group.
std::string orbitNote(int runLength, int runs, int multiplier, int fixedPoints, std::size_t baseBlocks,
                      std::size_t orbitLines, double seconds);
// The note of a wheel found among the designs a group from geometry keeps (see
// groupcover.h), then searched again without the group.
std::string groupNote(const std::string &group, std::size_t orbits, std::size_t orbitLines, double seconds);
// The note of a wheel of `lines` lines found by trying every choice of the orbits of a
// group from geometry (see groupcover.h).
std::string exactGroupNote(const std::string &group, std::size_t orbits, std::size_t lines);
// The note of a pair cover found by exact cover under the turns the ask names, with the
// pairs it asks to meet more often (see exactPairCover).
std::string pairCoverNote(const PairCoverAsk &ask, std::size_t lines);
// The note of the key wheel pick 5 "3 if 3" on v + 1 numbers of quadCoverWithOnePairOnFour.
std::string quadCoverNote(int v, std::size_t lines);
// The note of a wheel of t-sets made from the lines of `base`, each with `each` of `fresh`
// new numbers (and with one, those with `run` old ones at a time; see extendByNewPoints),
// completed to `startLines` and then weighed down to `lines`.
std::string extendedNote(const WheelSpec &base, std::size_t baseLines, int fresh, int each, int run, int t,
                         std::size_t startLines, std::size_t lines, double seconds);
// The note of a wheel found at a fixed count by the tabu search, by annealing or by the
// search that weighs bare sets (see fixedcount.h).
std::string fixedCountNote(std::size_t lines, double seconds, FixedCountMethod method = FixedCountMethod::tabu);
// A wheel whose drawn sets are larger than a hit, searched at fixed counts from
// one of startLines lines (searchOverDrawnSets).
std::string drawnSetsNote(std::size_t startLines, std::size_t lines, double seconds);

// Reads a note of a searched wheel; returns how many of its two figures it found (0:
// another kind of note).
int readSearchedNote(const std::string &note, double &seconds, std::size_t &greedyLines);
// How long the wheel of a note was searched: a search's own note, or the "then searched"
// at the end of another (a group's, a join's); 0 when it tells of none.
double secondsSearched(const std::string &note);
// The note of a wheel searched again for `seconds` more from its lines: a search's note
// adds them up, any other keeps what it tells and ends in "; then searched S s".
std::string searchedAgainNote(const std::string &note, double seconds, std::size_t linesBefore);

} // namespace wheel
