// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The wheel file: the text form every wheel is kept in, read and written.
#pragma once

#include "wheelsearch/wheel.h"

#include <string>
#include <vector>

namespace wheel {

// How a data file gives a wheel's lines (the texts that stand for them are in borrowedlines.h).
enum class LinesGiven {
    // One line of numbers a ticket.
    listed,
    // A key wheel: the key in front of each line of the type-a wheel "x-1 if y-1" of one
    // pick fewer on one number fewer (see borrowedLinesText).
    keyInFront,
    // A type-a wheel: the lines of the wheel "x if y" of its pick on one number fewer, and
    // those of "x-1 if y-1" of one pick fewer with the last number added (see grownLinesText).
    grown,
    // A full wheel (see everyCombinationText).
    everyCombination,
};

// One wheel as the data files keep it:
//   wheel pick=6 type=a numbers=10 guarantee="3 if 4" tickets=7
//   01-02-03-04-05-06
//   ...
struct Entry {
    WheelSpec spec;
    std::vector<Line> lines;
    int headerLine = 0; // where it stands in its file, for messages
    std::string note;   // how it was found: the comment line just above its header
    std::string file;   // the file it was read from, for messages
    // A wheel may name where its lines come from instead of listing them (see LinesGiven):
    // then this is the count of tickets it declares, else 0.
    std::size_t borrowedTickets = 0;
    LinesGiven given = LinesGiven::listed;
    // For a grown wheel: how many of its lines are those of the wheel of the same pick.
    std::size_t grownFirst = 0;
};

struct ParseResult {
    std::vector<Entry> entries;
    std::string error; // "file:line: what", empty when the text is sound
};

// Reads a wheel file. Checks the form of every line and that the ticket count agrees
// with the lines; the guarantee itself is left to verifyWheel. A wheel that borrows the
// lines of others is left without them (but for every combination) until lendLines.
ParseResult parseWheels(const std::string &text, const std::string &fileName);

std::string formatEntry(const Entry &e);

// Reads the label "x if y"; false for anything else.
bool parseGuarantee(const std::string &label, int &x, int &y);

// "pick 6 type-a wheel "3 if 4" on 10 numbers (5 tickets)", to name a wheel in messages.
std::string describe(const Entry &e);
// "file:line", or "line N" for a wheel not read from a file.
std::string whereFound(const Entry &e);

// The full wheel: every combination of pick positions, "pick if pick".
Entry fullWheel(int pick, char type, int z);

} // namespace wheel
