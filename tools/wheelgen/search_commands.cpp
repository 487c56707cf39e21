// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The wheelgen commands that search for wheels: one at a time, or every wheel of a folder
// of search results that a pass can make smaller.
#include "commands.h"
#include "common.h"
#include "wheelsearch/extend.h"
#include "wheelsearch/fixedcount.h"
#include "wheelsearch/groupcover.h"
#include "wheelsearch/notes.h"
#include "wheelsearch/orbits.h"
#include "wheelsearch/quads.h"
#include "wheelsearch/search.h"
#include "wheelsearch/verify.h"

#include <cstdio>
#include <functional>
#include <map>
#include <mutex>
#include <tuple>

namespace wheelgen {

using namespace wheel;

namespace {

// The catalogue searches up to this many numbers unless told otherwise.
constexpr int kDefaultMostNumbers = 30;

// Larger groups than this are not tried: their orbits grow too coarse for the catalogue,
// and listing their maps takes long.
constexpr std::size_t kMostGroupOrder = 120'000;
// Past this many orbits of blocks a group is too small: weighing them all takes long and
// the cover of so many is no better than the plain search.
constexpr std::size_t kMostGroupOrbits = 300'000;
// The annealing that hands out the new numbers of an extension moves this many times per block.
constexpr std::uint64_t kColouringMovesPerBlock = 4000;
// How many lines the greedy cover of an extension grows for each line it takes.
constexpr int kGrowthsPerLine = 64;
// How many of the groups that did best are searched again for longer.
constexpr std::size_t kGroupsSearchedLonger = 3;

// The smallest wheel of the spec that a cyclic group keeps, over every group worth trying
// (SECONDS each), then searched again without the group for SECONDS to drop what it can.
Entry searchThroughOrbits(const WheelSpec &spec, double seconds, std::uint64_t seed, std::size_t mostLines, bool talk)
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
        if (talk)
            std::fprintf(stderr, "  runs of %d x %d, times %d, %d fixed: %zu lines (%zu base blocks, %.1f s)\n",
                         g.length, g.cycles, g.multiplier, g.fixedPoints(d.v), r.blocks.size(), r.baseBlocks,
                         r.seconds);
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

// The groups from geometry on v numbers whose names hold `only` (all of them when empty).
std::vector<PermutationGroup> groupsNamed(int v, const std::string &only)
{
    auto groups = geometricGroupsFor(v, kMostGroupOrder);
    std::erase_if(groups, [&](const PermutationGroup &g) { return g.name.find(only) == std::string::npos; });
    return groups;
}

// The smallest wheel of the spec that a group from geometry keeps, over every such group
// on its numbers (SECONDS each), then searched again without the group for SECONDS.
Entry searchThroughGroups(const WheelSpec &spec, double seconds, std::uint64_t seed, std::size_t mostLines, bool talk,
                          const std::string &only = {})
{
    const Design d = designOf(spec);
    struct Tried {
        std::size_t group;
        GroupSearchResult result;
    };
    std::vector<Tried> tried;
    const auto groups = groupsNamed(d.v, only);
    auto attempt = [&](std::size_t i, double cap, double patience) {
        GroupSearchOptions o;
        o.seed = seed++;
        o.secondsCap = cap;
        o.patience = patience;
        o.mostOrbits = kMostGroupOrbits;
        auto r = searchGroupDesign(d, groups[i], o);
        if (talk)
            std::fprintf(stderr, "  %s (%zu maps): %s%zu lines (%zu orbits, %.1f s)\n", groups[i].name.c_str(),
                         groups[i].order(), r.tooLarge ? "too many orbits, " : "", r.blocks.size(), r.orbits,
                         r.seconds);
        if (!r.blocks.empty())
            tried.push_back({i, std::move(r)});
    };
    // Of designs as small, the one of fewest orbits says most about its making.
    auto better = [](const Tried &a, const Tried &b) {
        return a.result.blocks.size() < b.result.blocks.size() ||
               (a.result.blocks.size() == b.result.blocks.size() && a.result.orbits < b.result.orbits);
    };
    for (std::size_t i = 0; i < groups.size(); ++i)
        attempt(i, seconds, 0.5);
    // The groups that did best get four times as long again.
    std::sort(tried.begin(), tried.end(), better);
    const std::size_t firstPass = tried.size();
    for (std::size_t i = 0; i < std::min<std::size_t>(firstPass, kGroupsSearchedLonger); ++i)
        attempt(tried[i].group, 4 * seconds, seconds);
    Entry e{spec, {}, 0, {}, {}};
    if (tried.empty())
        return e;
    const Tried &best = *std::min_element(tried.begin(), tried.end(), better);
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

using OrbitSearch = std::function<Entry(const WheelSpec &, double, std::uint64_t, std::size_t, bool)>;

// Reads "PICK TYPE NUMBERS X Y [SECONDS [SEED]]" and prints the wheel the search makes.
int searchOne(const std::vector<std::string> &args, const OrbitSearch &search)
{
    WheelSpec spec;
    if (!parseSpec(args, spec))
        return usage();
    double seconds = 10;
    std::uint64_t seed = 1;
    try {
        if (args.size() > 5)
            seconds = std::stod(args[5]);
        if (args.size() > 6)
            seed = std::stoull(args[6]);
    } catch (...) {
        return usage();
    }
    const Entry e = search(spec, seconds, seed, 1 << 20, true);
    if (e.lines.empty() || !verifyWheel(spec, e.lines).holds)
        return 1;
    std::cout << formatEntry(e);
    return 0;
}

} // namespace

int cmdSearch(const std::vector<std::string> &args)
{
    WheelSpec spec;
    if (!parseSpec(args, spec))
        return usage();
    SearchOptions o;
    try {
        if (args.size() > 5)
            o.seed = std::stoull(args[5]);
        if (args.size() > 6)
            o.secondsCap = std::stod(args[6]);
        if (args.size() > 7)
            o.movesPerLevel = std::stoull(args[7]);
    } catch (...) {
        return usage();
    }
    const auto r = searchWheel(spec, o);
    Entry e{spec, r.blocks, 0, searchedNote(r.seconds, r.greedyLines), {}};
    std::cout << formatEntry(e);
    std::cerr << "greedy " << r.greedyLines << ", found " << r.blocks.size() << " in " << r.seconds << " s\n";
    return r.blocks.empty() ? 1 : 0;
}

namespace {

// Tells how far an exact pair cover went and prints the wheel it found, proven; the exit
// code says whether there was one.
int printPairCover(const WheelSpec &spec, const ExactPairCover &r, const std::string &note)
{
    std::cerr << r.nodes << " nodes" << (r.exhausted ? ", every choice tried" : "") << "\n";
    if (r.blocks.empty())
        return 1;
    const Entry e{spec, linesFromDesign(spec, r.blocks), 0, note, {}};
    std::cout << formatEntry(e);
    return verifyWheel(spec, e.lines).holds ? 0 : 1;
}

} // namespace

// Prints the key wheel pick 5 "3 if 3" on V + 1 numbers whose lines, key dropped, put one
// pair of numbers on four lines and every other pair on one: as few lines as counting
// allows for V = 7 or 10 (mod 12).
int cmdQuads(const std::vector<std::string> &args)
{
    if (args.empty() || args.size() > 3)
        return usage();
    int v = 0;
    std::uint64_t seed = 1;
    std::uint64_t nodes = 1'000'000'000;
    try {
        v = std::stoi(args[0]);
        if (args.size() > 1)
            seed = std::stoull(args[1]);
        if (args.size() > 2)
            nodes = std::stoull(args[2]);
    } catch (...) {
        return usage();
    }
    if (!quadCoverPutsOnePairOnFour(v) || v + 1 > kMaxPositions) {
        std::cerr << "V must be 7 or 10 modulo 12, from 22 to " << kMaxPositions - 1 << "\n";
        return 2;
    }
    const auto r = quadCoverWithOnePairOnFour(v, seed, nodes);
    return printPairCover({5, 'k', v + 1, 3, 3}, r,
                          "kept by the group the turns modulo 3 on " + std::to_string((v - 4) / 3) +
                              " copies, 4 fixed: " + std::to_string(r.blocks.size()) +
                              " lines found by exact cover, one pair after the key on four lines and every other "
                              "pair on one");
}

// Prints the wheel of pairs found by exactPairCover: pick K "2 if 2" on V numbers, or for
// K = 4 the key wheel pick 5 "3 if 3" on V + 1. Numbers 1 to FIXED stay, the rest turn in
// runs of LENGTH; each X-Y puts the pairs of its orbit on one line more, each A,B,C,...
// is a line taken with all its turns.
int cmdPairs(const std::vector<std::string> &args)
{
    if (args.size() < 6)
        return usage();
    PairCoverAsk ask;
    std::uint64_t seed = 1;
    std::uint64_t nodes = 0;
    try {
        ask.k = std::stoi(args[0]);
        ask.v = std::stoi(args[1]);
        ask.length = std::stoi(args[2]);
        ask.fixed = std::stoi(args[3]);
        seed = std::stoull(args[4]);
        nodes = std::stoull(args[5]);
        for (std::size_t i = 6; i < args.size(); ++i) {
            std::vector<int> numbers;
            std::size_t at = 0;
            const std::string &word = args[i];
            const bool pair = word.find('-') != std::string::npos;
            while (at < word.size()) {
                std::size_t used = 0;
                numbers.push_back(std::stoi(word.substr(at), &used) - 1);
                at += used + 1;
            }
            if (pair && numbers.size() == 2)
                ask.oftener.emplace_back(numbers[0], numbers[1]);
            else if (!pair)
                ask.given.push_back(numbers);
            else
                return usage();
        }
    } catch (...) {
        return usage();
    }
    const bool key = ask.k == 4;
    const WheelSpec spec = key ? WheelSpec{5, 'k', ask.v + 1, 3, 3} : WheelSpec{ask.k, 'a', ask.v, 2, 2};
    if (ask.k < 4 || ask.k > 7 || spec.z > kMaxPositions)
        return usage();
    const auto r = exactPairCover(ask, seed, nodes);
    std::string note = "kept by the group the turns modulo " + std::to_string(ask.length) + " on " +
                       std::to_string((ask.v - ask.fixed) / ask.length) + " copies, " + std::to_string(ask.fixed) +
                       " fixed: " + std::to_string(r.blocks.size()) + " lines found by exact cover, every pair " +
                       (key ? "after the key " : "") + "on one line";
    if (!ask.oftener.empty()) {
        note += " but the turns of";
        for (const auto &[x, y] : ask.oftener)
            note += " " + std::to_string(x + 1 + (key ? 1 : 0)) + "-" + std::to_string(y + 1 + (key ? 1 : 0));
        note += ", on one more each time named";
    }
    return printPairCover(spec, r, note);
}

int cmdOrbit(const std::vector<std::string> &args)
{
    return searchOne(args, searchThroughOrbits);
}

// Tries every choice of orbits under each group (whose name holds GROUP, if given) for a
// wheel of at most LINES lines, SECONDS a group, and prints the first one found.
int cmdExact(const std::vector<std::string> &args)
{
    WheelSpec spec;
    if (args.size() < 6 || !parseSpec(args, spec))
        return usage();
    std::size_t most = 0;
    double seconds = 10;
    try {
        most = std::stoul(args[5]);
        if (args.size() > 6)
            seconds = std::stod(args[6]);
    } catch (...) {
        return usage();
    }
    const std::string only = args.size() > 7 ? args[7] : std::string();
    const Design d = designOf(spec);
    const auto groups = groupsNamed(d.v, only);
    for (std::size_t i = 0; i < groups.size(); ++i) {
        GroupSearchOptions o;
        o.seed = i + 1;
        o.secondsCap = seconds;
        o.mostOrbits = kMostGroupOrbits;
        o.backtrackAtMost = most;
        const auto r = searchGroupDesign(d, groups[i], o);
        std::fprintf(stderr, "  %s (%zu maps): %s%zu lines (%.1f s)\n", groups[i].name.c_str(), groups[i].order(),
                     r.tooLarge ? "too many orbits, " : "", r.blocks.size(), r.seconds);
        if (r.blocks.empty())
            continue;
        Entry e{spec, linesFromDesign(spec, r.blocks), 0, {}, {}};
        e.note = "kept by the group " + groups[i].name +
                 ", every choice of its orbits tried: " + std::to_string(r.orbits) + " orbits of lines, " +
                 std::to_string(e.lines.size()) + " lines";
        if (!verifyWheel(spec, e.lines).holds)
            return 1;
        std::cout << formatEntry(e);
        return 0;
    }
    return 1;
}

int cmdGroup(const std::vector<std::string> &args)
{
    // A name given last picks the groups whose names hold it.
    const std::string only = args.size() > 7 ? args[7] : std::string();
    return searchOne(args, [&only](const WheelSpec &spec, double seconds, std::uint64_t seed, std::size_t most,
                                   bool talk) { return searchThroughGroups(spec, seconds, seed, most, talk, only); });
}

// Searches through orbits every wheel in RAW_DIR that stands more than RATIO times above
// its published record, the worst first (a key wheel only where the pick below is not
// searched, as assemble makes the others from that pick's type-a wheels), and writes each
// one it makes smaller into RAW_DIR; or, given a range of numbers, every guarantee there
// that has no wheel yet. A wheel tried without gain leaves a mark in RAW_DIR/orbits-tried,
// so a rerun goes on where the last one stopped.
static int searchEveryWheel(const std::vector<std::string> &args, const char *triedFolder, const OrbitSearch &search)
{
    if (args.size() < 4)
        return usage();
    double seconds = 0;
    double ratio = 0;
    std::vector<int> picks{5, 6, 7};
    int fewestNumbers = 0;
    int mostNumbers = 0;
    try {
        seconds = std::stod(args[0]);
        ratio = std::stod(args[3]);
        if (args.size() > 4)
            picks = readPicks(args[4]);
        if (args.size() > 5 && std::sscanf(args[5].c_str(), "%d-%d", &fewestNumbers, &mostNumbers) != 2)
            return usage();
    } catch (...) {
        return usage();
    }
    if (mostNumbers > kMaxPositions || fewestNumbers > mostNumbers)
        return usage();
    const fs::path raw = args[1];
    Records records;
    if (!readRecords(args[2], records))
        return 1;
    std::vector<Entry> all;
    if (!readRawWheels(raw, all))
        return 1;
    std::map<std::tuple<int, char, int, int, int>, Entry> best;
    for (auto &e : all) {
        const auto key = std::make_tuple(e.spec.pick, e.spec.type, e.spec.z, e.spec.x, e.spec.y);
        const auto it = best.find(key);
        if (it == best.end() || e.lines.size() < it->second.lines.size())
            best[key] = std::move(e);
    }
    struct Job {
        Entry entry;
        double ratio;
    };
    std::vector<Job> jobs;
    const fs::path tried = raw / triedFolder;
    fs::create_directories(tried);
    constexpr std::size_t kMaxLines = 2000;
    // Given a range of numbers: the guarantees there that have no wheel yet, neither their
    // own nor a stronger one (a key wheel only where the pick below is not searched, as
    // assemble makes the others from that pick's type-a wheels).
    for (int pick : picks)
        for (char type : {'a', 'k'})
            for (int z = std::max(pick + 1, fewestNumbers); mostNumbers > 0 && z <= mostNumbers; ++z)
                for (int x = 2; x <= pick; ++x)
                    for (int y = x; y <= pick; ++y) {
                        const WheelSpec spec{pick, type, z, x, y};
                        const bool smallerPick = std::find(picks.begin(), picks.end(), pick - 1) != picks.end();
                        if (spec.isFull() || (type == 'k' && (x == 2 || smallerPick)) ||
                            lowerBound(designOf(spec)) > kMaxLines || fs::exists(tried / rawName(spec)))
                            continue;
                        bool held = false;
                        for (int xx = x; xx <= pick && !held; ++xx)
                            for (int yy = xx; yy <= y && !held; ++yy)
                                held = best.count(std::make_tuple(pick, type, z, xx, yy)) > 0;
                        if (!held)
                            jobs.push_back({Entry{spec, {}, 0, {}, {}}, 0.0});
                    }
    for (const auto &[key, e] : best) {
        const bool smallerPick = std::find(picks.begin(), picks.end(), e.spec.pick - 1) != picks.end();
        if (mostNumbers > 0 || (e.spec.type == 'k' && (e.spec.x == 2 || smallerPick)) || e.spec.isFull() ||
            std::find(picks.begin(), picks.end(), e.spec.pick) == picks.end() || fs::exists(tried / rawName(e.spec)))
            continue;
        const Design d = designOf(e.spec);
        const auto it = records.find({d.v, d.k, d.t, d.m});
        if (it == records.end())
            continue;
        const double r = static_cast<double>(e.lines.size()) / static_cast<double>(it->second.best);
        if (r > ratio)
            jobs.push_back({e, r});
    }
    std::stable_sort(jobs.begin(), jobs.end(), [](const Job &a, const Job &b) { return a.ratio > b.ratio; });
    std::printf("%zu wheels to search\n", jobs.size());
    std::fflush(stdout);

    std::mutex out;
    forEachJob(jobs.size(), defaultThreads(), [&](std::size_t i) {
        const Entry &old = jobs[i].entry;
        const std::size_t most = old.lines.empty() ? kMaxLines : old.lines.size() - 1;
        const Entry e = search(old.spec, seconds, 7919 * (i + 1), most, false);
        const bool better = !e.lines.empty() && e.lines.size() <= most && verifyWheel(e.spec, e.lines).holds;
        // Another run may have put a better wheel there meanwhile.
        if (better && !rawHoldsAtMost(raw / rawName(e.spec), e.lines.size()))
            replaceFile(raw / rawName(e.spec), formatEntry(e));
        replaceFile(tried / rawName(old.spec), better ? e.note + "\n" : "no gain\n");
        std::lock_guard lock(out);
        if (old.lines.empty()) {
            std::printf("%s: none -> %zu\n", rawName(old.spec).c_str(), better ? e.lines.size() : 0);
            std::fflush(stdout);
            return;
        }
        std::printf("%s: %zu -> %zu (ratio %.3f -> %.3f)\n", rawName(old.spec).c_str(), old.lines.size(),
                    better ? e.lines.size() : old.lines.size(), jobs[i].ratio,
                    better ? jobs[i].ratio * static_cast<double>(e.lines.size()) / static_cast<double>(old.lines.size())
                           : jobs[i].ratio);
        std::fflush(stdout);
    });
    return 0;
}

int cmdOrbits(const std::vector<std::string> &args)
{
    return searchEveryWheel(args, "orbits-tried", searchThroughOrbits);
}

int cmdGroups(const std::vector<std::string> &args)
{
    return searchEveryWheel(args, "groups-tried",
                            [](const WheelSpec &spec, double seconds, std::uint64_t seed, std::size_t most, bool talk) {
                                return searchThroughGroups(spec, seconds, seed, most, talk);
                            });
}

// Searches again every wheel in RAW_DIR whose lines must hold every pair, triple or
// 4-set of the numbers ("2 if 2" to "4 if 4", key "3 if 3" to "5 if 5") at a fixed count,
// one line fewer at a time, each design once, but not those already at their published
// record in RECORDS.csv; writes into RAW_DIR each wheel it makes smaller. A SEED given
// last starts other runs than the last time (the search at a fixed count depends much on
// its start). `method` says how each count is searched (see fixedcount.h).
namespace {

// The smallest wheel of each design the searches at a fixed count take, a type-a wheel
// before a key wheel of as many lines.
std::map<std::tuple<int, int, int>, Entry> smallestByDesign(std::vector<Entry> &all)
{
    std::map<std::tuple<int, int, int>, Entry> best;
    for (auto &e : all) {
        const Design d = designOf(e.spec);
        if (!searchableAtFixedCount(d) || e.spec.isFull())
            continue;
        const auto it = best.find({d.v, d.k, d.t});
        if (it == best.end() || e.lines.size() < it->second.lines.size() ||
            (e.lines.size() == it->second.lines.size() && e.spec.type == 'a'))
            best[{d.v, d.k, d.t}] = std::move(e);
    }
    return best;
}

// Whether a wheel could have fewer lines: above the counting bound and above its record.
bool worthSearching(const Entry &e, const Records &records)
{
    const Design d = designOf(e.spec);
    const auto record = records.find({d.v, d.k, d.t, d.m});
    return e.lines.size() > lowerBound(d) && (record == records.end() || e.lines.size() > record->second.best);
}

// SECONDS RAW_DIR [RECORDS.csv [SEED]], as the searches at a fixed count take them.
struct FixedCountArgs {
    Records records;
    double seconds = 0;
    std::uint64_t firstSeed = 0;
    fs::path raw;
    std::vector<Entry> all; // the wheels in raw
};
// -1 when they are read, else the exit code.
int readFixedCountArgs(const std::vector<std::string> &args, FixedCountArgs &a)
{
    if (args.size() < 2 || args.size() > 4)
        return usage();
    if (args.size() >= 3 && !readRecords(args[2], a.records))
        return 1;
    try {
        a.seconds = std::stod(args[0]);
        if (args.size() == 4)
            a.firstSeed = std::stoull(args[3]);
    } catch (...) {
        return usage();
    }
    a.raw = args[1];
    return readRawWheels(a.raw, a.all) ? -1 : 1;
}

} // namespace

int cmdFixed(const std::vector<std::string> &args, FixedCountMethod method)
{
    FixedCountArgs a;
    if (const int code = readFixedCountArgs(args, a); code >= 0)
        return code;
    auto best = smallestByDesign(a.all);
    std::vector<Entry> jobs;
    for (auto &[key, e] : best)
        if (worthSearching(e, a.records))
            jobs.push_back(std::move(e));
    std::printf("%zu designs to search at a fixed count\n", jobs.size());
    std::fflush(stdout);

    std::mutex out;
    forEachJob(jobs.size(), defaultThreads(), [&](std::size_t i) {
        const Entry &old = jobs[i];
        const Design d = designOf(old.spec);
        FixedCountOptions o;
        o.seed = a.firstSeed + 7919 * (i + 1);
        o.secondsCap = a.seconds;
        o.method = method;
        const auto r = descendAtFixedCount(d, old.lines.size(), o);
        Entry e{
            old.spec, linesFromDesign(old.spec, r.blocks), 0, fixedCountNote(r.blocks.size(), r.seconds, method), {}};
        const bool better = !r.blocks.empty() && verifyWheel(e.spec, e.lines).holds;
        // Another run may have put a better wheel there meanwhile.
        if (better && !rawHoldsAtMost(a.raw / rawName(e.spec), e.lines.size()))
            replaceFile(a.raw / rawName(e.spec), formatEntry(e));
        std::lock_guard lock(out);
        std::printf("%s: %zu -> %zu (%.1f s)\n", rawName(old.spec).c_str(), old.lines.size(),
                    better ? e.lines.size() : old.lines.size(), r.seconds);
        std::fflush(stdout);
    });
    return 0;
}

// Searches every wheel of the given picks that RAW_DIR does not hold yet. A wheel that
// cannot be had in 2,000 lines leaves a file saying so, so a rerun skips it.
// Every design of triples or 4-sets whose design of one or two numbers fewer per line is in
// RAW_DIR too: its lines extended by as many new numbers (extendByNewPoints), completed
// greedily, then weighed at a fixed count from there, one line fewer at a time.
int cmdExtend(const std::vector<std::string> &args)
{
    FixedCountArgs a;
    if (const int code = readFixedCountArgs(args, a); code >= 0)
        return code;
    auto best = smallestByDesign(a.all);
    // A design and the smaller ones it may grow from, one for each count of new numbers.
    struct Base {
        int fresh; // new numbers
        int each;  // of them on every line of the base
        const Entry *entry;
    };
    struct Job {
        Entry target;
        std::vector<Base> bases;
    };
    std::vector<Job> jobs;
    for (const auto &[key, e] : best) {
        const auto [v, k, t] = key;
        if ((t != 3 && t != 4) || !worthSearching(e, a.records))
            continue;
        Job job{e, {}};
        for (int fresh = std::max(2, t - 1); fresh < k; ++fresh)
            if (const auto from = best.find({v - fresh, k - 1, t}); from != best.end())
                job.bases.push_back({fresh, 1, &from->second});
        // Two new numbers a line: up to half the numbers new, past that the lines of few old
        // ones that the new pairs need cost more than the base saves.
        for (int fresh = 3; fresh <= v / 2; ++fresh)
            if (const auto from = best.find({v - fresh, k - 2, t}); from != best.end() && k - 2 >= t)
                job.bases.push_back({fresh, 2, &from->second});
        if (!job.bases.empty())
            jobs.push_back(std::move(job));
    }
    std::printf("%zu designs to extend\n", jobs.size());
    std::fflush(stdout);

    std::mutex out;
    forEachJob(jobs.size(), defaultThreads(), [&](std::size_t i) {
        const Entry &old = jobs[i].target;
        const Design d = designOf(old.spec);
        const std::uint64_t seed = a.firstSeed + 7919 * (i + 1);
        // Every smaller design is extended and covered; the fewest lines go on.
        SearchResult start;
        const Entry *base = nullptr;
        int fresh = 0;
        int each = 0;
        std::size_t bare = 0;
        for (const auto &[count, perLine, from] : jobs[i].bases) {
            const auto baseBlocks = designFromLines(from->spec, from->lines);
            const auto extension =
                extendByNewPoints(d, baseBlocks, count, seed, kColouringMovesPerBlock * baseBlocks.size(), perLine);
            if (extension.blocks.empty())
                continue;
            SearchOptions complete;
            complete.seed = seed;
            complete.movesPerLevel = 0; // drop what is not needed, nothing more
            complete.start = coverBareGreedily(d, extension.blocks, seed, kGrowthsPerLine);
            if (complete.start.empty()) // too many t-sets to list: the search covers them itself
                complete.start = extension.blocks;
            auto covered = searchDesign(d, complete);
            std::fprintf(stderr, "  %s from %s, %d new, %d a line: %zu sets bare, %zu lines once covered\n",
                         rawName(old.spec).c_str(), rawName(from->spec).c_str(), count, perLine, extension.bare,
                         covered.blocks.size());
            if (base == nullptr || covered.blocks.size() < start.blocks.size()) {
                start = std::move(covered);
                base = from;
                fresh = count;
                each = perLine;
                bare = extension.bare;
            }
        }
        if (base == nullptr)
            return;
        FixedCountOptions o;
        o.seed = seed;
        o.secondsCap = a.seconds;
        o.method = FixedCountMethod::weigh;
        o.start = start.blocks;
        const auto r = descendAtFixedCount(d, start.blocks.size(), o);
        const auto &blocks = r.blocks.empty() ? start.blocks : r.blocks;
        Entry e{old.spec,
                linesFromDesign(old.spec, blocks),
                0,
                extendedNote(base->spec, base->lines.size(), fresh, each, d.k - fresh, d.t, start.blocks.size(),
                             blocks.size(), r.seconds),
                {}};
        const bool better = blocks.size() < old.lines.size() && verifyWheel(e.spec, e.lines).holds;
        if (better && !rawHoldsAtMost(a.raw / rawName(e.spec), e.lines.size()))
            replaceFile(a.raw / rawName(e.spec), formatEntry(e));
        std::lock_guard lock(out);
        std::printf("%s: %zu -> %zu (from %s and %d numbers more, %d a line, %zu sets bare, %zu lines once covered, "
                    "weighed to %zu; %.1f s)\n",
                    rawName(old.spec).c_str(), old.lines.size(), better ? e.lines.size() : old.lines.size(),
                    rawName(base->spec).c_str(), fresh, each, bare, start.blocks.size(), blocks.size(), r.seconds);
        std::fflush(stdout);
    });
    return 0;
}

int cmdCatalogue(const std::vector<std::string> &args)
{
    if (args.size() < 2)
        return usage();
    const fs::path raw = args[0];
    std::vector<int> picks;
    unsigned threads = defaultThreads();
    double seconds = 30.0;
    int fewestNumbers = 0;
    int mostNumbers = kDefaultMostNumbers;
    try {
        picks = readPicks(args[1]);
        if (args.size() > 2)
            threads = static_cast<unsigned>(std::stoi(args[2]));
        if (args.size() > 3)
            seconds = std::stod(args[3]);
        if (args.size() > 4 && std::sscanf(args[4].c_str(), "%d-%d", &fewestNumbers, &mostNumbers) != 2)
            return usage();
    } catch (...) {
        return usage();
    }
    if (mostNumbers > kMaxPositions || fewestNumbers > mostNumbers)
        return usage();
    for (int pick : picks)
        if (pick < 1 || pick >= kMaxPositions)
            return usage();
    fs::create_directories(raw);
    constexpr std::size_t kMaxLines = 2000;

    // Up to pick 8 every guarantee for the counts of numbers asked for; a larger pick gets the strong
    // guarantees for up to five numbers more than it picks.
    std::vector<WheelSpec> jobs;
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
                        jobs.push_back({pick, type, z, x, y});
                    }
    }
    // The counts of numbers players use most come first, every pick and type alike.
    std::stable_sort(jobs.begin(), jobs.end(), [](const WheelSpec &a, const WheelSpec &b) {
        const auto band = [](int z) { return z <= 12 ? 0 : z <= 16 ? 1 : z <= 20 ? 2 : 3; };
        return band(a.z) < band(b.z);
    });

    std::mutex out;
    forEachJob(jobs.size(), threads, [&](std::size_t i) {
        const WheelSpec spec = jobs[i];
        const fs::path file = raw / rawName(spec);
        if (fs::exists(file))
            return;
        std::string text;
        const Design d = designOf(spec);
        if (spec.isFull()) {
            if (binomial(d.v, d.k) <= kMaxLines) {
                Entry full = fullWheel(spec.pick, spec.type, spec.z);
                full.note = "every combination";
                text = formatEntry(full);
            }
        } else if (lowerBound(d) <= kMaxLines && binomial(d.v, d.m) > kMostSetsSearched) {
            text = "# too many drawn sets for the search\n";
        } else if (lowerBound(d) <= kMaxLines) {
            SearchOptions o;
            o.seed = 1 + i;
            o.movesPerLevel = 400'000;
            o.secondsCap = seconds;
            o.giveUpAbove = kMaxLines * 3 / 2;
            o.greedySecondsCap = std::max(30.0, seconds);
            const auto r = searchWheel(spec, o);
            if (!r.blocks.empty() && r.blocks.size() <= kMaxLines && verifyWheel(spec, r.blocks).holds)
                text = formatEntry({spec, r.blocks, 0, searchedNote(r.seconds, r.greedyLines), {}});
            else if (r.blocks.empty() && r.seconds >= o.greedySecondsCap)
                // Not a verdict on the wheel: a rerun on a quieter machine may get further.
                text = "# the greedy start took longer than " + std::to_string(static_cast<int>(o.greedySecondsCap)) +
                       " s; remove this file to search again\n";
            std::lock_guard lock(out);
            std::printf("%s: greedy %zu -> %zu (%.1f s)\n", rawName(spec).c_str(), r.greedyLines, r.blocks.size(),
                        r.seconds);
            std::fflush(stdout);
        }
        if (text.empty())
            text = "# no wheel within 2000 lines\n";
        replaceFile(file, text);
    });
    return 0;
}

// Searches again, from the wheel found so far, every raw wheel given that has had less
// than SECONDS of search and stands above its lower bound; keeps what is smaller.
// The largest gaps to the bound go first, and a rerun passes over what is done.
int cmdImprove(const std::vector<std::string> &args)
{
    if (args.size() < 2)
        return usage();
    double seconds = 0;
    try {
        seconds = std::stod(args[0]);
    } catch (...) {
        return usage();
    }
    const unsigned threads = defaultThreads();
    struct Job {
        fs::path file;
        Entry entry;
        double searched = 0;
        double gap = 0;
    };
    std::vector<Job> jobs;
    for (const auto &file : wheelFiles({args.begin() + 1, args.end()})) {
        std::string text;
        if (!readFile(file, text))
            continue;
        auto parsed = parseWheels(text, file.string());
        if (!parsed.error.empty() || parsed.entries.size() != 1 || parsed.entries[0].spec.isFull())
            continue;
        Job j{file, parsed.entries[0]};
        j.searched = secondsSearched(j.entry.note);
        const auto bound = lowerBound(designOf(j.entry.spec));
        if (j.searched >= seconds || j.entry.lines.size() <= bound)
            continue;
        j.gap = static_cast<double>(j.entry.lines.size()) / static_cast<double>(std::max<std::uint64_t>(bound, 1));
        jobs.push_back(std::move(j));
    }
    std::stable_sort(jobs.begin(), jobs.end(), [](const Job &a, const Job &b) { return a.gap > b.gap; });
    std::printf("%zu wheels to search again\n", jobs.size());
    std::fflush(stdout);

    std::mutex out;
    forEachJob(jobs.size(), threads, [&](std::size_t i) {
        Job &j = jobs[i];
        SearchOptions o;
        // The time already searched goes into the seed: from a wheel a run left unchanged, the
        // same seed would only walk the same way again.
        o.seed = 1000 + i + static_cast<std::uint64_t>(j.searched * 10);
        o.movesPerLevel = 1'000'000;
        o.secondsCap = seconds;
        o.start = j.entry.lines;
        const auto r = searchWheel(j.entry.spec, o);
        const std::size_t before = j.entry.lines.size();
        if (!r.blocks.empty() && r.blocks.size() < before && verifyWheel(j.entry.spec, r.blocks).holds)
            j.entry.lines = r.blocks;
        j.entry.note = searchedAgainNote(j.entry.note, r.seconds, before);
        // Another run may have put a better wheel there meanwhile.
        if (!j.entry.lines.empty() && rawHoldsAtMost(j.file, j.entry.lines.size() - 1))
            return;
        replaceFile(j.file, formatEntry(j.entry));
        std::lock_guard lock(out);
        std::printf("%s: %zu -> %zu (%.1f s)\n", j.file.filename().string().c_str(), before, j.entry.lines.size(),
                    r.seconds);
        std::fflush(stdout);
    });
    return 0;
}

} // namespace wheelgen
