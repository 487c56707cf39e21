// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wheelsearch/wheelfile.h"

#include <vector>

namespace wheel {

// Wheels for many numbers made of wheels for fewer. Split the numbers in two parts and give
// each part a wheel of its own: of y = yA + yB - 1 drawn numbers, yA lie in the first part
// or yB in the second, and that part's wheel matches x of them. A part may also be left
// without lines: of y drawn, y - b then lie in the other part of z - b numbers. Or add one
// number to a wheel: the draws without it are met by the wheel, those with it by the lines
// of "x-1 if y-1" of one pick fewer on the old numbers, each with the new one added (the
// Golay wheel on 23 numbers and "3 if 3" on 23 make "4 if 4" of pick 7 on 24). Or mix two
// parts in every line: a drawn set with j numbers in the first part is met by lines made of
// a block of a design on the first part that meets every j-set there in i, and a block of
// one on the rest that meets every other y - j in x - i, for each j the i and split of the
// pick that cost fewest lines; the designs of the parts may be plain ones (a line of them
// all, runs of numbers, every set). Works on the
// designs (so key wheels join through their reduced designs), for every count of numbers
// up to `mostNumbers`, and returns each wheel of `picks` it makes with fewer lines than
// `known` holds, or where `known` holds none. The results are not proven here.
struct MixedStarts {
    // Where to put them: the first start of each design in the first list, its second in
    // the second, and so on; none when null.
    std::vector<std::vector<Entry>> *out = nullptr;
    double within = 1.0;    // at most this many times the lines of the best
    std::size_t splits = 1; // of the splits into two parts, how many of those with fewest lines
};
// With `starts`, also hands out the designs mixed from two parts that come within a factor
// of the best but do not beat it, as starts for a search (one wheel per design and split).
std::vector<Entry> joinParts(const std::vector<Entry> &known, const std::vector<int> &picks, int mostNumbers,
                             const MixedStarts &starts = {});

} // namespace wheel
