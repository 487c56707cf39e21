// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheelsearch/records.h"

#include "wheelsearch/notes.h"

#include <algorithm>
#include <cstdio>
#include <set>
#include <sstream>

namespace wheel {

Records parseRecords(const std::string &csv)
{
    Records records;
    std::istringstream in(csv);
    std::string line;
    while (std::getline(in, line)) {
        int v = 0, k = 0, t = 0, m = 0;
        unsigned long best = 0, lb = 0;
        if (std::sscanf(line.c_str(), "%d,%d,%d,%d,%lu,%lu", &v, &k, &t, &m, &best, &lb) == 6)
            records[{v, k, t, m}] = {best, lb};
    }
    return records;
}

namespace {

double medianOf(const std::vector<double> &sorted)
{
    const std::size_t n = sorted.size();
    return n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
}

} // namespace

std::string printReport(const std::vector<Entry> &wheels, const Records &records)
{
    std::ostringstream out;
    char buf[320];
    std::snprintf(buf, sizeof buf, "%-5s %-4s %-4s %-8s %6s %6s %6s %6s\n", "pick", "type", "z", "wheel", "ours",
                  "record", "bound", "ratio");
    out << buf;
    std::map<std::pair<int, char>, int> shipped;
    std::vector<double> ratios;
    int atRecord = 0;
    double searchSeconds = 0;
    double longest = 0;
    int searched = 0, derived = 0, full = 0, aboveGreedy = 0, joined = 0, orbits = 0, fixedCount = 0, annealed = 0,
        weighted = 0, extended = 0;
    for (const auto &e : wheels) {
        ++shipped[{e.spec.pick, e.spec.type}];
        double s = 0;
        std::size_t greedy = 0;
        const int read = readSearchedNote(e.note, s, greedy);
        if (read == 2 && e.lines.size() > greedy)
            ++aboveGreedy;
        if (read >= 1) {
            ++searched;
            searchSeconds += s;
            longest = std::max(longest, s);
        }
        derived += e.note.rfind("derived", 0) == 0;
        joined += e.note.rfind("joined", 0) == 0;
        orbits += e.note.rfind("kept by ", 0) == 0;
        fixedCount += e.note.rfind("searched at a fixed count", 0) == 0;
        annealed += e.note.rfind("annealed at a fixed count", 0) == 0;
        weighted += e.note.rfind("weighted at a fixed count", 0) == 0;
        extended += e.note.rfind("extended from", 0) == 0;
        full += e.spec.isFull();
        const Design d = designOf(e.spec);
        const auto it = records.find({d.v, d.k, d.t, d.m});
        if (it == records.end())
            continue;
        const double ratio = static_cast<double>(e.lines.size()) / static_cast<double>(it->second.best);
        ratios.push_back(ratio);
        atRecord += e.lines.size() <= it->second.best;
        std::snprintf(buf, sizeof buf, "%-5d %-4c %-4d %-8s %6zu %6zu %6zu %6.3f\n", e.spec.pick, e.spec.type, e.spec.z,
                      e.spec.label().c_str(), e.lines.size(), it->second.best, it->second.lowerBound, ratio);
        out << buf;
    }
    out << "\nwheels shipped:";
    for (const auto &[key, n] : shipped)
        out << " pick " << key.first << " " << (key.second == 'a' ? "type-a" : "key") << " " << n << ";";
    out << "\n";
    std::snprintf(buf, sizeof buf,
                  "searched: %d (%.0f s of one core in all, the longest %.0f s; worse than their greedy start: %d); "
                  "derived from a neighbour: %d; every combination: %d; joined: %d; through orbits: %d; "
                  "at a fixed count: %d; annealed: %d; weighted: %d; extended: %d\n",
                  searched, searchSeconds, longest, aboveGreedy, derived, full, joined, orbits, fixedCount, annealed,
                  weighted, extended);
    out << buf;
    if (ratios.empty()) {
        out << "no wheel has a published figure\n";
        return out.str();
    }
    std::sort(ratios.begin(), ratios.end());
    std::snprintf(buf, sizeof buf,
                  "compared with a record: %zu; at or below the record: %d; median ratio %.3f; worst %.3f\n",
                  ratios.size(), atRecord, medianOf(ratios), ratios.back());
    out << buf;

    // The same by the count of numbers a player wheels.
    struct Range {
        const char *name;
        int most;
        int wheels = 0;
        int atRecord = 0;
        std::vector<double> ratios;
        const Entry *worst = nullptr;
    };
    Range ranges[] = {{"up to 16", 16, 0, 0, {}, nullptr},
                      {"17-20", 20, 0, 0, {}, nullptr},
                      {"21-30", 30, 0, 0, {}, nullptr},
                      {"31-49", kMaxPositions, 0, 0, {}, nullptr}};
    for (const auto &e : wheels) {
        Range *r = ranges;
        while (e.spec.z > r->most)
            ++r;
        ++r->wheels;
        const Design d = designOf(e.spec);
        const auto it = records.find({d.v, d.k, d.t, d.m});
        if (it == records.end())
            continue;
        const double ratio = static_cast<double>(e.lines.size()) / static_cast<double>(it->second.best);
        if (r->ratios.empty() || ratio > *std::max_element(r->ratios.begin(), r->ratios.end()))
            r->worst = &e;
        r->ratios.push_back(ratio);
        r->atRecord += e.lines.size() <= it->second.best;
    }
    out << "\nby count of numbers:\n";
    for (auto &r : ranges) {
        std::sort(r.ratios.begin(), r.ratios.end());
        if (r.ratios.empty()) {
            std::snprintf(buf, sizeof buf, "  %-8s %4d wheels; none with a published figure\n", r.name, r.wheels);
        } else {
            std::snprintf(buf, sizeof buf,
                          "  %-8s %4d wheels; %zu compared, %d at or below the record, %d within 1.10, median %.3f, "
                          "worst %.3f (pick %d %s, %d numbers, \"%s\": %zu)\n",
                          r.name, r.wheels, r.ratios.size(), r.atRecord,
                          static_cast<int>(std::upper_bound(r.ratios.begin(), r.ratios.end(), 1.1) - r.ratios.begin()),
                          medianOf(r.ratios), r.ratios.back(), r.worst->spec.pick,
                          r.worst->spec.type == 'k' ? "key" : "type-a", r.worst->spec.z, r.worst->spec.label().c_str(),
                          r.worst->lines.size());
        }
        out << buf;
    }

    // The designs with fewer lines than the published figure, each once (a key wheel made of
    // a type-a wheel has its design), and how it was found: news for the keepers of the records.
    out << "\nbelow the published record:\n";
    std::set<DesignKey> below;
    for (const auto &e : wheels) {
        const Design d = designOf(e.spec);
        const auto it = records.find({d.v, d.k, d.t, d.m});
        if (it == records.end() || e.lines.size() >= it->second.best || !below.insert(it->first).second)
            continue;
        std::snprintf(buf, sizeof buf,
                      "  pick %d %s, %d numbers, \"%s\": %zu lines, record %zu (design %d,%d,%d,%d): ", e.spec.pick,
                      e.spec.type == 'k' ? "key" : "type-a", e.spec.z, e.spec.label().c_str(), e.lines.size(),
                      it->second.best, d.v, d.k, d.t, d.m);
        out << buf << e.note << "\n";
    }
    out << "  " << below.size() << " designs\n";

    // Every published lotto design (fewer hits than drawn numbers) beside our best wheel of it:
    // the fewest lines of a wheel with that guarantee or a stronger one.
    out << "\nlotto designs (x < y) against ours:\n";
    for (const auto &[key, record] : records) {
        const auto [v, k, t, m] = key;
        if (t >= m)
            continue;
        const Entry *ours = nullptr;
        for (const auto &e : wheels) {
            const Design d = designOf(e.spec);
            if (d.v == v && d.k == k && d.t >= t && d.m <= m && (!ours || e.lines.size() < ours->lines.size()))
                ours = &e;
        }
        if (ours)
            std::snprintf(buf, sizeof buf, "  %d numbers, pick %d, \"%d if %d\": record %zu, ours %zu (%.3f)\n", v, k,
                          t, m, record.best, ours->lines.size(),
                          static_cast<double>(ours->lines.size()) / static_cast<double>(record.best));
        else
            std::snprintf(buf, sizeof buf, "  %d numbers, pick %d, \"%d if %d\": record %zu, none shipped\n", v, k, t,
                          m, record.best);
        out << buf;
    }
    return out.str();
}

} // namespace wheel
