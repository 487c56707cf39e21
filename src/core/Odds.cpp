// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Odds.h"

#include "core/FastBits.h"

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
        later_.assign(static_cast<std::size_t>(z_) * 3 * words_, 0);
        for (int p = 0; p < z_; ++p)
            for (std::size_t i = 0; i < lines.size(); ++i) {
                const int after = std::popcount(lines[i] & positionsAfter(p));
                for (int k = 1; k <= std::min(after, 3); ++k)
                    later_[(static_cast<std::size_t>(p) * 3 + (k - 1)) * words_ + i / 64] |= std::uint64_t{1}
                                                                                             << (i % 64);
            }
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
        if (best > levels_ || size > depth_)
            return 0;
        return counts_[keyed ? 1 : 0][static_cast<std::size_t>(size) * (levels_ + 1) + best];
    }

private:
    std::uint64_t *level(int node, int c)
    {
        return meets_.data() + (static_cast<std::size_t>(node) * (levels_ + 1) + c) * words_;
    }
    const std::uint64_t *on(int position) const { return on_.data() + static_cast<std::size_t>(position) * words_; }
    // The lines holding at least k positions after `position`, k = 1 to 3.
    const std::uint64_t *after(int position, int k) const
    {
        return later_.data() + (static_cast<std::size_t>(position) * 3 + (k - 1)) * words_;
    }
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
    WHEELWRIGHT_BIT_COUNTING
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
        const std::uint64_t above = positionsAfter(last);
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
    WHEELWRIGHT_BIT_COUNTING
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
        const std::uint64_t later = positionsAfter(last) & firstPositions(z_);
        std::uint64_t reach = 0;
        for (const std::uint64_t l : meeting_)
            reach |= l;
        const std::uint64_t onBest = reach & later; // children one up
        for (std::uint64_t r = onBest; r; r &= r - 1)
            pairs_[static_cast<std::size_t>(std::countr_zero(r))] = 0;
        for (const std::uint64_t l : meeting_)
            for (std::uint64_t bits = l & later; bits; bits &= bits - 1)
                pairs_[static_cast<std::size_t>(std::countr_zero(bits))] |= l;
        const std::uint64_t *short1 = best > 1 ? level(node, best - 1) : nullptr;
        // The children off every such line look for their partners on the lines one short. Where
        // those meet the node in three places or more they are few, and one pass over them finds the
        // partners of every child at once, unless they outnumber the words the children's own scans
        // would read; only a line holding two of those children adds a partner.
        const std::uint64_t off = later & ~reach;
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
        // Every child lies below the depth, so the grandchildren are tallied by sums: those two up
        // (a line of the best holds both new members), one up, and the rest as many as the node.
        // Since node > 0, every child is keyed exactly when the node is.
        std::uint64_t twoUp = 0;
        std::uint64_t oneUp = 0;
        for (std::uint64_t r = onBest; r; r &= r - 1) {
            const int e = std::countr_zero(r);
            const std::uint64_t above = positionsAfter(e);
            const int two = std::popcount(pairs_[static_cast<std::size_t>(e)] & above);
            twoUp += static_cast<std::uint64_t>(two);
            oneUp += static_cast<std::uint64_t>(z_ - 1 - e - two);
        }
        for (std::uint64_t r = off; r; r &= r - 1) {
            const int e = std::countr_zero(r);
            const std::uint64_t above = positionsAfter(e);
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
            oneUp += static_cast<std::uint64_t>(std::popcount((reach | partners) & above));
        }
        const auto children = static_cast<std::uint64_t>(free);
        const auto up = static_cast<std::uint64_t>(std::popcount(onBest));
        add(keyed, node + 1, best + 1, up);
        add(keyed, node + 1, best, children - up);
        const std::uint64_t grandchildren = children * (children - 1) / 2;
        if (twoUp > 0) // else best + 2 may lie past the longest line
            add(keyed, node + 2, best + 2, twoUp);
        add(keyed, node + 2, best + 1, oneUp);
        add(keyed, node + 2, best, grandchildren - twoUp - oneUp);
        return true;
    }

    // A node three short of the depth: its children, theirs and theirs at once. What the three
    // levels below can match depends only on each line's count at the node and its positions after
    // `last`; a line meeting the node in best - k matters only with k + 1 positions after it (k at
    // most 2). A child e is counted as twoLevelsAtOnce counts a node: a grandchild (plus f) is one
    // up from the child when f lies on a line meeting the child in the child's best; a
    // great-grandchild (plus f and g) two up when such a line holds f and g, else one up when
    // either lies on one or a line one short of the child's best holds both. Which lines those are
    // follows from the node's. A child on a best line of the node has as its best lines the node's
    // best lines holding e, and as its lines one short the node's other best lines and its lines
    // one short holding e. Any other child has as its best lines the node's best lines and its
    // lines one short holding e, and as its lines one short the node's other lines one short and
    // its lines two short holding e. So per pair e, f of later positions the union of the lines
    // of each count holding both answers every child at once. False when the lines are too many
    // to be worth it.
    WHEELWRIGHT_BIT_COUNTING
    bool threeLevelsAtOnce(int node, int last, int best, bool keyed)
    {
        const int free = z_ - 1 - last;
        if (best < 1 || free < 3)
            return false;
        const std::uint64_t *atBest = level(node, best);
        const std::uint64_t *atOne = best > 1 ? level(node, best - 1) : nullptr; // nullptr: every line
        const std::uint64_t *atTwo = best > 2 ? level(node, best - 2) : nullptr;
        const std::uint64_t *one = after(last, 1);
        const std::uint64_t *two = after(last, 2);
        const std::uint64_t *three = after(last, 3);
        const std::uint64_t later = positionsAfter(last) & firstPositions(z_);
        const int first = last + 1;
        const auto n = static_cast<std::size_t>(free);
        const std::size_t most = n * 24;
        through_.assign(n * n, Through{});
        auto at = [&](int e, int f) -> Through & {
            return through_[static_cast<std::size_t>(e - first) * n + static_cast<std::size_t>(f - first)];
        };
        // Each pair e <= f of the line's positions but its last (a pair ending there adds nothing
        // after f), the diagonal being the union of the lines holding e.
        auto spread = [&](std::uint64_t l, std::uint64_t Through::*field, bool diagonal) {
            std::array<int, 64> place; // the line's later positions but its last, from the first later one;
                                       // left unset past k, as clearing it costs more than the rest
            int k = 0;
            for (std::uint64_t a = l & ~std::bit_floor(l); a; a &= a - 1)
                place[static_cast<std::size_t>(k++)] = std::countr_zero(a) - first;
            for (int i = 0; i < k; ++i) {
                Through *row = through_.data() + static_cast<std::size_t>(place[static_cast<std::size_t>(i)]) * n;
                for (int j = diagonal ? i : i + 1; j < k; ++j)
                    row[place[static_cast<std::size_t>(j)]].*field |= l;
            }
        };
        std::uint64_t reachBest = 0;
        for (int w = 0; w < words_; ++w)
            for (std::uint64_t bits = atBest[w] & one[w]; bits; bits &= bits - 1) {
                const std::uint64_t l = lines_[static_cast<std::size_t>(w) * 64 + std::countr_zero(bits)] & later;
                reachBest |= l;
                spread(l, &Through::best, true);
            }
        // A child off the node's best lines has every position on them reached, so the lines it
        // takes partners from (one and two short of the node's best) count only off them.
        for (std::uint64_t r = later; r; r &= r - 1)
            spare_[static_cast<std::size_t>(std::countr_zero(r))] = 0;
        std::size_t taken = 0;
        for (int w = 0; w < words_; ++w) {
            const std::uint64_t b0 = atBest[w];
            const std::uint64_t b1 = atOne ? atOne[w] : ~std::uint64_t{0};
            const std::uint64_t b2 = atTwo ? atTwo[w] : ~std::uint64_t{0};
            for (std::uint64_t bits = b1 & ~b0 & two[w]; bits; bits &= bits - 1) {
                if (++taken > most)
                    return false;
                const std::uint64_t l = lines_[static_cast<std::size_t>(w) * 64 + std::countr_zero(bits)] & later;
                spread(l, &Through::one, true);
                const std::uint64_t rest = l & ~reachBest;
                if (rest & (rest - 1))
                    for (std::uint64_t r = rest; r; r &= r - 1)
                        spare_[static_cast<std::size_t>(std::countr_zero(r))] |= rest;
            }
            for (std::uint64_t bits = b2 & ~b1 & three[w]; bits; bits &= bits - 1) {
                const std::uint64_t rest =
                    lines_[static_cast<std::size_t>(w) * 64 + std::countr_zero(bits)] & later & ~reachBest;
                if (std::popcount(rest) < 3)
                    continue;
                if (++taken > most)
                    return false;
                spread(rest, &Through::two, false);
            }
        }

        // Tallies per size below the node (1 to 3) and match over best (0 to 3).
        std::array<std::array<std::uint64_t, 4>, 3> tally{};
        for (std::uint64_t r = later; r; r &= r - 1) {
            const int e = std::countr_zero(r);
            const std::uint64_t above = positionsAfter(e);
            const auto up = static_cast<std::size_t>((reachBest >> e) & 1);
            const Through &own = at(e, e);
            const std::uint64_t reach = (up ? own.best : reachBest | own.one) & above;
            const std::uint64_t off = later & above & ~reach;
            std::uint64_t twoUp = 0;
            std::uint64_t oneUp = 0;
            for (std::uint64_t b = reach; b; b &= b - 1) {
                const int f = std::countr_zero(b);
                const std::uint64_t over = positionsAfter(f);
                const Through &pair = at(e, f);
                const std::uint64_t both = up ? pair.best : at(f, f).best | pair.one;
                const int twoOn = std::popcount(both & over);
                twoUp += static_cast<std::uint64_t>(twoOn);
                oneUp += static_cast<std::uint64_t>(z_ - 1 - f - twoOn);
            }
            for (std::uint64_t b = off; b; b &= b - 1) {
                const int f = std::countr_zero(b);
                const std::uint64_t over = positionsAfter(f);
                const Through &pair = at(e, f);
                const std::uint64_t partners =
                    up ? at(f, f).best | pair.one : spare_[static_cast<std::size_t>(f)] | pair.two;
                oneUp += static_cast<std::uint64_t>(std::popcount((reach | partners) & over));
            }
            const auto children = static_cast<std::uint64_t>(z_ - 1 - e);
            const auto reached = static_cast<std::uint64_t>(std::popcount(reach));
            tally[0][up] += 1;
            tally[1][up + 1] += reached;
            tally[1][up] += children - reached;
            tally[2][up + 2] += twoUp;
            tally[2][up + 1] += oneUp;
            tally[2][up] += children * (children - 1) / 2 - twoUp - oneUp;
        }
        // A tally above zero names a match some line reaches, so it lies within the table.
        for (std::size_t size = 0; size < 3; ++size)
            for (std::size_t over = 0; over < 4; ++over)
                if (tally[size][over] > 0)
                    add(keyed, node + 1 + static_cast<int>(size), best + static_cast<int>(over), tally[size][over]);
        return true;
    }

    // `node` is a subset of `node` members, the largest `last`, whose best match is `best`.
    WHEELWRIGHT_BIT_COUNTING
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
        if (child + 2 == depth_ && node > 0 && threeLevelsAtOnce(node, last, best, keyed))
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
    // Scratch of threeLevelsAtOnce: per pair of later positions, the union of the lines holding
    // both that meet the node in best, best - 1 and best - 2 (cut off the best lines).
    struct Through {
        std::uint64_t best = 0;
        std::uint64_t one = 0;
        std::uint64_t two = 0;
    };
    std::vector<Through> through_;
    std::array<std::uint64_t, 64> spare_{}; // per position: the lines one short, cut off the best lines
    std::vector<std::uint64_t> later_;      // per position and k: lines with k positions after it
    std::vector<std::uint64_t> on_;         // per position: the lines holding it
    std::vector<std::uint64_t> meets_;      // per depth and match count c: lines meeting the subset in >= c
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

// The walk's tallies per size and best match, apart for the subsets holding position 0. When every
// line holds position 0 (a key wheel), a subset holding it matches one more than the same subset
// without it; so the walk leaves position 0 out, and each tally of the other positions stands for
// a subset without the key and, with the key added, for one a member larger.
class Tallies {
public:
    Tallies(const Walker &walker, bool keyLeftOut) : walker_(walker), keyLeftOut_(keyLeftOut) {}

    std::uint64_t count(bool keyed, int size, int best) const
    {
        if (!keyLeftOut_)
            return walker_.count(keyed, size, best);
        if (keyed)
            return size >= 1 && best >= 1 ? both(size - 1, best - 1) : 0;
        return both(size, best);
    }

private:
    std::uint64_t both(int size, int best) const
    {
        return walker_.count(true, size, best) + walker_.count(false, size, best);
    }

    const Walker &walker_;
    bool keyLeftOut_;
};

// Sums the tallies into "at least b" counts; `plain` adds the subsets without position 0.
void fillRow(HaveRow &row, const Tallies &walker, bool plain, int drawn)
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
    const std::uint64_t inside = firstPositions(z);
    for (auto l : wheel.lines)
        if (l == 0 || (l & ~inside) != 0)
            return invalid("a line is empty or names a position beyond the player's numbers");
    if (options.lowestPrizeMain < 0 || options.lowestPrizeMain > d)
        return invalid("the lowest prize needs 0 to the numbers drawn");

    const int depth = std::min(d, z);
    const bool keyLeftOut = z >= 2 && std::all_of(wheel.lines.begin(), wheel.lines.end(),
                                                  [](std::uint64_t l) { return (l & 1) != 0 && (l & (l - 1)) != 0; });
    std::vector<std::uint64_t> others;
    if (keyLeftOut)
        for (auto l : wheel.lines)
            others.push_back(l >> 1);
    Walker walk(keyLeftOut ? z - 1 : z, keyLeftOut ? others : wheel.lines, keyLeftOut ? std::min(d, z - 1) : depth,
                options.cancel);
    if (!walk.run())
        return Status::Cancelled;
    const Tallies walker(walk, keyLeftOut);

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
