// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheelsearch/notes.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

namespace wheel {

namespace {
// How a note that is not a search's own tells of a search after it.
constexpr std::string_view kThenSearched = "; then searched ";
} // namespace

std::string searchedNote(double seconds, std::size_t greedyLines)
{
    char text[96];
    std::snprintf(text, sizeof text, "searched %.1f s from a greedy start of %zu lines", seconds, greedyLines);
    return text;
}

std::string orbitNote(int runLength, int runs, int multiplier, int fixedPoints, std::size_t baseBlocks,
                      std::size_t orbitLines, double seconds)
{
    char times[48] = "";
    if (multiplier != 1)
        std::snprintf(times, sizeof times, " and multiplying by %d", multiplier);
    char text[200];
    std::snprintf(text, sizeof text,
                  "kept by turning %d run(s) of %d%s, %d fixed: %zu base blocks, %zu lines; then searched %.1f s", runs,
                  runLength, times, fixedPoints, baseBlocks, orbitLines, seconds);
    return text;
}

std::string groupNote(const std::string &group, std::size_t orbits, std::size_t orbitLines, double seconds)
{
    char text[240];
    std::snprintf(text, sizeof text, "kept by the group %s: %zu orbits of lines, %zu lines; then searched %.1f s",
                  group.c_str(), orbits, orbitLines, seconds);
    return text;
}

std::string exactGroupNote(const std::string &group, std::size_t orbits, std::size_t lines)
{
    return "kept by the group " + group + ", every choice of its orbits tried: " + std::to_string(orbits) +
           " orbits of lines, " + std::to_string(lines) + " lines";
}

std::string pairCoverNote(const PairCoverAsk &ask, std::size_t lines)
{
    const bool key = ask.k == 4;
    std::string note = "kept by the group the turns modulo " + std::to_string(ask.length) + " on " +
                       std::to_string((ask.v - ask.fixed) / ask.length) + " copies, " + std::to_string(ask.fixed) +
                       " fixed: " + std::to_string(lines) + " lines found by exact cover, every pair " +
                       (key ? "after the key " : "") + "on one line";
    if (!ask.oftener.empty()) {
        note += " but the turns of";
        // Appended piece by piece: GCC 12 warns falsely of overlapping copies in " " + std::string.
        for (const auto &[x, y] : ask.oftener) {
            note += ' ';
            note += std::to_string(x + 1 + (key ? 1 : 0));
            note += '-';
            note += std::to_string(y + 1 + (key ? 1 : 0));
        }
        note += ", on one more each time named";
    }
    return note;
}

std::string quadCoverNote(int v, std::size_t lines)
{
    return "kept by the group the turns modulo 3 on " + std::to_string((v - 4) / 3) +
           " copies, 4 fixed: " + std::to_string(lines) +
           " lines found by exact cover, one pair after the key on four lines and every other pair on one";
}

std::string fixedCountNote(std::size_t lines, double seconds, FixedCountMethod method)
{
    const char *how = method == FixedCountMethod::anneal  ? "annealed"
                      : method == FixedCountMethod::weigh ? "weighted"
                                                          : "searched";
    char text[96];
    std::snprintf(text, sizeof text, "%s at a fixed count: %zu lines in %.1f s", how, lines, seconds);
    return text;
}

std::string drawnSetsNote(std::size_t startLines, std::size_t lines, double seconds)
{
    char text[128];
    std::snprintf(text, sizeof text,
                  "searched over the drawn sets at a fixed count from %zu lines: %zu lines in %.1f s", startLines,
                  lines, seconds);
    return text;
}

std::string extendedNote(const WheelSpec &base, std::size_t baseLines, int fresh, int each, int run, int t,
                         std::size_t startLines, std::size_t lines, double seconds)
{
    const int old = designOf(base).v;
    char how[160];
    if (each == 2)
        std::snprintf(how, sizeof how, "each with two of %d numbers more", fresh);
    else if (run == 1)
        std::snprintf(how, sizeof how, "each with one of %d numbers more, and those %d with each of the %d on one line",
                      fresh, fresh, old);
    else
        std::snprintf(how, sizeof how,
                      "each with one of %d numbers more, and those %d with %d of the %d at a time on %d lines", fresh,
                      fresh, run, old, (old + run - 1) / run);
    char text[400];
    std::snprintf(text, sizeof text,
                  "extended from the %zu lines of pick %d %s \"%s\" on %d numbers%s, %s: %zu lines once the %s left "
                  "bare were covered; then weighted at a fixed count: %zu lines in %.1f s",
                  baseLines, base.pick, base.type == 'a' ? "type-a" : "key", base.label().c_str(), base.z,
                  base.type == 'a' ? "" : " (key left out)", how, startLines, t == 3 ? "triples" : "4-sets", lines,
                  seconds);
    return text;
}

int readSearchedNote(const std::string &note, double &seconds, std::size_t &greedyLines)
{
    return std::max(
        0, std::sscanf(note.c_str(), "searched %lf s from a greedy start of %zu lines", &seconds, &greedyLines));
}

double secondsSearched(const std::string &note)
{
    double seconds = 0;
    std::size_t greedy = 0;
    if (readSearchedNote(note, seconds, greedy) >= 1)
        return seconds;
    const auto then = note.rfind(kThenSearched);
    if (then == std::string::npos || std::sscanf(note.c_str() + then + kThenSearched.size(), "%lf s", &seconds) != 1)
        return 0;
    return seconds;
}

std::string searchedAgainNote(const std::string &note, double seconds, std::size_t linesBefore)
{
    double before = 0;
    std::size_t greedy = 0;
    if (note.empty() || readSearchedNote(note, before, greedy) >= 1)
        return searchedNote(before + seconds, greedy ? greedy : linesBefore);
    char figure[32];
    std::snprintf(figure, sizeof figure, "%.1f s", secondsSearched(note) + seconds);
    const auto then = note.rfind(kThenSearched);
    return (then == std::string::npos ? note : note.substr(0, then)) + std::string(kThenSearched) + figure;
}

} // namespace wheel
