// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "quads.h"

#include "exactcover.h"

#include <algorithm>
#include <array>
#include <random>

namespace wheel {

namespace {

using Quad = std::array<int, 4>;

// Points 0 to 3 stay; run r holds the points 4 + 3r, 4 + 3r + 1 and 4 + 3r + 2.
constexpr int kFixed = 4;

int turned(int p, int steps)
{
    if (p < kFixed)
        return p;
    const int run = (p - kFixed) / 3;
    return kFixed + 3 * run + ((p - kFixed) % 3 + steps) % 3;
}

Quad turnedQuad(const Quad &q, int steps)
{
    Quad t{};
    for (int i = 0; i < 4; ++i)
        t[i] = turned(q[i], steps);
    std::sort(t.begin(), t.end());
    return t;
}

Line lineOf(const Quad &q)
{
    Line l = 0;
    for (int p : q)
        l |= Line{1} << p;
    return l;
}

} // namespace

bool quadCoverPutsOnePairOnFour(int v)
{
    return v >= 22 && (v % 12 == 7 || v % 12 == 10);
}

QuadCover quadCoverWithOnePairOnFour(int v, std::uint64_t seed, std::uint64_t nodeLimit)
{
    QuadCover result;
    if (!quadCoverPutsOnePairOnFour(v) || v > kMaxPositions)
        return result;
    const int runs = (v - kFixed) / 3;
    auto runPoint = [](int run, int place) { return kFixed + 3 * run + place; };

    // Each pair belongs to the orbit the turns make of it.
    const auto pairIndex = [v](int x, int y) {
        return static_cast<std::size_t>(std::min(x, y)) * static_cast<std::size_t>(v) +
               static_cast<std::size_t>(std::max(x, y));
    };
    std::vector<int> orbitOf(pairIndex(v - 1, v - 1) + 1, -1);
    int orbits = 0;
    for (int x = 0; x < v; ++x)
        for (int y = x + 1; y < v; ++y) {
            if (orbitOf[pairIndex(x, y)] >= 0)
                continue;
            for (int s = 0; s < 3; ++s)
                orbitOf[pairIndex(turned(x, s), turned(y, s))] = orbits;
            ++orbits;
        }
    auto orbit = [&](int x, int y) { return orbitOf[pairIndex(x, y)]; };

    // The shared pair is 0 and 1: their four blocks are {0, 1, 2, 3} and the turns of
    // {0, 1, first of run 0, first of run 1}.
    std::vector<Quad> given{{0, 1, 2, 3}};
    for (int s = 0; s < 3; ++s)
        given.push_back({0, 1, runPoint(0, s), runPoint(1, s)});
    std::vector<char> taken(static_cast<std::size_t>(orbits), 0);
    for (const Quad &q : given)
        for (int i = 0; i < 4; ++i)
            for (int j = i + 1; j < 4; ++j)
                taken[static_cast<std::size_t>(orbit(q[i], q[j]))] = 1;
    std::vector<int> column(static_cast<std::size_t>(orbits), -1);
    int columns = 0;
    for (int o = 0; o < orbits; ++o)
        if (!taken[static_cast<std::size_t>(o)])
            column[static_cast<std::size_t>(o)] = columns++;

    // Candidate orbits of blocks: a block meeting no pair given above, whose pairs fall
    // into distinct orbits, kept whole (a fixed point and a run) or turned three ways.
    struct Candidate {
        Quad base;
        bool kept;
        std::vector<int> columns;
    };
    std::vector<Candidate> candidates;
    auto offer = [&](const Quad &q, bool kept) {
        std::vector<int> cols;
        for (int i = 0; i < 4; ++i)
            for (int j = i + 1; j < 4; ++j) {
                const int c = column[static_cast<std::size_t>(orbit(q[i], q[j]))];
                if (c < 0)
                    return;
                cols.push_back(c);
            }
        std::sort(cols.begin(), cols.end());
        cols.erase(std::unique(cols.begin(), cols.end()), cols.end());
        // A kept block meets its two orbits three times each, once per pair; a turned
        // block must meet six orbits.
        if (!kept && cols.size() != 6)
            return;
        candidates.push_back({q, kept, cols});
    };
    for (int f = 0; f < kFixed; ++f)
        for (int r = 0; r < runs; ++r)
            offer({f, runPoint(r, 0), runPoint(r, 1), runPoint(r, 2)}, true);
    Quad q{};
    for (q[0] = 0; q[0] < v; ++q[0])
        for (q[1] = std::max(q[0] + 1, kFixed); q[1] < v; ++q[1])
            for (q[2] = q[1] + 1; q[2] < v; ++q[2])
                for (q[3] = q[2] + 1; q[3] < v; ++q[3])
                    if (q <= turnedQuad(q, 1) && q <= turnedQuad(q, 2) && q != turnedQuad(q, 1))
                        offer(q, false);

    std::mt19937_64 rng(seed);
    std::shuffle(candidates.begin(), candidates.end(), rng);
    ExactCover cover(std::vector<int>(static_cast<std::size_t>(columns), 1));
    for (const auto &c : candidates)
        cover.addRow(c.columns);
    const auto rows = cover.solve(nodeLimit);
    result.nodes = cover.nodes();
    result.exhausted = cover.exhausted();
    if (!rows)
        return result;
    for (const Quad &g : given)
        result.blocks.push_back(lineOf(g));
    for (std::size_t r : *rows) {
        const Candidate &c = candidates[r];
        for (int s = 0; s < (c.kept ? 1 : 3); ++s)
            result.blocks.push_back(lineOf(turnedQuad(c.base, s)));
    }
    std::sort(result.blocks.begin(), result.blocks.end());
    return result;
}

} // namespace wheel
