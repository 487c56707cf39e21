// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The wheelgen commands that go over a folder of search results, searching every wheel
// a pass may make smaller or that is not there yet; each reads its words and chooses its
// jobs, and the runner (batch.h) does the rest.
#include "batch.h"
#include "commands.h"
#include "common.h"
#include "wheelsearch/maker.h"
#include "wheelsearch/targets.h"
#include "wheelsearch/verify.h"

#include <cstdio>

namespace wheelgen {

using namespace wheel;

namespace {

// The catalogue searches up to this many numbers unless told otherwise.
constexpr int kDefaultMostNumbers = 30;

// Reads "FEWEST-MOST"; false for anything else.
bool readNumberRange(const std::string &word, int &fewest, int &most)
{
    return std::sscanf(word.c_str(), "%d-%d", &fewest, &most) == 2;
}

// Searches with `search` every wheel in RAW_DIR that stands more than RATIO times above
// its published record, the worst first, and writes each one it makes smaller into
// RAW_DIR; or, given a range of numbers, every guarantee there that has no wheel yet (see
// recordTargets). A wheel tried without gain leaves a mark in RAW_DIR/`triedFolder`, so a
// rerun goes on where the last one stopped.
int searchEveryWheel(const std::vector<std::string> &args, const char *triedFolder,
                     const std::function<Entry(const WheelSpec &, double, std::uint64_t, std::size_t)> &search)
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
        if (args.size() > 5 && !readNumberRange(args[5], fewestNumbers, mostNumbers))
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
    const fs::path tried = raw / triedFolder;
    fs::create_directories(tried);
    const auto jobs = recordTargets(std::move(all), records, ratio, picks, fewestNumbers, mostNumbers,
                                    [&tried](const WheelSpec &s) { return fs::exists(tried / rawName(s)); });

    runBatch(jobs.size(), "wheels to search", defaultThreads(), [&](std::size_t i) {
        const Entry &old = jobs[i].wheel;
        const std::size_t most = old.lines.empty() ? kMostLinesSearched : old.lines.size() - 1;
        const Entry e = search(old.spec, seconds, 7919 * (i + 1), most);
        const bool better = !e.lines.empty() && e.lines.size() <= most && verifyWheel(e.spec, e.lines).holds;
        JobOutcome o;
        if (better)
            o = keepWheel(raw / rawName(e.spec), e, {});
        o.markFile = tried / rawName(old.spec);
        o.mark = better ? e.note + "\n" : "no gain\n";
        const double r = jobs[i].ratio;
        if (old.lines.empty())
            o.report = formatted("%s: none -> %zu\n", rawName(old.spec).c_str(), better ? e.lines.size() : 0);
        else
            o.report =
                formatted("%s: %zu -> %zu (ratio %.3f -> %.3f)\n", rawName(old.spec).c_str(), old.lines.size(),
                          better ? e.lines.size() : old.lines.size(), r,
                          better ? r * static_cast<double>(e.lines.size()) / static_cast<double>(old.lines.size()) : r);
        return o;
    });
    return 0;
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

// Searches again every wheel in RAW_DIR whose lines must hold every pair, triple or
// 4-set of the numbers ("2 if 2" to "4 if 4", key "3 if 3" to "5 if 5") at a fixed count,
// one line fewer at a time, each design once, but not those already at their published
// record in RECORDS.csv; writes into RAW_DIR each wheel it makes smaller. A SEED given
// last starts other runs than the last time (the search at a fixed count depends much on
// its start). `method` says how each count is searched (see fixedcount.h). The wheels whose
// drawn sets are one or two numbers larger ("2 if 3" to "4 if 6", and the key wheels on
// them) are searched too, over their drawn sets from their own lines, whatever the method.
int searchAtFixedCounts(const std::vector<std::string> &args, FixedCountMethod method)
{
    FixedCountArgs a;
    if (const int code = readFixedCountArgs(args, a); code >= 0)
        return code;
    const auto jobs = fixedCountTargets(std::move(a.all), a.records);

    runBatch(jobs.size(), "designs to search at a fixed count", defaultThreads(), [&](std::size_t i) {
        const Entry &old = jobs[i];
        const auto [e, seconds] = searchWheelAtFixedCount(old, a.seconds, a.firstSeed + 7919 * (i + 1), method);
        const bool better = !e.lines.empty() && verifyWheel(e.spec, e.lines).holds;
        const std::string report = formatted("%s: %zu -> %zu (%.1f s)\n", rawName(old.spec).c_str(), old.lines.size(),
                                             better ? e.lines.size() : old.lines.size(), seconds);
        if (better)
            return keepWheel(a.raw / rawName(e.spec), e, report);
        JobOutcome o;
        o.report = report;
        return o;
    });
    return 0;
}

} // namespace

int cmdOrbits(const std::vector<std::string> &args)
{
    return searchEveryWheel(args, "orbits-tried",
                            [](const WheelSpec &spec, double seconds, std::uint64_t seed, std::size_t most) {
                                return searchThroughOrbits(spec, seconds, seed, most);
                            });
}

int cmdGroups(const std::vector<std::string> &args)
{
    return searchEveryWheel(args, "groups-tried",
                            [](const WheelSpec &spec, double seconds, std::uint64_t seed, std::size_t most) {
                                return searchThroughGroups(spec, seconds, seed, most);
                            });
}

int cmdFixed(const std::vector<std::string> &args)
{
    return searchAtFixedCounts(args, FixedCountMethod::tabu);
}

int cmdAnneal(const std::vector<std::string> &args)
{
    return searchAtFixedCounts(args, FixedCountMethod::anneal);
}

int cmdWeigh(const std::vector<std::string> &args)
{
    return searchAtFixedCounts(args, FixedCountMethod::weigh);
}

// Every design of triples or 4-sets whose design of one or two numbers fewer per line is in
// RAW_DIR too: its lines extended by as many new numbers (extendByNewPoints), completed
// greedily, then weighed at a fixed count from there, one line fewer at a time.
int cmdExtend(const std::vector<std::string> &args)
{
    FixedCountArgs a;
    if (const int code = readFixedCountArgs(args, a); code >= 0)
        return code;
    const auto jobs = extensionTargets(std::move(a.all), a.records);

    runBatch(jobs.size(), "designs to extend", defaultThreads(), [&](std::size_t i) {
        const Entry &old = jobs[i].wheel;
        const auto x = extendFromSmaller(
            jobs[i], a.seconds, a.firstSeed + 7919 * (i + 1),
            [&old](const ExtensionBase &b, std::size_t bare, std::size_t covered) {
                std::fprintf(stderr, "  %s from %s, %d new, %d a line: %zu sets bare, %zu lines once covered\n",
                             rawName(old.spec).c_str(), rawName(b.base.spec).c_str(), b.fresh, b.each, bare, covered);
            });
        if (x.from == nullptr)
            return JobOutcome{};
        const bool better = x.lines < old.lines.size() && verifyWheel(x.wheel.spec, x.wheel.lines).holds;
        const std::string report = formatted(
            "%s: %zu -> %zu (from %s and %d numbers more, %d a line, %zu sets bare, %zu lines once covered, "
            "weighed to %zu; %.1f s)\n",
            rawName(old.spec).c_str(), old.lines.size(), better ? x.wheel.lines.size() : old.lines.size(),
            rawName(x.from->base.spec).c_str(), x.from->fresh, x.from->each, x.bare, x.startLines, x.lines, x.seconds);
        if (better)
            return keepWheel(a.raw / rawName(x.wheel.spec), x.wheel, report);
        JobOutcome o;
        o.report = report;
        return o;
    });
    return 0;
}

// Searches every wheel of the given picks that RAW_DIR does not hold yet. A wheel that
// cannot be had in 2,000 lines leaves a file saying so, so a rerun skips it.
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
        if (args.size() > 4 && !readNumberRange(args[4], fewestNumbers, mostNumbers))
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
    const auto jobs = catalogueSpecs(picks, fewestNumbers, mostNumbers);

    runBatch(jobs.size(), {}, threads, [&](std::size_t i) {
        const WheelSpec spec = jobs[i];
        JobOutcome o;
        o.file = raw / rawName(spec);
        if (fs::exists(o.file))
            return JobOutcome{};
        const auto c = catalogueWheel(spec, seconds, 1 + i);
        switch (c.outcome) {
        case CatalogueWheel::Outcome::found:
            o.text = formatEntry(c.wheel);
            break;
        case CatalogueWheel::Outcome::tooManySets:
            o.text = "# too many drawn sets for the search\n";
            break;
        case CatalogueWheel::Outcome::greedyTooSlow:
            // Not a verdict on the wheel: a rerun on a quieter machine may get further.
            o.text = "# the greedy start took longer than " + std::to_string(static_cast<int>(c.greedySeconds)) +
                     " s; remove this file to search again\n";
            break;
        case CatalogueWheel::Outcome::none:
            o.text = "# no wheel within 2000 lines\n";
            break;
        }
        if (c.searched)
            o.report = formatted("%s: greedy %zu -> %zu (%.1f s)\n", rawName(spec).c_str(), c.search.greedyLines,
                                 c.search.blocks.size(), c.search.seconds);
        return o;
    });
    return 0;
}

// Searches again, from the wheel found so far, every raw wheel given that has had less
// than SECONDS of search and stands above its lower bound; keeps what is smaller.
// The largest gaps to the bound go first, and a rerun passes over what is done.
// With --more, SECONDS more for every wheel above its bound, so that a loop of short runs
// goes on from the best wheel so far, each run from a seed of its own.
int cmdImprove(const std::vector<std::string> &given)
{
    std::vector<std::string> args = given;
    const bool more = !args.empty() && args[0] == "--more";
    if (more)
        args.erase(args.begin());
    if (args.size() < 2)
        return usage();
    double seconds = 0;
    try {
        seconds = std::stod(args[0]);
    } catch (...) {
        return usage();
    }
    std::vector<Entry> found;
    for (const auto &file : wheelFiles({args.begin() + 1, args.end()})) {
        std::string text;
        if (!readFile(file, text))
            continue;
        auto parsed = parseWheels(text, file.string());
        if (parsed.error.empty() && parsed.entries.size() == 1)
            found.push_back(std::move(parsed.entries[0]));
    }
    const auto jobs = searchAgainTargets(std::move(found), seconds, more);

    runBatch(jobs.size(), "wheels to search again", defaultThreads(), [&](std::size_t i) {
        const Entry &old = jobs[i].wheel;
        // The time already searched goes into the seed: from a wheel a run left unchanged, the
        // same seed would only walk the same way again.
        const auto [e, searched] =
            searchAgain(old, seconds, 1000 + i + static_cast<std::uint64_t>(jobs[i].searched * 10));
        JobOutcome o;
        o.file = old.file;
        o.text = formatEntry(e);
        // Another run may have put a better wheel there meanwhile.
        if (!e.lines.empty())
            o.unlessHoldsAtMost = e.lines.size() - 1;
        o.report = formatted("%s: %zu -> %zu (%.1f s)\n", o.file.filename().string().c_str(), old.lines.size(),
                             e.lines.size(), searched);
        o.reportOnlyWhenWritten = true;
        return o;
    });
    return 0;
}

// Makes, with the maker's own machinery (see makeWheel), every guarantee of PICKS in the range
// of numbers that RAW_DIR holds no wheel for, neither its own nor a stronger one, from the
// wheels RAW_DIR holds then (read again for every guarantee, so that each wheel found serves
// the next); keeps each one of at most kMostLinesSearched lines that is proven, and the best
// one above that in RAW_DIR/holes-above, where a later pass starts from it. A guarantee tried
// leaves a mark in RAW_DIR/holes-tried, so a rerun goes on where the last one stopped.
int cmdHoles(const std::vector<std::string> &args)
{
    if (args.size() < 2 || args.size() > 5)
        return usage();
    double seconds = 0;
    int threads = 1;
    std::vector<int> picks{5, 6, 7};
    int fewestNumbers = 31;
    int mostNumbers = kMaxPositions;
    try {
        seconds = std::stod(args[0]);
        if (args.size() > 2)
            threads = std::stoi(args[2]);
        if (args.size() > 3)
            picks = readPicks(args[3]);
        if (args.size() > 4 && !readNumberRange(args[4], fewestNumbers, mostNumbers))
            return usage();
    } catch (...) {
        return usage();
    }
    if (seconds <= 0 || threads < 1 || mostNumbers > kMaxPositions || fewestNumbers > mostNumbers)
        return usage();
    const fs::path raw = args[1];
    std::vector<Entry> all;
    if (!readRawWheels(raw, all))
        return 1;
    const fs::path tried = raw / "holes-tried";
    const fs::path above = raw / "holes-above";
    fs::create_directories(tried);
    fs::create_directories(above);
    const auto jobs = recordTargets(std::move(all), Records{}, 0.0, picks, fewestNumbers, mostNumbers,
                                    [&tried](const WheelSpec &s) { return fs::exists(tried / rawName(s)); });

    runBatch(jobs.size(), "guarantees without a wheel", 1, [&](std::size_t i) {
        const WheelSpec spec = jobs[i].wheel.spec;
        std::vector<Entry> now;
        JobOutcome o;
        o.markFile = tried / rawName(spec);
        if (!readRawWheels(raw, now)) {
            o.mark = "the folder could not be read\n";
            return o;
        }
        MakeWheelOptions m;
        m.spec = spec;
        m.seconds = seconds;
        m.threads = threads;
        m.seed = 7919 * (i + 1);
        m.mostLines = kMostLinesSearched;
        m.lowerBound = lowerBound(designOf(spec));
        for (Entry &e : now)
            if (e.spec.type == spec.type && e.spec.pick >= spec.pick - 1 && e.spec.pick <= spec.pick)
                m.known.push_back({e.spec, std::move(e.lines), "found"});
        // The best of a pass that stayed above the limit is where the next pass goes on from.
        const fs::path aboveFile = above / rawName(spec);
        std::size_t aboveLines = 0;
        if (std::string text; fs::exists(aboveFile) && readFile(aboveFile, text))
            for (Entry &e : parseWheels(text, aboveFile.string()).entries) {
                aboveLines = e.lines.size();
                m.known.push_back({e.spec, std::move(e.lines), "found"});
            }
        const MadeWheel made = makeWheel(m);
        const bool proven = !made.lines.empty() && verifyWheel(spec, made.lines).holds;
        const bool kept = proven && made.lines.size() <= kMostLinesSearched;
        if (kept)
            o = keepWheel(raw / rawName(spec), Entry{spec, made.lines, 0, made.note, {}}, {});
        else if (proven && (aboveLines == 0 || made.lines.size() < aboveLines))
            replaceFile(aboveFile, formatEntry(Entry{spec, made.lines, 0, made.note, {}}));
        o.markFile = tried / rawName(spec);
        o.mark = kept ? made.note + "\n"
                      : formatted("none within %zu lines (best %zu)\n", kMostLinesSearched, made.lines.size());
        o.report = formatted("%s: %s (start %zu, %.0f s)\n", rawName(spec).c_str(),
                             kept ? std::to_string(made.lines.size()).c_str() : "none", made.startLines, made.seconds);
        return o;
    });
    return 0;
}

} // namespace wheelgen
