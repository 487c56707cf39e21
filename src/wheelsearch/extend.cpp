// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheelsearch/extend.h"

#include "wheelsearch/localsearch.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace wheel {

namespace {

// The sets of `size` points of `set`, by rank.
std::vector<std::size_t> ranksOfSubsets(Line set, int size)
{
    std::vector<std::size_t> ranks;
    int pos[kMaxPositions];
    const int count = positionsOf(set, pos);
    forEachSubsetOf(pos, count, size, 0, [&](Line s) { ranks.push_back(colexRank(s)); });
    return ranks;
}

} // namespace

ColouredExtension extendByNewPoints(const Design &d, const std::vector<Line> &base, int fresh, std::uint64_t seed,
                                    std::uint64_t moves, int each)
{
    ColouredExtension result;
    const int n = d.v - fresh;
    if ((d.t != 3 && d.t != 4) || d.m != d.t || (each != 1 && each != 2) || n < d.k || d.v > kMaxPositions ||
        base.empty())
        return result;
    // One new point a block: the new points with runs of old ones on lines of their own, so
    // fewer than a line holds. Two: at least three, so that blocks may differ in both.
    if (each == 1 ? fresh < std::max(2, d.t - 1) || fresh >= d.k : fresh < 3)
        return result;
    const Line old = (Line{1} << n) - 1;
    for (const Line b : base)
        if (std::popcount(b) != d.k - each || (b & ~old) != 0)
            return result;
    // With one new point a block, the old points in runs of k - fresh (the last run filled
    // up from the first points), each run on one line with all the new points.
    std::vector<Line> runs;
    if (each == 1) {
        const int run = d.k - fresh;
        for (int first = 0; first < n; first += run) {
            Line r = 0;
            for (int j = 0; j < run; ++j)
                r |= Line{1} << ((first + j) % n);
            runs.push_back(r);
        }
    }
    // What a block may be given: every set of `each` new points (numbered from 0 here).
    std::vector<Line> colours;
    for (Line c = 1; c < (Line{1} << fresh); ++c)
        if (std::popcount(c) == each)
            colours.push_back(c);

    // A t-set of j new points and t - j old ones (j = 1 to each, below t) is held when a
    // block through its old points carries its new ones. For each such j, held[j - 1]
    // counts the blocks that do: index (rank of the old set) * (new j-sets) + rank of the
    // new set.
    const int kinds = std::min(each, d.t - 1);
    struct Kind {
        std::size_t newSets = 0;
        std::vector<std::uint32_t> held;
        std::vector<std::vector<std::size_t>> oldOf; // per block, its old (t - j)-sets
        std::vector<std::vector<std::size_t>> newOf; // per colour, its new j-sets
    };
    std::vector<Kind> kind(static_cast<std::size_t>(kinds));
    for (int j = 1; j <= kinds; ++j) {
        Kind &k = kind[static_cast<std::size_t>(j - 1)];
        k.newSets = static_cast<std::size_t>(binomial(fresh, j));
        k.held.assign(static_cast<std::size_t>(binomial(n, d.t - j)) * k.newSets, 0);
        for (const Line b : base)
            k.oldOf.push_back(ranksOfSubsets(b, d.t - j));
        for (const Line c : colours)
            k.newOf.push_back(ranksOfSubsets(c, j));
        // A run's line carries every new point.
        for (const Line r : runs)
            for (const auto p : ranksOfSubsets(r, d.t - j))
                for (std::size_t s = 0; s < k.newSets; ++s)
                    ++k.held[p * k.newSets + s];
    }
    // Every (old set, new set) of every kind by one number, and the blocks through each old set.
    std::vector<std::size_t> offset;
    std::size_t entries = 0;
    std::vector<std::vector<std::vector<std::size_t>>> through(kind.size());
    for (std::size_t j = 0; j < kind.size(); ++j) {
        offset.push_back(entries);
        entries += kind[j].held.size();
        through[j].resize(kind[j].held.size() / kind[j].newSets);
        for (std::size_t i = 0; i < base.size(); ++i)
            for (const auto p : kind[j].oldOf[i])
                through[j][p].push_back(i);
    }
    // The bare ones, listed to draw from: where[e] is e's place in the list, or none.
    constexpr std::size_t kNotBare = ~std::size_t{0};
    std::vector<std::size_t> bareList;
    std::vector<std::size_t> where(entries, kNotBare);
    auto hold = [&](std::size_t j, std::size_t e) {
        if (kind[j].held[e]++ == 0) {
            const std::size_t g = offset[j] + e;
            const std::size_t last = bareList.back();
            bareList[where[g]] = last;
            where[last] = where[g];
            bareList.pop_back();
            where[g] = kNotBare;
        }
    };
    auto listBare = [&](std::size_t g) {
        where[g] = bareList.size();
        bareList.push_back(g);
    };
    auto release = [&](std::size_t j, std::size_t e) {
        if (--kind[j].held[e] == 0)
            listBare(offset[j] + e);
    };
    for (std::size_t j = 0; j < kind.size(); ++j)
        for (std::size_t e = 0; e < kind[j].held.size(); ++e)
            if (kind[j].held[e] == 0)
                listBare(offset[j] + e);

    local::Rng rng(seed);
    std::vector<std::size_t> colour(base.size());
    auto recolour = [&](std::size_t i, std::size_t to) {
        for (std::size_t j = 0; j < kind.size(); ++j)
            for (const auto p : kind[j].oldOf[i]) {
                if (colour[i] != colours.size())
                    for (const auto s : kind[j].newOf[colour[i]])
                        release(j, p * kind[j].newSets + s);
                for (const auto s : kind[j].newOf[to])
                    hold(j, p * kind[j].newSets + s);
            }
        colour[i] = to;
    };
    for (std::size_t i = 0; i < base.size(); ++i) {
        colour[i] = colours.size(); // none yet
        recolour(i, rng.below(colours.size()));
    }

    // Annealing: a block takes other new points when that leaves no more t-sets bare, or by
    // chance when it leaves a few more, less and less often as it cools. Half the moves
    // start from a bare set and give one of the blocks through its old points the new ones
    // it lacks; the others recolour a block at random.
    std::size_t fewest = bareList.size();
    std::vector<std::size_t> best = colour;
    const double hottest = 2.0;
    const double coldest = 0.05;
    auto shared = [](const std::vector<std::size_t> &sets, std::size_t s) {
        return std::find(sets.begin(), sets.end(), s) != sets.end();
    };
    for (std::uint64_t move = 0; move < moves && fewest > 0; ++move) {
        std::size_t i = 0;
        std::size_t to = 0;
        if (rng.below(2) == 0) {
            const std::size_t g = bareList[rng.below(bareList.size())];
            std::size_t j = 0;
            while (j + 1 < kind.size() && offset[j + 1] <= g)
                ++j;
            const std::size_t p = (g - offset[j]) / kind[j].newSets;
            const std::size_t set = (g - offset[j]) % kind[j].newSets;
            if (through[j][p].empty()) // the base does not hold these old points together
                continue;
            i = through[j][p][rng.below(through[j][p].size())];
            // The colours are in the order of their ranks. A set of as many new points as a
            // block takes is a colour itself; a single one of two goes with another at random.
            if (j + 1 == static_cast<std::size_t>(each)) {
                to = set;
            } else {
                const auto other =
                    (set + 1 + rng.below(static_cast<std::size_t>(fresh) - 1)) % static_cast<std::size_t>(fresh);
                to = colexRank((Line{1} << set) | (Line{1} << other));
            }
        } else {
            i = rng.below(base.size());
            to = rng.below(colours.size());
        }
        const std::size_t from = colour[i];
        if (to == from)
            continue;
        long change = 0;
        for (const auto &k : kind)
            for (const auto p : k.oldOf[i]) {
                for (const auto s : k.newOf[from])
                    change += k.held[p * k.newSets + s] == 1 && !shared(k.newOf[to], s);
                for (const auto s : k.newOf[to])
                    change -= k.held[p * k.newSets + s] == 0;
            }
        const double heat = std::max(coldest, hottest * (1.0 - static_cast<double>(move) / static_cast<double>(moves)));
        if (change > 0 && rng.unit() >= std::exp(-static_cast<double>(change) / heat))
            continue;
        recolour(i, to);
        if (bareList.size() < fewest) {
            fewest = bareList.size();
            best = colour;
        }
    }

    const Line fresher = ((Line{1} << d.v) - 1) & ~old;
    for (std::size_t i = 0; i < base.size(); ++i)
        result.blocks.push_back(base[i] | (colours[best[i]] << n));
    for (const Line r : runs)
        result.blocks.push_back(fresher | r);
    result.bare = fewest;
    return result;
}

std::vector<Line> coverBareGreedily(const Design &d, std::vector<Line> blocks, std::uint64_t seed, int tries)
{
    if (d.m != d.t || d.t < 1 || d.t > d.k || d.k > d.v || d.v > kMaxPositions || tries < 1 ||
        binomial(d.v, d.t) > 50'000'000)
        return {};
    std::vector<std::uint8_t> bare(static_cast<std::size_t>(binomial(d.v, d.t)), 1);
    auto forEachSetOf = [&](Line line, auto &&f) {
        int pos[kMaxPositions];
        const int size = positionsOf(line, pos);
        forEachSubsetOf(pos, size, d.t, 0, [&](Line s) { f(colexRank(s)); });
    };
    for (const Line b : blocks)
        forEachSetOf(b, [&](std::size_t r) { bare[r] = 0; });
    auto heldAnew = [&](Line line) {
        std::size_t count = 0;
        forEachSetOf(line, [&](std::size_t r) { count += bare[r]; });
        return count;
    };

    // A line grown from a bare set a point at a time, each time by the point that brings
    // most bare sets onto it (ties drawn at random).
    local::Rng rng(seed);
    auto grow = [&](Line line) {
        for (int size = std::popcount(line); size < d.k; ++size) {
            int pos[kMaxPositions];
            const int n = positionsOf(line, pos);
            Line pick = 0;
            std::size_t most = 0;
            std::uint64_t ties = 0;
            for (int p = 0; p < d.v; ++p) {
                const Line point = Line{1} << p;
                if (line & point)
                    continue;
                std::size_t gain = 0;
                forEachSubsetOf(pos, n, d.t - 1, point, [&](Line t) { gain += bare[colexRank(t)]; });
                if (pick == 0 || gain > most) {
                    pick = point;
                    most = gain;
                    ties = 1;
                } else if (gain == most && rng.below(++ties) == 0) {
                    pick = point;
                }
            }
            line |= pick;
        }
        return line;
    };
    std::vector<Line> bareSets;
    for (Line s = (Line{1} << d.t) - 1; s < (Line{1} << d.v); s = nextOfSameSize(s))
        if (bare[colexRank(s)])
            bareSets.push_back(s);
    // Each round grows lines from some of the sets still bare and takes the one that holds
    // most of them.
    while (!bareSets.empty()) {
        Line best = 0;
        std::size_t most = 0;
        for (int i = 0; i < tries; ++i) {
            const Line line = grow(bareSets[rng.below(bareSets.size())]);
            if (const auto held = heldAnew(line); held > most) {
                best = line;
                most = held;
            }
        }
        forEachSetOf(best, [&](std::size_t r) { bare[r] = 0; });
        blocks.push_back(best);
        std::erase_if(bareSets, [&](Line s) { return !bare[colexRank(s)]; });
    }
    return blocks;
}

} // namespace wheel
