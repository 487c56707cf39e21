// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <bit>
#include <cstdint>
#include <string>
#include <vector>

namespace wheel {

// A line is a set of positions 0..48 held as bits; position 0 is "01" in the data.
using Line = std::uint64_t;

// The most numbers a wheel is made for.
constexpr int kMaxPositions = 49;

std::uint64_t binomial(int n, int r);

// The rank of a set among the sets of its size, in colex order.
std::uint64_t colexRank(Line set);

// What a wheel promises: if `y` drawn numbers are among the player's `z` numbers,
// some line of `pick` positions matches at least `x` of them. A key wheel carries
// position 01 in every line and promises it whenever the key is among those y.
struct WheelSpec {
    int pick = 0;
    char type = 'a'; // 'a' or 'k'
    int z = 0;
    int x = 0;
    int y = 0;

    std::string label() const; // "x if y"
    bool isFull() const { return x == pick && y == pick; }
};

// Covering parameters (v points, blocks of k, every m-set met in at least t points).
struct Design {
    int v = 0;
    int k = 0;
    int t = 0;
    int m = 0;
};

// The design a wheel reduces to: a key wheel's lines, key dropped, cover the other
// positions with one fewer number per line and one fewer hit.
Design designOf(const WheelSpec &spec);
// Puts the key back in front of a key wheel's reduced lines.
std::vector<Line> linesFromDesign(const WheelSpec &spec, const std::vector<Line> &blocks);
std::vector<Line> designFromLines(const WheelSpec &spec, const std::vector<Line> &lines);

// The positions of a set, smallest first; returns how many there are.
inline int positionsOf(Line set, int *pos)
{
    int n = 0;
    for (; set; set &= set - 1)
        pos[n++] = std::countr_zero(set);
    return n;
}

// Calls f(set) for every subset of `count` of the first n positions in `pos`, each joined
// with `with`, until f returns true; returns whether it did.
template <class F> bool anySubsetOf(const int *pos, int n, int count, Line with, F &&f)
{
    if (count == 0)
        return f(with);
    for (int j = count - 1; j < n; ++j)
        if (anySubsetOf(pos, j, count - 1, with | (Line{1} << pos[j]), f))
            return true;
    return false;
}

// Calls f(set) for every subset of `count` of the first n positions in `pos`, each joined with `with`.
template <class F> void forEachSubsetOf(const int *pos, int n, int count, Line with, F &&f)
{
    anySubsetOf(pos, n, count, with, [&f](Line s) {
        f(s);
        return false;
    });
}

// The next larger set with as many members (Gosper's step); sets count up from
// (1 << r) - 1 and are all seen once the result reaches 1 << n.
inline std::uint64_t nextOfSameSize(std::uint64_t s)
{
    if (s == 0)
        return ~std::uint64_t{0}; // the empty set has no successor
    const std::uint64_t low = s & (~s + 1);
    const std::uint64_t ripple = s + low;
    return (((ripple ^ s) >> 2) / low) | ripple;
}

std::string formatLine(Line line); // "01-02-05"
// Lines in the order a player reads them: by their positions, smallest first.
inline bool lineLess(Line a, Line b)
{
    const Line diff = a ^ b;
    return diff != 0 && (a & diff & (~diff + 1)) != 0;
}
// Parses "01-02-05"; returns false on a malformed text, a position outside 1..maxPosition,
// or a repeated position. Fills `error` with what is wrong.
// A position given twice is set in `repeated` (when given), so a caller can name it in words of
// its own.
bool parseLine(const std::string &text, int maxPosition, Line &line, std::string &error, int *repeated = nullptr);

// Reads a whole number of at most nine digits, nothing else around it.
bool wholeNumber(const std::string &text, int &value);

// How many drawn sets one block matches: the m-sets that meet it in at least t.
std::uint64_t setsPerBlock(const Design &d);

// The lower bound of a design: Schoenheim's for t == m, the counting bound otherwise.
std::uint64_t lowerBound(const Design &d);

} // namespace wheel
