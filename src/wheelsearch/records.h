// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wheelsearch/wheelfile.h"

#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace wheel {

struct Record {
    std::size_t best = 0;       // fewest blocks published
    std::size_t lowerBound = 0; // proven least
};

using DesignKey = std::tuple<int, int, int, int>; // v, k, t, m
using Records = std::map<DesignKey, Record>;

// Reads "v,k,t,m,record,lower_bound,..." rows; rows it cannot read are passed over.
Records parseRecords(const std::string &csv);

// One row per wheel with a published figure, then a summary.
std::string printReport(const std::vector<Entry> &wheels, const Records &records);

} // namespace wheel
