// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheelsearch/targets.h"

#include "wheelsearch/notes.h"

#include <algorithm>

namespace wheel {

std::vector<RecordTarget> recordTargets(std::vector<Entry> found, const Records &records, double ratio,
                                        const std::vector<int> &picks, int fewestNumbers, int mostNumbers,
                                        const std::function<bool(const WheelSpec &)> &tried)
{
    std::map<std::tuple<int, char, int, int, int>, Entry> best;
    for (auto &e : found) {
        const auto key = std::make_tuple(e.spec.pick, e.spec.type, e.spec.z, e.spec.x, e.spec.y);
        const auto it = best.find(key);
        if (it == best.end() || e.lines.size() < it->second.lines.size())
            best[key] = std::move(e);
    }
    std::vector<RecordTarget> targets;
    // Given a range of numbers: the guarantees there that have no wheel yet, neither their
    // own nor a stronger one.
    for (int pick : picks)
        for (char type : {'a', 'k'})
            for (int z = std::max(pick + 1, fewestNumbers); mostNumbers > 0 && z <= mostNumbers; ++z)
                for (int x = 2; x <= pick; ++x)
                    for (int y = x; y <= pick; ++y) {
                        const WheelSpec spec{pick, type, z, x, y};
                        const bool smallerPick = std::find(picks.begin(), picks.end(), pick - 1) != picks.end();
                        if (spec.isFull() || (type == 'k' && (x == 2 || smallerPick)) ||
                            lowerBound(designOf(spec)) > kMostLinesSearched || tried(spec))
                            continue;
                        bool held = false;
                        for (int xx = x; xx <= pick && !held; ++xx)
                            for (int yy = xx; yy <= y && !held; ++yy)
                                held = best.count(std::make_tuple(pick, type, z, xx, yy)) > 0;
                        if (!held)
                            targets.push_back({Entry{spec, {}, 0, {}, {}}, 0.0});
                    }
    for (const auto &[key, e] : best) {
        const bool smallerPick = std::find(picks.begin(), picks.end(), e.spec.pick - 1) != picks.end();
        if (mostNumbers > 0 || (e.spec.type == 'k' && (e.spec.x == 2 || smallerPick)) || e.spec.isFull() ||
            std::find(picks.begin(), picks.end(), e.spec.pick) == picks.end() || tried(e.spec))
            continue;
        const Design d = designOf(e.spec);
        const auto it = records.find({d.v, d.k, d.t, d.m});
        if (it == records.end())
            continue;
        const double r = static_cast<double>(e.lines.size()) / static_cast<double>(it->second.best);
        if (r > ratio)
            targets.push_back({e, r});
    }
    std::stable_sort(targets.begin(), targets.end(),
                     [](const RecordTarget &a, const RecordTarget &b) { return a.ratio > b.ratio; });
    return targets;
}

std::map<FixedCountKey, Entry> smallestByDesign(std::vector<Entry> &all)
{
    std::map<FixedCountKey, Entry> best;
    for (auto &e : all) {
        const Design d = designOf(e.spec);
        if (!searchableAtFixedCount(d) || e.spec.isFull())
            continue;
        const auto it = best.find({d.v, d.k, d.t, d.m});
        if (it == best.end() || e.lines.size() < it->second.lines.size() ||
            (e.lines.size() == it->second.lines.size() && e.spec.type == 'a'))
            best[{d.v, d.k, d.t, d.m}] = std::move(e);
    }
    return best;
}

bool worthSearching(const Entry &e, const Records &records)
{
    const Design d = designOf(e.spec);
    const auto record = records.find({d.v, d.k, d.t, d.m});
    return e.lines.size() > lowerBound(d) && (record == records.end() || e.lines.size() > record->second.best);
}

std::vector<Entry> fixedCountTargets(std::vector<Entry> all, const Records &records)
{
    auto best = smallestByDesign(all);
    std::vector<Entry> targets;
    for (auto &[key, e] : best)
        if (worthSearching(e, records))
            targets.push_back(std::move(e));
    return targets;
}

std::vector<ExtensionTarget> extensionTargets(std::vector<Entry> all, const Records &records)
{
    const auto best = smallestByDesign(all);
    std::vector<ExtensionTarget> targets;
    for (const auto &[key, e] : best) {
        const auto [v, k, t, m] = key;
        if ((t != 3 && t != 4) || m != t || !worthSearching(e, records))
            continue;
        ExtensionTarget target{e, {}};
        for (int fresh = std::max(2, t - 1); fresh < k; ++fresh)
            if (const auto from = best.find({v - fresh, k - 1, t, t}); from != best.end())
                target.bases.push_back({fresh, 1, from->second});
        // Two new numbers a line: up to half the numbers new, past that the lines of few old
        // ones that the new pairs need cost more than the base saves.
        for (int fresh = 3; fresh <= v / 2; ++fresh)
            if (const auto from = best.find({v - fresh, k - 2, t, t}); from != best.end() && k - 2 >= t)
                target.bases.push_back({fresh, 2, from->second});
        if (!target.bases.empty())
            targets.push_back(std::move(target));
    }
    return targets;
}

std::vector<WheelSpec> catalogueSpecs(const std::vector<int> &picks, int fewestNumbers, int mostNumbers)
{
    std::vector<WheelSpec> specs;
    for (int pick : picks) {
        const bool large = pick > 8;
        for (char type : {'a', 'k'})
            for (int z = std::max(pick + 1, fewestNumbers);
                 z <= (large ? std::min(pick + 5, mostNumbers) : mostNumbers); ++z)
                for (int x = large ? pick - 4 : 2; x <= pick; ++x)
                    for (int y = x; y <= pick; ++y) {
                        // A key wheel "x if y" with x > 2 is the type-a wheel "x-1 if y-1" of
                        // one pick fewer with the key in front; assemble makes it from that one.
                        const bool smallerPick = std::find(picks.begin(), picks.end(), pick - 1) != picks.end();
                        if (type == 'k' && x > 2 && smallerPick)
                            continue;
                        specs.push_back({pick, type, z, x, y});
                    }
    }
    std::stable_sort(specs.begin(), specs.end(), [](const WheelSpec &a, const WheelSpec &b) {
        const auto band = [](int z) { return z <= 12 ? 0 : z <= 16 ? 1 : z <= 20 ? 2 : 3; };
        return band(a.z) < band(b.z);
    });
    return specs;
}

std::vector<SearchAgainTarget> searchAgainTargets(std::vector<Entry> wheels, double seconds, bool whateverSearched)
{
    std::vector<SearchAgainTarget> targets;
    for (auto &e : wheels) {
        if (e.spec.isFull())
            continue;
        SearchAgainTarget t{std::move(e)};
        t.searched = secondsSearched(t.wheel.note);
        const auto bound = lowerBound(designOf(t.wheel.spec));
        if ((t.searched >= seconds && !whateverSearched) || t.wheel.lines.size() <= bound)
            continue;
        t.gap = static_cast<double>(t.wheel.lines.size()) / static_cast<double>(std::max<std::uint64_t>(bound, 1));
        targets.push_back(std::move(t));
    }
    std::stable_sort(targets.begin(), targets.end(),
                     [](const SearchAgainTarget &a, const SearchAgainTarget &b) { return a.gap > b.gap; });
    return targets;
}

} // namespace wheel
