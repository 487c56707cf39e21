// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Wheels whose file names where their lines come from instead of listing them: what the
// file says in their place, filling their lines in, and choosing which wheels to name so.
#pragma once

#include "wheelsearch/wheelfile.h"

#include <string>
#include <vector>

namespace wheel {

// What a key wheel's file holds in place of its lines when it borrows them:
//   01 in front of each line of pick 6 type-a "4 if 4" on 24 numbers, the rest one higher
std::string borrowedLinesText(const WheelSpec &keySpec);
//   the 72 lines of pick 7 type-a "6 if 7" on 13 numbers, and the 51 of pick 6 type-a "5 if 6"
//   on 13 numbers with 14 added to each
// A drawn set without the last number is met by the first wheel; with it, by the second.
std::string grownLinesText(const WheelSpec &spec, std::size_t first, std::size_t second);
// Reads the two counts of lines back from such a text; false for any other text.
bool readGrownCounts(const std::string &line, std::size_t &first, std::size_t &second);
//   every combination of 5 of the 9 numbers
//   01 in front of every combination of 4 of the numbers 02 to 10
std::string everyCombinationText(const WheelSpec &fullSpec);

// Fills in the lines of every entry that borrows them, in the order lineLess puts them.
// Returns "file:line: what" when a wheel it names is not among the entries or has another
// count of lines, else "".
std::string lendLines(std::vector<Entry> &entries);
// Lets a wheel name where its lines come from where the entries hold the same lines: a key
// wheel of four lines or more its type-a design; a type-a wheel the two it is grown from, and
// a full wheel every combination, where the name is shorter than the lines.
void borrowWhereTheSame(std::vector<Entry> &entries);

} // namespace wheel
