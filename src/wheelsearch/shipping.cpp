// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheelsearch/shipping.h"

#include "wheelsearch/verify.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace wheel {

std::size_t madePointlessBy(const std::vector<Entry> &entries, std::size_t i)
{
    auto group = [](const Entry &e) { return std::make_tuple(e.spec.pick, e.spec.type, e.spec.z); };
    const Entry &e = entries[i];
    for (std::size_t j = 0; j < entries.size(); ++j) {
        if (i == j || group(entries[j]) != group(e))
            continue;
        const Entry &o = entries[j];
        const bool atLeastAsStrong = o.spec.x >= e.spec.x && o.spec.y <= e.spec.y;
        const bool same = o.spec.x == e.spec.x && o.spec.y == e.spec.y;
        // Of two copies of one guarantee with as many lines the first stays.
        if (atLeastAsStrong && o.lines.size() <= e.lines.size() && (!same || o.lines.size() < e.lines.size() || j < i))
            return j;
    }
    return entries.size();
}

std::vector<Entry> selectWheels(std::vector<Entry> entries)
{
    std::vector<Entry> kept;
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (madePointlessBy(entries, i) == entries.size())
            kept.push_back(entries[i]);
    std::stable_sort(kept.begin(), kept.end(), [&](const Entry &a, const Entry &b) {
        const auto ga = std::make_tuple(a.spec.pick, a.spec.type, a.spec.z, a.lines.size(), -a.spec.x, a.spec.y);
        const auto gb = std::make_tuple(b.spec.pick, b.spec.type, b.spec.z, b.lines.size(), -b.spec.x, b.spec.y);
        return ga < gb;
    });
    return kept;
}

namespace {

// Gives each marked line the free position below `z` used least so far; empty when a
// marked line has no free position left.
std::vector<Line> addLeastUsed(std::vector<Line> lines, const std::vector<bool> &marked, int z)
{
    int used[kMaxPositions] = {};
    for (Line l : lines)
        for (int p = 0; p < z; ++p)
            used[p] += (l >> p) & 1u;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!marked[i])
            continue;
        int best = -1;
        for (int p = 0; p < z; ++p)
            if (!(lines[i] & (Line{1} << p)) && (best < 0 || used[p] < used[best]))
                best = p;
        if (best < 0)
            return {};
        lines[i] |= Line{1} << best;
        ++used[best];
    }
    return lines;
}

// Each line that holds `from` (at or above `z`) takes instead another position below `z`.
std::vector<Line> dropPosition(std::vector<Line> lines, int from, int z)
{
    std::vector<bool> marked(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        marked[i] = (lines[i] >> from) & 1u;
        lines[i] &= ~(Line{1} << from);
    }
    return addLeastUsed(std::move(lines), marked, z);
}

// Each line gains a position.
std::vector<Line> widenLines(const std::vector<Line> &lines, int z)
{
    return addLeastUsed(lines, std::vector<bool>(lines.size(), true), z);
}

std::vector<Line> distinctSorted(std::vector<Line> lines)
{
    std::sort(lines.begin(), lines.end(), lineLess);
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
    return lines;
}

} // namespace

std::size_t deriveFromNeighbours(std::vector<Entry> &entries, const std::vector<int> &picks)
{
    using Key = std::tuple<int, char, int, int, int>;
    auto keyOf = [](const WheelSpec &s) { return Key{s.pick, s.type, s.z, s.x, s.y}; };
    std::map<Key, std::size_t> index;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const auto [it, fresh] = index.emplace(keyOf(entries[i].spec), i);
        if (!fresh && entries[i].lines.size() < entries[it->second].lines.size())
            it->second = i;
    }
    std::size_t derived = 0;
    // A wheel of another design only replaces a searched one that it beats; one of the same
    // design (the key put in front or taken away) may also fill a gap.
    auto offer = [&](Entry candidate, bool sameDesign) {
        const auto it = index.find(keyOf(candidate.spec));
        if (it == index.end() ? !sameDesign : entries[it->second].lines.size() <= candidate.lines.size())
            return false;
        if (!verifyWheel(candidate.spec, candidate.lines).holds)
            return false;
        ++derived;
        if (it != index.end()) {
            entries[it->second] = std::move(candidate);
        } else {
            index.emplace(keyOf(candidate.spec), entries.size());
            entries.push_back(std::move(candidate));
        }
        return true;
    };
    for (bool changed = true; changed;) {
        changed = false;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const Entry source = entries[i];
            const WheelSpec &s = source.spec;
            if (s.z - 1 > s.pick) {
                Entry fewer;
                fewer.spec = s;
                fewer.spec.z = s.z - 1;
                fewer.lines = distinctSorted(dropPosition(source.lines, s.z - 1, s.z - 1));
                fewer.note = "derived from the wheel of " + std::to_string(s.z) + " numbers";
                changed |= offer(std::move(fewer), false);
            }
            // A key wheel less its key is a type-a wheel of one pick, one number and one hit
            // fewer, and the other way round: both rest on one covering design.
            const bool hasLarger = std::find(picks.begin(), picks.end(), s.pick + 1) != picks.end();
            const bool hasSmaller = std::find(picks.begin(), picks.end(), s.pick - 1) != picks.end();
            if (s.type == 'a' && hasLarger && s.z < kMaxPositions) {
                Entry keyed;
                keyed.spec = {s.pick + 1, 'k', s.z + 1, s.x + 1, s.y + 1};
                for (Line l : source.lines)
                    keyed.lines.push_back((l << 1) | 1u);
                keyed.lines = distinctSorted(keyed.lines);
                keyed.note = "derived from the type-a wheel of pick " + std::to_string(s.pick);
                changed |= offer(std::move(keyed), true);
            }
            if (s.type == 'k' && hasSmaller && s.x > 2 && s.pick - 1 < s.z - 1) {
                Entry plain;
                plain.spec = {s.pick - 1, 'a', s.z - 1, s.x - 1, s.y - 1};
                for (Line l : source.lines)
                    plain.lines.push_back(l >> 1);
                plain.lines = distinctSorted(plain.lines);
                plain.note = "derived from the key wheel of pick " + std::to_string(s.pick);
                changed |= offer(std::move(plain), true);
            }
            if (s.z > s.pick + 1 && hasLarger) {
                Entry wider;
                wider.spec = s;
                wider.spec.pick = s.pick + 1;
                wider.lines = distinctSorted(widenLines(source.lines, s.z));
                wider.note = "derived from the wheel of pick " + std::to_string(s.pick);
                changed |= offer(std::move(wider), false);
            }
        }
    }
    return derived;
}

} // namespace wheel
