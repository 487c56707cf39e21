// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pairs.h"

#include "localsearch.h"

#include <algorithm>
#include <array>
#include <bit>
#include <limits>

namespace wheel {
namespace {

// How often each pair lies in a block, kept with two masks a point: the points it shares
// no block with, and those it shares exactly one with.
class PairCounts {
public:
    explicit PairCounts(int v) : v_(v), counts_(static_cast<std::size_t>(v * v), 0)
    {
        const Line all = (Line{1} << v) - 1;
        for (int x = 0; x < v; ++x)
            bare_[x] = all & ~(Line{1} << x);
        bareCount_ = static_cast<long>(v) * (v - 1) / 2;
    }

    long bareCount() const { return bareCount_; }
    Line bareWith(int x) const { return bare_[x]; }
    Line onceWith(int x) const { return once_[x]; }

    void add(Line block)
    {
        forEachPair(block, [this](int x, int y) { raise(x, y); });
    }
    void remove(Line block)
    {
        forEachPair(block, [this](int x, int y) { lower(x, y); });
    }
    // Point p of block b leaves it and q comes in.
    void swap(Line b, int p, int q)
    {
        for (Line rest = b & ~(Line{1} << p); rest; rest &= rest - 1) {
            const int r = std::countr_zero(rest);
            lower(p, r);
            raise(q, r);
        }
    }

private:
    template <class F> static void forEachPair(Line block, F &&f)
    {
        for (Line a = block; a; a &= a - 1)
            for (Line c = a & (a - 1); c; c &= c - 1)
                f(std::countr_zero(a), std::countr_zero(c));
    }
    void raise(int x, int y)
    {
        const auto n = ++counts_[static_cast<std::size_t>(x * v_ + y)];
        counts_[static_cast<std::size_t>(y * v_ + x)] = n;
        if (n == 1) {
            bare_[x] &= ~(Line{1} << y);
            bare_[y] &= ~(Line{1} << x);
            once_[x] |= Line{1} << y;
            once_[y] |= Line{1} << x;
            --bareCount_;
        } else if (n == 2) {
            once_[x] &= ~(Line{1} << y);
            once_[y] &= ~(Line{1} << x);
        }
    }
    void lower(int x, int y)
    {
        const auto n = --counts_[static_cast<std::size_t>(x * v_ + y)];
        counts_[static_cast<std::size_t>(y * v_ + x)] = n;
        if (n == 0) {
            bare_[x] |= Line{1} << y;
            bare_[y] |= Line{1} << x;
            once_[x] &= ~(Line{1} << y);
            once_[y] &= ~(Line{1} << x);
            ++bareCount_;
        } else if (n == 1) {
            once_[x] |= Line{1} << y;
            once_[y] |= Line{1} << x;
        }
    }

    int v_;
    std::vector<std::uint16_t> counts_;
    std::array<Line, kMaxPositions> bare_{};
    std::array<Line, kMaxPositions> once_{};
    long bareCount_ = 0;
};

// A point moved out of a block stays out for this many moves and up to kSpellSpread more.
constexpr std::uint64_t kShortestSpell = 2;
constexpr std::uint64_t kSpellSpread = 10;

} // namespace

std::vector<Line> searchPairCover(int v, int k, std::size_t count, const PairSearchOptions &options)
{
    if (v < 2 || k < 2 || k > v || v > kMaxPositions || count == 0)
        return {};
    const local::Stopwatch watch;
    local::Rng rng(options.seed);
    const Line all = (Line{1} << v) - 1;
    std::vector<Line> blocks(count);
    PairCounts pairs(v);
    for (Line &b : blocks) {
        b = 0;
        while (std::popcount(b) < k)
            b |= Line{1} << rng.pick(all & ~b);
        pairs.add(b);
    }
    std::vector<std::uint64_t> tabuUntil(count * kMaxPositions, 0);
    long best = pairs.bareCount();
    for (std::uint64_t move = 1; pairs.bareCount() > 0; ++move) {
        if ((move & 255) == 0 && watch.seconds() > options.secondsCap)
            return {};
        // Every swap that brings into a block a point sharing no block with one of its
        // points: the one leaving fewest pairs bare, ties drawn at random.
        long bestDelta = std::numeric_limits<long>::max();
        std::size_t ties = 0;
        std::size_t chosen = 0;
        int out = -1;
        int in = -1;
        for (std::size_t i = 0; i < count; ++i) {
            const Line b = blocks[i];
            for (Line ins = all & ~b; ins; ins &= ins - 1) {
                const int q = std::countr_zero(ins);
                const long gain = std::popcount(pairs.bareWith(q) & b);
                if (gain == 0)
                    continue;
                const bool tabu = tabuUntil[i * kMaxPositions + static_cast<std::size_t>(q)] > move;
                for (Line outs = b; outs; outs &= outs - 1) {
                    const int p = std::countr_zero(outs);
                    const long lost = std::popcount(pairs.onceWith(p) & b);
                    const long delta = lost - gain + static_cast<long>((pairs.bareWith(q) >> p) & 1);
                    if (tabu && pairs.bareCount() + delta >= best)
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
            }
        }
        if (out < 0)
            continue;
        pairs.swap(blocks[chosen], out, in);
        blocks[chosen] = (blocks[chosen] & ~(Line{1} << out)) | (Line{1} << in);
        tabuUntil[chosen * kMaxPositions + static_cast<std::size_t>(out)] =
            move + kShortestSpell + rng.below(kSpellSpread);
        best = std::min(best, pairs.bareCount());
    }
    std::sort(blocks.begin(), blocks.end(), lineLess);
    return blocks;
}

PairDescent descendPairCover(int v, int k, std::size_t below, const PairSearchOptions &options)
{
    const local::Stopwatch watch;
    PairDescent result;
    if (below <= 1)
        return result;
    const auto bound = lowerBound(Design{v, k, 2, 2});
    PairSearchOptions o = options;
    for (std::size_t count = below - 1; count >= bound && count > 0; --count) {
        auto blocks = searchPairCover(v, k, count, o);
        if (blocks.empty())
            break;
        result.blocks = std::move(blocks);
        ++o.seed;
    }
    result.seconds = watch.seconds();
    return result;
}

} // namespace wheel
