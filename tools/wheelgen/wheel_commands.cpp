// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The wheelgen commands that search for one wheel and print it, proven, in the wheel file
// format; what the search tries goes to the error stream as it goes.
#include "commands.h"
#include "common.h"
#include "wheelsearch/notes.h"
#include "wheelsearch/quads.h"
#include "wheelsearch/search.h"
#include "wheelsearch/strategies.h"
#include "wheelsearch/verify.h"

#include <cstdio>
#include <functional>

namespace wheelgen {

using namespace wheel;

namespace {

// Reads "PICK TYPE NUMBERS X Y [SECONDS [SEED]]", runs search(spec, seconds, seed) and
// prints the wheel it makes.
int searchOne(const std::vector<std::string> &args,
              const std::function<Entry(const WheelSpec &, double, std::uint64_t)> &search)
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
    const Entry e = search(spec, seconds, seed);
    if (e.lines.empty() || !verifyWheel(spec, e.lines).holds)
        return 1;
    std::cout << formatEntry(e);
    return 0;
}

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

int cmdOrbit(const std::vector<std::string> &args)
{
    return searchOne(args, [](const WheelSpec &spec, double seconds, std::uint64_t seed) {
        const int v = designOf(spec).v;
        return searchThroughOrbits(spec, seconds, seed, 1 << 20, [v](const PointCycles &g, const OrbitSearchResult &r) {
            std::fprintf(stderr, "  runs of %d x %d, times %d, %d fixed: %zu lines (%zu base blocks, %.1f s)\n",
                         g.length, g.cycles, g.multiplier, g.fixedPoints(v), r.blocks.size(), r.baseBlocks, r.seconds);
        });
    });
}

int cmdGroup(const std::vector<std::string> &args)
{
    // A name given last picks the groups whose names hold it.
    const std::string only = args.size() > 7 ? args[7] : std::string();
    return searchOne(args, [&only](const WheelSpec &spec, double seconds, std::uint64_t seed) {
        return searchThroughGroups(
            spec, seconds, seed, 1 << 20, only, [](const PermutationGroup &g, const GroupSearchResult &r) {
                std::fprintf(stderr, "  %s (%zu maps): %s%zu lines (%zu orbits, %.1f s)\n", g.name.c_str(), g.order(),
                             r.tooLarge ? "too many orbits, " : "", r.blocks.size(), r.orbits, r.seconds);
            });
    });
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
    const Entry e =
        exactThroughGroups(spec, most, seconds, only, [](const PermutationGroup &g, const GroupSearchResult &r) {
            std::fprintf(stderr, "  %s (%zu maps): %s%zu lines (%.1f s)\n", g.name.c_str(), g.order(),
                         r.tooLarge ? "too many orbits, " : "", r.blocks.size(), r.seconds);
        });
    if (e.lines.empty() || !verifyWheel(spec, e.lines).holds)
        return 1;
    std::cout << formatEntry(e);
    return 0;
}

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
    return printPairCover({5, 'k', v + 1, 3, 3}, r, quadCoverNote(v, r.blocks.size()));
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
    return printPairCover(spec, r, pairCoverNote(ask, r.blocks.size()));
}

} // namespace wheelgen
