// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheelsearch/join.h"

#include <algorithm>
#include <bit>
#include <limits>
#include <map>
#include <string>
#include <tuple>

namespace wheel {
namespace {

constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();
// Every t-set as a block of its own is offered up to this many lines.
constexpr std::uint64_t kMostEveryTSet = 2000;
// Designs with blocks of more points are not used as parts.
constexpr int kMostPartK = 16;
// No wheel ships with more lines, nor does a join with such a part.
constexpr std::size_t kMostMixedLines = 2000;

std::string label(int t, int m, int v)
{
    std::string s = "\"";
    s += std::to_string(t);
    s += " if ";
    s += std::to_string(m);
    s += "\" on ";
    s += std::to_string(v);
    return s;
}

struct Made {
    std::vector<Line> blocks;
    std::string how;  // the parts, after "joined from the wheels of pick k "
    std::string note; // when set, the whole note instead
};

// The fewest blocks found for each design (blocks of k points, every m-set meeting one in
// t), and for the parts of a mixed join the designs of any block size, plain ones too.
class Designs {
public:
    explicit Designs(int mostNumbers)
        : mostNumbers_(mostNumbers), parts_(static_cast<std::size_t>(kMostPartK + 1) * (kMostPartK + 1) *
                                                (kMostPartK + 1) * static_cast<std::size_t>(mostNumbers + 1),
                                            kNone)
    {
    }

    std::size_t size(int k, int t, int m, int v) const
    {
        const auto it = made_.find({k, t, m, v});
        return it == made_.end() ? kNone : it->second.blocks.size();
    }
    const Made &at(int k, int t, int m, int v) const { return made_.at({k, t, m, v}); }
    void set(int k, int t, int m, int v, Made made) { made_[{k, t, m, v}] = std::move(made); }
    const auto &all() const { return made_; }

    // Works out the parts on v points, once every design on v points is final.
    void settle(int v)
    {
        for (int k = 0; k <= kMostPartK; ++k)
            for (int t = 0; t <= kMostPartK; ++t)
                for (int m = t; m <= kMostPartK; ++m)
                    parts_[index(k, t, m, v)] = partSize(k, t, m, v);
    }

    // A part settled before: a design of blocks of at most k points on v points (v >= 0)
    // where every m-set meets a block in t points.
    std::size_t part(int k, int t, int m, int v) const { return parts_[index(k, t, m, v)]; }

    // The blocks of that part, on the points from 0.
    std::vector<Line> partBlocks(int k, int t, int m, int v) const
    {
        std::vector<Line> blocks;
        const Line all = (Line{1} << v) - 1;
        if (m > v)
            return blocks;
        if (t == 0 || k >= v) {
            blocks.push_back(k >= v ? all : (Line{1} << k) - 1);
        } else if (t == 1) {
            // Runs of k over all points but m - 1 of them: an m-set meets one.
            for (int first = 0; first <= v - m; first += k)
                blocks.push_back((((Line{1} << k) - 1) << first) & all);
        } else if (const int m2 = fewestHeldWithin(k, t, m, v); m2 > 0 && size(k, t, m2, v) <= everyTSet(k, t, m, v)) {
            blocks = at(k, t, m2, v).blocks;
        } else {
            for (Line s = (Line{1} << t) - 1; s <= all; s = nextOfSameSize(s))
                blocks.push_back(s);
        }
        return blocks;
    }

private:
    using Key = std::tuple<int, int, int, int>; // k, t, m, v

    std::size_t index(int k, int t, int m, int v) const
    {
        return ((static_cast<std::size_t>(k) * (kMostPartK + 1) + static_cast<std::size_t>(t)) * (kMostPartK + 1) +
                static_cast<std::size_t>(m)) *
                   static_cast<std::size_t>(mostNumbers_ + 1) +
               static_cast<std::size_t>(v);
    }

    // A design "t if m2" with m2 <= m serves "t if m": the m2 of the m-set meet a block.
    int fewestHeldWithin(int k, int t, int m, int v) const
    {
        int fewestAt = 0;
        for (int m2 = t; m2 <= m; ++m2)
            if (size(k, t, m2, v) != kNone && (fewestAt == 0 || size(k, t, m2, v) < size(k, t, fewestAt, v)))
                fewestAt = m2;
        return fewestAt;
    }

    static std::size_t everyTSet(int k, int t, int m, int v)
    {
        return k == t && m == t && binomial(v, t) <= kMostEveryTSet ? binomial(v, t) : kNone;
    }

    std::size_t partSize(int k, int t, int m, int v) const
    {
        if (m > v)
            return 0; // no such draw
        if (t == 0 || k >= v)
            return 1;
        if (k < t)
            return kNone;
        if (t == 1)
            return static_cast<std::size_t>((v - m + 1 + k - 1) / k);
        const int m2 = fewestHeldWithin(k, t, m, v);
        return std::min(m2 > 0 ? size(k, t, m2, v) : kNone, everyTSet(k, t, m, v));
    }

    int mostNumbers_;
    std::map<Key, Made> made_;
    std::vector<std::size_t> parts_;
};

// The numbers split into a first part of `first` and the rest. An m-set with j numbers in the
// first part meets a line made of a block of a design where every j-set of the first part
// meets it in i, and a block of one where every (m-j)-set of the rest meets it in t - i, the
// block sizes adding up to k; for each j, the i and split of k that need fewest lines.
struct Mix {
    std::size_t lines = kNone;
    int first = 0;
    std::vector<std::pair<int, int>> hitsAndK; // by j from the fewest the first part can hold
};

// The `count` splits that need fewest lines, fewest first; of a split and its mirror (the
// parts' roles swapped, as many lines) only the first.
std::vector<Mix> bestMixes(const Designs &designs, int k, int t, int m, int v, std::size_t count)
{
    std::vector<Mix> all;
    for (int a = 1; a < v; ++a) {
        Mix here;
        here.lines = 0;
        here.first = a;
        for (int j = std::max(0, m - (v - a)); j <= std::min(m, a) && here.lines != kNone; ++j) {
            std::size_t fewest = kNone;
            std::pair<int, int> choice{-1, -1};
            for (int i = std::max(0, t - (m - j)); i <= std::min(t, j); ++i)
                for (int ka = 0; ka <= k; ++ka) {
                    const std::size_t x = designs.part(ka, i, j, a);
                    const std::size_t y = designs.part(k - ka, t - i, m - j, v - a);
                    if (x == kNone || y == kNone || (x > 0 && y > fewest / x))
                        continue;
                    if (x * y < fewest) {
                        fewest = x * y;
                        choice = {i, ka};
                    }
                }
            here.lines = fewest == kNone || here.lines > kNone - fewest ? kNone : here.lines + fewest;
            here.hitsAndK.push_back(choice);
        }
        const bool mirrored = std::any_of(all.begin(), all.end(),
                                          [&](const Mix &o) { return o.first == v - a && o.lines == here.lines; });
        if (here.lines != kNone && !mirrored)
            all.push_back(std::move(here));
    }
    std::stable_sort(all.begin(), all.end(), [](const Mix &a, const Mix &b) { return a.lines < b.lines; });
    if (all.size() > count)
        all.resize(count);
    return all;
}

std::vector<Line> mixedBlocks(const Designs &designs, int k, int t, int m, int v, const Mix &mix)
{
    std::vector<Line> blocks;
    const int a = mix.first;
    int j = std::max(0, m - (v - a));
    for (const auto &[i, ka] : mix.hitsAndK) {
        const auto firsts = designs.partBlocks(ka, i, j, a);
        const auto rests = designs.partBlocks(k - ka, t - i, m - j, v - a);
        for (Line x : firsts)
            for (Line y : rests) {
                // Topped up to k numbers with the lowest free ones.
                Line b = x | (y << a);
                for (int p = 0; std::popcount(b) < k; ++p)
                    b |= Line{1} << p;
                blocks.push_back(b);
            }
        ++j;
    }
    std::sort(blocks.begin(), blocks.end());
    blocks.erase(std::unique(blocks.begin(), blocks.end()), blocks.end());
    return blocks;
}

} // namespace

std::vector<Entry> joinParts(const std::vector<Entry> &known, const std::vector<int> &picks, int mostNumbers,
                             const MixedStarts &starts)
{
    struct Start {
        std::tuple<int, int, int, int> key;
        std::size_t rank; // among the starts of the design
        Made made;
    };
    std::vector<Start> startDesigns;
    Designs designs(mostNumbers);
    std::map<std::tuple<int, int, int, int>, std::size_t> held; // the fewest lines `known` holds for a design
    for (const Entry &e : known) {
        const Design d = designOf(e.spec);
        if (d.v > mostNumbers)
            continue;
        if (e.lines.size() < designs.size(d.k, d.t, d.m, d.v))
            designs.set(d.k, d.t, d.m, d.v, {designFromLines(e.spec, e.lines), label(d.t, d.m, d.v), {}});
        held[{d.k, d.t, d.m, d.v}] = designs.size(d.k, d.t, d.m, d.v);
    }
    std::vector<int> designPicks;
    for (int pick : picks)
        for (int k : {pick, pick - 1})
            if (k >= 1 && std::find(designPicks.begin(), designPicks.end(), k) == designPicks.end())
                designPicks.push_back(k);

    auto sizeOf = [&](int k, int t, int m, int v) { return designs.size(k, t, m, v); };
    designs.settle(0);
    for (int v = 1; v <= mostNumbers; designs.settle(v), ++v)
        for (int k : designPicks)
            for (int t = 1; t <= k; ++t)
                for (int m = t; m <= k; ++m) {
                    std::size_t fewest = sizeOf(k, t, m, v);
                    int splitAt = 0;   // numbers in the first part; 0: no better join
                    int firstM = 0;    // the first part's guarantee "t if firstM"
                    bool bare = false; // the second part has no lines
                    for (int b = 1; b <= m - t && b < v; ++b)
                        if (sizeOf(k, t, m - b, v - b) < fewest) {
                            fewest = sizeOf(k, t, m - b, v - b);
                            splitAt = v - b;
                            firstM = m - b;
                            bare = true;
                        }
                    for (int a = k; v - a >= k; ++a)
                        for (int ma = t; ma <= m + 1 - t; ++ma) {
                            const std::size_t first = sizeOf(k, t, ma, a);
                            const std::size_t second = sizeOf(k, t, m + 1 - ma, v - a);
                            if (first == kNone || second == kNone || first + second >= fewest)
                                continue;
                            fewest = first + second;
                            splitAt = a;
                            firstM = ma;
                            bare = false;
                        }
                    // One number more: the m-sets without it are met by the design on v - 1, those
                    // with it by the lines of "t-1 if m-1" of one pick fewer on v - 1, each with it added.
                    bool grown = false;
                    if (k >= 2 && v - 1 >= k) {
                        const std::size_t without = sizeOf(k, t, m, v - 1);
                        const std::size_t with = t == 1 ? 1 : sizeOf(k - 1, t - 1, m - 1, v - 1);
                        grown = without != kNone && with != kNone && without + with < fewest;
                        if (grown)
                            fewest = without + with;
                    }
                    // Two parts, each line mixing blocks of designs on both.
                    if (t >= 2 && v > k && k <= kMostPartK) {
                        const auto mixes = bestMixes(designs, k, t, m, v, starts.out ? starts.splits : 1);
                        const bool better =
                            !mixes.empty() && mixes.front().lines < fewest && mixes.front().lines <= kMostMixedLines;
                        auto made = [&](const Mix &mix) {
                            Made result;
                            result.blocks = mixedBlocks(designs, k, t, m, v, mix);
                            result.note = "joined from designs on two parts of " + std::to_string(mix.first) + " and " +
                                          std::to_string(v - mix.first) +
                                          " numbers, for each way a drawn set can fall into them";
                            return result;
                        };
                        if (starts.out && fewest != kNone) {
                            std::size_t rank = 0;
                            for (std::size_t r = better ? 1 : 0; r < mixes.size(); ++r)
                                if (mixes[r].lines <= kMostMixedLines &&
                                    static_cast<double>(mixes[r].lines) <= starts.within * static_cast<double>(fewest))
                                    startDesigns.push_back({{k, t, m, v}, rank++, made(mixes[r])});
                        }
                        if (better) {
                            designs.set(k, t, m, v, made(mixes.front()));
                            continue;
                        }
                    }
                    if (grown) {
                        Made made;
                        made.blocks = designs.at(k, t, m, v - 1).blocks;
                        const Line added = Line{1} << (v - 1);
                        if (t == 1)
                            made.blocks.push_back(((Line{1} << (k - 1)) - 1) | added);
                        else
                            for (Line b : designs.at(k - 1, t - 1, m - 1, v - 1).blocks)
                                made.blocks.push_back(b | added);
                        made.how = label(t, m, v - 1) + " numbers and pick " + std::to_string(k - 1) + " " +
                                   label(t - 1, m - 1, v - 1) + " with one number more in each line";
                        designs.set(k, t, m, v, std::move(made));
                        continue;
                    }
                    if (splitAt == 0)
                        continue;
                    Made made;
                    made.blocks = designs.at(k, t, firstM, splitAt).blocks;
                    made.how = label(t, firstM, splitAt);
                    const int rest = v - splitAt;
                    if (bare) {
                        made.how += " numbers and " + std::to_string(rest) + " more without lines";
                    } else {
                        // The second part's lines follow the first part's numbers.
                        for (Line b : designs.at(k, t, m + 1 - firstM, rest).blocks)
                            made.blocks.push_back(b << splitAt);
                        made.how += " and " + label(t, m + 1 - firstM, rest);
                    }
                    designs.set(k, t, m, v, std::move(made));
                }

    // The wheels of a design: type-a of pick k and the key wheel of pick k + 1 (only the
    // first of them where `onlyOne`).
    auto emit = [&](int k, int t, int m, int v, const Made &made, bool onlyOne, std::vector<Entry> &to) {
        const bool lineEnds = made.how.ends_with("line") || made.how.ends_with("lines");
        const std::string note = !made.note.empty() ? made.note
                                                    : "joined from the wheels of pick " + std::to_string(k) + " " +
                                                          made.how + (lineEnds ? "" : " numbers");
        // A type-a wheel matches at least two numbers; one is what any line does with the key.
        if (std::find(picks.begin(), picks.end(), k) != picks.end() && v > k && t >= 2) {
            Entry e;
            e.spec = {k, 'a', v, t, m};
            e.lines = made.blocks;
            std::sort(e.lines.begin(), e.lines.end(), lineLess);
            e.note = note;
            to.push_back(std::move(e));
            if (onlyOne)
                return;
        }
        if (std::find(picks.begin(), picks.end(), k + 1) != picks.end() && v + 1 <= mostNumbers && v > k) {
            Entry e;
            e.spec = {k + 1, 'k', v + 1, t + 1, m + 1};
            e.lines = linesFromDesign(e.spec, made.blocks);
            std::sort(e.lines.begin(), e.lines.end(), lineLess);
            e.note = note + ", the key in front";
            to.push_back(std::move(e));
        }
    };
    std::vector<Entry> out;
    for (const auto &[key, made] : designs.all()) {
        const auto [k, t, m, v] = key;
        const auto it = held.find(key);
        const bool joined = !made.note.empty() || made.how.find(" and ") != std::string::npos;
        if ((it == held.end() || it->second > made.blocks.size()) && joined)
            emit(k, t, m, v, made, false, out);
    }
    for (const auto &[key, rank, made] : startDesigns) {
        const auto [k, t, m, v] = key;
        if (starts.out->size() <= rank)
            starts.out->resize(rank + 1);
        emit(k, t, m, v, made, true, (*starts.out)[rank]);
    }
    return out;
}

} // namespace wheel
