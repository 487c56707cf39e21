// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wheel.h"

#include <string>
#include <vector>

namespace wheel {

// One wheel as the data files keep it:
//   wheel pick=6 type=a numbers=10 guarantee="3 if 4" tickets=7
//   01-02-03-04-05-06
//   ...
struct Entry {
    WheelSpec spec;
    std::vector<Line> lines;
    int headerLine = 0; // where it stands in its file, for messages
};

struct ParseResult {
    std::vector<Entry> entries;
    std::string error; // "file:line: what", empty when the text is sound
};

// Reads a wheel file. Checks the form of every line and that the ticket count agrees
// with the lines; the guarantee itself is left to verifyWheel.
ParseResult parseWheels(const std::string &text, const std::string &fileName);

std::string formatEntry(const Entry &e);

// Reads the label "x if y"; false for anything else.
bool parseGuarantee(const std::string &label, int &x, int &y);

// The wheels worth offering: per pick, type and count of numbers, none that another
// with a guarantee at least as strong and no more lines makes pointless; fewest lines first.
std::vector<Entry> selectWheels(std::vector<Entry> entries);

// The full wheel: every combination of pick positions, "pick if pick".
Entry fullWheel(int pick, char type, int z);

} // namespace wheel
