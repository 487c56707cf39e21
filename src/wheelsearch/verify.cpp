// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheelsearch/verify.h"

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
// colex order as a tree of growing prefixes. For every (x-1)-set S, `completes` holds the
// positions q that make S + q an x-set some line holds; a prefix may only grow by a
// position outside the union of completes[S] over its (x-1)-subsets, since any other
// growth is matched whatever follows. So a whole subtree is passed over at once, and a
// prefix one short of y with any position left over is a hole.
class HoleFinder {
public:
    HoleFinder(int z, int x, int y, const std::vector<Line> &completes)
        : all_((Line{1} << z) - 1), x_(x), y_(y), completes_(completes)
    {
    }

    // Walks every y-set holding `fixed` (the key's position) or, with fixed < 0, all of them.
    bool findHole(int fixed, Line &hole)
    {
        hole_ = &hole;
        // With x = 1 the empty set is the one (x-1)-subset of every prefix.
        const Line start = x_ == 1 ? completes_[0] : 0;
        if (fixed >= 0) {
            // The fixed position is not chosen by the walk, so it is not checked there: with
            // x = 1 a line holding it matches every drawn set that does.
            if (start & (Line{1} << fixed))
                return false;
            return grow(0, fixed, start);
        }
        return walk(0, start, all_);
    }

private:
    // Tries every allowed position above the prefix of `depth` positions.
    bool walk(int depth, Line blocked, Line above)
    {
        // Room must be left for the positions still to come.
        const int later = y_ - depth - 1;
        const Line room = later == 0 ? all_ : (all_ >> later);
        for (Line free = above & room & ~blocked; free; free &= free - 1)
            if (grow(depth, std::countr_zero(free), blocked))
                return true;
        return false;
    }

    // Puts position p at `depth` of the prefix; true when a hole lies below.
    bool grow(int depth, int p, Line blocked)
    {
        prefix_[depth] = p;
        if (depth + 1 == y_) {
            Line drawn = 0;
            for (int i = 0; i <= depth; ++i)
                drawn |= Line{1} << prefix_[i];
            *hole_ = drawn;
            return true;
        }
        // The new (x-1)-subsets are those holding p: an (x-2)-subset of the prefix with p on top.
        if (x_ >= 2 && depth >= x_ - 2) {
            const std::uint64_t top = binomials().c[p][x_ - 1];
            anySubsetOf(prefix_, depth, x_ - 2, 0, [&](Line s) {
                blocked |= completes_[rankOf(s) + top];
                return false;
            });
        }
        const Line above = all_ & ~((Line{2} << p) - 1);
        return walk(depth + 1, blocked, above);
    }

    Line all_;
    int x_;
    int y_;
    const std::vector<Line> &completes_;
    int prefix_[kMaxPositions] = {};
    Line *hole_ = nullptr;
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

    // For every (x-1)-set, the positions that complete it to an x-set some line holds.
    std::vector<Line> completes(binomial(spec.z, spec.x - 1), 0);
    int pos[kMaxPositions];
    for (Line l : lines)
        forEachSubsetOf(pos, positionsOf(l, pos), spec.x, 0, [&](Line s) {
            for (Line rest = s; rest; rest &= rest - 1) {
                const Line q = rest & (~rest + 1);
                completes[rankOf(s & ~q)] |= q;
            }
        });

    // Every y-set of the z positions; a key wheel speaks only of those holding the key.
    HoleFinder finder(spec.z, spec.x, spec.y, completes);
    if (finder.findHole(spec.type == 'k' ? 0 : -1, v.hole)) {
        v.reason = "no line matches " + std::to_string(spec.x) + " of the drawn set " + formatLine(v.hole);
        return v;
    }
    v.holds = true;
    return v;
}

} // namespace wheel
