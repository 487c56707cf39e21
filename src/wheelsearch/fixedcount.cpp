// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheelsearch/fixedcount.h"

#include "wheelsearch/localsearch.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <limits>

namespace wheel {
namespace {

// Every subset of `size` (0 to 4) points of s.
template <class F> void forEachSubset(Line s, int size, F &&f)
{
    auto lowest = [](Line a) { return a & (~a + 1); };
    if (size == 0) {
        f(Line{0});
        return;
    }
    for (Line a = s; a; a &= a - 1) {
        const Line x = lowest(a);
        if (size == 1) {
            f(x);
            continue;
        }
        for (Line b = a & (a - 1); b; b &= b - 1) {
            const Line y = x | lowest(b);
            if (size == 2) {
                f(y);
                continue;
            }
            for (Line c = b & (b - 1); c; c &= c - 1) {
                const Line z = y | lowest(c);
                if (size == 3) {
                    f(z);
                    continue;
                }
                for (Line e = c & (c - 1); e; e &= e - 1)
                    f(z | lowest(e));
            }
        }
    }
}

// How many blocks hold each t-set (t = 2 to 4), kept with two masks for each t-1 points:
// the points that make a bare t-set with them, and those that make a t-set held by
// exactly one block. A set of points is numbered by its points in rising order, read as
// the digits of a number to base v.
class SetCounts {
public:
    SetCounts(int v, int t)
        : v_(v), t_(t), counts_(power(v, t), 0), bare_(power(v, t - 1), 0), once_(bare_.size(), 0),
          bareList_(static_cast<std::uint32_t>(counts_.size()))
    {
        const Line all = (Line{1} << v) - 1;
        forEachSubset(all, t - 1, [&](Line rest) { bare_[indexOf(rest)] = all & ~rest; });
        for (std::uint32_t i = 0; i < counts_.size(); ++i)
            if (!rises(i))
                bareList_.drop(i);
        bareCount_ = static_cast<long>(bareList_.size());
    }

    long bareCount() const { return bareCount_; }

    // The points of the i-th bare t-set.
    Line bareSet(std::size_t i) const
    {
        Line set = 0;
        auto index = bareList_.at(i);
        for (int d = 0; d < t_; ++d, index /= static_cast<std::uint32_t>(v_))
            set |= Line{1} << (index % static_cast<std::uint32_t>(v_));
        return set;
    }

    // The t-sets of q with t-1 points of `rest` (q not in it) that no block holds.
    long bareWith(int q, Line rest) const { return completions(bare_, Line{1} << q, rest, t_ - 2); }
    // The t-sets of p with t-1 points of `rest` (p not in it) that one block alone holds.
    long onceWith(int p, Line rest) const { return completions(once_, Line{1} << p, rest, t_ - 2); }
    // The bare t-sets of q, p and t-2 points of `rest` (neither q nor p in it).
    long bareThrough(int q, int p, Line rest) const
    {
        if (t_ == 2)
            return static_cast<long>((bare_[indexOf(Line{1} << q)] >> p) & 1);
        return completions(bare_, (Line{1} << q) | (Line{1} << p), rest, t_ - 3);
    }

    void add(Line block)
    {
        forEachSubset(block, t_, [this](Line set) { change(set, +1); });
    }

    // Point p of block b leaves it and q comes in.
    void swap(Line b, int p, int q)
    {
        forEachSubset(b & ~(Line{1} << p), t_ - 1, [&](Line rest) {
            change(rest | (Line{1} << p), -1);
            change(rest | (Line{1} << q), +1);
        });
    }

private:
    static std::size_t power(int v, int e)
    {
        std::size_t n = 1;
        for (int i = 0; i < e; ++i)
            n *= static_cast<std::size_t>(v);
        return n;
    }

    std::size_t indexOf(Line set) const
    {
        std::size_t index = 0;
        for (; set; set &= set - 1)
            index = index * static_cast<std::size_t>(v_) + static_cast<std::size_t>(std::countr_zero(set));
        return index;
    }

    // Whether the digits of the index rise (the one number that stands for its set).
    bool rises(std::uint32_t index) const
    {
        const auto v = static_cast<std::uint32_t>(v_);
        for (int d = 1; d < t_; ++d, index /= v)
            if (index / v % v >= index % v)
                return false;
        return true;
    }

    // The sets `with` plus `size` points of `rest` plus one point more of `rest`, counted
    // in the masks given: each set is met once for each of its points from `rest`, so the
    // sum is divided by that many.
    long completions(const std::vector<Line> &masks, Line with, Line rest, int size) const
    {
        long n = 0;
        forEachSubset(rest, size, [&](Line part) { n += std::popcount(masks[indexOf(part | with)] & rest); });
        return n / (size + 1);
    }

    // One block more (+1) or fewer (-1) on a t-set.
    void change(Line set, int by)
    {
        const auto index = indexOf(set);
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
        for (Line points = set; points; points &= points - 1) {
            const Line bit = points & (~points + 1);
            const auto rest = indexOf(set & ~bit);
            bare_[rest] = after == 0 ? bare_[rest] | bit : bare_[rest] & ~bit;
            once_[rest] = after == 1 ? once_[rest] | bit : once_[rest] & ~bit;
        }
    }

    int v_;
    int t_;
    std::vector<std::uint16_t> counts_;
    std::vector<Line> bare_;
    std::vector<Line> once_;
    local::BareList bareList_;
    long bareCount_ = 0;
};

// Numbers the sets of up to 6 points: each by its rank, in colex order, among the sets of
// as many points.
class ColexRanks {
public:
    ColexRanks()
    {
        for (int n = 0; n <= kMaxPositions; ++n)
            for (int r = 0; r <= kMostPoints; ++r)
                choose_[static_cast<std::size_t>(n)][static_cast<std::size_t>(r)] =
                    static_cast<std::uint32_t>(binomial(n, r));
    }

    std::uint32_t rankOf(Line set) const
    {
        std::uint32_t rank = 0;
        for (std::size_t size = 1; set; set &= set - 1, ++size)
            rank += choose_[static_cast<std::size_t>(std::countr_zero(set))][size];
        return rank;
    }

    // The set of `size` points of that rank.
    Line setOf(std::uint32_t rank, int size) const
    {
        Line set = 0;
        int point = kMaxPositions;
        for (; size >= 1; --size) {
            do
                --point;
            while (choose_[static_cast<std::size_t>(point)][static_cast<std::size_t>(size)] > rank);
            rank -= choose_[static_cast<std::size_t>(point)][static_cast<std::size_t>(size)];
            set |= Line{1} << point;
        }
        return set;
    }

private:
    static constexpr int kMostPoints = 6;
    std::array<std::array<std::uint32_t, kMostPoints + 1>, kMaxPositions + 1> choose_{};
};

// How many blocks hold each t-set and what it weighs, with the list of the bare ones. A
// t-set is numbered by its colex rank.
class WeightedSets {
public:
    static constexpr bool kWeighs = true;

    WeightedSets(int v, int t)
        : t_(t), counts_(binomial(v, t), 0), weights_(counts_.size(), 1),
          bareList_(static_cast<std::uint32_t>(counts_.size()))
    {
    }

    std::size_t bareCount() const { return bareList_.size(); }

    Line bareSet(std::size_t i) const { return ranks_.setOf(bareList_.at(i), t_); }

    void add(Line block)
    {
        forEachSubset(block, t_, [this](Line set) { change(rankOf(set), +1); });
    }

    void remove(Line block)
    {
        forEachSubset(block, t_, [this](Line set) { change(rankOf(set), -1); });
    }

    // The t-sets of the block that no other block holds.
    std::size_t heldOnlyBy(Line block) const
    {
        std::size_t only = 0;
        forEachSubset(block, t_, [&](Line set) { only += counts_[rankOf(set)] == 1; });
        return only;
    }

    // How much the weight of the bare t-sets grows when point p of block b leaves it and
    // q (not in b) comes in: the sets of p that only b holds become bare, the bare sets of
    // q with t-1 other points of b become held.
    std::int64_t swapCost(Line b, int p, int q) const
    {
        std::int64_t cost = 0;
        forEachSubset(b & ~(Line{1} << p), t_ - 1, [&](Line rest) {
            const auto leaving = rankOf(rest | (Line{1} << p));
            if (counts_[leaving] == 1)
                cost += static_cast<std::int64_t>(weights_[leaving]);
            const auto coming = rankOf(rest | (Line{1} << q));
            if (counts_[coming] == 0)
                cost -= static_cast<std::int64_t>(weights_[coming]);
        });
        return cost;
    }

    void swap(Line b, int p, int q)
    {
        forEachSubset(b & ~(Line{1} << p), t_ - 1, [&](Line rest) {
            change(rankOf(rest | (Line{1} << p)), -1);
            change(rankOf(rest | (Line{1} << q)), +1);
        });
    }

    // Every bare t-set weighs one more.
    void weighBareMore()
    {
        for (std::size_t i = 0; i < bareList_.size(); ++i)
            ++weights_[bareList_.at(i)];
    }

private:
    std::uint32_t rankOf(Line set) const { return ranks_.rankOf(set); }

    void change(std::uint32_t rank, int by)
    {
        const int before = counts_[rank];
        counts_[rank] = static_cast<std::uint16_t>(before + by);
        if (before == 0)
            bareList_.drop(rank);
        else if (before + by == 0)
            bareList_.add(rank);
    }

    int t_;
    std::vector<std::uint16_t> counts_;
    std::vector<std::uint64_t> weights_;
    local::BareList bareList_;
    ColexRanks ranks_;
};

// For the designs whose drawn sets are one or two points larger than a hit (m = t + 1 or
// t + 2): how many blocks hold each t-set, how many held t-sets each drawn set has (it is bare
// at none), for each t-set how many drawn sets through it are bare and how many hold it as
// their only held t-set, and for each (t+1)-set how many drawn sets through it hold one
// t-set only. Sets are numbered by their colex rank.
class DrawnSets {
public:
    static constexpr bool kWeighs = false;

    DrawnSets(int v, int t, int m)
        : v_(v), t_(t), m_(m), heldBy_(binomial(v, t), 0), heldIn_(binomial(v, m), 0),
          bareThrough_(heldBy_.size(), static_cast<std::uint32_t>(binomial(v - t, m - t))),
          onlyThrough_(heldBy_.size(), 0), onlyThroughLarger_(binomial(v, t + 1), 0),
          bareList_(static_cast<std::uint32_t>(heldIn_.size()))
    {
    }

    std::size_t bareCount() const { return bareList_.size(); }

    Line bareSet(std::size_t i) const { return ranks_.setOf(bareList_.at(i), m_); }

    void add(Line block)
    {
        forEachSubset(block, t_, [this](Line set) { hold(set, +1); });
    }

    void remove(Line block)
    {
        forEachSubset(block, t_, [this](Line set) { hold(set, -1); });
    }

    // How many more drawn sets are bare when point p of block b leaves it and q (not in b)
    // comes in. The t-sets of p that b alone holds go: a drawn set through one of them turns
    // bare when that was its only held t-set, unless it holds q too, and with it a t-set
    // coming. (A drawn set with two of the t-sets going holds t points of b besides p, which
    // stay held.) The bare t-sets of q with t-1 other points of b come: a bare drawn set
    // through one of them turns held, and lies on no other, as it meets b in fewer than t.
    std::int64_t swapCost(Line b, int p, int q) const
    {
        const Line pBit = Line{1} << p;
        const Line qBit = Line{1} << q;
        std::int64_t cost = 0;
        forEachSubset(b & ~pBit, t_ - 1, [&](Line part) {
            const auto leaving = rankOf(part | pBit);
            if (heldBy_[leaving] == 1)
                cost += static_cast<std::int64_t>(onlyThrough_[leaving]) -
                        static_cast<std::int64_t>(onlyThroughLarger_[rankOf(part | pBit | qBit)]);
            const auto coming = rankOf(part | qBit);
            if (heldBy_[coming] == 0)
                cost -= bareThrough_[coming];
        });
        return cost;
    }

    // The drawn sets that turn bare when the block goes.
    std::size_t heldOnlyBy(Line block)
    {
        const std::size_t before = bareCount();
        remove(block);
        const std::size_t after = bareCount();
        add(block);
        return after - before;
    }

    void swap(Line b, int p, int q)
    {
        // The t-sets coming first, so that a drawn set held by both never passes through bare.
        const Line rest = b & ~(Line{1} << p);
        forEachSubset(rest, t_ - 1, [&](Line part) { hold(part | (Line{1} << q), +1); });
        forEachSubset(rest, t_ - 1, [&](Line part) { hold(part | (Line{1} << p), -1); });
    }

private:
    std::uint32_t rankOf(Line set) const { return ranks_.rankOf(set); }

    // One block more (+1) or fewer (-1) on a t-set; when it turns held or bare, so do its
    // places in the drawn sets through it.
    void hold(Line set, int by)
    {
        const auto rank = rankOf(set);
        const int before = heldBy_[rank];
        heldBy_[rank] = static_cast<std::uint16_t>(before + by);
        if ((before == 0) == (before + by == 0))
            return;
        const int change = before == 0 ? +1 : -1;
        const Line all = (Line{1} << v_) - 1;
        for (Line a = all & ~set; a; a &= a - 1) {
            const Line x = a & (~a + 1);
            if (m_ == t_ + 1) {
                count(set | x, change);
                continue;
            }
            for (Line c = a & (a - 1); c; c &= c - 1)
                count(set | x | (c & (~c + 1)), change);
        }
    }

    // One held t-set more or fewer in a drawn set.
    void count(Line drawn, int by)
    {
        const auto rank = rankOf(drawn);
        const int before = heldIn_[rank];
        const int after = before + by;
        heldIn_[rank] = static_cast<std::uint8_t>(after);
        if (before == 0)
            bareList_.drop(rank);
        else if (after == 0)
            bareList_.add(rank);
        if (before > 1 && after > 1)
            return;
        const int bare = (after == 0) - (before == 0);
        const int only = (after == 1) - (before == 1);
        forEachSubset(drawn, t_, [&](Line part) {
            const auto r = rankOf(part);
            bareThrough_[r] = static_cast<std::uint32_t>(static_cast<int>(bareThrough_[r]) + bare);
            onlyThrough_[r] = static_cast<std::uint32_t>(static_cast<int>(onlyThrough_[r]) + only);
        });
        if (only != 0)
            forEachLarger(drawn, [&](Line part) {
                const auto r = rankOf(part);
                onlyThroughLarger_[r] = static_cast<std::uint32_t>(static_cast<int>(onlyThroughLarger_[r]) + only);
            });
    }

    // Every (t+1)-set of a drawn set.
    template <class F> void forEachLarger(Line drawn, F &&f) const
    {
        if (m_ == t_ + 1) {
            f(drawn);
            return;
        }
        for (Line a = drawn; a; a &= a - 1)
            f(drawn & ~(a & (~a + 1)));
    }

    int v_;
    int t_;
    int m_;
    std::vector<std::uint16_t> heldBy_;            // per t-set: the blocks holding it
    std::vector<std::uint8_t> heldIn_;             // per drawn set: its held t-sets
    std::vector<std::uint32_t> bareThrough_;       // per t-set: the bare drawn sets through it
    std::vector<std::uint32_t> onlyThrough_;       // per t-set: the drawn sets through it with one held
    std::vector<std::uint32_t> onlyThroughLarger_; // the same per (t+1)-set
    local::BareList bareList_;
    ColexRanks ranks_;
};

// `count` blocks of k random points each, counted in `sets`.
template <class Counts>
std::vector<Line> randomBlocks(const Design &d, std::size_t count, local::Rng &rng, Counts &sets)
{
    const Line all = (Line{1} << d.v) - 1;
    std::vector<Line> blocks(count);
    for (Line &b : blocks) {
        while (std::popcount(b) < d.k)
            b |= Line{1} << rng.pick(all & ~b);
        sets.add(b);
    }
    return blocks;
}

// The start cut or padded to `count` blocks, counted in `sets`: while there are too many,
// the block holding fewest t-sets no other block holds goes; while too few, random ones come.
template <class Counts>
std::vector<Line> trimmedStart(const Design &d, std::vector<Line> blocks, std::size_t count, local::Rng &rng,
                               Counts &sets)
{
    for (Line b : blocks)
        sets.add(b);
    while (blocks.size() > count) {
        std::size_t drop = 0;
        std::size_t least = std::numeric_limits<std::size_t>::max();
        for (std::size_t i = 0; i < blocks.size(); ++i)
            if (const auto only = sets.heldOnlyBy(blocks[i]); only < least) {
                least = only;
                drop = i;
            }
        sets.remove(blocks[drop]);
        blocks[drop] = blocks.back();
        blocks.pop_back();
    }
    auto more = randomBlocks(d, count - blocks.size(), rng, sets);
    blocks.insert(blocks.end(), more.begin(), more.end());
    return blocks;
}

// A point moved out of a block stays out for this many moves and up to kSpellSpread more.
constexpr std::uint64_t kShortestSpell = 2;
constexpr std::uint64_t kSpellSpread = 10;
// The same for the search that weighs bare sets: from kWeighSpell to twice as many moves.
constexpr std::uint64_t kWeighSpell = 10;
// The search over drawn sets keeps a byte and a place in the list of bare ones for each.
constexpr std::uint64_t kMostDrawnSets = 16'000'000;

// Whether every t-set must be held whole (m = t), as the tabu search, the annealing and the
// weighing take it.
bool holdsEveryTSet(const Design &d)
{
    return d.t >= 2 && d.t <= 4 && d.m == d.t && d.k >= d.t && d.v >= d.k && d.v <= kMaxPositions;
}

// Whether the search over drawn sets takes the design: drawn sets one or two points larger
// than a hit, few enough to count each one.
bool searchableOverDrawnSets(const Design &d)
{
    return d.t >= 2 && d.t <= 4 && (d.m == d.t + 1 || d.m == d.t + 2) && d.m <= 6 && d.k > d.t && d.v > d.k &&
           d.v <= kMaxPositions && binomial(d.v, d.m) <= kMostDrawnSets;
}

// The tabu search the weighing and the search over drawn sets share: from random blocks or
// the start, at each move, of the swaps that bring one of a few randomly drawn bare sets to t
// points on a block, the one that costs least by `sets` (ties drawn at random); a point moved
// out of a block stays out for kWeighSpell to twice as many moves. Where the sets weigh, every
// bare set weighs more when even the best swap costs. Empty when the time runs out or `stop`
// is set.
template <class Counts>
std::vector<Line> swapTowardsBareSets(const Design &d, std::size_t count, const WeighOptions &options, Counts &sets)
{
    const local::Stopwatch watch;
    local::Rng rng(options.seed);
    std::vector<Line> blocks =
        options.start.empty() ? randomBlocks(d, count, rng, sets) : trimmedStart(d, options.start, count, rng, sets);
    std::vector<std::uint64_t> tabuUntil(count * kMaxPositions, 0);
    for (std::uint64_t move = 1; sets.bareCount() > 0; ++move) {
        if ((move & 255) == 0 && (watch.seconds() > options.secondsCap || (options.stop && options.stop->load())))
            return {};
        std::int64_t bestCost = std::numeric_limits<std::int64_t>::max();
        std::size_t ties = 0;
        std::size_t chosen = 0;
        int out = -1;
        int in = -1;
        const std::size_t bare = sets.bareCount();
        const std::size_t drawn = std::min(options.drawn, bare);
        for (std::size_t j = 0; j < drawn; ++j) {
            const Line s = sets.bareSet(drawn == bare ? j : rng.below(bare));
            // A bare set meets every block in fewer than t points; one that meets it in t - 1
            // takes a point of it in place of one outside it.
            for (std::size_t i = 0; i < count; ++i) {
                const Line b = blocks[i];
                if (std::popcount(b & s) != d.t - 1)
                    continue;
                for (Line ins = s & ~b; ins; ins &= ins - 1) {
                    const int q = std::countr_zero(ins);
                    if (tabuUntil[i * kMaxPositions + static_cast<std::size_t>(q)] > move)
                        continue;
                    for (Line outs = b & ~s; outs; outs &= outs - 1) {
                        const int p = std::countr_zero(outs);
                        const std::int64_t cost = sets.swapCost(b, p, q);
                        if (cost < bestCost) {
                            bestCost = cost;
                            ties = 1;
                        } else if (cost > bestCost || rng.below(++ties) != 0) {
                            continue;
                        }
                        chosen = i;
                        out = p;
                        in = q;
                    }
                }
            }
        }
        if (out < 0)
            continue;
        sets.swap(blocks[chosen], out, in);
        blocks[chosen] = (blocks[chosen] & ~(Line{1} << out)) | (Line{1} << in);
        tabuUntil[chosen * kMaxPositions + static_cast<std::size_t>(out)] = move + kWeighSpell + rng.below(kWeighSpell);
        if constexpr (Counts::kWeighs) {
            if (bestCost >= 0)
                sets.weighBareMore();
        }
    }
    std::sort(blocks.begin(), blocks.end(), lineLess);
    return blocks;
}

} // namespace

bool searchableAtFixedCount(const Design &d)
{
    return holdsEveryTSet(d) || searchableOverDrawnSets(d);
}

std::vector<Line> searchAtFixedCount(const Design &d, std::size_t count, const FixedCountOptions &options)
{
    // A count of blocks on one t-set must fit its 16 bits.
    if (!holdsEveryTSet(d) || count == 0 || count > std::numeric_limits<std::uint16_t>::max())
        return {};
    const local::Stopwatch watch;
    local::Rng rng(options.seed);
    const Line all = (Line{1} << d.v) - 1;
    SetCounts sets(d.v, d.t);
    std::vector<Line> blocks = randomBlocks(d, count, rng, sets);
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
        if (sets.bareCount() < static_cast<long>(d.k) * (d.v - d.k)) {
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

std::vector<Line> annealAtFixedCount(const Design &d, std::size_t count, const AnnealOptions &options)
{
    if (!holdsEveryTSet(d) || count == 0 || count > std::numeric_limits<std::uint16_t>::max())
        return {};
    const local::Stopwatch watch;
    local::Rng rng(options.seed);
    SetCounts sets(d.v, d.t);
    std::vector<Line> blocks = randomBlocks(d, count, rng, sets);
    const double cooling = std::pow(options.coldest / options.hottest,
                                    1.0 / static_cast<double>(std::max<std::uint64_t>(options.movesToCool, 1)));
    double temperature = options.hottest;
    std::vector<std::size_t> takers;
    for (std::uint64_t move = 1; sets.bareCount() > 0; ++move) {
        if ((move & 1023) == 0 && watch.seconds() > options.secondsCap)
            return {};
        temperature *= cooling;
        if (temperature < options.coldest)
            temperature = options.hottest;
        const Line s = sets.bareSet(rng.below(static_cast<std::size_t>(sets.bareCount())));
        takers.clear();
        for (std::size_t i = 0; i < count; ++i)
            if (std::popcount(blocks[i] & s) == d.t - 1)
                takers.push_back(i);
        if (takers.empty())
            continue;
        const std::size_t i = takers[rng.below(takers.size())];
        const Line b = blocks[i];
        const int in = std::countr_zero(s & ~b);
        const int out = rng.pick(b & ~s);
        const Line rest = b & ~(Line{1} << out);
        const long delta = sets.onceWith(out, rest) - (sets.bareWith(in, b) - sets.bareThrough(in, out, rest));
        if (delta > 0 && rng.unit() >= std::exp(-static_cast<double>(delta) / temperature))
            continue;
        sets.swap(b, out, in);
        blocks[i] = rest | (Line{1} << in);
    }
    std::sort(blocks.begin(), blocks.end(), lineLess);
    return blocks;
}

std::vector<Line> weighAtFixedCount(const Design &d, std::size_t count, const WeighOptions &options)
{
    // A count of blocks on one t-set, the start's included, must fit its 16 bits.
    if (!holdsEveryTSet(d) || count == 0 || count > std::numeric_limits<std::uint16_t>::max() ||
        options.start.size() > std::numeric_limits<std::uint16_t>::max())
        return {};
    WeightedSets sets(d.v, d.t);
    return swapTowardsBareSets(d, count, options, sets);
}

std::vector<Line> searchOverDrawnSets(const Design &d, std::size_t count, const WeighOptions &options)
{
    if (!searchableOverDrawnSets(d) || count == 0 || count > std::numeric_limits<std::uint16_t>::max() ||
        options.start.size() > std::numeric_limits<std::uint16_t>::max())
        return {};
    DrawnSets sets(d.v, d.t, d.m);
    return swapTowardsBareSets(d, count, options, sets);
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
        std::vector<Line> blocks;
        if (d.m > d.t) {
            blocks = searchOverDrawnSets(d, count, WeighOptions{o.seed, o.secondsCap, 4, o.start});
        } else {
            switch (o.method) {
            case FixedCountMethod::tabu:
                blocks = searchAtFixedCount(d, count, o);
                break;
            case FixedCountMethod::anneal:
                blocks = annealAtFixedCount(d, count, AnnealOptions{o.seed, o.secondsCap});
                break;
            case FixedCountMethod::weigh:
                blocks = weighAtFixedCount(d, count, WeighOptions{o.seed, o.secondsCap, 4, o.start});
                break;
            }
        }
        if (blocks.empty())
            break;
        if (!o.start.empty())
            o.start = blocks;
        result.blocks = std::move(blocks);
        ++o.seed;
    }
    result.seconds = watch.seconds();
    return result;
}

} // namespace wheel
