// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "verify.h"

#include <bit>

namespace wheel {
namespace {

// Colex rank of a set of positions, the smallest first.
struct Ranker {
    std::uint64_t c[33][kMaxPositions + 1] = {};
    Ranker()
    {
        for (int n = 0; n <= 32; ++n)
            for (int r = 0; r <= kMaxPositions; ++r)
                c[n][r] = binomial(n, r);
    }
};
const Ranker &ranker()
{
    static const Ranker r;
    return r;
}

// The colex rank of a set among the sets of its size.
std::uint64_t rankOf(Line set)
{
    const auto &c = ranker().c;
    std::uint64_t rank = 0;
    int j = 0;
    for (; set; set &= set - 1)
        rank += c[std::countr_zero(set)][++j];
    return rank;
}

// Does some x-subset of the positions in `pos` carry a mark?
bool anySubsetMarked(const int *pos, int count, int x, const std::vector<bool> &marked)
{
    return x >= 1 && x <= count && anySubsetOf(pos, count, x, 0, [&](Line s) { return bool(marked[rankOf(s)]); });
}

void markSubsets(const int *pos, int count, int x, std::vector<bool> &marked)
{
    if (x >= 1 && x <= count)
        forEachSubsetOf(pos, count, x, 0, [&](Line s) { marked[rankOf(s)] = true; });
}

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
    const Line all = spec.z == 32 ? ~0u : ((1u << spec.z) - 1);
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

    std::vector<bool> marked(binomial(spec.z, spec.x), false);
    int pos[32];
    for (Line l : lines)
        markSubsets(pos, positionsOf(l, pos), spec.x, marked);

    // Every y-set of the z positions; a key wheel speaks only of those holding the key.
    const bool key = spec.type == 'k';
    const int free = key ? spec.z - 1 : spec.z;
    const int choose = key ? spec.y - 1 : spec.y;
    if (choose == 0) {
        const Line s = 1u;
        if (!anySubsetMarked(pos, positionsOf(s, pos), spec.x, marked)) {
            v.hole = s;
            v.reason = "no line matches " + std::to_string(spec.x) + " of the drawn set " + formatLine(s);
            return v;
        }
        v.holds = true;
        return v;
    }
    const std::uint64_t limit = 1ull << free;
    for (std::uint64_t s = (1ull << choose) - 1; s < limit;) {
        const Line drawn = key ? static_cast<Line>((s << 1) | 1u) : static_cast<Line>(s);
        if (!anySubsetMarked(pos, positionsOf(drawn, pos), spec.x, marked)) {
            v.hole = drawn;
            v.reason = "no line matches " + std::to_string(spec.x) + " of the drawn set " + formatLine(drawn);
            return v;
        }
        s = nextOfSameSize(s);
    }
    v.holds = true;
    return v;
}

} // namespace wheel
