// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "groupcover.h"

#include "localsearch.h"

#include <algorithm>
#include <array>
#include <limits>
#include <map>
#include <queue>

namespace wheel {

namespace {

constexpr std::uint32_t kNone = std::numeric_limits<std::uint32_t>::max();

// The colex rank of a set among the sets of its size.
class Ranks {
public:
    Ranks()
    {
        for (int n = 0; n <= kMaxPositions; ++n)
            for (int r = 0; r <= kMaxPositions; ++r)
                choose_[static_cast<std::size_t>(n)][static_cast<std::size_t>(r)] = r > n ? 0 : binomial(n, r);
    }
    std::uint64_t operator()(Line s) const
    {
        std::uint64_t r = 0;
        for (std::size_t i = 1; s; s &= s - 1, ++i)
            r += choose_[static_cast<std::size_t>(std::countr_zero(s))][i];
        return r;
    }

private:
    std::array<std::array<std::uint64_t, kMaxPositions + 1>, kMaxPositions + 1> choose_{};
};

// The orbits of blocks as candidates of a weighted cover of the orbits of drawn sets.
struct Candidates {
    std::vector<Line> rep;
    std::vector<std::uint32_t> cost;   // lines in the orbit
    std::vector<std::uint32_t> start;  // where its covered orbits begin in `covers`
    std::vector<std::uint32_t> covers; // orbits of drawn sets, each candidate's once
    std::vector<std::uint32_t> byElementStart;
    std::vector<std::uint32_t> byElement; // the candidates covering each orbit of drawn sets
    std::uint32_t elements = 0;

    std::size_t size() const { return rep.size(); }
    const std::uint32_t *begin(std::size_t j) const { return covers.data() + start[j]; }
    const std::uint32_t *end(std::size_t j) const { return covers.data() + start[j + 1]; }

    void index()
    {
        byElementStart.assign(elements + 1, 0);
        for (std::uint32_t e : covers)
            ++byElementStart[e + 1];
        for (std::uint32_t e = 0; e < elements; ++e)
            byElementStart[e + 1] += byElementStart[e];
        byElement.resize(covers.size());
        auto fill = byElementStart;
        for (std::size_t j = 0; j < size(); ++j)
            for (const auto *e = begin(j); e != end(j); ++e)
                byElement[fill[*e]++] = static_cast<std::uint32_t>(j);
    }
};

// Labels every m-set with its orbit; false when there are more orbits than `most`.
bool labelDrawnSets(const Design &d, const PermutationGroup &g, const Ranks &rank, std::size_t most,
                    std::vector<std::uint32_t> &orbitOf, std::uint32_t &orbits)
{
    orbitOf.assign(binomial(d.v, d.m), kNone);
    orbits = 0;
    const Line all = (Line{1} << d.v) - 1;
    std::uint64_t r = 0;
    for (Line s = (Line{1} << d.m) - 1; s <= all; s = nextOfSameSize(s), ++r) {
        if (orbitOf[r] != kNone)
            continue;
        if (orbits == most)
            return false;
        for (std::size_t e = 0; e < g.order(); ++e)
            orbitOf[rank(g.image(s, e))] = orbits;
        ++orbits;
    }
    return true;
}

// Every orbit of blocks with the orbits of drawn sets it covers; candidates that cover
// the same orbits as a cheaper one are left out. False when there are more than `most`.
bool weighBlocks(const Design &d, const PermutationGroup &g, const Ranks &rank, std::size_t most,
                 const std::vector<std::uint32_t> &orbitOf, std::uint32_t orbits, Candidates &c)
{
    const Line all = (Line{1} << d.v) - 1;
    std::vector<bool> seen(binomial(d.v, d.k), false);
    std::vector<std::uint32_t> stamp(orbits, 0);
    std::uint32_t epoch = 0;
    std::vector<std::uint32_t> covered;
    std::map<std::vector<std::uint32_t>, std::uint32_t> byCover; // covered orbits -> candidate
    std::size_t orbitsOfBlocks = 0;
    c.elements = orbits;
    c.start.push_back(0);
    std::uint64_t r = 0;
    for (Line b = (Line{1} << d.k) - 1; b <= all; b = nextOfSameSize(b), ++r) {
        if (seen[r])
            continue;
        if (++orbitsOfBlocks > most)
            return false;
        std::uint32_t size = 0;
        for (std::size_t e = 0; e < g.order(); ++e) {
            const auto i = rank(g.image(b, e));
            if (!seen[i]) {
                seen[i] = true;
                ++size;
            }
        }
        ++epoch;
        covered.clear();
        int in[kMaxPositions];
        int out[kMaxPositions];
        const int nin = positionsOf(b, in);
        const int nout = positionsOf(all & ~b, out);
        for (int i = d.t; i <= std::min(d.k, d.m); ++i)
            forEachSubsetOf(in, nin, i, 0, [&](Line a) {
                forEachSubsetOf(out, nout, d.m - i, a, [&](Line s) {
                    const auto o = orbitOf[rank(s)];
                    if (stamp[o] != epoch) {
                        stamp[o] = epoch;
                        covered.push_back(o);
                    }
                });
            });
        std::sort(covered.begin(), covered.end());
        const auto [it, fresh] = byCover.try_emplace(covered, static_cast<std::uint32_t>(c.size()));
        if (!fresh) {
            if (size < c.cost[it->second]) {
                c.cost[it->second] = size;
                c.rep[it->second] = b;
            }
            continue;
        }
        c.rep.push_back(b);
        c.cost.push_back(size);
        c.covers.insert(c.covers.end(), covered.begin(), covered.end());
        c.start.push_back(static_cast<std::uint32_t>(c.covers.size()));
    }
    c.index();
    return true;
}

// A weighted cover of every element by candidates, improved by taking a few out and
// covering greedily again.
class CoverSearch {
public:
    CoverSearch(const Candidates &c, std::uint64_t seed)
        : c_(c), count_(c.elements, 0), in_(c.size(), false), gain_(c.size(), 0), stamp_(c.size(), 0), rng_(seed)
    {
    }

    std::vector<std::uint32_t> run(double seconds)
    {
        const local::Stopwatch watch;
        greedyStart();
        std::vector<std::uint32_t> best = chosen_;
        std::uint64_t bestCost = cost_;
        // A cover that has not improved for as long as it took to find, and half a second
        // more, seldom improves later: the time goes to the next group instead.
        double found = 0;
        while (watch.seconds() < seconds && watch.seconds() < 2 * found + 0.5 && chosen_.size() > 1) {
            const auto before = chosen_;
            const auto costBefore = cost_;
            const std::size_t drop = 1 + rng_.below(std::min<std::size_t>(chosen_.size() - 1, 4));
            for (std::size_t i = 0; i < drop; ++i)
                remove(chosen_[rng_.below(chosen_.size())]);
            repair(0.1 + 0.2 * rng_.unit());
            pruneRedundant();
            if (cost_ < bestCost) {
                best = chosen_;
                bestCost = cost_;
                found = watch.seconds();
            } else if (cost_ > costBefore) {
                // Back to where this step began.
                for (auto j : std::vector<std::uint32_t>(chosen_))
                    remove(j);
                for (auto j : before)
                    add(j);
            }
        }
        return best;
    }

private:
    void add(std::uint32_t j)
    {
        in_[j] = true;
        chosen_.push_back(j);
        cost_ += c_.cost[j];
        for (const auto *e = c_.begin(j); e != c_.end(j); ++e)
            if (count_[*e]++ == 0)
                --bare_;
    }
    void remove(std::uint32_t j)
    {
        in_[j] = false;
        chosen_.erase(std::find(chosen_.begin(), chosen_.end(), j));
        cost_ -= c_.cost[j];
        for (const auto *e = c_.begin(j); e != c_.end(j); ++e)
            if (--count_[*e] == 0)
                ++bare_;
    }

    // The lowest cost for each newly covered element first, as long as anything is bare.
    void greedyStart()
    {
        bare_ = c_.elements;
        using Item = std::pair<double, std::uint32_t>;
        std::priority_queue<Item> queue;
        for (std::uint32_t j = 0; j < c_.size(); ++j)
            queue.push({static_cast<double>(c_.end(j) - c_.begin(j)) / c_.cost[j], j});
        while (bare_ > 0 && !queue.empty()) {
            const auto [ratio, j] = queue.top();
            queue.pop();
            std::uint32_t gain = 0;
            for (const auto *e = c_.begin(j); e != c_.end(j); ++e)
                gain += count_[*e] == 0;
            if (gain == 0)
                continue;
            const double now = static_cast<double>(gain) / c_.cost[j];
            if (!queue.empty() && now < queue.top().first) {
                queue.push({now, j});
                continue;
            }
            add(j);
        }
        pruneRedundant();
    }

    // Covers what is bare again: of the candidates that cover a bare element, one of
    // those that cover most bare elements for their cost, within `slack` of the best.
    void repair(double slack)
    {
        std::vector<std::uint32_t> touched;
        while (bare_ > 0) {
            ++epoch_;
            touched.clear();
            for (std::uint32_t e = 0; e < c_.elements; ++e) {
                if (count_[e] != 0)
                    continue;
                for (auto k = c_.byElementStart[e]; k < c_.byElementStart[e + 1]; ++k) {
                    const auto j = c_.byElement[k];
                    if (stamp_[j] != epoch_) {
                        stamp_[j] = epoch_;
                        gain_[j] = 0;
                        touched.push_back(j);
                    }
                    ++gain_[j];
                }
            }
            double bestRatio = 0;
            for (auto j : touched)
                bestRatio = std::max(bestRatio, static_cast<double>(gain_[j]) / c_.cost[j]);
            std::uint32_t pick = kNone;
            std::size_t ties = 0;
            for (auto j : touched)
                if (static_cast<double>(gain_[j]) / c_.cost[j] >= (1 - slack) * bestRatio && rng_.below(++ties) == 0)
                    pick = j;
            add(pick);
        }
    }

    // Takes out every chosen candidate whose elements all stay covered without it, the
    // costliest first.
    void pruneRedundant()
    {
        auto order = chosen_;
        std::sort(order.begin(), order.end(), [this](auto a, auto b) { return c_.cost[a] > c_.cost[b]; });
        for (auto j : order) {
            bool needed = false;
            for (const auto *e = c_.begin(j); e != c_.end(j) && !needed; ++e)
                needed = count_[*e] == 1;
            if (!needed)
                remove(j);
        }
    }

    const Candidates &c_;
    std::vector<std::uint32_t> count_;
    std::vector<bool> in_;
    std::vector<std::uint32_t> gain_;
    std::vector<std::uint32_t> stamp_;
    std::uint32_t epoch_ = 0;
    std::vector<std::uint32_t> chosen_;
    std::uint64_t cost_ = 0;
    std::uint32_t bare_ = 0;
    local::Rng rng_;
};

} // namespace

GroupSearchResult searchGroupDesign(const Design &d, const PermutationGroup &g, const GroupSearchOptions &options)
{
    const local::Stopwatch watch;
    GroupSearchResult result;
    if (!local::searchable(d) || g.v != d.v || g.maps.empty())
        return result;
    // Both tables are indexed by the rank of a set; past these sizes they are too large.
    if (binomial(d.v, d.m) > 40'000'000 || binomial(d.v, d.k) > 200'000'000 ||
        binomial(d.v, d.k) / g.order() > options.mostOrbits) {
        result.tooLarge = true;
        return result;
    }
    const Ranks rank;
    std::vector<std::uint32_t> orbitOf;
    std::uint32_t orbits = 0;
    Candidates c;
    if (!labelDrawnSets(d, g, rank, options.mostOrbits, orbitOf, orbits) ||
        !weighBlocks(d, g, rank, options.mostOrbits, orbitOf, orbits, c)) {
        result.tooLarge = true;
        result.seconds = watch.seconds();
        return result;
    }
    orbitOf = {};
    CoverSearch search(c, options.seed);
    const auto chosen = search.run(std::max(0.0, options.secondsCap - watch.seconds()));
    for (auto j : chosen)
        for (std::size_t e = 0; e < g.order(); ++e)
            result.blocks.push_back(g.image(c.rep[j], e));
    std::sort(result.blocks.begin(), result.blocks.end(), lineLess);
    result.blocks.erase(std::unique(result.blocks.begin(), result.blocks.end()), result.blocks.end());
    result.orbits = chosen.size();
    result.seconds = watch.seconds();
    return result;
}

} // namespace wheel
