// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheelsearch/quads.h"

#include "wheelsearch/exactcover.h"

#include <algorithm>
#include <map>
#include <random>

namespace wheel {

namespace {

using Block = std::vector<int>;

struct Turns {
    int length = 1;
    int fixed = 0;

    int turned(int p, int steps) const
    {
        if (p < fixed)
            return p;
        const int run = (p - fixed) / length;
        return fixed + length * run + ((p - fixed) % length + steps) % length;
    }

    Block turned(const Block &b, int steps) const
    {
        Block t;
        t.reserve(b.size());
        for (int p : b)
            t.push_back(turned(p, steps));
        std::sort(t.begin(), t.end());
        return t;
    }

    // The distinct blocks the turns make of b.
    std::vector<Block> images(const Block &b) const
    {
        std::vector<Block> all;
        for (int s = 0; s < length; ++s) {
            Block t = turned(b, s);
            if (std::find(all.begin(), all.end(), t) == all.end())
                all.push_back(std::move(t));
        }
        return all;
    }
};

Line lineOf(const Block &b)
{
    Line l = 0;
    for (int p : b)
        l |= Line{1} << p;
    return l;
}

} // namespace

ExactPairCover exactPairCover(const PairCoverAsk &ask, std::uint64_t seed, std::uint64_t nodeLimit)
{
    ExactPairCover result;
    const int v = ask.v;
    const int k = ask.k;
    if (k < 2 || v <= k || v > kMaxPositions || ask.length < 1 || ask.fixed < 0 || ask.fixed > v ||
        (v - ask.fixed) % ask.length != 0)
        return result;
    const Turns turns{ask.length, ask.fixed};

    // Each pair belongs to the orbit the turns make of it.
    const auto pairIndex = [v](int x, int y) {
        return static_cast<std::size_t>(std::min(x, y)) * static_cast<std::size_t>(v) +
               static_cast<std::size_t>(std::max(x, y));
    };
    std::vector<int> orbitOf(pairIndex(v - 1, v - 1) + 1, -1);
    std::vector<int> orbitSize;
    for (int x = 0; x < v; ++x)
        for (int y = x + 1; y < v; ++y) {
            if (orbitOf[pairIndex(x, y)] >= 0)
                continue;
            const int o = static_cast<int>(orbitSize.size());
            orbitSize.push_back(0);
            for (int s = 0; s < ask.length; ++s) {
                int &slot = orbitOf[pairIndex(turns.turned(x, s), turns.turned(y, s))];
                if (slot != o) {
                    slot = o;
                    ++orbitSize.back();
                }
            }
        }
    std::vector<int> need(orbitSize.size(), 1);
    for (const auto &[x, y] : ask.oftener) {
        if (x < 0 || y < 0 || x >= v || y >= v || x == y)
            return result;
        ++need[static_cast<std::size_t>(orbitOf[pairIndex(x, y)])];
    }
    for (const auto &[x, y] : ask.spared) {
        if (x < 0 || y < 0 || x >= v || y >= v || x == y)
            return result;
        need[static_cast<std::size_t>(orbitOf[pairIndex(x, y)])] = 0;
    }

    // How often the turns of a block meet each orbit of pairs, per pair of the orbit; a
    // block whose turns meet the pairs of one orbit unevenly is no candidate.
    auto meets = [&](const Block &b, std::vector<int> &orbits) {
        std::map<int, int> count;
        for (const Block &image : turns.images(b))
            for (std::size_t i = 0; i < image.size(); ++i)
                for (std::size_t j = i + 1; j < image.size(); ++j)
                    ++count[orbitOf[pairIndex(image[i], image[j])]];
        orbits.clear();
        for (const auto &[o, n] : count) {
            if (n % orbitSize[static_cast<std::size_t>(o)] != 0)
                return false;
            for (int i = 0; i < n / orbitSize[static_cast<std::size_t>(o)]; ++i)
                orbits.push_back(o);
        }
        return true;
    };

    std::vector<Block> blocks;
    std::vector<int> met;
    for (Block b : ask.given) {
        std::sort(b.begin(), b.end());
        if (static_cast<int>(b.size()) != k || std::adjacent_find(b.begin(), b.end()) != b.end() || b.front() < 0 ||
            b.back() >= v || !meets(b, met))
            return result;
        for (int o : met)
            if (--need[static_cast<std::size_t>(o)] < 0) {
                result.exhausted = true; // the given blocks already meet a pair too often
                return result;
            }
        for (Block &image : turns.images(b))
            blocks.push_back(std::move(image));
    }
    std::vector<int> column(need.size(), -1);
    std::vector<int> columnNeed;
    for (std::size_t o = 0; o < need.size(); ++o)
        if (need[o] > 0) {
            column[o] = static_cast<int>(columnNeed.size());
            columnNeed.push_back(need[o]);
        }

    // Candidates: each block that is the least of its turns and meets no orbit more
    // often than it still asks.
    struct Candidate {
        Block base;
        std::vector<int> columns;
    };
    std::vector<Candidate> candidates;
    Block b(static_cast<std::size_t>(k));
    for (int i = 0; i < k; ++i)
        b[static_cast<std::size_t>(i)] = i;
    while (true) {
        bool least = true;
        for (int s = 1; s < ask.length && least; ++s)
            least = !(turns.turned(b, s) < b);
        if (least && meets(b, met)) {
            std::vector<int> cols;
            bool fits = true;
            for (std::size_t i = 0; i < met.size() && fits; ++i) {
                const auto o = static_cast<std::size_t>(met[i]);
                fits = column[o] >= 0 && std::count(met.begin(), met.end(), met[i]) <= need[o];
                cols.push_back(column[o]);
            }
            if (fits)
                candidates.push_back({b, std::move(cols)});
        }
        int i = k - 1;
        while (i >= 0 && b[static_cast<std::size_t>(i)] == v - k + i)
            --i;
        if (i < 0)
            break;
        ++b[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < k; ++j)
            b[static_cast<std::size_t>(j)] = b[static_cast<std::size_t>(j - 1)] + 1;
    }

    std::mt19937_64 rng(seed);
    std::shuffle(candidates.begin(), candidates.end(), rng);
    ExactCover cover(columnNeed);
    for (const auto &c : candidates)
        cover.addRow(c.columns);
    const auto rows = cover.solve(nodeLimit);
    result.nodes = cover.nodes();
    result.exhausted = cover.exhausted();
    if (!rows)
        return result;
    for (std::size_t r : *rows)
        for (Block &image : turns.images(candidates[r].base))
            blocks.push_back(std::move(image));
    for (const Block &block : blocks)
        result.blocks.push_back(lineOf(block));
    std::sort(result.blocks.begin(), result.blocks.end());
    return result;
}

bool quadCoverPutsOnePairOnFour(int v)
{
    return v >= 22 && (v % 12 == 7 || v % 12 == 10);
}

ExactPairCover quadCoverWithOnePairOnFour(int v, std::uint64_t seed, std::uint64_t nodeLimit)
{
    if (!quadCoverPutsOnePairOnFour(v))
        return {};
    PairCoverAsk ask;
    ask.v = v;
    ask.k = 4;
    ask.length = 3;
    ask.fixed = 4;
    ask.given = {{0, 1, 2, 3}, {0, 1, 4, 7}};
    ask.oftener = {{0, 1}, {0, 1}, {0, 1}};
    return exactPairCover(ask, seed, nodeLimit);
}

ExactPairCover groupDivisibleQuadCover(int u, int runs, std::uint64_t seed, std::uint64_t nodeLimit)
{
    if (u < 4 || (runs != 3 && runs != 6) || 6 * u + 3 > kMaxPositions)
        return {};
    PairCoverAsk ask;
    ask.v = 6 * u + 3;
    ask.k = 4;
    ask.fixed = 3;
    ask.length = 6 * u / runs;
    // The place `at` in run r; a group's six points are two in each run (runs = 3) or one.
    const auto point = [&](int r, int at) { return ask.fixed + r * ask.length + at; };
    std::vector<std::pair<int, int>> twins; // a group's points taken two by two
    if (runs == 3)
        for (int r = 0; r < 3; ++r)
            twins.emplace_back(point(r, 0), point(r, u));
    else
        for (int r = 0; r < 6; r += 2)
            twins.emplace_back(point(r, 0), point(r + 1, 0));
    for (std::size_t i = 0; i < 3; ++i)
        for (std::size_t j = i + 1; j < 3; ++j)
            ask.given.push_back({twins[i].first, twins[i].second, twins[j].first, twins[j].second});
    ask.oftener = twins;
    ask.spared = {{0, 1}, {0, 2}, {1, 2}};
    ExactPairCover cover = exactPairCover(ask, seed, nodeLimit);
    if (!cover.blocks.empty()) {
        cover.blocks.push_back(lineOf({0, 1, 2, 3}));
        std::sort(cover.blocks.begin(), cover.blocks.end());
    }
    return cover;
}

} // namespace wheel
