// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wheelsearch/wheelfile.h"

#include <cstdint>

#include <vector>

namespace wheel {

// Wheels built from known designs rather than searched.

// The wheels of the binary Golay code: its 759 words of weight 8 on 24 positions meet
// every 5 positions exactly once ("5 if 5" of pick 8 on 24 numbers, the fewest lines
// possible). Those through position 24, less it, give "4 if 4" of pick 7 on 23 (253
// lines); through 23 and 24, "3 if 3" of pick 6 on 22 (77); through 22, 23 and 24,
// "2 if 2" of pick 5 on 21 (21).
std::vector<Entry> golayWheels();

// The circles of the inversive plane of order q (q a prime, 3 <= q <= 5): the q^2 + 1
// points of the projective line over the field of q^2 elements, and as lines the images
// of the line over the prime field under the maps x -> (ax + b) / (cx + d). Every three
// points lie on exactly one circle: "3 if 3" of pick q + 1 on q^2 + 1 numbers with
// q(q^2 + 1) lines (130 for pick 6 on 26 numbers).
Entry inversivePlaneWheel(int q);

// "3 if 3" of pick 7 on `numbers` (38 to 49) from the circles of the inversive plane of
// order 7, 350 lines of 8 on 50 points that hold every triple once, with 50 - `numbers`
// points taken out: a circle left with 3 to 7 points is a line, one left whole two lines
// (the few triples they miss go onto lines with room), and circles left with fewer go.
// Which points go is searched: `tries` swaps of one of them, each kept when it makes no
// more lines (394 lines on 40 numbers, about 12% above the published record, and a
// good start for the local search). Empty when the count is out of range.
Entry puncturedInversiveWheel(int numbers, std::uint64_t seed, int tries);

// "2 if 2" of pick k on k*n + extra numbers from a transversal design over GF(n) (n a
// prime power, k <= n <= 9): the numbers fall into k runs of n and `extra` more; the n^2
// lines {(x, ax + b)} meet each run once and hold every pair from two runs exactly once,
// and each run with the extra numbers gets the lines of `runWheel`, a "2 if 2" of pick k
// on n + extra numbers. Empty when the sizes do not fit.
Entry transversalWheel(int k, int n, int extra, const Entry &runWheel);

// "3 if 3" of pick k on k*n numbers from the quadratics over GF(n) (n a prime power,
// 3 <= k <= n <= 9): the numbers fall into k runs of n, and the n^3 lines
// {(x, ax^2 + bx + c)} meet each run once and hold every triple from three runs exactly
// once. The triples with numbers in two runs are held by one small cover of two runs,
// searched for `seconds`, laid on every two runs under the relabelling of their numbers
// that best holds the triples within runs; what a run still misses gets lines of its own,
// and lines that hold nothing alone go. Empty when the sizes do not fit.
Entry quadraticWheel(int k, int n, double seconds);

// The key wheel pick 5 "3 if 3" on 6u + 4 numbers (4 <= u <= 7) from the pair cover by
// 4-sets of the 6u + 3 numbers after the key that a group divisible design with u groups
// of six and one of three gives (groupDivisibleQuadCover): as few lines as counting
// allows, 127 on 40 numbers and 169 on 46. Each shape of runs gets `nodeLimit` steps of
// the exact cover; empty when neither finds the design.
Entry groupDivisibleKeyWheel(int u, std::uint64_t nodeLimit);

// The pair cover by triples of v numbers (v = 2 or 4 mod 6) at the counting
// bound: a cyclic Steiner triple system on the first v - 1, found by exact cover, and the
// last number with them two by two (the first once more). Empty when none is found.
std::vector<Line> tripleCoverOfPairs(int v);

// From the key wheel pick 5 "4 if 4" on v + 1 numbers that holds each triple after the key
// on exactly one line (a Steiner quadruple system), the key wheel on v + 2: the new number
// joins the key on the lines of tripleCoverOfPairs(v), which meet every triple it makes.
// As few lines as counting allows (763 on 28 numbers, 950 on 30). Empty when `steiner` is
// no such wheel.
Entry steinerGrownKeyWheel(const Entry &steiner);

} // namespace wheel
