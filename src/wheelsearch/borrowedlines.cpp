// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheelsearch/borrowedlines.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <string_view>
#include <tuple>

namespace wheel {
namespace {

// The two wheels a grown type-a wheel is made of.
WheelSpec grownFirstOf(const WheelSpec &s)
{
    return {s.pick, 'a', s.z - 1, s.x, s.y};
}

WheelSpec grownSecondOf(const WheelSpec &s)
{
    return {s.pick - 1, 'a', s.z - 1, s.x - 1, s.y - 1};
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

// The type-a wheel whose lines a key wheel borrows.
WheelSpec lenderOf(const WheelSpec &keySpec)
{
    return {keySpec.pick - 1, 'a', keySpec.z - 1, keySpec.x - 1, keySpec.y - 1};
}

auto specKey(const WheelSpec &s)
{
    return std::make_tuple(s.pick, s.type, s.z, s.x, s.y);
}

std::size_t ticketsOf(const Entry &e)
{
    return e.borrowedTickets > 0 ? e.borrowedTickets : e.lines.size();
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

bool readGrownCounts(const std::string &line, std::size_t &first, std::size_t &second)
{
    constexpr std::string_view kAnd = ", and the ";
    const auto at = line.find(kAnd);
    return at != std::string::npos && std::sscanf(line.c_str(), "the %zu lines of", &first) == 1 &&
           std::sscanf(line.c_str() + at + kAnd.size(), "%zu of", &second) == 1;
}

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

} // namespace wheel
