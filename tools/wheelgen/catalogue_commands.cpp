// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The wheelgen commands that prove, join, pack and compare wheels.
#include "builddb.h"
#include "commands.h"
#include "common.h"
#include "wheelsearch/borrowedlines.h"
#include "wheelsearch/designs.h"
#include "wheelsearch/join.h"
#include "wheelsearch/shipping.h"
#include "wheelsearch/verify.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>

namespace wheelgen {

using namespace wheel;

int cmdVerify(const std::vector<std::string> &args)
{
    if (args.empty())
        return usage();
    std::vector<Entry> all;
    const auto started = std::chrono::steady_clock::now();
    if (!loadVerified(wheelFiles(args), all, defaultThreads()))
        return 1;
    const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("%zu wheels proven in %.1f s\n", all.size(), s);
    return 0;
}

// Proves every wheel on one thread and prints the slowest proofs: the figure that decides
// how long a build and the test of the shipped wheels take.
int cmdProofTimes(const std::vector<std::string> &args)
{
    if (args.empty())
        return usage();
    struct Timed {
        double seconds;
        const Entry *entry;
    };
    std::vector<Entry> all;
    for (const auto &f : wheelFiles(args)) {
        std::string text;
        if (!readFile(f, text)) {
            std::cerr << f.string() << ": cannot be read\n";
            return 1;
        }
        auto parsed = parseWheels(text, f.string());
        if (!parsed.error.empty()) {
            std::cerr << parsed.error << "\n";
            return 1;
        }
        all.insert(all.end(), parsed.entries.begin(), parsed.entries.end());
    }
    if (const auto error = lendLines(all); !error.empty()) {
        std::cerr << error << "\n";
        return 1;
    }
    std::vector<Timed> times;
    double total = 0;
    bool ok = true;
    for (const auto &e : all) {
        const auto started = std::chrono::steady_clock::now();
        ok &= verifyWheel(e.spec, e.lines).holds;
        const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        total += s;
        times.push_back({s, &e});
    }
    std::sort(times.begin(), times.end(), [](const Timed &a, const Timed &b) { return a.seconds > b.seconds; });
    for (std::size_t i = 0; i < std::min<std::size_t>(times.size(), 12); ++i)
        std::printf("%8.3f s  %s  %s\n", times[i].seconds, whereFound(*times[i].entry).c_str(),
                    describe(*times[i].entry).c_str());
    std::printf("%zu wheels proven on one thread in %.1f s%s\n", all.size(), total, ok ? "" : "; some do not hold");
    return ok ? 0 : 1;
}

int cmdBuildDb(const std::vector<std::string> &args)
{
    if (args.size() != 2)
        return usage();
    const std::string &dataDir = args[0];
    const std::string &output = args[1];
    std::vector<Entry> wheels;
    if (!loadVerified(wheelFiles({(fs::path(dataDir) / "wheels").string()}), wheels, defaultThreads()))
        return 1;
    std::string csv;
    const auto csvPath = fs::path(dataDir) / "lotteries.csv";
    if (!readFile(csvPath, csv)) {
        std::cerr << csvPath.string() << ": cannot be read\n";
        return 1;
    }
    std::vector<LotteryRow> lotteries;
    std::string error;
    if (!parseLotteries(csv, csvPath.string(), lotteries, error)) {
        std::cerr << error << "\n";
        return 1;
    }
    if (!writeDatabase(output, lotteries, wheels, error)) {
        std::cerr << error << "\n";
        return 1;
    }
    return 0;
}

// Writes the constructed wheels into RAW_DIR where they beat what it holds.
int cmdConstruct(const std::vector<std::string> &args)
{
    if (args.size() != 1)
        return usage();
    const std::string &rawDir = args[0];
    fs::create_directories(rawDir);
    auto constructed = golayWheels();
    constructed.push_back(inversivePlaneWheel(5));
    // Transversal designs, each run covered by the smallest "2 if 2" RAW_DIR holds for it.
    std::vector<Entry> held;
    if (!readRawWheels(rawDir, held))
        return 1;
    for (int k = 5; k <= 7; ++k)
        for (int n = k; n <= 9; ++n)
            for (int extra = 0; extra <= 3 && k * n + extra <= kMaxPositions; ++extra) {
                const Entry *run = nullptr;
                for (const Entry &h : held)
                    if (h.spec.pick == k && h.spec.type == 'a' && h.spec.z == n + extra && h.spec.x == 2 &&
                        h.spec.y == 2 && !h.lines.empty() && (!run || h.lines.size() < run->lines.size()))
                        run = &h;
                if (!run)
                    continue;
                auto e = transversalWheel(k, n, extra, *run);
                if (!e.lines.empty())
                    constructed.push_back(std::move(e));
            }
    for (int k = 5; k <= 7; ++k)
        for (int n = k; n <= 9 && k * n <= kMaxPositions; ++n)
            if (auto e = quadraticWheel(k, n, 20); !e.lines.empty())
                constructed.push_back(std::move(e));
    for (int v = 38; v <= kMaxPositions; ++v)
        if (auto e = puncturedInversiveWheel(v, 1, 400); !e.lines.empty())
            constructed.push_back(std::move(e));
    for (int u = 4; 6 * u + 4 <= kMaxPositions; ++u)
        if (auto e = groupDivisibleKeyWheel(u, 1'000'000); !e.lines.empty())
            constructed.push_back(std::move(e));
    for (const Entry &h : held)
        if (auto e = steinerGrownKeyWheel(h); !e.lines.empty())
            constructed.push_back(std::move(e));
    for (const Entry &e : constructed) {
        const auto v = verifyWheel(e.spec, e.lines);
        if (!v.holds) {
            std::cerr << "the constructed " << rawName(e.spec) << " does not hold: " << v.reason << "\n";
            return 1;
        }
        const fs::path file = fs::path(rawDir) / rawName(e.spec);
        if (rawHoldsAtMost(file, e.lines.size()))
            continue;
        replaceFile(file, formatEntry(e));
        std::printf("%s: %zu lines\n", rawName(e.spec).c_str(), e.lines.size());
    }
    return 0;
}

// Writes into RAW_DIR the wheels joined from two smaller ones where they beat what it holds;
// given STARTS_DIR and FACTOR, also writes there the wheels mixed from two parts that come
// within FACTOR of the best without beating it, for `improve` to search from: of the SPLITS
// splits with fewest lines (1 unless told) the first in STARTS_DIR, the second in
// STARTS_DIR/2, and so on.
int cmdJoin(const std::vector<std::string> &args)
{
    if (args.size() < 2 || args.size() == 4 || args.size() > 6)
        return usage();
    const fs::path raw = args[0];
    std::vector<int> picks;
    int mostNumbers = kMaxPositions;
    std::vector<std::vector<Entry>> startEntries;
    MixedStarts starts;
    try {
        picks = readPicks(args[1]);
        if (args.size() > 2)
            mostNumbers = std::stoi(args[2]);
        if (args.size() > 4) {
            starts.out = &startEntries;
            starts.within = std::stod(args[4]);
        }
        if (args.size() > 5) {
            const int splits = std::stoi(args[5]);
            if (splits < 1)
                return usage();
            starts.splits = static_cast<std::size_t>(splits);
        }
    } catch (...) {
        return usage();
    }
    if (mostNumbers > kMaxPositions || starts.within < 1.0)
        return usage();
    std::vector<Entry> known;
    if (!loadVerified(wheelFiles({raw.string()}), known, defaultThreads()))
        return 1;
    constexpr std::size_t kMaxLines = 2000;
    // Proves and writes a wheel unless the file already holds one as small; false when it does not hold.
    auto write = [&](const Entry &e, const fs::path &dir, int &written) {
        const fs::path file = dir / rawName(e.spec);
        if (e.lines.size() > kMaxLines || rawHoldsAtMost(file, e.lines.size()))
            return true;
        const auto v = verifyWheel(e.spec, e.lines);
        if (!v.holds) {
            std::cerr << "the joined " << rawName(e.spec) << " does not hold: " << v.reason << "\n";
            return false;
        }
        replaceFile(file, formatEntry(e));
        ++written;
        return true;
    };
    int written = 0;
    for (const Entry &e : joinParts(known, picks, mostNumbers, starts))
        if (!write(e, raw, written))
            return 1;
    std::printf("%d joined wheels written\n", written);
    if (starts.out) {
        int startsWritten = 0;
        for (std::size_t rank = 0; rank < startEntries.size(); ++rank) {
            const fs::path dir = rank == 0 ? fs::path(args[3]) : fs::path(args[3]) / std::to_string(rank + 1);
            fs::create_directories(dir);
            for (const Entry &e : startEntries[rank])
                if (!write(e, dir, startsWritten))
                    return 1;
        }
        std::printf("%d starts written into %s\n", startsWritten, args[3].c_str());
    }
    return 0;
}

// Packs the raw search results into one file per pick: only the wheels worth offering,
// cheapest first within each pick, type and count of numbers.
int cmdAssemble(const std::vector<std::string> &args)
{
    if (args.size() != 2)
        return usage();
    const std::string &rawDir = args[0];
    const std::string &outDir = args[1];
    std::vector<Entry> all;
    if (!loadVerified(wheelFiles({rawDir}), all, defaultThreads()))
        return 1;
    std::vector<int> picks;
    for (const auto &e : all)
        if (std::find(picks.begin(), picks.end(), e.spec.pick) == picks.end())
            picks.push_back(e.spec.pick);
    const std::size_t derived = deriveFromNeighbours(all, picks);
    auto kept = selectWheels(all);
    // A key wheel that is a type-a wheel of one pick fewer with the key in front names it
    // rather than repeating its lines.
    borrowWhereTheSame(kept);
    std::map<int, std::string> files;
    for (const auto &e : kept)
        files[e.spec.pick] += formatEntry(e) + "\n";
    fs::create_directories(outDir);
    for (const auto &[pick, text] : files) {
        const auto path = fs::path(outDir) / ("pick" + std::to_string(pick) + ".txt");
        std::ofstream(path) << "# Wheels for " << pick
                            << " numbers a ticket; every guarantee is proven when the database is built.\n\n"
                            << text;
    }
    std::printf("%zu wheels found (%zu of them derived from a neighbour), %zu kept\n", all.size(), derived,
                kept.size());
    return 0;
}

int cmdReport(const std::vector<std::string> &args)
{
    if (args.size() != 2)
        return usage();
    const std::string &wheelDir = args[0];
    const std::string &recordsCsv = args[1];
    std::vector<Entry> all;
    if (!loadVerified(wheelFiles({wheelDir}), all, defaultThreads()))
        return 1;
    Records records;
    if (!readRecords(recordsCsv, records))
        return 1;
    std::cout << printReport(all, records);
    return 0;
}

} // namespace wheelgen
