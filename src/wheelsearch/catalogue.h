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
    std::string note;   // how it was found: the comment line just above its header
    std::string file;   // the file it was read from, for messages
    // A key wheel whose lines are those of the type-a wheel "x-1 if y-1" of one pick fewer on
    // one number fewer, with the key in front, may name that wheel instead of listing them
    // (see borrowedLinesText): then this is the count of tickets it declares, else 0.
    std::size_t borrowedTickets = 0;
};

struct ParseResult {
    std::vector<Entry> entries;
    std::string error; // "file:line: what", empty when the text is sound
};

// Reads a wheel file. Checks the form of every line and that the ticket count agrees
// with the lines; the guarantee itself is left to verifyWheel.
ParseResult parseWheels(const std::string &text, const std::string &fileName);

std::string formatEntry(const Entry &e);

// What a key wheel's file holds in place of its lines when it borrows them:
//   01 in front of each line of pick 6 type-a "4 if 4" on 24 numbers, the rest one higher
std::string borrowedLinesText(const WheelSpec &keySpec);
// Fills in the lines of every entry that borrows them. Returns "file:line: what" when the
// wheel it names is not among the entries or has another count of lines, else "".
std::string lendLines(std::vector<Entry> &entries);
// Lets every key wheel of four lines or more borrow its lines where a type-a wheel among
// the entries has them.
void borrowWhereTheSame(std::vector<Entry> &entries);

// The note of a searched wheel: how long it was searched, from a greedy start of how many lines.
std::string searchedNote(double seconds, std::size_t greedyLines);
// The note of a wheel found among the designs a cyclic group keeps (see orbits.h), then
// searched again without the group.
std::string orbitNote(int runLength, int runs, int multiplier, int fixedPoints, std::size_t baseBlocks,
                      std::size_t orbitLines, double seconds);
// The note of a wheel found among the designs a group from geometry keeps (see
// groupcover.h), then searched again without the group.
std::string groupNote(const std::string &group, std::size_t orbits, std::size_t orbitLines, double seconds);
// The note of a wheel found by the search at a fixed count (see fixedcount.h).
std::string fixedCountNote(std::size_t lines, double seconds);
// Reads a note of a searched wheel; returns how many of its two figures it found (0:
// another kind of note).
int readSearchedNote(const std::string &note, double &seconds, std::size_t &greedyLines);
// How long the wheel of a note was searched: a search's own note, or the "then searched"
// at the end of another (a group's, a join's); 0 when it tells of none.
double secondsSearched(const std::string &note);
// The note of a wheel searched again for `seconds` more from its lines: a search's note
// adds them up, any other keeps what it tells and ends in "; then searched S s".
std::string searchedAgainNote(const std::string &note, double seconds, std::size_t linesBefore);

// Reads the label "x if y"; false for anything else.
bool parseGuarantee(const std::string &label, int &x, int &y);

// The wheels worth offering: per pick, type and count of numbers, none that another
// with a guarantee at least as strong and no more lines makes pointless; fewest lines first.
std::vector<Entry> selectWheels(std::vector<Entry> entries);

// Why selectWheels would drop entries[i]: which entry makes it pointless (the first copy of
// a wheel listed twice), or entries.size() when it is worth offering.
std::size_t madePointlessBy(const std::vector<Entry> &entries, std::size_t i);

// "pick 6 type-a wheel "3 if 4" on 10 numbers (5 tickets)", to name a wheel in messages.
std::string describe(const Entry &e);
// "file:line", or "line N" for a wheel not read from a file.
std::string whereFound(const Entry &e);

// The full wheel: every combination of pick positions, "pick if pick".
Entry fullWheel(int pick, char type, int z);

// A wheel of z numbers also serves z - 1 (the last position's place in each line is
// taken by another), a wheel of pick k serves pick k + 1 (each line gains a position),
// and a type-a wheel "x if y" of pick k on z numbers is, with a key put in front, the
// key wheel "x+1 if y+1" of pick k + 1 on z + 1 (and back). Replaces every entry that
// such a neighbour beats with fewer lines; where the picks in `picks` have no entry,
// only the last kind (the same design) adds one. Each derived wheel is proven before it
// is taken. Returns how many entries it derived.
std::size_t deriveFromNeighbours(std::vector<Entry> &entries, const std::vector<int> &picks);

} // namespace wheel
