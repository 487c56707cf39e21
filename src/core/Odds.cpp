// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Odds.h"

#include <algorithm>
#include <array>
#include <bit>

namespace odds {

namespace {

// Pascal's triangle up to the largest pool: sums only, so nothing overflows and every value
// below 2^64 is exact.
const std::array<std::array<long double, kMaxPool + 1>, kMaxPool + 1> &pascal()
{
    static const auto table = [] {
        std::array<std::array<long double, kMaxPool + 1>, kMaxPool + 1> t{};
        for (int n = 0; n <= kMaxPool; ++n) {
            t[n][0] = 1;
            for (int r = 1; r <= n; ++r)
                t[n][r] = t[n - 1][r - 1] + (r <= n - 1 ? t[n - 1][r] : 0);
        }
        return t;
    }();
    return table;
}

std::uint64_t choose(int n, int r)
{
    if (r < 0 || r > n)
        return 0;
    std::uint64_t c = 1;
    r = std::min(r, n - r);
    for (int i = 1; i <= r; ++i)
        c = c * static_cast<std::uint64_t>(n - r + i) / static_cast<std::uint64_t>(i);
    return c;
}

// Walks every subset of the player's positions of up to `depth` members in increasing order and
// tallies, per size, the best match any line makes with it. A subset's best match grows by at
// most one per member added, and grows exactly when the new member lies on a line that already
// meets the best; so each node keeps, per match count c, the lines meeting it in >= c positions
// (bit sets over the lines), and only the counts that can still become the best are kept.
class Walker {
public:
    Walker(int numbers, const std::vector<std::uint64_t> &lines, int depth, const std::atomic<bool> *cancel)
        : z_(numbers), depth_(depth), words_((static_cast<int>(lines.size()) + 63) / 64), cancel_(cancel), lines_(lines)
    {
        for (auto l : lines) {
            top_ = std::max(top_, std::popcount(l));
            everyLine_ |= l;
            for (auto bits = l; bits; bits &= bits - 1)
                sharing_[static_cast<std::size_t>(std::countr_zero(bits))] |= l;
        }
        levels_ = std::min(top_, depth_);
        on_.assign(static_cast<std::size_t>(z_) * words_, 0);
        for (std::size_t i = 0; i < lines.size(); ++i)
            for (auto l = lines[i]; l; l &= l - 1)
                on_[static_cast<std::size_t>(std::countr_zero(l)) * words_ + i / 64] |= std::uint64_t{1} << (i % 64);
        meets_.assign(static_cast<std::size_t>(depth_ + 1) * (levels_ + 1) * words_, 0);
        for (auto &c : counts_)
            c.assign(static_cast<std::size_t>(depth_ + 1) * (levels_ + 1), 0);
    }

    bool run()
    {
        // A small walk may end before its first look at the flag: a count dropped before it began is
        // never done.
        if (cancel_ && cancel_->load(std::memory_order_relaxed))
            return false;
        counts_[0][0] = 1; // the empty subset
        visit(0, -1, 0, false);
        return !stopped_;
    }

    // Subsets of `size` members with best match `best`; keyed: those holding position 0.
    std::uint64_t count(bool keyed, int size, int best) const
    {
        if (best > levels_)
            return 0;
        return counts_[keyed ? 1 : 0][static_cast<std::size_t>(size) * (levels_ + 1) + best];
    }

private:
    std::uint64_t *level(int node, int c)
    {
        return meets_.data() + (static_cast<std::size_t>(node) * (levels_ + 1) + c) * words_;
    }
    const std::uint64_t *on(int position) const { return on_.data() + static_cast<std::size_t>(position) * words_; }
    void add(bool keyed, int size, int best, std::uint64_t n)
    {
        counts_[keyed ? 1 : 0][static_cast<std::size_t>(size) * (levels_ + 1) + best] += n;
    }

    bool reaches(int node, int best, int position)
    {
        const std::uint64_t *e = on(position);
        if (best == 0) {
            for (int w = 0; w < words_; ++w)
                if (e[w])
                    return true;
            return false;
        }
        const std::uint64_t *g = level(node, best);
        for (int w = 0; w < words_; ++w)
            if (g[w] & e[w])
                return true;
        return false;
    }

    // The children of a node one short of the depth are leaves: a leaf matches one more than its
    // parent exactly when its new member lies on a line that meets the parent in `best`, so when few
    // lines do, their union answers for every leaf at once.
    bool leavesAtOnce(int node, int last, int best, bool keyed)
    {
        const int free = z_ - 1 - last;
        std::uint64_t reach = 0;
        if (best == 0) {
            reach = everyLine_;
        } else {
            const std::uint64_t *g = level(node, best);
            int top = 0;
            for (int w = 0; w < words_; ++w)
                top += std::popcount(g[w]);
            if (top > free * 4)
                return false; // testing each leaf is cheaper
            for (int w = 0; w < words_; ++w)
                for (std::uint64_t bits = g[w]; bits; bits &= bits - 1)
                    reach |= lines_[static_cast<std::size_t>(w) * 64 + std::countr_zero(bits)];
        }
        const std::uint64_t above = last + 1 >= 64 ? 0 : ~std::uint64_t{0} << (last + 1);
        const int up = std::popcount(reach & above);
        add(keyed, node + 1, best + 1, static_cast<std::uint64_t>(up));
        add(keyed, node + 1, best, static_cast<std::uint64_t>(free - up));
        return true;
    }

    // A node two short of the depth: its children and theirs at once. A child (the node plus e)
    // matches one more than the node when e lies on a line meeting the node in `best`; a
    // grandchild (plus e and f) two more when such a line holds both, else one more when either
    // lies on such a line or a line meeting the node in best - 1 holds both. When few lines meet
    // the node in `best`, their unions answer for every child on them, and only the children off
    // them look at the lines one short. False when too many lines meet it: each child is then
    // visited.
    bool twoLevelsAtOnce(int node, int last, int best, bool keyed)
    {
        const int free = z_ - 1 - last;
        if (best < 1 || free < 2)
            return false;
        const std::uint64_t *g = level(node, best);
        const std::size_t most = static_cast<std::size_t>(free) * 16;
        meeting_.clear();
        for (int w = 0; w < words_; ++w)
            for (std::uint64_t bits = g[w]; bits; bits &= bits - 1) {
                if (meeting_.size() == most)
                    return false;
                meeting_.push_back(lines_[static_cast<std::size_t>(w) * 64 + std::countr_zero(bits)]);
            }
        const std::uint64_t later = last + 1 >= 64 ? 0 : ~std::uint64_t{0} << (last + 1);
        std::uint64_t reach = 0;
        for (int e = last + 1; e < z_; ++e)
            pairs_[static_cast<std::size_t>(e)] = 0;
        for (const std::uint64_t l : meeting_) {
            reach |= l;
            for (std::uint64_t bits = l & later; bits; bits &= bits - 1)
                pairs_[static_cast<std::size_t>(std::countr_zero(bits))] |= l;
        }
        const std::uint64_t *short1 = best > 1 ? level(node, best - 1) : nullptr;
        // The children off every such line look for their partners on the lines one short. Where
        // those meet the node in three places or more they are few, and one pass over them finds the
        // partners of every child at once, unless they outnumber the words the children's own scans
        // would read; only a line holding two of those children adds a partner.
        const std::uint64_t inside = z_ == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << z_) - 1;
        const std::uint64_t off = later & ~reach & inside;
        bool gathered = false;
        if (short1 && best >= 4) {
            const std::size_t budget = static_cast<std::size_t>(std::popcount(off)) * words_ / 3;
            for (std::uint64_t r = off; r; r &= r - 1)
                oneShort_[static_cast<std::size_t>(std::countr_zero(r))] = 0;
            std::size_t seen = 0;
            gathered = budget > 0;
            for (int w = 0; w < words_ && gathered; ++w)
                for (std::uint64_t bits = short1[w]; bits; bits &= bits - 1) {
                    if (++seen > budget) {
                        gathered = false;
                        break;
                    }
                    const std::uint64_t both = lines_[static_cast<std::size_t>(w) * 64 + std::countr_zero(bits)] & off;
                    if (both & (both - 1))
                        for (std::uint64_t r = both; r; r &= r - 1)
                            oneShort_[static_cast<std::size_t>(std::countr_zero(r))] |= both;
                }
        }
        for (int e = last + 1; e < z_; ++e) {
            const bool childKeyed = keyed || e == 0;
            const std::uint64_t above = e + 1 >= 64 ? 0 : ~std::uint64_t{0} << (e + 1);
            const int after = z_ - 1 - e;
            if ((reach >> e) & 1) {
                add(childKeyed, node + 1, best + 1, 1);
                const int two = std::popcount(pairs_[static_cast<std::size_t>(e)] & above);
                if (two > 0)
                    add(childKeyed, node + 2, best + 2, static_cast<std::uint64_t>(two));
                add(childKeyed, node + 2, best + 1, static_cast<std::uint64_t>(after - two));
                continue;
            }
            add(childKeyed, node + 1, best, 1);
            std::uint64_t partners = 0; // positions sharing a line with e that meets the node in best - 1
            if (gathered) {
                partners = oneShort_[static_cast<std::size_t>(e)];
            } else if (short1) {
                // Done once every later position is reached.
                const std::uint64_t open = above & off;
                const std::uint64_t *onE = on(e);
                for (int w = 0; w < words_ && (partners & open) != open; ++w)
                    for (std::uint64_t bits = short1[w] & onE[w]; bits; bits &= bits - 1)
                        partners |= lines_[static_cast<std::size_t>(w) * 64 + std::countr_zero(bits)];
            } else {
                partners = sharing_[static_cast<std::size_t>(e)];
            }
            const int one = std::popcount((reach | partners) & above);
            add(childKeyed, node + 2, best + 1, static_cast<std::uint64_t>(one));
            add(childKeyed, node + 2, best, static_cast<std::uint64_t>(after - one));
        }
        return true;
    }

    // `node` is a subset of `node` members, the largest `last`, whose best match is `best`.
    void visit(int node, int last, int best, bool keyed)
    {
        if (stopped_)
            return;
        if (cancel_ && (++ticks_ & 0x3ff) == 0 && cancel_->load(std::memory_order_relaxed)) {
            stopped_ = true;
            return;
        }
        const int free = z_ - 1 - last;
        if (best == levels_) {
            // Nothing below can match more: count the whole subtree at once.
            for (int i = 1; i <= depth_ - node && i <= free; ++i)
                add(keyed, node + i, best, choose(free, i));
            return;
        }
        const int child = node + 1;
        if (child == depth_ && node > 0 && leavesAtOnce(node, last, best, keyed))
            return;
        if (child + 1 == depth_ && node > 0 && twoLevelsAtOnce(node, last, best, keyed))
            return;
        for (int e = last + 1; e < z_; ++e) {
            const bool childKeyed = keyed || e == 0;
            const int b = best + (reaches(node, best, e) ? 1 : 0);
            add(childKeyed, child, b, 1);
            if (child == depth_ || e == z_ - 1)
                continue;
            // Lines meeting the child in fewer than lo positions can no longer decide a best match.
            const int remaining = depth_ - child;
            const int lo = std::max(1, b - remaining + 1);
            const std::uint64_t *onE = on(e);
            for (int c = lo; c <= b; ++c) {
                std::uint64_t *out = level(child, c);
                const std::uint64_t *same = level(node, c);
                const std::uint64_t *less = level(node, c - 1);
                const bool sameEmpty = c > best; // no line meets the parent in more than best
                if (c == 1) {
                    for (int w = 0; w < words_; ++w)
                        out[w] = (sameEmpty ? 0 : same[w]) | onE[w];
                } else {
                    for (int w = 0; w < words_; ++w)
                        out[w] = (sameEmpty ? 0 : same[w]) | (less[w] & onE[w]);
                }
            }
            visit(child, e, b, childKeyed);
        }
    }

    int z_;
    int depth_;
    int words_;
    const std::atomic<bool> *cancel_;
    int top_ = 0;
    int levels_ = 0;
    const std::vector<std::uint64_t> &lines_;
    std::uint64_t everyLine_ = 0;              // positions on some line
    std::array<std::uint64_t, 64> sharing_{};  // per position: the positions on a line with it
    std::array<std::uint64_t, 64> pairs_{};    // scratch of twoLevelsAtOnce
    std::array<std::uint64_t, 64> oneShort_{}; // scratch of twoLevelsAtOnce
    std::vector<std::uint64_t> meeting_;       // scratch of twoLevelsAtOnce
    std::vector<std::uint64_t> on_;            // per position: the lines holding it
    std::vector<std::uint64_t> meets_;         // per depth and match count c: lines meeting the subset in >= c
    std::array<std::vector<std::uint64_t>, 2> counts_;
    std::uint64_t ticks_ = 0;
    bool stopped_ = false;
};

HaveRow makeRow(int j, int drawn, std::uint64_t subsets, double probability)
{
    HaveRow row;
    row.j = j;
    row.probability = probability;
    row.subsets = subsets;
    row.atLeastSets.assign(static_cast<std::size_t>(drawn) + 1, 0);
    row.atLeast.assign(static_cast<std::size_t>(drawn) + 1, 0.0);
    return row;
}

// Sums the walker's tallies into "at least b" counts; `plain` adds the subsets without position 0.
void fillRow(HaveRow &row, const Walker &walker, bool plain, int drawn)
{
    std::uint64_t sum = 0;
    for (int b = drawn; b >= 0; --b) {
        sum += walker.count(true, row.j, b) + (plain ? walker.count(false, row.j, b) : 0);
        const auto idx = static_cast<std::size_t>(b);
        row.atLeastSets[idx] = sum;
        row.atLeast[idx] = row.subsets ? static_cast<double>(static_cast<long double>(sum) / row.subsets) : 0.0;
    }
}

} // namespace

long double binomial(int n, int r)
{
    if (n < 0 || n > kMaxPool || r < 0 || r > n)
        return 0;
    return pascal()[n][r];
}

Status compute(const Lottery &lottery, const Wheel &wheel, const Options &options, Table &table, std::string &error)
{
    table = Table{};
    const int n = lottery.pool;
    const int d = lottery.drawn;
    const int z = wheel.numbers;
    auto invalid = [&](const std::string &what) {
        error = what;
        return Status::Invalid;
    };
    if (n < 2 || n > kMaxPool)
        return invalid("the pool must hold 2 to 99 numbers");
    if (d < 1 || d > n)
        return invalid("the numbers drawn must be 1 to the pool");
    if (z < 1 || z > n || z > 64)
        return invalid("the player's numbers must be 1 to the pool, at most 64");
    if (wheel.lines.empty())
        return invalid("the wheel has no lines");
    const std::uint64_t inside = z == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << z) - 1;
    for (auto l : wheel.lines)
        if (l == 0 || (l & ~inside) != 0)
            return invalid("a line is empty or names a position beyond the player's numbers");
    if (options.lowestPrizeMain < 0 || options.lowestPrizeMain > d)
        return invalid("the lowest prize needs 0 to the numbers drawn");

    const int depth = std::min(d, z);
    Walker walker(z, wheel.lines, depth, options.cancel);
    if (!walker.run())
        return Status::Cancelled;

    table.pool = n;
    table.drawn = d;
    table.numbers = z;
    table.tickets = static_cast<int>(wheel.lines.size());
    const long double draws = binomial(n, d);
    table.atLeast.assign(static_cast<std::size_t>(d) + 1, 0.0);
    std::vector<long double> atLeast(static_cast<std::size_t>(d) + 1, 0);
    for (int j = 0; j <= depth; ++j) {
        const long double pj = binomial(z, j) * binomial(n - z, d - j) / draws;
        HaveRow row = makeRow(j, d, choose(z, j), static_cast<double>(pj));
        fillRow(row, walker, true, d);
        for (int b = 0; b <= d; ++b)
            atLeast[static_cast<std::size_t>(b)] +=
                pj * static_cast<long double>(row.atLeastSets[static_cast<std::size_t>(b)]) / row.subsets;
        table.have.push_back(std::move(row));

        HaveRow keyed = makeRow(j, d, j > 0 ? choose(z - 1, j - 1) : 0, static_cast<double>(j > 0 ? pj * j / z : 0.0L));
        if (j > 0)
            fillRow(keyed, walker, false, d);
        table.keyedHave.push_back(std::move(keyed));
    }
    for (int b = 0; b <= d; ++b)
        table.atLeast[static_cast<std::size_t>(b)] = static_cast<double>(atLeast[static_cast<std::size_t>(b)]);

    // Each line on its own: its matches follow the hypergeometric law of its size.
    table.expected.assign(static_cast<std::size_t>(d) + 1, 0.0);
    for (int b = 0; b <= d; ++b) {
        long double e = 0;
        for (auto l : wheel.lines) {
            const int k = std::popcount(l);
            e += binomial(k, b) * binomial(n - k, d - b) / draws;
        }
        table.expected[static_cast<std::size_t>(b)] = static_cast<double>(e);
    }
    if (options.lowestPrizeMain > 0)
        table.prize = table.atLeast[static_cast<std::size_t>(options.lowestPrizeMain)];
    return Status::Done;
}

int tierOf(const std::vector<Tier> &tiers, int main, int supplementary, int bonus)
{
    return firstTierMet(
        tiers, [](const Tier &tier) { return tier; }, main, supplementary, bonus);
}

} // namespace odds
