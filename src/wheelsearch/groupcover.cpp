// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheelsearch/groupcover.h"

#include "wheelsearch/localsearch.h"

#include <algorithm>
#include <array>
#include <bit>
#include <functional>
#include <limits>
#include <map>
#include <queue>

namespace wheel {

namespace {

constexpr std::uint32_t kNone = std::numeric_limits<std::uint32_t>::max();

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
bool labelDrawnSets(const Design &d, const PermutationGroup &g, std::size_t most, std::vector<std::uint32_t> &orbitOf,
                    std::uint32_t &orbits)
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
            orbitOf[colexRank(g.image(s, e))] = orbits;
        ++orbits;
    }
    return true;
}

// Every orbit of blocks with the orbits of drawn sets it covers; candidates that cover
// the same orbits as a cheaper one are left out. False when there are more than `most`.
bool weighBlocks(const Design &d, const PermutationGroup &g, std::size_t most,
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
            const auto i = colexRank(g.image(b, e));
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
                    const auto o = orbitOf[colexRank(s)];
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

// A weighted cover of every element by candidates: a greedy start, then a local search
// that swaps one chosen candidate for another and, after each swap, weighs every element
// still bare a little more, so that the moves turn to what is hardest to cover. A
// candidate's score is the weight it would newly cover (not chosen) or would leave bare
// (chosen, negative); the scores follow every move.
class CoverSearch {
public:
    CoverSearch(const Candidates &c, std::uint64_t seed)
        : c_(c), count_(c.elements, 0), weight_(c.elements, 1), owners_(c.elements, 0), score_(c.size(), 0),
          since_(c.size(), 0), bare_(c.elements), rng_(seed)
    {
        for (std::uint32_t j = 0; j < c_.size(); ++j)
            score_[j] = c_.end(j) - c_.begin(j);
    }

    std::vector<std::uint32_t> run(double seconds, double patience)
    {
        const local::Stopwatch watch;
        greedyStart();
        std::vector<std::uint32_t> best = chosen_;
        std::uint64_t bestCost = cost_;
        // A cover that has not improved for twice as long as it took to find, and a little
        // more, seldom improves later: the time goes to the next group instead.
        double found = 0;
        std::uint32_t lastAdded = kNone;
        std::uint32_t lastRemoved = kNone;
        for (std::uint64_t step = 1;; ++step) {
            if ((step & 63) == 0 && (watch.seconds() > seconds || watch.seconds() > 2 * found + patience))
                break;
            while (bare_.size() == 0 && !chosen_.empty()) {
                if (cost_ < bestCost) {
                    best = chosen_;
                    bestCost = cost_;
                    found = watch.seconds();
                }
                lastRemoved = bestOf(chosen_, lastAdded);
                remove(lastRemoved, step);
            }
            // What is bare now weighs more; cover one of it, then give up what keeps the cost
            // from beating the best.
            for (std::size_t i = 0; i < bare_.size(); ++i) {
                const auto f = bare_.at(i);
                ++weight_[f];
                for (auto k = c_.byElementStart[f]; k < c_.byElementStart[f + 1]; ++k)
                    ++score_[c_.byElement[k]];
            }
            const std::uint32_t e = bare_.at(rng_.below(bare_.size()));
            lastAdded = bestOf(c_.byElement.data() + c_.byElementStart[e],
                               c_.byElement.data() + c_.byElementStart[e + 1], lastRemoved);
            add(lastAdded, step);
            while (bare_.size() > 0 && cost_ >= bestCost && chosen_.size() > 1) {
                lastRemoved = bestOf(chosen_, lastAdded);
                remove(lastRemoved, step);
            }
        }
        return best;
    }

private:
    // The candidate of the range with the highest score for its cost, the one unchanged
    // longest among equals; `avoid` only when it is the only one.
    template <class It> std::uint32_t bestOf(It first, It last, std::uint32_t avoid) const
    {
        std::uint32_t pick = kNone;
        for (It it = first; it != last; ++it) {
            const std::uint32_t j = *it;
            if (j == avoid)
                continue;
            if (pick == kNone) {
                pick = j;
                continue;
            }
            const double a = static_cast<double>(score_[j]) / c_.cost[j];
            const double b = static_cast<double>(score_[pick]) / c_.cost[pick];
            if (a > b || (a == b && since_[j] < since_[pick]))
                pick = j;
        }
        return pick == kNone ? avoid : pick;
    }
    std::uint32_t bestOf(const std::vector<std::uint32_t> &v, std::uint32_t avoid) const
    {
        return bestOf(v.begin(), v.end(), avoid);
    }

    void add(std::uint32_t j, std::uint64_t step)
    {
        since_[j] = step;
        chosen_.push_back(j);
        cost_ += c_.cost[j];
        std::int64_t own = 0;
        for (const auto *e = c_.begin(j); e != c_.end(j); ++e) {
            const auto w = weight_[*e];
            if (count_[*e] == 0) {
                bare_.drop(*e);
                for (auto k = c_.byElementStart[*e]; k < c_.byElementStart[*e + 1]; ++k)
                    score_[c_.byElement[k]] -= w;
            } else if (count_[*e] == 1) {
                score_[owners_[*e]] += w;
            }
            ++count_[*e];
            owners_[*e] ^= j;
            if (count_[*e] == 1)
                own += w;
        }
        score_[j] = -own;
    }

    void remove(std::uint32_t j, std::uint64_t step)
    {
        since_[j] = step;
        chosen_.erase(std::find(chosen_.begin(), chosen_.end(), j));
        cost_ -= c_.cost[j];
        std::int64_t own = 0;
        for (const auto *e = c_.begin(j); e != c_.end(j); ++e) {
            const auto w = weight_[*e];
            --count_[*e];
            owners_[*e] ^= j;
            if (count_[*e] == 0) {
                bare_.add(*e);
                for (auto k = c_.byElementStart[*e]; k < c_.byElementStart[*e + 1]; ++k)
                    score_[c_.byElement[k]] += w;
                own += w;
            } else if (count_[*e] == 1) {
                score_[owners_[*e]] -= w;
            }
        }
        score_[j] = own;
    }

    // The most newly covered elements for the cost first, as long as anything is bare;
    // then every chosen candidate that covers nothing alone goes, the costliest first.
    void greedyStart()
    {
        using Item = std::pair<double, std::uint32_t>;
        std::priority_queue<Item> queue;
        for (std::uint32_t j = 0; j < c_.size(); ++j)
            queue.push({static_cast<double>(c_.end(j) - c_.begin(j)) / c_.cost[j], j});
        while (bare_.size() > 0 && !queue.empty()) {
            const auto [ratio, j] = queue.top();
            queue.pop();
            if (score_[j] <= 0)
                continue;
            const double now = static_cast<double>(score_[j]) / c_.cost[j];
            if (!queue.empty() && now < queue.top().first) {
                queue.push({now, j});
                continue;
            }
            add(j, 0);
        }
        auto order = chosen_;
        std::sort(order.begin(), order.end(), [this](auto a, auto b) { return c_.cost[a] > c_.cost[b]; });
        for (auto j : order)
            if (score_[j] == 0)
                remove(j, 0);
    }

    const Candidates &c_;
    std::vector<std::uint32_t> count_;
    std::vector<std::int64_t> weight_;
    std::vector<std::uint32_t> owners_; // the chosen candidates covering an element, xor-ed
    std::vector<std::int64_t> score_;
    std::vector<std::uint64_t> since_;
    std::vector<std::uint32_t> chosen_;
    std::uint64_t cost_ = 0;
    local::BareList bare_;
    local::Rng rng_;
};

} // namespace

// A cover of every element by candidates costing at most `most` in all, found by trying
// candidates in turn: at each step the element still bare with fewest candidates that
// still fit is covered in every way that fits, the most newly covering first. A branch
// is left as soon as what is still bare cannot be covered with the cost left, even by
// candidates that cover as much for their cost as the best of all. Where a design must be
// nearly exact (a cover of pairs at its counting bound), that cuts nearly every branch.
class Backtrack {
public:
    Backtrack(const Candidates &c, std::uint64_t most, std::uint64_t seed)
        : c_(c), most_(most), words_((c.elements + 63) / 64), rng_(seed)
    {
        bits_.assign(c.size() * words_, 0);
        for (std::size_t j = 0; j < c.size(); ++j) {
            for (const auto *e = c.begin(j); e != c.end(j); ++e)
                bits_[j * words_ + *e / 64] |= std::uint64_t{1} << (*e % 64);
            const auto gain = static_cast<double>(c.end(j) - c.begin(j));
            if (c.cost[j] <= most)
                bestRatio_ = std::max(bestRatio_, gain / static_cast<double>(c.cost[j]));
        }
    }

    // The candidates chosen, or none when the time ran out or no cover fits.
    std::vector<std::uint32_t> run(double seconds)
    {
        deadline_ = seconds;
        std::vector<std::uint64_t> covered(words_, 0);
        chosen_.clear();
        banned_.assign(c_.size(), 0);
        std::vector<std::uint32_t> all(c_.size());
        for (std::uint32_t j = 0; j < all.size(); ++j)
            all[j] = j;
        try {
            if (step(covered, 0, 0, all))
                return chosen_;
        } catch (const OutOfTime &) {
        }
        return {};
    }

private:
    struct OutOfTime {};

    std::uint32_t fresh(std::size_t j, const std::vector<std::uint64_t> &covered) const
    {
        std::uint32_t n = 0;
        for (std::size_t w = 0; w < words_; ++w)
            n += static_cast<std::uint32_t>(std::popcount(bits_[j * words_ + w] & ~covered[w]));
        return n;
    }

    // Whether taking candidate j still leaves a cover within the cost.
    bool fits(std::size_t j, std::uint32_t coveredCount, std::uint64_t cost,
              const std::vector<std::uint64_t> &covered) const
    {
        if (cost + c_.cost[j] > most_)
            return false;
        const double bare = static_cast<double>(c_.elements - coveredCount - fresh(j, covered));
        return bare <= static_cast<double>(most_ - cost - c_.cost[j]) * bestRatio_ + 1e-9;
    }

    // `live` holds the candidates that fitted one step up; those that still fit are
    // counted for every bare element, and the bare element with fewest is covered next.
    bool step(const std::vector<std::uint64_t> &covered, std::uint32_t coveredCount, std::uint64_t cost,
              const std::vector<std::uint32_t> &live)
    {
        if (coveredCount == c_.elements)
            return true;
        if ((++nodes_ & 255) == 0 && watch_.seconds() > deadline_)
            throw OutOfTime{};
        std::vector<std::uint32_t> fit;
        for (auto j : live)
            if (!banned_[j] && fits(j, coveredCount, cost, covered))
                fit.push_back(j);
        std::vector<std::uint32_t> ways(c_.elements, 0);
        for (auto j : fit)
            for (const auto *e = c_.begin(j); e != c_.end(j); ++e)
                ++ways[*e];
        std::uint32_t next = kNone;
        for (std::uint32_t e = 0; e < c_.elements; ++e)
            if (!(covered[e / 64] >> (e % 64) & 1) && (next == kNone || ways[e] < ways[next]))
                next = e;
        if (ways[next] == 0)
            return false;
        std::vector<std::pair<std::uint64_t, std::uint32_t>> options; // (covered anew and a random draw, candidate)
        for (auto j : fit)
            if (bits_[j * words_ + next / 64] >> (next % 64) & 1)
                options.push_back({(std::uint64_t{fresh(j, covered)} << 32) | rng_.below(1u << 30), j});
        std::sort(options.begin(), options.end(), std::greater<>());
        // A candidate tried for this element is not tried again below its later siblings:
        // any cover holding it was met under it.
        std::vector<std::uint32_t> tried;
        bool found = false;
        for (const auto &[rank, j] : options) {
            std::vector<std::uint64_t> after = covered;
            for (std::size_t w = 0; w < words_; ++w)
                after[w] |= bits_[j * words_ + w];
            chosen_.push_back(j);
            if (step(after, coveredCount + static_cast<std::uint32_t>(rank >> 32), cost + c_.cost[j], fit)) {
                found = true;
                break;
            }
            chosen_.pop_back();
            banned_[j] = 1;
            tried.push_back(j);
        }
        for (auto j : tried)
            banned_[j] = 0;
        return found;
    }

    const Candidates &c_;
    std::uint64_t most_;
    std::size_t words_;
    local::Rng rng_;
    std::vector<std::uint64_t> bits_;
    double bestRatio_ = 0.0;
    std::vector<std::uint32_t> chosen_;
    std::vector<std::uint8_t> banned_;
    local::Stopwatch watch_;
    double deadline_ = 0.0;
    std::uint64_t nodes_ = 0;
};

GroupSearchResult searchGroupDesign(const Design &d, const PermutationGroup &g, const GroupSearchOptions &options)
{
    const local::Stopwatch watch;
    GroupSearchResult result;
    if (!local::searchable(d) || g.v != d.v || g.maps.empty())
        return result;
    // Both tables are indexed by the rank of a set; past these sizes they are too large.
    const auto coveredByBlock = static_cast<double>(setsPerBlock(d));
    const double orbitsOfBlocks = static_cast<double>(binomial(d.v, d.k)) / static_cast<double>(g.order());
    if (binomial(d.v, d.m) > 40'000'000 || binomial(d.v, d.k) > 200'000'000 || orbitsOfBlocks > options.mostOrbits ||
        orbitsOfBlocks * coveredByBlock > options.mostLookups) {
        result.tooLarge = true;
        return result;
    }
    std::vector<std::uint32_t> orbitOf;
    std::uint32_t orbits = 0;
    Candidates c;
    if (!labelDrawnSets(d, g, options.mostOrbits, orbitOf, orbits) ||
        !weighBlocks(d, g, options.mostOrbits, orbitOf, orbits, c)) {
        result.tooLarge = true;
        result.seconds = watch.seconds();
        return result;
    }
    orbitOf = {};
    std::vector<std::uint32_t> chosen;
    if (options.backtrackAtMost > 0) {
        Backtrack search(c, options.backtrackAtMost, options.seed);
        chosen = search.run(std::max(0.0, options.secondsCap - watch.seconds()));
    } else {
        CoverSearch search(c, options.seed);
        chosen = search.run(std::max(0.0, options.secondsCap - watch.seconds()), options.patience);
    }
    for (auto j : chosen)
        for (std::size_t e = 0; e < g.order(); ++e)
            result.blocks.push_back(g.image(c.rep[j], e));
    std::sort(result.blocks.begin(), result.blocks.end(), lineLess);
    result.blocks.erase(std::unique(result.blocks.begin(), result.blocks.end()), result.blocks.end());
    result.orbits = chosen.size();
    result.seconds = watch.seconds();
    return result;
}

std::vector<std::size_t> coverEveryElement(std::uint32_t elements, const std::vector<std::vector<std::uint32_t>> &sets,
                                           double seconds, std::uint64_t seed)
{
    Candidates c;
    c.elements = elements;
    c.start.push_back(0);
    std::vector<bool> held(elements, false);
    for (const auto &set : sets) {
        std::vector<std::uint32_t> covers = set;
        std::sort(covers.begin(), covers.end());
        covers.erase(std::unique(covers.begin(), covers.end()), covers.end());
        for (auto e : covers) {
            if (e >= elements)
                return {};
            held[e] = true;
        }
        c.rep.push_back(0);
        c.cost.push_back(1);
        c.covers.insert(c.covers.end(), covers.begin(), covers.end());
        c.start.push_back(static_cast<std::uint32_t>(c.covers.size()));
    }
    if (std::find(held.begin(), held.end(), false) != held.end())
        return {};
    c.index();
    CoverSearch search(c, seed);
    const auto chosen = search.run(seconds, seconds);
    return {chosen.begin(), chosen.end()};
}

} // namespace wheel
