// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wheelsearch/fixedcount.h"
#include "wheelsearch/wheel.h"

#include <string>
#include <vector>

namespace wheel {

// How a data file gives a wheel's lines.
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
// with the lines; the guarantee itself is left to verifyWheel.
ParseResult parseWheels(const std::string &text, const std::string &fileName);

std::string formatEntry(const Entry &e);

// What a key wheel's file holds in place of its lines when it borrows them:
//   01 in front of each line of pick 6 type-a "4 if 4" on 24 numbers, the rest one higher
std::string borrowedLinesText(const WheelSpec &keySpec);
//   the 72 lines of pick 7 type-a "6 if 7" on 13 numbers, and the 51 of pick 6 type-a "5 if 6"
//   on 13 numbers with 14 added to each
// A drawn set without the last number is met by the first wheel; with it, by the second.
std::string grownLinesText(const WheelSpec &spec, std::size_t first, std::size_t second);
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

// The note of a searched wheel: how long it was searched, from a greedy start of how many lines.
std::string searchedNote(double seconds, std::size_t greedyLines);
// The note of a wheel found among the designs a cyclic group keeps (see orbits.h), then
// searched again without the group.
std::string orbitNote(int runLength, int runs, int multiplier, int fixedPoints, std::size_t baseBlocks,
                      std::size_t orbitLines, double seconds);
// The note of a wheel found among the designs a group from geometry keeps (see
// groupcover.h), then searched again without the group.
std::string groupNote(const std::string &group, std::size_t orbits, std::size_t orbitLines, double seconds);
// The note of a wheel found at a fixed count by the tabu search, by annealing or by the
// search that weighs bare sets (see fixedcount.h).
// The note of a wheel of t-sets made from the lines of `base`, each with `each` of `fresh`
// new numbers (and with one, those with `run` old ones at a time; see extendByNewPoints),
// completed to `startLines` and then weighed down to `lines`.
std::string extendedNote(const WheelSpec &base, std::size_t baseLines, int fresh, int each, int run, int t,
                         std::size_t startLines, std::size_t lines, double seconds);
std::string fixedCountNote(std::size_t lines, double seconds, FixedCountMethod method = FixedCountMethod::tabu);
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
