// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "verify.h"

#include <bit>

namespace wheel {
namespace {

// c[n][r] = C(n, r), for the colex ranks of sets of positions.
struct Binomials {
    std::uint64_t c[kMaxPositions + 1][kMaxPositions + 2] = {};
    Binomials()
    {
        for (int n = 0; n <= kMaxPositions; ++n)
            for (int r = 0; r <= kMaxPositions + 1; ++r)
                c[n][r] = binomial(n, r);
    }
};
const Binomials &binomials()
{
    static const Binomials b;
    return b;
}

// The colex rank of a set among the sets of its size.
std::uint64_t rankOf(Line set)
{
    const auto &c = binomials().c;
    std::uint64_t rank = 0;
    int j = 0;
    for (; set; set &= set - 1)
        rank += c[std::countr_zero(set)][++j];
    return rank;
}

// Looks for a drawn y-set none of whose x-subsets a line holds. The y-sets are walked in
// colex order as a tree of growing prefixes; a prefix that already holds a marked x-set
// is matched whatever completes it, so its whole subtree is passed over. Wheels with few
// lines on many numbers are proven in a small part of the C(z, y) drawn sets that way.
class HoleFinder {
public:
    HoleFinder(int z, int x, int y, const std::vector<bool> &marked) : z_(z), x_(x), y_(y), marked_(marked) {}

    // Walks every y-set holding `fixed` (the key's position) or, with fixed < 0, all of them.
    bool findHole(int fixed, Line &hole)
    {
        if (fixed >= 0)
            return extend(0, fixed, hole);
        for (int p = 0; p <= z_ - y_; ++p)
            if (extend(0, p, hole))
                return true;
        return false;
    }

private:
    // Adds position p to the prefix of `depth` positions; true when a hole lies below.
    bool extend(int depth, int p, Line &hole)
    {
        // The x-sets that p completes: an (x-1)-subset of the prefix with p on top.
        const std::uint64_t top = binomials().c[p][x_];
        if (depth >= x_ - 1 &&
            anySubsetOf(prefix_, depth, x_ - 1, 0, [&](Line s) { return bool(marked_[rankOf(s) + top]); }))
            return false;
        prefix_[depth] = p;
        if (depth + 1 == y_) {
            hole = 0;
            for (int i = 0; i < y_; ++i)
                hole |= Line{1} << prefix_[i];
            return true;
        }
        for (int q = p + 1; q <= z_ - (y_ - depth - 1); ++q)
            if (extend(depth + 1, q, hole))
                return true;
        return false;
    }

    int z_;
    int x_;
    int y_;
    const std::vector<bool> &marked_;
    int prefix_[kMaxPositions] = {};
};

} // namespace

Verdict verifyWheel(const WheelSpec &spec, const std::vector<Line> &lines)
{
    Verdict v;
    if (spec.z < 1 || spec.z > kMaxPositions || spec.pick < 1 || spec.pick > spec.z) {
        v.reason = "the wheel's sizes are out of range";
        return v;
    }
    if (spec.x < 1 || spec.x > spec.y || spec.y > spec.pick) {
        v.reason = "the guarantee \"" + spec.label() + "\" is not one a wheel can make";
        return v;
    }
    if (lines.empty()) {
        v.reason = "the wheel has no lines";
        return v;
    }
    const Line all = (Line{1} << spec.z) - 1;
    for (Line l : lines) {
        if ((l & ~all) || std::popcount(l) != spec.pick) {
            v.reason = "line " + formatLine(l) + " does not hold " + std::to_string(spec.pick) + " positions of 01.." +
                       std::to_string(spec.z);
            return v;
        }
        if (spec.type == 'k' && !(l & 1u)) {
            v.reason = "key wheel line " + formatLine(l) + " lacks position 01";
            return v;
        }
    }

    // Mark every x-set some line holds.
    std::vector<bool> marked(binomial(spec.z, spec.x), false);
    int pos[kMaxPositions];
    for (Line l : lines)
        forEachSubsetOf(pos, positionsOf(l, pos), spec.x, 0, [&](Line s) { marked[rankOf(s)] = true; });

    // Every y-set of the z positions; a key wheel speaks only of those holding the key.
    HoleFinder finder(spec.z, spec.x, spec.y, marked);
    if (finder.findHole(spec.type == 'k' ? 0 : -1, v.hole)) {
        v.reason = "no line matches " + std::to_string(spec.x) + " of the drawn set " + formatLine(v.hole);
        return v;
    }
    v.holds = true;
    return v;
}

} // namespace wheel
