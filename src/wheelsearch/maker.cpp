// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheelsearch/maker.h"

#include "wheelsearch/fixedcount.h"
#include "wheelsearch/groupcover.h"
#include "wheelsearch/groups.h"
#include "wheelsearch/join.h"
#include "wheelsearch/orbits.h"
#include "wheelsearch/search.h"
#include "wheelsearch/wheelfile.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <thread>

namespace wheel {

namespace {

using Clock = std::chrono::steady_clock;

// Numbers taken out of a larger wheel: at most this many.
constexpr int kMostTakenOut = 3;
// Counting the drawn sets to find pointless lines: at most this many sets, and this many
// sets looked up over all lines.
constexpr std::uint64_t kMostCountedSets = 20'000'000;
constexpr std::uint64_t kMostLookups = 300'000'000;
// The search follows every drawn set of its design; past this many over all threads it
// would need more memory than a desktop can spare.
constexpr std::uint64_t kMostSetsInAll = 40'000'000;
// A run of the search is a chain of segments this long, each from the best of the one before,
// so that the others see its best; a chain that has not improved for kStallSeconds starts
// again from the best wheel of all with a new seed.
constexpr double kSegmentSeconds = 1.0;
constexpr double kStallSeconds = 3.0;
// One group of the group phase gets at most this long, so that a cancel is seen soon.
constexpr double kMostSecondsAGroup = 1.5;
constexpr std::size_t kMostGroupOrder = 120'000;
constexpr std::size_t kMostGroupOrbits = 300'000;
constexpr auto kProgressEvery = std::chrono::milliseconds(250);
constexpr auto kPollEvery = std::chrono::milliseconds(25);

double secondsSince(Clock::time_point t)
{
    return std::chrono::duration<double>(Clock::now() - t).count();
}

Line firstPositions(int n)
{
    return n >= 64 ? ~Line{0} : (Line{1} << n) - 1;
}

// Calls f(set) for every m-set of the design that meets `block` in at least t points, until
// f returns true; returns whether it did.
template <class F> bool anySetMet(const Design &d, Line block, F &&f)
{
    int in[64];
    int outside[64];
    const int nIn = positionsOf(block, in);
    const int nOut = positionsOf(firstPositions(d.v) & ~block, outside);
    for (int i = d.t; i <= std::min(nIn, d.m); ++i) {
        if (d.m - i > nOut)
            continue;
        const bool stopped = anySubsetOf(in, nIn, i, 0, [&](Line part) {
            return anySubsetOf(outside, nOut, d.m - i, part, [&](Line set) { return f(set); });
        });
        if (stopped)
            return true;
    }
    return false;
}

std::string quotedGuarantee(const WheelSpec &s)
{
    return "\"" + std::to_string(s.x) + " if " + std::to_string(s.y) + "\"";
}

std::string wheelWords(const KnownWheel &k, const WheelSpec &wanted)
{
    std::string words = "the " + k.source + " wheel";
    if (k.spec.x != wanted.x || k.spec.y != wanted.y)
        words += " " + quotedGuarantee(k.spec);
    if (k.spec.z != wanted.z)
        words += " on " + std::to_string(k.spec.z) + " numbers";
    return words + " (" + std::to_string(k.lines.size()) + " lines)";
}

// "36", "35 and 36", "34, 35 and 36": the numbers (positions) in `set`, as a player counts.
std::string numberList(Line set)
{
    int pos[64];
    const int n = positionsOf(set, pos);
    std::string text;
    for (int i = 0; i < n; ++i) {
        if (i > 0)
            text += i == n - 1 ? " and " : ", ";
        text += std::to_string(pos[i] + 1);
    }
    return text;
}

// The best wheel of all the threads so far, and how it came about.
class Best {
public:
    // Keeps `lines` when they are fewer than the best so far; returns the best count. A start
    // names its `origin`; the search names none when it went on from the best so far.
    std::size_t offer(const std::vector<Line> &lines, const std::string &origin, bool searched)
    {
        std::lock_guard lock(mutex_);
        if (!lines.empty() && (lines_.empty() || lines.size() < lines_.size())) {
            lines_ = lines;
            if (!origin.empty())
                origin_ = origin;
            searched_ = searched;
        }
        return lines_.size();
    }
    std::vector<Line> lines() const
    {
        std::lock_guard lock(mutex_);
        return lines_;
    }
    std::size_t count() const
    {
        std::lock_guard lock(mutex_);
        return lines_.size();
    }
    std::string origin() const
    {
        std::lock_guard lock(mutex_);
        return origin_;
    }
    bool searched() const
    {
        std::lock_guard lock(mutex_);
        return searched_;
    }

private:
    mutable std::mutex mutex_;
    std::vector<Line> lines_;
    std::string origin_;    // the start the best wheel was searched from
    bool searched_ = false; // whether the search took lines off that start
};

// The groups a design may be kept by, tried one after another until `seconds` are spent or
// `stop` is set; the smallest design found goes to `best`.
void searchGroups(const WheelSpec &spec, double seconds, std::uint64_t seed, std::size_t mostLines,
                  const std::atomic<bool> &stop, Best &best)
{
    const Design d = designOf(spec);
    const auto started = Clock::now();
    auto left = [&] { return seconds - secondsSince(started); };
    const auto cycles = cycleGroupsFor(d.v, std::max(5, d.v / 3));
    // The geometric groups are listed only when time is left for them after the turns.
    const double aGroup =
        std::clamp(seconds / static_cast<double>(std::max<std::size_t>(1, 2 * cycles.size())), 0.2, kMostSecondsAGroup);
    std::vector<Line> found;
    std::string how;
    for (const PointCycles &g : cycles) {
        if (stop || left() <= 0.0)
            break;
        OrbitSearchOptions o;
        o.group = g;
        o.seed = seed++;
        o.secondsCap = std::min(aGroup, left());
        o.giveUpAbove = mostLines * 2;
        o.movesPerLevel = 50'000'000;
        const auto r = searchOrbitDesign(d, o);
        if (!r.blocks.empty() && (found.empty() || r.blocks.size() < found.size())) {
            found = r.blocks;
            char text[160];
            std::snprintf(text, sizeof text, "a design kept by turning %d run(s) of %d%s, %d fixed (%zu lines)",
                          g.cycles, g.length, g.multiplier != 1 ? " with a multiplier" : "", g.fixedPoints(d.v),
                          found.size());
            how = text;
        }
    }
    if (!stop && left() > 0.2) {
        for (const PermutationGroup &g : geometricGroupsFor(d.v, kMostGroupOrder)) {
            if (stop || left() <= 0.0)
                break;
            GroupSearchOptions o;
            o.seed = seed++;
            o.secondsCap = std::min(aGroup, left());
            o.patience = 0.2;
            o.mostOrbits = kMostGroupOrbits;
            const auto r = searchGroupDesign(d, g, o);
            if (!r.blocks.empty() && (found.empty() || r.blocks.size() < found.size())) {
                found = r.blocks;
                how = "a design kept by the group " + g.name + " (" + std::to_string(found.size()) + " lines)";
            }
        }
    }
    if (!found.empty())
        best.offer(linesFromDesign(spec, found), how, false);
}

// Where the drawn sets are one or two numbers larger than a hit: goes down from the best wheel so far,
// a line at a time, at fixed counts over the drawn sets, until `seconds` are spent or `stop`
// is set; each wheel found goes to `best`.
void searchOverDrawn(const WheelSpec &spec, double seconds, std::uint64_t seed, const std::atomic<bool> &stop,
                     Best &best)
{
    const Design d = designOf(spec);
    const auto started = Clock::now();
    while (!stop) {
        const double left = seconds - secondsSince(started);
        if (left <= 0.0)
            break;
        const auto current = best.lines();
        if (current.size() <= 1) { // no start yet: the other threads' greedy one comes soon
            std::this_thread::sleep_for(kPollEvery);
            continue;
        }
        WeighOptions o;
        o.seed = seed++;
        o.secondsCap = left;
        o.start = designFromLines(spec, current);
        o.stop = &stop;
        const auto blocks = searchOverDrawnSets(d, current.size() - 1, o);
        if (blocks.empty())
            break;
        best.offer(linesFromDesign(spec, blocks), "", true);
    }
}

} // namespace

bool servesRequest(const WheelSpec &held, const WheelSpec &wanted)
{
    return held.pick == wanted.pick && held.type == wanted.type && held.z >= wanted.z && held.x >= wanted.x &&
           held.y <= wanted.y;
}

std::vector<Line> takeNumbersOut(const WheelSpec &from, const std::vector<Line> &lines, Line out)
{
    const Line keep = firstPositions(from.z) & ~out;
    int newPlace[64];
    int place = 0;
    for (int p = 0; p < from.z; ++p)
        newPlace[p] = (keep >> p & 1) ? place++ : -1;
    std::vector<int> uses(static_cast<std::size_t>(from.z), 0);
    for (Line l : lines)
        for (Line s = l & keep; s; s &= s - 1)
            ++uses[static_cast<std::size_t>(std::countr_zero(s))];
    std::vector<Line> result;
    result.reserve(lines.size());
    for (Line l : lines) {
        Line kept = l & keep;
        for (int missing = std::popcount(l & out); missing > 0; --missing) {
            int fill = -1;
            for (Line s = keep & ~kept; s; s &= s - 1) {
                const int p = std::countr_zero(s);
                if (fill < 0 || uses[static_cast<std::size_t>(p)] < uses[static_cast<std::size_t>(fill)])
                    fill = p;
            }
            if (fill < 0)
                break; // fewer numbers left than a line holds: no wheel
            kept |= Line{1} << fill;
            ++uses[static_cast<std::size_t>(fill)];
        }
        Line renumbered = 0;
        for (Line s = kept; s; s &= s - 1)
            renumbered |= Line{1} << newPlace[std::countr_zero(s)];
        result.push_back(renumbered);
    }
    std::sort(result.begin(), result.end(), lineLess);
    result.erase(std::unique(result.begin(), result.end()), result.end());
    return result;
}

std::size_t dropPointlessLines(const WheelSpec &spec, std::vector<Line> &lines)
{
    const Design d = designOf(spec);
    const std::uint64_t sets = binomial(d.v, d.m);
    if (lines.empty() || sets == 0 || sets > kMostCountedSets ||
        static_cast<double>(lines.size()) * static_cast<double>(setsPerBlock(d)) > static_cast<double>(kMostLookups))
        return 0;
    std::vector<Line> blocks = designFromLines(spec, lines);
    std::vector<std::uint16_t> held(sets, 0);
    for (Line b : blocks)
        anySetMet(d, b, [&](Line set) {
            auto &count = held[colexRank(set)];
            if (count < UINT16_MAX)
                ++count;
            return false;
        });
    std::size_t dropped = 0;
    for (std::size_t i = blocks.size(); i-- > 0;) {
        const bool needed = anySetMet(d, blocks[i], [&](Line set) { return held[colexRank(set)] < 2; });
        if (needed)
            continue;
        anySetMet(d, blocks[i], [&](Line set) {
            auto &count = held[colexRank(set)];
            if (count < UINT16_MAX)
                --count;
            return false;
        });
        blocks.erase(blocks.begin() + static_cast<std::ptrdiff_t>(i));
        ++dropped;
    }
    if (dropped > 0) {
        lines = linesFromDesign(spec, blocks);
        std::sort(lines.begin(), lines.end(), lineLess);
    }
    return dropped;
}

std::vector<MakerStart> startsFromKnown(const WheelSpec &spec, const std::vector<KnownWheel> &known)
{
    std::vector<MakerStart> starts;
    for (const KnownWheel &k : known) {
        if (k.lines.empty() || !servesRequest(k.spec, spec) || k.spec.z - spec.z > kMostTakenOut)
            continue;
        if (k.spec.z == spec.z) {
            starts.push_back({k.lines, wheelWords(k, spec)});
            continue;
        }
        // Which numbers go makes a difference only to the lines left pointless: try those on
        // most lines, on fewest, and the last ones.
        const int taken = k.spec.z - spec.z;
        const int first = k.spec.type == 'k' ? 1 : 0; // a key wheel keeps its key
        std::vector<std::pair<int, int>> uses;        // (lines, number)
        for (int p = first; p < k.spec.z; ++p) {
            int n = 0;
            for (Line l : k.lines)
                n += static_cast<int>(l >> p & 1);
            uses.emplace_back(n, p);
        }
        std::sort(uses.begin(), uses.end());
        Line fewest = 0;
        Line most = 0;
        for (int i = 0; i < taken; ++i) {
            fewest |= Line{1} << uses[static_cast<std::size_t>(i)].second;
            most |= Line{1} << uses[uses.size() - 1 - static_cast<std::size_t>(i)].second;
        }
        const Line last = firstPositions(k.spec.z) & ~firstPositions(spec.z);
        MakerStart bestHere;
        for (Line out : {last, most, fewest}) {
            auto lines = takeNumbersOut(k.spec, k.lines, out);
            const std::size_t dropped = dropPointlessLines(spec, lines);
            if (!bestHere.lines.empty() && lines.size() >= bestHere.lines.size())
                continue;
            bestHere.lines = std::move(lines);
            bestHere.how = "number" + std::string(taken > 1 ? "s " : " ") + numberList(out) + " taken out of " +
                           wheelWords(k, spec);
            if (dropped > 0)
                bestHere.how +=
                    ", " + std::to_string(dropped) + " line" + (dropped > 1 ? "s" : "") + " left pointless dropped";
        }
        starts.push_back(std::move(bestHere));
    }
    std::stable_sort(starts.begin(), starts.end(),
                     [](const MakerStart &a, const MakerStart &b) { return a.lines.size() < b.lines.size(); });
    return starts;
}

std::vector<MakerStart> startsJoined(const WheelSpec &spec, const std::vector<KnownWheel> &known)
{
    // The parts are wheels of this pick and the one below on fewer numbers; the wheels held
    // for the request itself stay out, so that the join is made even where one is held.
    std::vector<Entry> parts;
    for (const KnownWheel &k : known)
        if (k.spec.z < spec.z && k.spec.pick >= spec.pick - 1 && k.spec.pick <= spec.pick && !k.lines.empty())
            parts.push_back({k.spec, k.lines, 0, k.source, {}});
    std::vector<MakerStart> starts;
    for (Entry &e : joinParts(parts, {spec.pick}, spec.z))
        if (e.spec.z == spec.z && e.spec.type == spec.type && servesRequest(e.spec, spec) && !e.lines.empty())
            starts.push_back({std::move(e.lines), "a wheel " + e.note});
    std::stable_sort(starts.begin(), starts.end(),
                     [](const MakerStart &a, const MakerStart &b) { return a.lines.size() < b.lines.size(); });
    return starts;
}

MadeWheel makeWheel(const MakeWheelOptions &o)
{
    const auto started = Clock::now();
    const auto deadline =
        started + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(o.seconds));
    auto secondsLeft = [&] { return std::max(0.0, std::chrono::duration<double>(deadline - Clock::now()).count()); };
    std::atomic<bool> stop{false};
    auto shouldStop = [&] { return stop.load() || (o.cancelled && o.cancelled->load()) || Clock::now() >= deadline; };

    MadeWheel made;
    Best best;
    for (const KnownWheel &k : o.known)
        if (k.spec.pick == o.spec.pick && k.spec.type == o.spec.type && k.spec.z == o.spec.z && k.spec.x == o.spec.x &&
            k.spec.y == o.spec.y && !k.lines.empty() && (made.heldLines == 0 || k.lines.size() < made.heldLines))
            made.heldLines = k.lines.size();
    auto starts = startsFromKnown(o.spec, o.known);
    if (!shouldStop())
        for (auto &s : startsJoined(o.spec, o.known))
            starts.push_back(std::move(s));
    for (const MakerStart &s : starts)
        if (s.lines.size() <= 2 * o.mostLines)
            best.offer(s.lines, s.how, false);
    made.startLines = best.count();
    if (made.startLines > 0 && made.startLines <= o.lowerBound)
        stop = true;

    const Design design = designOf(o.spec);
    const std::uint64_t sets = std::max<std::uint64_t>(1, binomial(design.v, design.m));
    const int threads =
        std::clamp<int>(o.threads, 1, static_cast<int>(std::max<std::uint64_t>(1, kMostSetsInAll / sets)));
    const bool groupsKeep = design.t == design.m && o.groupShare > 0.0;
    const bool overDrawnSets = design.m > design.t && searchableAtFixedCount(design) && o.groupShare > 0.0;
    std::atomic<int> runs{0};

    auto search = [&] {
        while (!shouldStop()) {
            const int run = runs++;
            // Seeds far apart, so that no two runs (of this making or the next) share a sequence.
            std::uint64_t seed = o.seed * 1'000'003u + static_cast<std::uint64_t>(run) * 10'007u;
            std::vector<Line> current = best.lines();
            const bool fromGreedy = current.empty();
            auto lastGain = Clock::now();
            while (!shouldStop()) {
                const double left = secondsLeft();
                SearchOptions so;
                so.seed = ++seed;
                so.secondsCap = std::min(kSegmentSeconds, left);
                so.start = current;
                so.stop = &stop;
                if (current.empty()) {
                    so.giveUpAbove = o.mostLines + o.mostLines / 2;
                    so.greedySecondsCap = std::max(left, 0.001);
                }
                const auto found = searchWheel(o.spec, so);
                if (found.blocks.empty())
                    break; // the greedy start alone needs too many lines or too long
                if (current.empty() || found.blocks.size() < current.size()) {
                    const std::string origin =
                        fromGreedy ? "a greedy start of " + std::to_string(found.greedyLines) + " lines" : "";
                    current = found.blocks;
                    lastGain = Clock::now();
                    if (best.offer(current, origin, true) <= o.lowerBound)
                        stop = true;
                } else if (secondsSince(lastGain) > kStallSeconds) {
                    break;
                }
            }
        }
    };
    std::vector<std::thread> pool;
    pool.reserve(static_cast<std::size_t>(threads));
    for (int i = 0; i < threads; ++i)
        pool.emplace_back([&, i] {
            if (i == 0 && groupsKeep)
                searchGroups(o.spec, o.seconds * o.groupShare, o.seed, o.mostLines, stop, best);
            // Over the drawn sets the descent does far better than dropping lines; with one
            // thread it still leaves the search the rest of the time.
            if (i == 0 && overDrawnSets)
                searchOverDrawn(o.spec, threads > 1 ? o.seconds : o.seconds * (1.0 - o.groupShare), o.seed, stop, best);
            search();
        });

    // The clock is read here too: a thread deep in a step sees `stop` as soon as it is set.
    auto lastReport = Clock::now() - kProgressEvery;
    while (!shouldStop()) {
        if (o.progress && Clock::now() - lastReport >= kProgressEvery) {
            lastReport = Clock::now();
            o.progress(best.count(), secondsLeft(), runs.load());
        }
        std::this_thread::sleep_for(kPollEvery);
    }
    stop = true;
    for (auto &t : pool)
        t.join();
    if (o.progress)
        o.progress(best.count(), 0.0, runs.load());

    made.lines = best.lines();
    std::sort(made.lines.begin(), made.lines.end(), lineLess);
    made.runs = runs.load();
    made.seconds = secondsSince(started);
    char searched[120];
    std::snprintf(searched, sizeof searched, "searched %.1f s on %d thread%s", made.seconds, threads,
                  threads > 1 ? "s" : "");
    const std::string origin = best.origin();
    if (made.lines.empty())
        made.note.clear();
    else if (best.searched())
        made.note =
            "made from " + origin + ", then " + searched + " to " + std::to_string(made.lines.size()) + " lines";
    else if (made.lines.size() <= o.lowerBound)
        made.note = "made from " + origin + ", as few lines as any wheel can have";
    else
        made.note = "made from " + origin + "; " + searched + " without finding fewer lines";
    return made;
}

} // namespace wheel
