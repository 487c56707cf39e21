// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheelsearch/wheel.h"

#include <algorithm>
#include <array>
#include <bit>

namespace wheel {

std::uint64_t binomial(int n, int r)
{
    if (r < 0 || n < 0 || r > n)
        return 0;
    r = std::min(r, n - r);
    std::uint64_t result = 1;
    for (int i = 1; i <= r; ++i)
        result = result * static_cast<std::uint64_t>(n - r + i) / static_cast<std::uint64_t>(i);
    return result;
}

std::uint64_t colexRank(Line set)
{
    // choose[n][r] for every n and r a set of positions can have.
    static const auto choose = [] {
        std::array<std::array<std::uint64_t, kMaxPositions + 1>, kMaxPositions + 1> table{};
        for (int n = 0; n <= kMaxPositions; ++n)
            for (int r = 0; r <= kMaxPositions; ++r)
                table[static_cast<std::size_t>(n)][static_cast<std::size_t>(r)] = binomial(n, r);
        return table;
    }();
    std::uint64_t rank = 0;
    for (std::size_t size = 1; set; set &= set - 1, ++size)
        rank += choose[static_cast<std::size_t>(std::countr_zero(set))][size];
    return rank;
}

std::string WheelSpec::label() const
{
    return std::to_string(x) + " if " + std::to_string(y);
}

Design designOf(const WheelSpec &spec)
{
    if (spec.type == 'k')
        return {spec.z - 1, spec.pick - 1, spec.x - 1, spec.y - 1};
    return {spec.z, spec.pick, spec.x, spec.y};
}

std::vector<Line> linesFromDesign(const WheelSpec &spec, const std::vector<Line> &blocks)
{
    if (spec.type != 'k')
        return blocks;
    std::vector<Line> lines;
    lines.reserve(blocks.size());
    for (Line b : blocks)
        lines.push_back((b << 1) | 1u);
    return lines;
}

std::vector<Line> designFromLines(const WheelSpec &spec, const std::vector<Line> &lines)
{
    if (spec.type != 'k')
        return lines;
    std::vector<Line> blocks;
    blocks.reserve(lines.size());
    for (Line l : lines)
        blocks.push_back(l >> 1);
    return blocks;
}

std::string formatLine(Line line)
{
    std::string text;
    for (int p = 0; p < 64; ++p) {
        if (!(line & (Line{1} << p)))
            continue;
        if (!text.empty())
            text += '-';
        const int position = p + 1;
        text += static_cast<char>('0' + position / 10);
        text += static_cast<char>('0' + position % 10);
    }
    return text;
}

bool parseLine(const std::string &text, int maxPosition, Line &line, std::string &error, int *repeated)
{
    line = 0;
    if (text.empty()) {
        error = "empty line";
        return false;
    }
    std::size_t i = 0;
    while (true) {
        if (i + 2 > text.size() || text[i] < '0' || text[i] > '9' || text[i + 1] < '0' || text[i + 1] > '9') {
            error = "positions must be two digits joined by '-'";
            return false;
        }
        const int position = (text[i] - '0') * 10 + (text[i + 1] - '0');
        if (position < 1 || position > maxPosition || position > kMaxPositions) {
            error = "position " + text.substr(i, 2) + " is outside 01.." + std::to_string(maxPosition);
            return false;
        }
        const Line bit = Line{1} << (position - 1);
        if (line & bit) {
            error = "position " + text.substr(i, 2) + " is repeated";
            if (repeated)
                *repeated = position;
            return false;
        }
        line |= bit;
        i += 2;
        if (i == text.size())
            return true;
        if (text[i] != '-' || i + 1 == text.size()) {
            error = "positions must be two digits joined by '-'";
            return false;
        }
        ++i;
    }
}

bool wholeNumber(const std::string &text, int &value)
{
    if (text.empty() || text.size() > 9 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    value = std::stoi(text);
    return true;
}

std::uint64_t setsPerBlock(const Design &d)
{
    std::uint64_t sets = 0;
    for (int i = d.t; i <= std::min(d.k, d.m); ++i)
        sets += binomial(d.k, i) * binomial(d.v - d.k, d.m - i);
    return sets;
}

std::uint64_t lowerBound(const Design &d)
{
    if (d.t <= 0 || d.m <= 0 || d.k <= 0 || d.v < d.k)
        return 0;
    if (d.t == d.m) {
        // Schoenheim: L(v,k,t) = ceil(v/k * L(v-1,k-1,t-1)), L(.,.,0) = 1.
        std::uint64_t bound = 1;
        for (int i = d.t - 1; i >= 0; --i) {
            const auto v = static_cast<std::uint64_t>(d.v - i);
            const auto k = static_cast<std::uint64_t>(d.k - i);
            bound = (v * bound + k - 1) / k;
        }
        return bound;
    }
    const std::uint64_t perBlock = setsPerBlock(d);
    const std::uint64_t sets = binomial(d.v, d.m);
    return perBlock == 0 ? 0 : (sets + perBlock - 1) / perBlock;
}

} // namespace wheel
