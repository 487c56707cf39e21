// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheelsearch/strategies.h"

#include "wheelsearch/extend.h"
#include "wheelsearch/notes.h"
#include "wheelsearch/verify.h"

#include <algorithm>

namespace wheel {
namespace {

// Larger groups than this are not tried: their orbits grow too coarse for the catalogue,
// and listing their maps takes long.
constexpr std::size_t kMostGroupOrder = 120'000;
// Past this many orbits of blocks a group is too small: weighing them all takes long and
// the cover of so many is no better than the plain search.
constexpr std::size_t kMostGroupOrbits = 300'000;
// How many of the groups that did best are searched again for longer.
constexpr std::size_t kGroupsSearchedLonger = 3;
// The annealing that hands out the new numbers of an extension moves this many times per block.
constexpr std::uint64_t kColouringMovesPerBlock = 4000;
// How many lines the greedy cover of an extension grows for each line it takes.
constexpr int kGrowthsPerLine = 64;

// The groups from geometry on v numbers whose names hold `only` (all of them when empty).
std::vector<PermutationGroup> groupsNamed(int v, const std::string &only)
{
    auto groups = geometricGroupsFor(v, kMostGroupOrder);
    std::erase_if(groups, [&](const PermutationGroup &g) { return g.name.find(only) == std::string::npos; });
    return groups;
}

} // namespace

Entry searchThroughOrbits(const WheelSpec &spec, double seconds, std::uint64_t seed, std::size_t mostLines,
                          const OrbitGroupTried &tried)
{
    const Design d = designOf(spec);
    OrbitSearchResult best;
    PointCycles bestGroup;
    for (const PointCycles &g : cycleGroupsFor(d.v, std::max(5, d.v / 3))) {
        OrbitSearchOptions o;
        o.group = g;
        o.seed = seed++;
        o.secondsCap = seconds;
        o.giveUpAbove = mostLines * 2;
        o.movesPerLevel = 50'000'000;
        const auto r = searchOrbitDesign(d, o);
        if (tried)
            tried(g, r);
        if (!r.blocks.empty() && (best.blocks.empty() || r.blocks.size() < best.blocks.size())) {
            best = r;
            bestGroup = g;
        }
    }
    Entry e{spec, {}, 0, {}, {}};
    if (best.blocks.empty())
        return e;
    SearchOptions o;
    o.seed = seed;
    o.secondsCap = seconds;
    o.movesPerLevel = 400'000;
    o.start = best.blocks;
    const auto r = searchDesign(d, o);
    const auto &blocks = !r.blocks.empty() && r.blocks.size() < best.blocks.size() ? r.blocks : best.blocks;
    e.lines = linesFromDesign(spec, blocks);
    e.note = orbitNote(bestGroup.length, bestGroup.cycles, bestGroup.multiplier, bestGroup.fixedPoints(d.v),
                       best.baseBlocks, best.blocks.size(), r.seconds);
    return e;
}

Entry searchThroughGroups(const WheelSpec &spec, double seconds, std::uint64_t seed, std::size_t mostLines,
                          const std::string &only, const GeometricGroupTried &tried)
{
    const Design d = designOf(spec);
    struct Tried {
        std::size_t group;
        GroupSearchResult result;
    };
    std::vector<Tried> found;
    const auto groups = groupsNamed(d.v, only);
    auto attempt = [&](std::size_t i, double cap, double patience) {
        GroupSearchOptions o;
        o.seed = seed++;
        o.secondsCap = cap;
        o.patience = patience;
        o.mostOrbits = kMostGroupOrbits;
        auto r = searchGroupDesign(d, groups[i], o);
        if (tried)
            tried(groups[i], r);
        if (!r.blocks.empty())
            found.push_back({i, std::move(r)});
    };
    // Of designs as small, the one of fewest orbits says most about its making.
    auto better = [](const Tried &a, const Tried &b) {
        return a.result.blocks.size() < b.result.blocks.size() ||
               (a.result.blocks.size() == b.result.blocks.size() && a.result.orbits < b.result.orbits);
    };
    for (std::size_t i = 0; i < groups.size(); ++i)
        attempt(i, seconds, 0.5);
    // The groups that did best get four times as long again.
    std::sort(found.begin(), found.end(), better);
    const std::size_t firstPass = found.size();
    for (std::size_t i = 0; i < std::min<std::size_t>(firstPass, kGroupsSearchedLonger); ++i)
        attempt(found[i].group, 4 * seconds, seconds);
    Entry e{spec, {}, 0, {}, {}};
    if (found.empty())
        return e;
    const Tried &best = *std::min_element(found.begin(), found.end(), better);
    if (best.result.blocks.size() > mostLines * 2)
        return e;
    SearchOptions o;
    o.seed = seed;
    o.secondsCap = seconds;
    o.movesPerLevel = 400'000;
    o.start = best.result.blocks;
    const auto r = searchDesign(d, o);
    const auto &blocks =
        !r.blocks.empty() && r.blocks.size() < best.result.blocks.size() ? r.blocks : best.result.blocks;
    e.lines = linesFromDesign(spec, blocks);
    e.note = groupNote(groups[best.group].name, best.result.orbits, best.result.blocks.size(), r.seconds);
    return e;
}

Entry exactThroughGroups(const WheelSpec &spec, std::size_t mostLines, double seconds, const std::string &only,
                         const GeometricGroupTried &tried)
{
    const Design d = designOf(spec);
    const auto groups = groupsNamed(d.v, only);
    for (std::size_t i = 0; i < groups.size(); ++i) {
        GroupSearchOptions o;
        o.seed = i + 1;
        o.secondsCap = seconds;
        o.mostOrbits = kMostGroupOrbits;
        o.backtrackAtMost = mostLines;
        const auto r = searchGroupDesign(d, groups[i], o);
        if (tried)
            tried(groups[i], r);
        if (r.blocks.empty())
            continue;
        Entry e{spec, linesFromDesign(spec, r.blocks), 0, {}, {}};
        e.note = exactGroupNote(groups[i].name, r.orbits, e.lines.size());
        return e;
    }
    return {spec, {}, 0, {}, {}};
}

SearchedWheel searchWheelAtFixedCount(const Entry &wheel, double seconds, std::uint64_t seed, FixedCountMethod method)
{
    const Design d = designOf(wheel.spec);
    FixedCountOptions o;
    o.seed = seed;
    o.secondsCap = seconds;
    o.method = method;
    // Wheels whose drawn sets are larger than a hit are searched from their own lines.
    if (d.m > d.t)
        o.start = designFromLines(wheel.spec, wheel.lines);
    const auto r = descendAtFixedCount(d, wheel.lines.size(), o);
    const std::string note = d.m > d.t ? drawnSetsNote(wheel.lines.size(), r.blocks.size(), r.seconds)
                                       : fixedCountNote(r.blocks.size(), r.seconds, method);
    return {{wheel.spec, linesFromDesign(wheel.spec, r.blocks), 0, note, {}}, r.seconds};
}

SearchedWheel searchAgain(const Entry &wheel, double seconds, std::uint64_t seed)
{
    SearchedWheel again{wheel, 0.0};
    Entry &e = again.wheel;
    SearchOptions o;
    o.seed = seed;
    o.movesPerLevel = 1'000'000;
    o.secondsCap = seconds;
    o.start = e.lines;
    const auto r = searchWheel(e.spec, o);
    const std::size_t before = e.lines.size();
    if (!r.blocks.empty() && r.blocks.size() < before && verifyWheel(e.spec, r.blocks).holds)
        e.lines = r.blocks;
    e.note = searchedAgainNote(e.note, r.seconds, before);
    again.seconds = r.seconds;
    return again;
}

Extension extendFromSmaller(const ExtensionTarget &target, double seconds, std::uint64_t seed,
                            const ExtensionTried &tried)
{
    const Entry &old = target.wheel;
    const Design d = designOf(old.spec);
    Extension x;
    x.wheel = {old.spec, {}, 0, {}, {}};
    // Every smaller design is extended and covered; the fewest lines go on.
    SearchResult start;
    for (const ExtensionBase &b : target.bases) {
        const auto baseBlocks = designFromLines(b.base.spec, b.base.lines);
        const auto extension =
            extendByNewPoints(d, baseBlocks, b.fresh, seed, kColouringMovesPerBlock * baseBlocks.size(), b.each);
        if (extension.blocks.empty())
            continue;
        SearchOptions complete;
        complete.seed = seed;
        complete.movesPerLevel = 0; // drop what is not needed, nothing more
        complete.start = coverBareGreedily(d, extension.blocks, seed, kGrowthsPerLine);
        if (complete.start.empty()) // too many t-sets to list: the search covers them itself
            complete.start = extension.blocks;
        auto covered = searchDesign(d, complete);
        if (tried)
            tried(b, extension.bare, covered.blocks.size());
        if (x.from == nullptr || covered.blocks.size() < start.blocks.size()) {
            start = std::move(covered);
            x.from = &b;
            x.bare = extension.bare;
        }
    }
    if (x.from == nullptr)
        return x;
    FixedCountOptions o;
    o.seed = seed;
    o.secondsCap = seconds;
    o.method = FixedCountMethod::weigh;
    o.start = start.blocks;
    const auto r = descendAtFixedCount(d, start.blocks.size(), o);
    const auto &blocks = r.blocks.empty() ? start.blocks : r.blocks;
    const Entry &base = x.from->base;
    x.wheel.lines = linesFromDesign(old.spec, blocks);
    x.wheel.note = extendedNote(base.spec, base.lines.size(), x.from->fresh, x.from->each, d.k - x.from->fresh, d.t,
                                start.blocks.size(), blocks.size(), r.seconds);
    x.startLines = start.blocks.size();
    x.lines = blocks.size();
    x.seconds = r.seconds;
    return x;
}

CatalogueWheel catalogueWheel(const WheelSpec &spec, double seconds, std::uint64_t seed)
{
    CatalogueWheel c;
    const Design d = designOf(spec);
    if (spec.isFull()) {
        if (binomial(d.v, d.k) <= kMostLinesSearched) {
            c.wheel = fullWheel(spec.pick, spec.type, spec.z);
            c.wheel.note = "every combination";
            c.outcome = CatalogueWheel::Outcome::found;
        }
    } else if (lowerBound(d) <= kMostLinesSearched && binomial(d.v, d.m) > kMostSetsSearched) {
        c.outcome = CatalogueWheel::Outcome::tooManySets;
    } else if (lowerBound(d) <= kMostLinesSearched) {
        SearchOptions o;
        o.seed = seed;
        o.movesPerLevel = 400'000;
        o.secondsCap = seconds;
        o.giveUpAbove = kMostLinesSearched * 3 / 2;
        o.greedySecondsCap = std::max(30.0, seconds);
        c.search = searchWheel(spec, o);
        c.searched = true;
        c.greedySeconds = o.greedySecondsCap;
        const SearchResult &r = c.search;
        if (!r.blocks.empty() && r.blocks.size() <= kMostLinesSearched && verifyWheel(spec, r.blocks).holds) {
            c.wheel = {spec, r.blocks, 0, searchedNote(r.seconds, r.greedyLines), {}};
            c.outcome = CatalogueWheel::Outcome::found;
        } else if (r.blocks.empty() && r.seconds >= o.greedySecondsCap) {
            c.outcome = CatalogueWheel::Outcome::greedyTooSlow;
        }
    }
    return c;
}

} // namespace wheel
