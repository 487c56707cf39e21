// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fixedcount.h"

#include "localsearch.h"

#include <algorithm>
#include <bit>
#include <limits>

namespace wheel {
namespace {

// How many blocks hold each t-set (t = 2 or 3), kept with two masks for each t-1 points
// (ordered, both orders kept): the points that make a bare t-set with them, and those
// that make a t-set held by exactly one block.
class SetCounts {
public:
    SetCounts(int v, int t)
        : v_(v), t_(t), counts_(static_cast<std::size_t>(t == 2 ? v * v : v * v * v), 0),
          bare_(static_cast<std::size_t>(t == 2 ? v : v * v), 0), once_(bare_.size(), 0)
    {
        const Line all = (Line{1} << v) - 1;
        long bare = 0;
        for (int x = 0; x < v; ++x) {
            if (t == 2) {
                bare_[static_cast<std::size_t>(x)] = all & ~(Line{1} << x);
                bare += v - 1 - x;
                continue;
            }
            for (int y = 0; y < v; ++y)
                if (y != x) {
                    bare_[at(x, y)] = all & ~(Line{1} << x) & ~(Line{1} << y);
                    bare += y > x ? v - 1 - y : 0;
                }
        }
        bareCount_ = bare;
        // Only the index of each set's points in rising order stands for it.
        for (std::uint32_t i = 0; i < counts_.size(); ++i)
            if (!isSetIndex(i))
                bareList_.drop(i);
    }

    long bareCount() const { return bareCount_; }
    // The points of the i-th bare t-set.
    Line bareSet(std::size_t i) const
    {
        const auto index = static_cast<int>(bareList_.at(i));
        const Line last = Line{1} << (index % v_);
        const Line middle = Line{1} << (index / v_ % v_);
        return t_ == 2 ? last | middle : last | middle | (Line{1} << (index / v_ / v_));
    }

    // The t-sets of q with t-1 points of `rest` (q not in it) that no block holds.
    long bareWith(int q, Line rest) const
    {
        if (t_ == 2)
            return std::popcount(bare_[static_cast<std::size_t>(q)] & rest);
        long n = 0;
        for (Line a = rest; a; a &= a - 1)
            n += std::popcount(bare_[at(q, std::countr_zero(a))] & rest);
        return n / 2;
    }

    // Of those t-sets of q with the points of `rest` and p, the ones that hold p.
    long bareThrough(int q, int p, Line rest) const
    {
        if (t_ == 2)
            return static_cast<long>((bare_[static_cast<std::size_t>(q)] >> p) & 1);
        return std::popcount(bare_[at(q, p)] & rest);
    }

    // The t-sets of p with t-1 points of `rest` (p not in it) that one block alone holds.
    long onceWith(int p, Line rest) const
    {
        if (t_ == 2)
            return std::popcount(once_[static_cast<std::size_t>(p)] & rest);
        long n = 0;
        for (Line a = rest; a; a &= a - 1)
            n += std::popcount(once_[at(p, std::countr_zero(a))] & rest);
        return n / 2;
    }

    void add(Line block)
    {
        forEachSubset(block, t_, [this](int x, int y, int z) { change(x, y, z, +1); });
    }

    // Point p of block b leaves it and q comes in.
    void swap(Line b, int p, int q)
    {
        forEachSubset(b & ~(Line{1} << p), t_ - 1, [&](int x, int y, int) {
            change(p, x, y, -1);
            change(q, x, y, +1);
        });
    }

private:
    std::size_t at(int x, int y) const { return static_cast<std::size_t>(x * v_ + y); }

    bool isSetIndex(std::uint32_t index) const
    {
        const auto v = static_cast<std::uint32_t>(v_);
        const bool lowPairRises = index / v % v < index % v;
        return t_ == 2 ? lowPairRises : lowPairRises && index / v / v < index / v % v;
    }

    // Every subset of `size` (1 to 3) points of s, its points in order (-1 past the size).
    template <class F> static void forEachSubset(Line s, int size, F &&f)
    {
        for (Line a = s; a; a &= a - 1) {
            const int x = std::countr_zero(a);
            if (size == 1) {
                f(x, -1, -1);
                continue;
            }
            for (Line b = a & (a - 1); b; b &= b - 1) {
                const int y = std::countr_zero(b);
                if (size == 2) {
                    f(x, y, -1);
                    continue;
                }
                for (Line c = b & (b - 1); c; c &= c - 1)
                    f(x, y, std::countr_zero(c));
            }
        }
    }

    // One block more (+1) or fewer (-1) on the t-set {x, y} or {x, y, z}.
    void change(int x, int y, int z, int by)
    {
        std::size_t index = 0;
        if (t_ == 2) {
            index = at(std::min(x, y), std::max(x, y));
        } else {
            int p[3] = {x, y, z};
            std::sort(p, p + 3);
            index = at(p[0], p[1]) * static_cast<std::size_t>(v_) + static_cast<std::size_t>(p[2]);
        }
        const int before = counts_[index];
        const int after = before + by;
        counts_[index] = static_cast<std::uint16_t>(after);
        if (before == 0) {
            --bareCount_;
            bareList_.drop(static_cast<std::uint32_t>(index));
        }
        if (after == 0) {
            ++bareCount_;
            bareList_.add(static_cast<std::uint32_t>(index));
        }
        if (before > 2 && after > 2)
            return;
        // Each point of the set against the rest of it.
        auto mark = [&](std::size_t rest, int point) {
            const Line bit = Line{1} << point;
            bare_[rest] = after == 0 ? bare_[rest] | bit : bare_[rest] & ~bit;
            once_[rest] = after == 1 ? once_[rest] | bit : once_[rest] & ~bit;
        };
        if (t_ == 2) {
            mark(static_cast<std::size_t>(x), y);
            mark(static_cast<std::size_t>(y), x);
            return;
        }
        mark(at(x, y), z);
        mark(at(y, x), z);
        mark(at(x, z), y);
        mark(at(z, x), y);
        mark(at(y, z), x);
        mark(at(z, y), x);
    }

    int v_;
    int t_;
    std::vector<std::uint16_t> counts_;
    std::vector<Line> bare_;
    std::vector<Line> once_;
    long bareCount_ = 0;
    local::BareList bareList_{static_cast<std::uint32_t>(counts_.size())};
};

// A point moved out of a block stays out for this many moves and up to kSpellSpread more.
constexpr std::uint64_t kShortestSpell = 2;
constexpr std::uint64_t kSpellSpread = 10;

} // namespace

bool searchableAtFixedCount(const Design &d)
{
    return (d.t == 2 || d.t == 3) && d.m == d.t && d.k >= d.t && d.v >= d.k && d.v <= kMaxPositions;
}

std::vector<Line> searchAtFixedCount(const Design &d, std::size_t count, const FixedCountOptions &options)
{
    // A count of blocks on one t-set must fit its 16 bits.
    if (!searchableAtFixedCount(d) || count == 0 || count > std::numeric_limits<std::uint16_t>::max())
        return {};
    const local::Stopwatch watch;
    local::Rng rng(options.seed);
    const Line all = (Line{1} << d.v) - 1;
    std::vector<Line> blocks(count);
    SetCounts sets(d.v, d.t);
    for (Line &b : blocks) {
        b = 0;
        while (std::popcount(b) < d.k)
            b |= Line{1} << rng.pick(all & ~b);
        sets.add(b);
    }
    std::vector<std::uint64_t> tabuUntil(count * kMaxPositions, 0);
    // Per block and move: what each of its points alone holds (worked out when first
    // needed), and which swaps have been weighed.
    std::vector<long> lost(count * kMaxPositions, 0);
    std::vector<std::uint64_t> lostAt(count, 0);
    std::vector<std::uint64_t> weighedAt(count * kMaxPositions, 0);
    long best = sets.bareCount();
    for (std::uint64_t move = 1; sets.bareCount() > 0; ++move) {
        if ((move & 63) == 0 && watch.seconds() > options.secondsCap)
            return {};
        // Every swap that brings into a block a point making a bare t-set with it: the one
        // leaving fewest t-sets bare, ties drawn at random.
        long bestDelta = std::numeric_limits<long>::max();
        std::size_t ties = 0;
        std::size_t chosen = 0;
        int out = -1;
        int in = -1;
        auto weigh = [&](std::size_t i, int q) {
            const Line b = blocks[i];
            const long gain = sets.bareWith(q, b);
            if (gain == 0)
                return;
            long *lostBy = &lost[i * kMaxPositions];
            if (lostAt[i] != move) {
                for (Line outs = b; outs; outs &= outs - 1) {
                    const int p = std::countr_zero(outs);
                    lostBy[p] = sets.onceWith(p, b & ~(Line{1} << p));
                }
                lostAt[i] = move;
            }
            const bool tabu = tabuUntil[i * kMaxPositions + static_cast<std::size_t>(q)] > move;
            for (Line outs = b; outs; outs &= outs - 1) {
                const int p = std::countr_zero(outs);
                const long delta = lostBy[p] - (gain - sets.bareThrough(q, p, b & ~(Line{1} << p)));
                if (tabu && sets.bareCount() + delta >= best)
                    continue;
                if (delta < bestDelta) {
                    bestDelta = delta;
                    ties = 1;
                } else if (delta > bestDelta || rng.below(++ties) != 0) {
                    continue;
                }
                chosen = i;
                out = p;
                in = q;
            }
        };
        if (sets.bareCount() < d.k * (d.v - d.k)) {
            // Few sets bare: only the blocks holding all of one but a point can take it.
            for (std::size_t j = 0; j < static_cast<std::size_t>(sets.bareCount()); ++j) {
                const Line s = sets.bareSet(j);
                for (std::size_t i = 0; i < count; ++i) {
                    if (std::popcount(blocks[i] & s) != d.t - 1)
                        continue;
                    const int q = std::countr_zero(s & ~blocks[i]);
                    std::uint64_t &weighed = weighedAt[i * kMaxPositions + static_cast<std::size_t>(q)];
                    if (weighed != move) {
                        weighed = move;
                        weigh(i, q);
                    }
                }
            }
        } else {
            for (std::size_t i = 0; i < count; ++i)
                for (Line ins = all & ~blocks[i]; ins; ins &= ins - 1)
                    weigh(i, std::countr_zero(ins));
        }
        if (out < 0)
            continue;
        sets.swap(blocks[chosen], out, in);
        blocks[chosen] = (blocks[chosen] & ~(Line{1} << out)) | (Line{1} << in);
        tabuUntil[chosen * kMaxPositions + static_cast<std::size_t>(out)] =
            move + kShortestSpell + rng.below(kSpellSpread);
        best = std::min(best, sets.bareCount());
    }
    std::sort(blocks.begin(), blocks.end(), lineLess);
    return blocks;
}

FixedCountDescent descendAtFixedCount(const Design &d, std::size_t below, const FixedCountOptions &options)
{
    const local::Stopwatch watch;
    FixedCountDescent result;
    if (below <= 1 || !searchableAtFixedCount(d))
        return result;
    const auto bound = lowerBound(d);
    FixedCountOptions o = options;
    for (std::size_t count = below - 1; count >= bound && count > 0; --count) {
        auto blocks = searchAtFixedCount(d, count, o);
        if (blocks.empty())
            break;
        result.blocks = std::move(blocks);
        ++o.seed;
    }
    result.seconds = watch.seconds();
    return result;
}

} // namespace wheel
