// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Which wheels ship: those worth offering, with the neighbours that beat a wheel put in
// its place.
#pragma once

#include "wheelsearch/wheelfile.h"

#include <cstddef>
#include <vector>

namespace wheel {

// The wheels worth offering: per pick, type and count of numbers, none that another
// with a guarantee at least as strong and no more lines makes pointless; fewest lines first.
std::vector<Entry> selectWheels(std::vector<Entry> entries);

// Why selectWheels would drop entries[i]: which entry makes it pointless (the first copy of
// a wheel listed twice), or entries.size() when it is worth offering.
std::size_t madePointlessBy(const std::vector<Entry> &entries, std::size_t i);

// A wheel of z numbers also serves z - 1 (the last position's place in each line is
// taken by another), a wheel of pick k serves pick k + 1 (each line gains a position),
// and a type-a wheel "x if y" of pick k on z numbers is, with a key put in front, the
// key wheel "x+1 if y+1" of pick k + 1 on z + 1 (and back). Replaces every entry that
// such a neighbour beats with fewer lines; where the picks in `picks` have no entry,
// only the last kind (the same design) adds one. Each derived wheel is proven before it
// is taken. Returns how many entries it derived.
std::size_t deriveFromNeighbours(std::vector<Entry> &entries, const std::vector<int> &picks);

} // namespace wheel
