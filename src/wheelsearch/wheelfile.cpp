// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheelsearch/wheelfile.h"

#include "wheelsearch/verify.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <limits>
#include <map>
#include <sstream>
#include <string_view>
#include <tuple>

namespace wheel {
namespace {

// Splits `key=value` words; the guarantee's value is quoted and holds blanks.
bool readHeader(const std::string &line, std::map<std::string, std::string> &fields, std::string &error)
{
    std::size_t i = 5; // after "wheel"
    while (i < line.size()) {
        while (i < line.size() && line[i] == ' ')
            ++i;
        if (i == line.size())
            break;
        const auto eq = line.find('=', i);
        if (eq == std::string::npos) {
            error = "expected key=value";
            return false;
        }
        const std::string key = line.substr(i, eq - i);
        std::string value;
        i = eq + 1;
        if (i < line.size() && line[i] == '"') {
            const auto close = line.find('"', i + 1);
            if (close == std::string::npos) {
                error = "unclosed quote";
                return false;
            }
            value = line.substr(i + 1, close - i - 1);
            i = close + 1;
        } else {
            const auto end = line.find(' ', i);
            value = line.substr(i, end == std::string::npos ? std::string::npos : end - i);
            i = end == std::string::npos ? line.size() : end;
        }
        if (fields.count(key)) {
            error = "repeated field " + key;
            return false;
        }
        fields[key] = value;
    }
    return true;
}

// The two wheels a grown type-a wheel is made of.
WheelSpec grownFirstOf(const WheelSpec &s)
{
    return {s.pick, 'a', s.z - 1, s.x, s.y};
}

WheelSpec grownSecondOf(const WheelSpec &s)
{
    return {s.pick - 1, 'a', s.z - 1, s.x - 1, s.y - 1};
}

// The two counts of lines in a grown wheel's text; false for any other text.
bool readGrownCounts(const std::string &line, std::size_t &first, std::size_t &second)
{
    constexpr std::string_view kAnd = ", and the ";
    const auto at = line.find(kAnd);
    return at != std::string::npos && std::sscanf(line.c_str(), "the %zu lines of", &first) == 1 &&
           std::sscanf(line.c_str() + at + kAnd.size(), "%zu of", &second) == 1;
}

// The lines of the first wheel, and those of the second with the number z added, in order.
std::vector<Line> grownLines(int z, const std::vector<Line> &first, const std::vector<Line> &second)
{
    std::vector<Line> lines = first;
    const Line added = Line{1} << (z - 1);
    for (Line l : second)
        lines.push_back(l | added);
    std::sort(lines.begin(), lines.end(), lineLess);
    return lines;
}

std::string givenText(const Entry &e);

} // namespace

bool parseGuarantee(const std::string &label, int &x, int &y)
{
    const auto at = label.find(" if ");
    if (at == std::string::npos)
        return false;
    return wholeNumber(label.substr(0, at), x) && wholeNumber(label.substr(at + 4), y) && x >= 1 && x <= y;
}

ParseResult parseWheels(const std::string &text, const std::string &fileName)
{
    ParseResult result;
    std::istringstream in(text);
    std::string line;
    int lineNo = 0;
    int declaredTickets = 0;
    std::string note;
    auto fail = [&](int at, const std::string &what) {
        result.error = fileName + ":" + std::to_string(at) + ": " + what;
        result.entries.clear();
        return result;
    };
    auto closeEntry = [&]() -> bool {
        if (result.entries.empty())
            return true;
        const Entry &e = result.entries.back();
        return e.borrowedTickets > 0 || static_cast<int>(e.lines.size()) == declaredTickets;
    };
    while (std::getline(in, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty()) {
            note.clear();
            continue;
        }
        if (line[0] == '#') {
            note = line.substr(line.size() > 1 && line[1] == ' ' ? 2 : 1);
            continue;
        }
        if (line.rfind("wheel", 0) == 0 && (line.size() == 5 || line[5] == ' ')) {
            if (!closeEntry())
                return fail(result.entries.back().headerLine,
                            "the ticket count does not agree with the lines that follow");
            std::map<std::string, std::string> f;
            std::string error;
            if (!readHeader(line, f, error))
                return fail(lineNo, error);
            for (const char *key : {"pick", "type", "numbers", "guarantee", "tickets"})
                if (!f.count(key))
                    return fail(lineNo, std::string("missing field ") + key);
            if (f.size() != 5)
                return fail(lineNo, "unknown field in wheel header");
            Entry e;
            e.headerLine = lineNo;
            e.file = fileName;
            e.note = std::move(note);
            note.clear();
            if (!wholeNumber(f["pick"], e.spec.pick) || e.spec.pick < 1 || e.spec.pick > kMaxPositions)
                return fail(lineNo, "pick must be a whole number from 1 to " + std::to_string(kMaxPositions));
            if (f["type"] != "a" && f["type"] != "k")
                return fail(lineNo, "type must be a or k");
            e.spec.type = f["type"][0];
            if (!wholeNumber(f["numbers"], e.spec.z) || e.spec.z <= e.spec.pick || e.spec.z > kMaxPositions)
                return fail(lineNo, "numbers must be above pick and at most " + std::to_string(kMaxPositions));
            const std::string &label = f["guarantee"];
            if (!parseGuarantee(label, e.spec.x, e.spec.y) || e.spec.y > e.spec.pick || e.spec.label() != label)
                return fail(lineNo, "guarantee must read \"x if y\" with x <= y <= pick");
            if (!wholeNumber(f["tickets"], declaredTickets) || declaredTickets < 1)
                return fail(lineNo, "tickets must be a whole number above 0");
            result.entries.push_back(e);
            continue;
        }
        if (result.entries.empty())
            return fail(lineNo, "a wheel line before any wheel header");
        note.clear();
        Entry &e = result.entries.back();
        if (e.borrowedTickets > 0)
            return fail(lineNo, "the wheel borrows its lines; none may follow");
        if (e.lines.empty()) {
            const auto declared = static_cast<std::size_t>(declaredTickets);
            if (e.spec.type == 'k' && line == borrowedLinesText(e.spec)) {
                e.given = LinesGiven::keyInFront;
                e.borrowedTickets = declared;
                continue;
            }
            if (e.spec.isFull() && line == everyCombinationText(e.spec)) {
                e.lines = fullWheel(e.spec.pick, e.spec.type, e.spec.z).lines;
                if (e.lines.size() != declared)
                    return fail(lineNo, "every combination makes " + std::to_string(e.lines.size()) +
                                            " tickets, the header promises " + std::to_string(declared));
                e.given = LinesGiven::everyCombination;
                e.borrowedTickets = declared;
                continue;
            }
            std::size_t first = 0;
            std::size_t second = 0;
            if (e.spec.type == 'a' && readGrownCounts(line, first, second) && first + second == declared &&
                line == grownLinesText(e.spec, first, second)) {
                e.given = LinesGiven::grown;
                e.grownFirst = first;
                e.borrowedTickets = declared;
                continue;
            }
        }
        if (static_cast<int>(e.lines.size()) == declaredTickets)
            return fail(lineNo, "the wheel's header promises " + std::to_string(declaredTickets) +
                                    " tickets, and this line is one more");
        Line l = 0;
        std::string error;
        if (!parseLine(line, e.spec.z, l, error))
            return fail(lineNo, error);
        if (std::popcount(l) != e.spec.pick)
            return fail(lineNo, "the line holds " + std::to_string(std::popcount(l)) + " positions, the wheel picks " +
                                    std::to_string(e.spec.pick));
        e.lines.push_back(l);
    }
    if (!closeEntry())
        return fail(result.entries.back().headerLine, "the ticket count does not agree with the lines that follow");
    return result;
}

std::string formatEntry(const Entry &e)
{
    std::string text = e.note.empty() ? std::string() : "# " + e.note + "\n";
    text += "wheel pick=" + std::to_string(e.spec.pick) + " type=" + std::string(1, e.spec.type) +
            " numbers=" + std::to_string(e.spec.z) + " guarantee=\"" + e.spec.label() +
            "\" tickets=" + std::to_string(e.borrowedTickets > 0 ? e.borrowedTickets : e.lines.size()) + "\n";
    if (e.borrowedTickets > 0)
        return text + givenText(e) + "\n";
    for (Line l : e.lines)
        text += formatLine(l) + "\n";
    return text;
}

namespace {

WheelSpec lenderOf(const WheelSpec &keySpec)
{
    return {keySpec.pick - 1, 'a', keySpec.z - 1, keySpec.x - 1, keySpec.y - 1};
}

auto specKey(const WheelSpec &s)
{
    return std::make_tuple(s.pick, s.type, s.z, s.x, s.y);
}

} // namespace

std::string borrowedLinesText(const WheelSpec &keySpec)
{
    const WheelSpec from = lenderOf(keySpec);
    return "01 in front of each line of pick " + std::to_string(from.pick) + " type-a \"" + from.label() + "\" on " +
           std::to_string(from.z) + " numbers, the rest one higher";
}

std::string grownLinesText(const WheelSpec &spec, std::size_t first, std::size_t second)
{
    const WheelSpec a = grownFirstOf(spec);
    const WheelSpec b = grownSecondOf(spec);
    return "the " + std::to_string(first) + " lines of pick " + std::to_string(a.pick) + " type-a \"" + a.label() +
           "\" on " + std::to_string(a.z) + " numbers, and the " + std::to_string(second) + " of pick " +
           std::to_string(b.pick) + " type-a \"" + b.label() + "\" on " + std::to_string(b.z) + " numbers with " +
           formatLine(Line{1} << (spec.z - 1)) + " added to each";
}

std::string everyCombinationText(const WheelSpec &fullSpec)
{
    if (fullSpec.type == 'k')
        return "01 in front of every combination of " + std::to_string(fullSpec.pick - 1) + " of the numbers 02 to " +
               formatLine(Line{1} << (fullSpec.z - 1));
    return "every combination of " + std::to_string(fullSpec.pick) + " of the " + std::to_string(fullSpec.z) +
           " numbers";
}

namespace {

std::string givenText(const Entry &e)
{
    switch (e.given) {
    case LinesGiven::keyInFront:
        return borrowedLinesText(e.spec);
    case LinesGiven::grown:
        return grownLinesText(e.spec, e.grownFirst, e.borrowedTickets - e.grownFirst);
    case LinesGiven::everyCombination:
        return everyCombinationText(e.spec);
    case LinesGiven::listed:
        break;
    }
    return {};
}

std::size_t ticketsOf(const Entry &e)
{
    return e.borrowedTickets > 0 ? e.borrowedTickets : e.lines.size();
}

} // namespace

std::string lendLines(std::vector<Entry> &entries)
{
    std::map<std::tuple<int, char, int, int, int>, std::vector<std::size_t>> typeA;
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].spec.type == 'a')
            typeA[specKey(entries[i].spec)].push_back(i);
    auto find = [&](const WheelSpec &s, std::size_t tickets) -> const Entry * {
        const auto it = typeA.find(specKey(s));
        const Entry *found = nullptr;
        if (it != typeA.end())
            for (std::size_t i : it->second)
                if (ticketsOf(entries[i]) == tickets && !entries[i].lines.empty())
                    found = &entries[i];
        return found;
    };
    // A wheel names wheels of one number fewer, so filling them in by count of numbers
    // has every named wheel's lines at hand.
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].borrowedTickets > 0 && entries[i].lines.empty())
            order.push_back(i);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return entries[a].spec.z < entries[b].spec.z; });
    auto missing = [](const Entry &e, const WheelSpec &s, std::size_t tickets) {
        return whereFound(e) + ": the wheel borrows the lines of the type-a wheel \"" + s.label() + "\" of pick " +
               std::to_string(s.pick) + " on " + std::to_string(s.z) + " numbers with " + std::to_string(tickets) +
               " tickets, and there is no such wheel";
    };
    for (std::size_t i : order) {
        Entry &e = entries[i];
        if (e.given == LinesGiven::grown) {
            const std::size_t second = e.borrowedTickets - e.grownFirst;
            const Entry *a = find(grownFirstOf(e.spec), e.grownFirst);
            const Entry *b = find(grownSecondOf(e.spec), second);
            if (!a)
                return missing(e, grownFirstOf(e.spec), e.grownFirst);
            if (!b)
                return missing(e, grownSecondOf(e.spec), second);
            e.lines = grownLines(e.spec.z, a->lines, b->lines);
            continue;
        }
        const Entry *lender = find(lenderOf(e.spec), e.borrowedTickets);
        if (!lender)
            return missing(e, lenderOf(e.spec), e.borrowedTickets);
        e.lines = linesFromDesign(e.spec, lender->lines);
    }
    return {};
}

void borrowWhereTheSame(std::vector<Entry> &entries)
{
    std::map<std::tuple<int, char, int, int, int>, std::size_t> typeA;
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].spec.type == 'a')
            typeA[specKey(entries[i].spec)] = i;
    auto lines = [&](const WheelSpec &s) -> const std::vector<Line> * {
        const auto it = typeA.find(specKey(s));
        return it == typeA.end() ? nullptr : &entries[it->second].lines;
    };
    for (Entry &e : entries) {
        if (e.borrowedTickets > 0 || e.lines.empty())
            continue;
        if (e.spec.type == 'k') {
            const auto *design = lines(lenderOf(e.spec));
            if (e.spec.x >= 3 && e.lines.size() >= 4 && design && linesFromDesign(e.spec, *design) == e.lines) {
                e.given = LinesGiven::keyInFront;
                e.borrowedTickets = e.lines.size();
                continue;
            }
        }
        // Named only where the name is shorter than the lines ("01-02-03" is 3 characters a number).
        const std::size_t listed = e.lines.size() * 3 * static_cast<std::size_t>(e.spec.pick);
        // The named lines come back in the order lineLess puts them.
        auto sameAs = [&e](const std::vector<Line> &named) {
            std::vector<Line> sorted = e.lines;
            std::sort(sorted.begin(), sorted.end(), lineLess);
            if (named != sorted)
                return false;
            e.borrowedTickets = e.lines.size();
            e.lines = std::move(sorted);
            return true;
        };
        if (e.spec.isFull() && everyCombinationText(e.spec).size() < listed &&
            sameAs(fullWheel(e.spec.pick, e.spec.type, e.spec.z).lines)) {
            e.given = LinesGiven::everyCombination;
            continue;
        }
        if (e.spec.type != 'a' || e.spec.x < 2 || e.spec.pick < 2)
            continue;
        const auto *first = lines(grownFirstOf(e.spec));
        const auto *second = lines(grownSecondOf(e.spec));
        if (first && second && first->size() + second->size() == e.lines.size() &&
            grownLinesText(e.spec, first->size(), second->size()).size() < listed &&
            sameAs(grownLines(e.spec.z, *first, *second))) {
            e.given = LinesGiven::grown;
            e.grownFirst = first->size();
        }
    }
}

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

std::string fixedCountNote(std::size_t lines, double seconds, FixedCountMethod method)
{
    const char *how = method == FixedCountMethod::anneal  ? "annealed"
                      : method == FixedCountMethod::weigh ? "weighted"
                                                          : "searched";
    char text[96];
    std::snprintf(text, sizeof text, "%s at a fixed count: %zu lines in %.1f s", how, lines, seconds);
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

std::size_t madePointlessBy(const std::vector<Entry> &entries, std::size_t i)
{
    auto group = [](const Entry &e) { return std::make_tuple(e.spec.pick, e.spec.type, e.spec.z); };
    const Entry &e = entries[i];
    for (std::size_t j = 0; j < entries.size(); ++j) {
        if (i == j || group(entries[j]) != group(e))
            continue;
        const Entry &o = entries[j];
        const bool atLeastAsStrong = o.spec.x >= e.spec.x && o.spec.y <= e.spec.y;
        const bool same = o.spec.x == e.spec.x && o.spec.y == e.spec.y;
        // Of two copies of one guarantee with as many lines the first stays.
        if (atLeastAsStrong && o.lines.size() <= e.lines.size() && (!same || o.lines.size() < e.lines.size() || j < i))
            return j;
    }
    return entries.size();
}

std::string describe(const Entry &e)
{
    return "pick " + std::to_string(e.spec.pick) + (e.spec.type == 'k' ? " key" : " type-a") + " wheel \"" +
           e.spec.label() + "\" on " + std::to_string(e.spec.z) + " numbers (" + std::to_string(e.lines.size()) +
           " tickets)";
}

std::string whereFound(const Entry &e)
{
    return e.file.empty() ? "line " + std::to_string(e.headerLine) : e.file + ":" + std::to_string(e.headerLine);
}

std::vector<Entry> selectWheels(std::vector<Entry> entries)
{
    std::vector<Entry> kept;
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (madePointlessBy(entries, i) == entries.size())
            kept.push_back(entries[i]);
    std::stable_sort(kept.begin(), kept.end(), [&](const Entry &a, const Entry &b) {
        const auto ga = std::make_tuple(a.spec.pick, a.spec.type, a.spec.z, a.lines.size(), -a.spec.x, a.spec.y);
        const auto gb = std::make_tuple(b.spec.pick, b.spec.type, b.spec.z, b.lines.size(), -b.spec.x, b.spec.y);
        return ga < gb;
    });
    return kept;
}

Entry fullWheel(int pick, char type, int z)
{
    Entry e;
    e.spec = {pick, type, z, pick, pick};
    const bool key = type == 'k';
    const int free = key ? z - 1 : z;
    const int choose = key ? pick - 1 : pick;
    if (choose == 0) {
        e.lines.push_back(1u);
        return e;
    }
    for (std::uint64_t s = (1ull << choose) - 1; s < (1ull << free);) {
        e.lines.push_back(key ? static_cast<Line>((s << 1) | 1u) : static_cast<Line>(s));
        s = nextOfSameSize(s);
    }
    std::sort(e.lines.begin(), e.lines.end(), lineLess);
    return e;
}

} // namespace wheel

namespace wheel {
namespace {

// Gives each marked line the free position below `z` used least so far; empty when a
// marked line has no free position left.
std::vector<Line> addLeastUsed(std::vector<Line> lines, const std::vector<bool> &marked, int z)
{
    int used[kMaxPositions] = {};
    for (Line l : lines)
        for (int p = 0; p < z; ++p)
            used[p] += (l >> p) & 1u;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!marked[i])
            continue;
        int best = -1;
        for (int p = 0; p < z; ++p)
            if (!(lines[i] & (Line{1} << p)) && (best < 0 || used[p] < used[best]))
                best = p;
        if (best < 0)
            return {};
        lines[i] |= Line{1} << best;
        ++used[best];
    }
    return lines;
}

// Each line that holds `from` (at or above `z`) takes instead another position below `z`.
std::vector<Line> dropPosition(std::vector<Line> lines, int from, int z)
{
    std::vector<bool> marked(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        marked[i] = (lines[i] >> from) & 1u;
        lines[i] &= ~(Line{1} << from);
    }
    return addLeastUsed(std::move(lines), marked, z);
}

// Each line gains a position.
std::vector<Line> widenLines(const std::vector<Line> &lines, int z)
{
    return addLeastUsed(lines, std::vector<bool>(lines.size(), true), z);
}

std::vector<Line> distinctSorted(std::vector<Line> lines)
{
    std::sort(lines.begin(), lines.end(), lineLess);
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
    return lines;
}

} // namespace

std::size_t deriveFromNeighbours(std::vector<Entry> &entries, const std::vector<int> &picks)
{
    using Key = std::tuple<int, char, int, int, int>;
    auto keyOf = [](const WheelSpec &s) { return Key{s.pick, s.type, s.z, s.x, s.y}; };
    std::map<Key, std::size_t> index;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const auto [it, fresh] = index.emplace(keyOf(entries[i].spec), i);
        if (!fresh && entries[i].lines.size() < entries[it->second].lines.size())
            it->second = i;
    }
    std::size_t derived = 0;
    // A wheel of another design only replaces a searched one that it beats; one of the same
    // design (the key put in front or taken away) may also fill a gap.
    auto offer = [&](Entry candidate, bool sameDesign) {
        const auto it = index.find(keyOf(candidate.spec));
        if (it == index.end() ? !sameDesign : entries[it->second].lines.size() <= candidate.lines.size())
            return false;
        if (!verifyWheel(candidate.spec, candidate.lines).holds)
            return false;
        ++derived;
        if (it != index.end()) {
            entries[it->second] = std::move(candidate);
        } else {
            index.emplace(keyOf(candidate.spec), entries.size());
            entries.push_back(std::move(candidate));
        }
        return true;
    };
    for (bool changed = true; changed;) {
        changed = false;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const Entry source = entries[i];
            const WheelSpec &s = source.spec;
            if (s.z - 1 > s.pick) {
                Entry fewer;
                fewer.spec = s;
                fewer.spec.z = s.z - 1;
                fewer.lines = distinctSorted(dropPosition(source.lines, s.z - 1, s.z - 1));
                fewer.note = "derived from the wheel of " + std::to_string(s.z) + " numbers";
                changed |= offer(std::move(fewer), false);
            }
            // A key wheel less its key is a type-a wheel of one pick, one number and one hit
            // fewer, and the other way round: both rest on one covering design.
            const bool hasLarger = std::find(picks.begin(), picks.end(), s.pick + 1) != picks.end();
            const bool hasSmaller = std::find(picks.begin(), picks.end(), s.pick - 1) != picks.end();
            if (s.type == 'a' && hasLarger && s.z < kMaxPositions) {
                Entry keyed;
                keyed.spec = {s.pick + 1, 'k', s.z + 1, s.x + 1, s.y + 1};
                for (Line l : source.lines)
                    keyed.lines.push_back((l << 1) | 1u);
                keyed.lines = distinctSorted(keyed.lines);
                keyed.note = "derived from the type-a wheel of pick " + std::to_string(s.pick);
                changed |= offer(std::move(keyed), true);
            }
            if (s.type == 'k' && hasSmaller && s.x > 2 && s.pick - 1 < s.z - 1) {
                Entry plain;
                plain.spec = {s.pick - 1, 'a', s.z - 1, s.x - 1, s.y - 1};
                for (Line l : source.lines)
                    plain.lines.push_back(l >> 1);
                plain.lines = distinctSorted(plain.lines);
                plain.note = "derived from the key wheel of pick " + std::to_string(s.pick);
                changed |= offer(std::move(plain), true);
            }
            if (s.z > s.pick + 1 && hasLarger) {
                Entry wider;
                wider.spec = s;
                wider.spec.pick = s.pick + 1;
                wider.lines = distinctSorted(widenLines(source.lines, s.z));
                wider.note = "derived from the wheel of pick " + std::to_string(s.pick);
                changed |= offer(std::move(wider), false);
            }
        }
    }
    return derived;
}

} // namespace wheel
