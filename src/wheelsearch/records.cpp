// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "records.h"

#include <algorithm>
#include <cstdio>
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

std::string printReport(const std::vector<Entry> &wheels, const Records &records)
{
    std::ostringstream out;
    char buf[256];
    std::snprintf(buf, sizeof buf, "%-5s %-4s %-4s %-8s %6s %6s %6s %6s\n", "pick", "type", "z", "wheel", "ours",
                  "record", "bound", "ratio");
    out << buf;
    std::map<std::pair<int, char>, int> shipped;
    std::vector<double> ratios;
    int atRecord = 0;
    double searchSeconds = 0;
    double longest = 0;
    int searched = 0, derived = 0, full = 0, aboveGreedy = 0;
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
                  "derived from a neighbour: %d; every combination: %d\n",
                  searched, searchSeconds, longest, aboveGreedy, derived, full);
    out << buf;
    if (ratios.empty()) {
        out << "no wheel has a published figure\n";
        return out.str();
    }
    std::sort(ratios.begin(), ratios.end());
    const double median =
        ratios.size() % 2 ? ratios[ratios.size() / 2] : (ratios[ratios.size() / 2 - 1] + ratios[ratios.size() / 2]) / 2;
    std::snprintf(buf, sizeof buf,
                  "compared with a record: %zu; at or below the record: %d; median ratio %.3f; worst %.3f\n",
                  ratios.size(), atRecord, median, ratios.back());
    out << buf;
    return out.str();
}

} // namespace wheel
