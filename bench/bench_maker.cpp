// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// How good the maker's wheels are: for every request of bench/maker-requests.csv, the maker
// given SECONDS on THREADS threads (every core when 0) and the catalogue's wheels to start
// from, against the wheel the catalogue ships for it and the published record; for the
// requests the catalogue holds no wheel for, against the counting bound and the wheel the
// catalogue would give by taking numbers out of one for more numbers.
// Usage: bench_maker [SECONDS [THREADS [FIRST-LAST rows]]]
#include "core/WheelMaker.h"
#include "wheelsearch/borrowedlines.h"
#include "wheelsearch/maker.h"
#include "wheelsearch/records.h"
#include "wheelsearch/wheelfile.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

std::string readText(const std::string &path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

struct Request {
    bool held = false;
    wheel::WheelSpec spec;
};

std::vector<Request> readRequests(const std::string &path)
{
    std::vector<Request> requests;
    std::istringstream in(readText(path));
    std::string row;
    while (std::getline(in, row)) {
        if (row.empty() || row[0] == '#')
            continue;
        Request r;
        char kind[8] = {};
        char type = 0;
        if (std::sscanf(row.c_str(), "%7[a-z],%d,%c,%d,%d,%d", kind, &r.spec.pick, &type, &r.spec.z, &r.spec.x,
                        &r.spec.y) != 6)
            continue;
        r.held = std::string(kind) == "held";
        r.spec.type = type;
        requests.push_back(r);
    }
    return requests;
}

bool sameRequest(const wheel::WheelSpec &a, const wheel::WheelSpec &b)
{
    return a.pick == b.pick && a.type == b.type && a.z == b.z && a.x == b.x && a.y == b.y;
}

std::string ratioText(std::size_t made, std::size_t than)
{
    if (made == 0 || than == 0)
        return "-";
    char text[16];
    std::snprintf(text, sizeof text, "%.3f", static_cast<double>(made) / static_cast<double>(than));
    return text;
}

std::string countText(std::size_t n)
{
    return n == 0 ? "-" : std::to_string(n);
}

} // namespace

int main(int argc, char **argv)
{
    const double seconds = argc > 1 ? std::atof(argv[1]) : 30.0;
    const int threads = argc > 2 ? std::atoi(argv[2]) : 0;
    int first = 1;
    int last = 1000;
    if (argc > 3)
        std::sscanf(argv[3], "%d-%d", &first, &last);

    std::vector<wheel::Entry> catalogue;
    for (const char *file : {"pick5.txt", "pick6.txt", "pick7.txt"}) {
        const std::string path = std::string(WHEELS_DIR) + "/" + file;
        auto parsed = wheel::parseWheels(readText(path), path);
        if (!parsed.error.empty()) {
            std::fprintf(stderr, "%s\n", parsed.error.c_str());
            return 1;
        }
        for (auto &e : parsed.entries)
            catalogue.push_back(std::move(e));
    }
    if (const auto error = wheel::lendLines(catalogue); !error.empty()) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    const wheel::Records records = wheel::parseRecords(readText(RECORDS_CSV));
    const auto requests = readRequests(std::string(BENCH_DIR) + "/maker-requests.csv");

    std::printf("%-3s %-24s %6s %7s %7s %7s %7s %8s %7s %s\n", "", "request", "bound", "shipped", "record", "taken",
                "made", "/record", "/held", "how");
    int aboveShipped = 0;
    int aboveTaken = 0;
    int within102 = 0;
    int withRecord = 0;
    double worst = 0.0;
    std::string worstName;
    for (std::size_t i = 0; i < requests.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        if (row < first || row > last)
            continue;
        const Request &r = requests[i];
        std::vector<wheel::KnownWheel> known;
        std::size_t shipped = 0;
        for (const auto &e : catalogue) {
            if (e.spec.type != r.spec.type || e.spec.pick < r.spec.pick - 1 || e.spec.pick > r.spec.pick ||
                e.spec.z > r.spec.z + 3)
                continue;
            known.push_back({e.spec, e.lines, "shipped"});
            if (sameRequest(e.spec, r.spec))
                shipped = e.lines.size();
        }
        // What taking numbers out of a wheel for more numbers gives, without a search.
        std::vector<wheel::KnownWheel> larger;
        for (const auto &k : known)
            if (k.spec.z > r.spec.z)
                larger.push_back(k);
        const auto takenOut = wheel::startsFromKnown(r.spec, larger);
        const std::size_t taken = takenOut.empty() ? 0 : takenOut.front().lines.size();
        const wheel::Design d = wheel::designOf(r.spec);
        const auto record = records.find({d.v, d.k, d.t, d.m});
        const std::size_t best = record == records.end() ? 0 : record->second.best;

        MakeRequest m;
        m.pick = r.spec.pick;
        m.numbers = r.spec.z;
        m.x = r.spec.x;
        m.y = r.spec.y;
        m.key = r.spec.type == 'k';
        m.seconds = seconds;
        m.threads = threads;
        m.mostTickets = r.held ? 2000 : 3000;
        m.known = std::move(known);
        const MakeResult made = WheelMaker::make(m);
        const std::size_t count = made.outcome == MakeOutcome::Proven ? made.lines.size() : 0;

        if (shipped > 0 && (count == 0 || count > shipped))
            ++aboveShipped;
        if (taken > 0 && (count == 0 || count > taken))
            ++aboveTaken;
        if (best > 0 && count > 0) {
            ++withRecord;
            const double ratio = static_cast<double>(count) / static_cast<double>(best);
            if (ratio <= 1.02)
                ++within102;
            if (ratio > worst) {
                worst = ratio;
                worstName =
                    std::to_string(r.spec.pick) + r.spec.type + " " + std::to_string(r.spec.z) + " " + r.spec.label();
            }
        }
        char name[64];
        std::snprintf(name, sizeof name, "pick %d %s, %d, \"%d if %d\"", r.spec.pick, r.spec.type == 'k' ? "key" : "a",
                      r.spec.z, r.spec.x, r.spec.y);
        std::printf("%-3d %-24s %6zu %7s %7s %7s %7s %8s %7s %s\n", row, name, WheelMaker::lowerBound(m),
                    countText(shipped).c_str(), countText(best).c_str(), countText(taken).c_str(),
                    countText(count).c_str(), ratioText(count, best).c_str(), ratioText(count, shipped).c_str(),
                    made.note.toUtf8().constData());
        std::fflush(stdout);
    }
    std::printf("%.0f s each on %d threads; above the shipped wheel: %d; worse than the wheel taken out: %d; "
                "within 1.02 of the record: %d of %d (worst %.3f, %s)\n",
                seconds, threads > 0 ? threads : static_cast<int>(std::thread::hardware_concurrency()), aboveShipped,
                aboveTaken, within102, withRecord, worst, worstName.c_str());
    return 0;
}
