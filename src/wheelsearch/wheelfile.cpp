// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheelsearch/wheelfile.h"

#include "wheelsearch/borrowedlines.h"

#include <algorithm>
#include <bit>
#include <map>
#include <sstream>

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

// What the file holds in place of the lines of a wheel that borrows them.
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
