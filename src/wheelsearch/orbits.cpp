// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheelsearch/orbits.h"

#include "wheelsearch/localsearch.h"
#include "wheelsearch/search.h"

#include <algorithm>
#include <array>
#include <bit>
#include <chrono>
#include <limits>
#include <random>

namespace wheel {

Line PointCycles::turn(Line set, int steps) const
{
    const int n = length;
    steps %= n;
    if (steps < 0)
        steps += n;
    if (steps == 0)
        return set;
    const Line run = (Line{1} << n) - 1;
    Line out = set & ~(cycles * n >= 64 ? ~Line{0} : (Line{1} << (cycles * n)) - 1);
    for (int c = 0; c < cycles; ++c) {
        const Line bits = (set >> (c * n)) & run;
        out |= (((bits << steps) | (bits >> (n - steps))) & run) << (c * n);
    }
    return out;
}

namespace {

// The powers of a modulo n, from 1 until they come back to it.
std::vector<int> powersOf(int a, int n)
{
    std::vector<int> powers{1};
    for (int x = a % n; x != 1 && x != 0 && powers.size() < static_cast<std::size_t>(n); x = x * a % n)
        powers.push_back(x);
    return powers;
}

// Beyond this the groups' orbits grow too coarse for the line counts of the catalogue.
constexpr int kMostMultiplierOrder = 12;

bool isPrime(int n)
{
    for (int d = 2; d * d <= n; ++d)
        if (n % d == 0)
            return false;
    return n > 1;
}

} // namespace

int PointCycles::order() const
{
    return length * static_cast<int>(powersOf(multiplier, length).size());
}

Line PointCycles::image(Line set, int element) const
{
    if (multiplier == 1)
        return turn(set, element);
    const int n = length;
    int a = 1;
    for (int i = element / n; i > 0; --i)
        a = a * multiplier % n;
    const int b = element % n;
    Line out = set & ~(cycles * n >= 64 ? ~Line{0} : (Line{1} << (cycles * n)) - 1);
    for (Line runs = set & ~out; runs; runs &= runs - 1) {
        const int p = std::countr_zero(runs);
        out |= Line{1} << (p / n * n + (a * (p % n) + b) % n);
    }
    return out;
}

std::vector<PointCycles> cycleGroupsFor(int v, int shortest)
{
    std::vector<PointCycles> groups;
    for (int fixed = 0; fixed <= 3; ++fixed)
        for (int cycles = 1; cycles <= 4; ++cycles) {
            const int n = (v - fixed) / cycles;
            if ((v - fixed) % cycles != 0 || n < std::max(shortest, 2))
                continue;
            groups.push_back({n, cycles, 1});
            if (!isPrime(n) || n < 5)
                continue;
            // x -> ax + b with a of every order d dividing n - 1, up to kMostMultiplierOrder.
            for (int d = 2; d <= std::min(n - 1, kMostMultiplierOrder); ++d) {
                if ((n - 1) % d != 0)
                    continue;
                for (int a = 2; a < n; ++a)
                    if (powersOf(a, n).size() == static_cast<std::size_t>(d)) {
                        groups.push_back({n, cycles, a});
                        break;
                    }
            }
        }
    std::stable_sort(groups.begin(), groups.end(),
                     [](const PointCycles &a, const PointCycles &b) { return a.order() > b.order(); });
    return groups;
}

namespace {

constexpr std::uint32_t kNone = std::numeric_limits<std::uint32_t>::max();

// The orbits of the m-sets under the group, and how many base-block incidences meet each.
class OrbitCover {
public:
    OrbitCover(const Design &d, const PointCycles &g) : d_(d), all_((Line{1} << d.v) - 1)
    {
        for (int n = 0; n <= kMaxPositions; ++n)
            for (int r = 0; r <= kMaxPositions; ++r)
                choose_[n][r] = r > n ? 0 : static_cast<std::uint32_t>(std::min<std::uint64_t>(binomial(n, r), kNone));
        const auto sets = binomial(d.v, d.m);
        orbitOf_.assign(sets, kNone);
        std::uint32_t r = 0;
        for (Line s = (Line{1} << d.m) - 1; s <= all_; s = nextOfSameSize(s), ++r) {
            if (orbitOf_[r] != kNone)
                continue;
            const auto o = static_cast<std::uint32_t>(weight_.size());
            std::uint32_t size = 0;
            for (int e = 0; e < g.order(); ++e) {
                const auto image = rank(g.image(s, e));
                if (orbitOf_[image] == kNone) {
                    orbitOf_[image] = o;
                    ++size;
                }
            }
            weight_.push_back(size);
            rep_.push_back(s);
        }
        count_.assign(weight_.size(), 0);
        stamp_.assign(weight_.size(), 0);
        uncovered_ = local::BareList(static_cast<std::uint32_t>(weight_.size()));
        for (std::uint32_t w : weight_)
            uncoveredWeight_ += w;
    }

    std::uint32_t rank(Line s) const
    {
        std::uint32_t r = 0;
        for (int i = 1; s; s &= s - 1, ++i)
            r += choose_[std::countr_zero(s)][i];
        return r;
    }

    std::uint64_t uncoveredWeight() const { return uncoveredWeight_; }
    std::size_t uncoveredCount() const { return uncovered_.size(); }
    Line uncoveredAt(std::size_t i) const { return rep_[uncovered_.at(i)]; }

    template <class F> void forEachCovered(Line b, F &&f) const
    {
        int in[kMaxPositions];
        int out[kMaxPositions];
        const int nin = positionsOf(b, in);
        const int nout = positionsOf(all_ & ~b, out);
        for (int i = d_.t; i <= std::min(d_.k, d_.m); ++i)
            forEachSubsetOf(in, nin, i, 0,
                            [&](Line a) { forEachSubsetOf(out, nout, d_.m - i, a, [&](Line s) { f(s); }); });
    }

    void add(Line b)
    {
        forEachCovered(b, [this](Line s) {
            const auto o = orbitOf_[rank(s)];
            if (count_[o]++ == 0)
                dropUncovered(o);
        });
    }

    void remove(Line b)
    {
        forEachCovered(b, [this](Line s) {
            const auto o = orbitOf_[rank(s)];
            if (--count_[o] == 0)
                pushUncovered(o);
        });
    }

    // The weight of the orbits that block b would newly cover, each counted once.
    std::uint64_t gainOf(Line b)
    {
        nextStamp();
        std::uint64_t gain = 0;
        forEachCovered(b, [&](Line s) {
            const auto o = orbitOf_[rank(s)];
            if (count_[o] == 0 && stamp_[o] != epoch_) {
                stamp_[o] = epoch_;
                gain += weight_[o];
            }
        });
        return gain;
    }

    // The weight of the orbits that only block b covers.
    std::uint64_t uniqueTo(Line b)
    {
        nextStamp();
        std::uint64_t lost = 0;
        touched_.clear();
        forEachCovered(b, [&](Line s) {
            const auto o = orbitOf_[rank(s)];
            if (stamp_[o] != epoch_) {
                stamp_[o] = epoch_;
                touched_.push_back({o, count_[o]});
            }
            --count_[o];
        });
        for (const auto &[o, before] : touched_) {
            if (count_[o] == 0)
                lost += weight_[o];
            count_[o] = before;
        }
        return lost;
    }

    // The change in uncovered weight when point p of base block b is swapped for q; only the
    // sets that meet b less p in exactly t - 1 points and hold just one of p, q can change.
    template <bool Apply> long swap(Line b, int p, int q)
    {
        const Line pb = Line{1} << p;
        const Line qb = Line{1} << q;
        int in[kMaxPositions];
        int out[kMaxPositions];
        const int nin = positionsOf(b & ~pb, in);
        const int nout = positionsOf(all_ & ~(b | qb), out);
        nextStamp();
        touched_.clear();
        auto touch = [this](std::uint32_t o) {
            if (stamp_[o] != epoch_) {
                stamp_[o] = epoch_;
                touched_.push_back({o, count_[o]});
            }
        };
        forEachSubsetOf(in, nin, d_.t - 1, 0, [&](Line a) {
            forEachSubsetOf(out, nout, d_.m - d_.t, a, [&](Line c) {
                const auto lost = orbitOf_[rank(c | pb)];
                const auto gained = orbitOf_[rank(c | qb)];
                touch(lost);
                touch(gained);
                --count_[lost];
                ++count_[gained];
            });
        });
        long delta = 0;
        for (const auto &[o, before] : touched_) {
            const bool was = before > 0;
            const bool is = count_[o] > 0;
            if (was == is)
                continue;
            delta += is ? -static_cast<long>(weight_[o]) : static_cast<long>(weight_[o]);
            if constexpr (Apply) {
                if (is)
                    dropUncovered(o);
                else
                    pushUncovered(o);
            }
        }
        if constexpr (!Apply)
            for (const auto &[o, before] : touched_)
                count_[o] = before;
        return delta;
    }

private:
    void nextStamp()
    {
        if (++epoch_ == 0) {
            std::fill(stamp_.begin(), stamp_.end(), 0);
            epoch_ = 1;
        }
    }
    void dropUncovered(std::uint32_t o)
    {
        uncovered_.drop(o);
        uncoveredWeight_ -= weight_[o];
    }
    void pushUncovered(std::uint32_t o)
    {
        uncovered_.add(o);
        uncoveredWeight_ += weight_[o];
    }

    Design d_;
    Line all_;
    std::array<std::array<std::uint32_t, kMaxPositions + 1>, kMaxPositions + 1> choose_{};
    std::vector<std::uint32_t> orbitOf_; // by the rank of an m-set
    std::vector<std::uint32_t> weight_;  // how many m-sets an orbit holds
    std::vector<Line> rep_;              // one m-set of each orbit
    std::vector<std::uint32_t> count_;
    std::vector<std::uint32_t> stamp_;
    std::uint32_t epoch_ = 0;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> touched_;
    local::BareList uncovered_{0};
    std::uint64_t uncoveredWeight_ = 0;
};

std::vector<Line> allTurns(const std::vector<Line> &base, const PointCycles &g)
{
    std::vector<Line> lines;
    for (Line b : base)
        for (int e = 0; e < g.order(); ++e)
            lines.push_back(g.image(b, e));
    std::sort(lines.begin(), lines.end(), lineLess);
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
    return lines;
}

} // namespace

OrbitSearchResult searchOrbitDesign(const Design &d, const OrbitSearchOptions &options)
{
    const local::Stopwatch watch;
    auto elapsed = [&] { return watch.seconds(); };

    OrbitSearchResult result;
    const PointCycles &g = options.group;
    if (!local::searchable(d) || g.length < 1 || g.cycles < 1 || g.fixedPoints(d.v) < 0)
        return result;
    // The orbit of every m-set is looked up by its rank: past this many sets that table is too large.
    if (binomial(d.v, d.m) > 4 * kMostSetsSearched)
        return result;

    OrbitCover cover(d, g);
    const int order = g.order();
    // The images of the bare set a move aims at, under every map of the group.
    std::vector<Line> images;
    local::Rng rng(options.seed);

    // Greedy start: base blocks that newly cover the most, each towards an orbit still bare.
    std::vector<Line> base;
    while (cover.uncoveredCount() > 0) {
        if (options.giveUpAbove && base.size() * static_cast<std::size_t>(order) > options.giveUpAbove) {
            result.seconds = elapsed();
            return result;
        }
        const Line s = g.image(cover.uncoveredAt(rng.below(cover.uncoveredCount())),
                               static_cast<int>(rng.below(static_cast<std::size_t>(order))));
        Line best = 0;
        std::uint64_t bestGain = 0;
        for (int c = 0; c < 12; ++c) {
            const Line b = local::randomBlockMeeting(s, d, rng);
            const auto gain = cover.gainOf(b);
            if (gain > bestGain) {
                bestGain = gain;
                best = b;
            }
        }
        cover.add(best);
        base.push_back(best);
    }
    std::vector<Line> bestBase = base;

    // Drop the base block that alone covers least, then move points of base blocks until the
    // orbits are all covered again; the moves follow the tabu search of searchDesign.
    const std::uint64_t lb = lowerBound(d);
    std::uint64_t iteration = 0;
    bool outOfTime = false;
    while (base.size() > 1 && allTurns(base, g).size() > lb && !outOfTime) {
        std::size_t drop = 0;
        std::uint64_t least = std::numeric_limits<std::uint64_t>::max();
        for (std::size_t i = 0; i < base.size(); ++i) {
            const auto u = cover.uniqueTo(base[i]);
            if (u < least) {
                least = u;
                drop = i;
            }
        }
        cover.remove(base[drop]);
        base[drop] = base.back();
        base.pop_back();

        std::vector<std::uint64_t> tabuUntil(base.size() * kMaxPositions, 0);
        for (std::uint64_t move = 0; move < options.movesPerLevel && cover.uncoveredCount() > 0; ++move) {
            if ((move & 7) == 0 && elapsed() > options.secondsCap) {
                outOfTime = true;
                break;
            }
            ++iteration;
            const Line s = cover.uncoveredAt(rng.below(cover.uncoveredCount()));
            // The images of base blocks that come closest to s, seen from the base block.
            int bestMeet = -1;
            images.clear();
            for (int e = 0; e < order; ++e)
                images.push_back(g.image(s, e));
            for (Line b : base)
                for (Line sj : images)
                    bestMeet = std::max(bestMeet, std::popcount(b & sj));
            local::SwapChoice choice(static_cast<long>(cover.uncoveredWeight()), tabuUntil, iteration, rng);
            for (std::size_t i = 0; i < base.size(); ++i)
                for (Line sj : images)
                    if (std::popcount(base[i] & sj) == bestMeet)
                        choice.offer(i, base[i], sj, [&](int p, int q) { return cover.swap<false>(base[i], p, q); });
            if (!choice.found())
                continue;
            const std::size_t chosen = choice.block();
            cover.swap<true>(base[chosen], choice.out(), choice.in());
            base[chosen] = (base[chosen] & ~(Line{1} << choice.out())) | (Line{1} << choice.in());
            tabuUntil[chosen * kMaxPositions + static_cast<std::size_t>(choice.out())] =
                iteration + local::tabuSpell(rng);
        }
        if (cover.uncoveredCount() > 0)
            break;
        bestBase = base;
    }
    result.blocks = allTurns(bestBase, g);
    result.baseBlocks = bestBase.size();
    result.seconds = elapsed();
    return result;
}

} // namespace wheel
