// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wheelsearch/wheel.h"

#include <string>
#include <vector>

namespace wheel {

struct Verdict {
    bool holds = false;
    std::string reason; // why not, for the player-facing tools
    Line hole = 0;      // a drawn set that no line matches well enough
};

// Proves or refutes a wheel's promise by checking every drawn set it speaks of.
// Independent of the search: it marks the x-subsets that lines contain and then asks,
// for each y-subset of the z positions, whether one of its x-subsets is marked.
Verdict verifyWheel(const WheelSpec &spec, const std::vector<Line> &lines);

} // namespace wheel
