// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/SubsetCounts.h"

#include <algorithm>
#include <array>
#include <bit>
#include <vector>

namespace odds {

namespace {

constexpr std::size_t kMostForSigns = 12;
constexpr int kPools = 100;
constexpr int kMost = 8;

// The unordered pairs of `ground` meeting every set of `family`: for each place y, the places that
// pair with it lie on every set that misses y.
std::uint64_t pairsMeetingEvery(const std::vector<std::uint64_t> &family, std::uint64_t ground)
{
    std::uint64_t twice = 0;
    for (std::uint64_t r = ground; r; r &= r - 1) {
        const std::uint64_t y = r & (~r + 1);
        std::uint64_t partners = ground & ~y;
        for (const std::uint64_t set : family)
            if (!(set & y)) {
                partners &= set;
                if (!partners)
                    break;
            }
        twice += static_cast<std::uint64_t>(std::popcount(partners));
    }
    return twice / 2;
}

} // namespace

std::uint64_t subsetsOf(int pool, int r)
{
    // Pascal's triangle up to pools of 99 and 8 places, made once.
    static const auto table = [] {
        std::array<std::array<std::uint64_t, kMost + 1>, kPools> t{};
        for (int n = 0; n < kPools; ++n) {
            t[static_cast<std::size_t>(n)][0] = 1;
            for (int k = 1; k <= std::min(n, kMost); ++k)
                t[static_cast<std::size_t>(n)][static_cast<std::size_t>(k)] =
                    t[static_cast<std::size_t>(n - 1)][static_cast<std::size_t>(k - 1)] +
                    (k <= n - 1 ? t[static_cast<std::size_t>(n - 1)][static_cast<std::size_t>(k)] : 0);
        }
        return t;
    }();
    if (r < 0 || r > pool || pool >= kPools || r > kMost)
        return 0;
    return table[static_cast<std::size_t>(pool)][static_cast<std::size_t>(r)];
}

std::uint64_t subsetsMeetingEvery(std::span<const std::uint64_t> sets, int pool, int r, bool &ok)
{
    ok = true;
    if (sets.empty())
        return subsetsOf(pool, r);
    // The subsets holding a place on every set (a key wheel's key), then those holding none of them,
    // which must meet each set elsewhere.
    std::uint64_t every = ~std::uint64_t{0};
    for (const std::uint64_t set : sets)
        every &= set;
    const int inEvery = std::popcount(every);
    const int rest = pool - inEvery;
    const std::uint64_t throughEvery = subsetsOf(pool, r) - subsetsOf(rest, r);
    // r + 1 sets with nothing else in common leave no r places meeting them all; taken in order
    // from a few first sets, since one order may miss them.
    // A set with no other place is missed by those.
    if (std::any_of(sets.begin(), sets.end(), [every](std::uint64_t set) { return set == every; }))
        return throughEvery;
    for (std::size_t first = 0; first < std::min<std::size_t>(sets.size(), 8); ++first) {
        std::uint64_t used = 0;
        int apart = 0;
        for (std::size_t k = 0; k < sets.size(); ++k) {
            const std::uint64_t set = sets[(first + k) % sets.size()] & ~every;
            if (!(set & used)) {
                used |= set;
                if (++apart > r)
                    return throughEvery;
            }
        }
    }
    // A set holding another is met wherever that one is.
    thread_local std::vector<std::uint64_t> kept;
    kept.clear();
    for (const std::uint64_t whole : sets) {
        const std::uint64_t set = whole & ~every;
        bool implied = false;
        for (std::size_t k = 0; k < kept.size();) {
            if (!(kept[k] & ~set)) {
                implied = true;
                break;
            }
            if (!(set & ~kept[k])) {
                kept[k] = kept.back();
                kept.pop_back();
            } else {
                ++k;
            }
        }
        if (!implied)
            kept.push_back(set);
    }
    if (kept.size() <= kMostForSigns) {
        // By inclusion and exclusion: the subsets missing every set of S, signed by the size of S.
        thread_local std::array<std::uint64_t, std::size_t{1} << kMostForSigns> unions;
        std::int64_t sum = 0;
        unions[0] = 0;
        for (std::size_t mask = 0; mask < (std::size_t{1} << kept.size()); ++mask) {
            if (mask)
                unions[mask] = unions[mask & (mask - 1)] | kept[static_cast<std::size_t>(std::countr_zero(mask))];
            const auto missing = static_cast<std::int64_t>(subsetsOf(rest - std::popcount(unions[mask]), r));
            sum += std::popcount(mask) % 2 ? -missing : missing;
        }
        return throughEvery + static_cast<std::uint64_t>(sum);
    }
    if (r > 3) {
        ok = false;
        return 0;
    }
    // Many sets, at most three places: count the places on their union taking part, one to three
    // (none lies on every set now).
    std::uint64_t on = 0;
    for (const std::uint64_t set : kept)
        on |= set;
    const int outside = rest - std::popcount(on);
    std::uint64_t total = throughEvery;
    if (r >= 2)
        total += pairsMeetingEvery(kept, on) * subsetsOf(outside, r - 2);
    if (r == 3) {
        thread_local std::vector<std::uint64_t> missing;
        std::uint64_t thrice = 0;
        for (std::uint64_t rest = on; rest; rest &= rest - 1) {
            const std::uint64_t x = rest & (~rest + 1);
            missing.clear();
            for (const std::uint64_t set : kept)
                if (!(set & x))
                    missing.push_back(set);
            thrice += pairsMeetingEvery(missing, on & ~x);
        }
        total += thrice / 3;
    }
    return total;
}

std::uint64_t subsetsHoldingAPair(std::span<const std::uint64_t, 64> near, std::uint64_t places, int pool, int r)
{
    // Each triple is counted once per pair of it on a set, less once per two such pairs, plus once
    // per three.
    std::uint64_t twiceEdges = 0, anglePairs = 0, triangles = 0;
    for (std::uint64_t rest = places; rest; rest &= rest - 1) {
        const int p = std::countr_zero(rest);
        const std::uint64_t nearP = near[static_cast<std::size_t>(p)] & places;
        const auto degree = static_cast<std::uint64_t>(std::popcount(nearP));
        twiceEdges += degree;
        anglePairs += degree * (degree - (degree > 0 ? 1 : 0)) / 2;
        if (r == 3) {
            const std::uint64_t above = p == 63 ? 0 : ~std::uint64_t{0} << (p + 1);
            for (std::uint64_t qs = nearP & above; qs; qs &= qs - 1) {
                const int q = std::countr_zero(qs);
                const std::uint64_t aboveQ = q == 63 ? 0 : ~std::uint64_t{0} << (q + 1);
                triangles += static_cast<std::uint64_t>(
                    std::popcount(nearP & near[static_cast<std::size_t>(q)] & places & aboveQ));
            }
        }
    }
    const std::uint64_t edges = twiceEdges / 2;
    if (r == 2)
        return edges;
    return edges * static_cast<std::uint64_t>(pool - 2) - anglePairs + triangles;
}

} // namespace odds
