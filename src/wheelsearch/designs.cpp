// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheelsearch/designs.h"

#include "wheelsearch/groupcover.h"
#include "wheelsearch/groups.h"
#include "wheelsearch/quads.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <numeric>
#include <random>
#include <string>

namespace wheel {

std::vector<Entry> golayWheels()
{
    // The cyclic [23,12,7] code has generator x^11 + x^10 + x^6 + x^5 + x^4 + x^2 + 1;
    // its twelve shifts span it, and a parity position makes every weight divisible by 4.
    constexpr Line generator = (1u << 11) | (1u << 10) | (1u << 6) | (1u << 5) | (1u << 4) | (1u << 2) | 1u;
    std::vector<Line> octads;
    for (Line combination = 0; combination < (1u << 12); ++combination) {
        Line word = 0;
        for (int shift = 0; shift < 12; ++shift)
            if (combination & (1u << shift))
                word ^= generator << shift;
        if (std::popcount(word) % 2)
            word |= 1u << 23;
        if (std::popcount(word) == 8)
            octads.push_back(word);
    }
    std::vector<Entry> wheels;
    for (int fixed = 0; fixed <= 3; ++fixed) {
        // Octads through the last `fixed` positions, those positions taken away.
        const int z = 24 - fixed;
        const Line tail = ((1u << fixed) - 1u) << z;
        Entry e;
        e.spec = {8 - fixed, 'a', z, 5 - fixed, 5 - fixed};
        for (Line o : octads)
            if ((o & tail) == tail)
                e.lines.push_back(o & ~tail);
        std::sort(e.lines.begin(), e.lines.end(), lineLess);
        e.note = "constructed from the binary Golay code";
        wheels.push_back(std::move(e));
    }
    return wheels;
}

namespace {

// The field of q^2 elements as a + b*r with r^2 = n, n a non-square modulo q; element
// a + b*r has the index a + q*b.
class SquareField {
public:
    explicit SquareField(int q) : q_(q)
    {
        for (int a = 1; a < q; ++a) {
            bool square = false;
            for (int b = 1; b < q; ++b)
                square |= (b * b) % q == a;
            if (!square) {
                nonSquare_ = a;
                break;
            }
        }
    }
    int size() const { return q_ * q_; }
    int add(int x, int y) const { return (x % q_ + y % q_) % q_ + q_ * ((x / q_ + y / q_) % q_); }
    int negate(int x) const { return ((q_ - x % q_) % q_) + q_ * ((q_ - x / q_) % q_); }
    int multiply(int x, int y) const
    {
        const int a = x % q_, b = x / q_, c = y % q_, d = y / q_;
        return (a * c + nonSquare_ * b * d) % q_ + q_ * ((a * d + b * c) % q_);
    }
    int inverse(int x) const
    {
        for (int y = 1; y < size(); ++y)
            if (multiply(x, y) == 1)
                return y;
        return 0;
    }

private:
    int q_;
    int nonSquare_ = 0;
};

} // namespace

namespace {

// The circles of the inversive plane of order q (q an odd prime up to 7) on its q^2 + 1
// points, infinity the last: every three points lie on exactly one of them.
std::vector<Line> inversiveCircles(int q)
{
    const SquareField f(q);
    const int infinity = f.size();
    std::vector<Line> circles;
    // The map with 0 -> a, 1 -> b, infinity -> c sends x to
    // (c(b - a)x + a(c - b)) / ((b - a)x + (c - b)); every circle holds three finite points.
    for (int a = 0; a < f.size(); ++a)
        for (int b = 0; b < f.size(); ++b)
            for (int c = 0; c < f.size(); ++c) {
                if (a == b || b == c || a == c)
                    continue;
                const int ba = f.add(b, f.negate(a));
                const int cb = f.add(c, f.negate(b));
                Line circle = Line{1} << c;
                for (int x = 0; x < q; ++x) {
                    const int num = f.add(f.multiply(f.multiply(c, ba), x), f.multiply(a, cb));
                    const int den = f.add(f.multiply(ba, x), cb);
                    circle |= Line{1} << (den == 0 ? infinity : f.multiply(num, f.inverse(den)));
                }
                circles.push_back(circle);
            }
    std::sort(circles.begin(), circles.end(), lineLess);
    circles.erase(std::unique(circles.begin(), circles.end()), circles.end());
    return circles;
}

} // namespace

Entry inversivePlaneWheel(int q)
{
    Entry e;
    if (q < 3 || q > 5 || q == 4)
        return e;
    e.spec = {q + 1, 'a', q * q + 1, 3, 3};
    e.note = "constructed as the circles of the inversive plane of order " + std::to_string(q);
    e.lines = inversiveCircles(q);
    return e;
}

namespace {

// Calls f(i, j, l) for every triple i < j < l of the positions in s.
template <class F> void forEachTriple(Line s, F &&f)
{
    int p[kMaxPositions];
    const int n = positionsOf(s, p);
    for (int a = 0; a < n; ++a)
        for (int b = a + 1; b < n; ++b)
            for (int c = b + 1; c < n; ++c)
                f(p[a], p[b], p[c]);
}

constexpr int kPlanePoints = 50; // the inversive plane of order 7
constexpr int kPick = 7;

std::size_t tripleIndex(int a, int b, int c)
{
    std::array<int, 3> t{a, b, c};
    std::sort(t.begin(), t.end());
    return (static_cast<std::size_t>(t[0]) * kPlanePoints + static_cast<std::size_t>(t[1])) * kPlanePoints +
           static_cast<std::size_t>(t[2]);
}

struct Punctured {
    std::vector<Line> lines; // on the plane's own points
    std::size_t whole = 0;   // circles that kept all eight points
    std::size_t broughtOn = 0;
    std::size_t extra = 0;
};

// The lines of the plane with the points in `removed` taken out: each circle left with
// three to seven points is a line; a circle left whole (eight points) becomes two lines,
// each without one of two points a and z, which leaves bare only the triples holding both.
// Those triples go where a line has room: a line holding two of a triple's points takes
// the third, always where it brings the most bare triples on. Lines are made for what is
// still bare, and every line is filled up to seven with random points.
Punctured puncture(const std::vector<Line> &circles, Line removed, std::mt19937_64 &rng)
{
    Punctured out;
    const Line kept = ((Line{1} << kPlanePoints) - 1) & ~removed;
    std::vector<Line> &lines = out.lines;
    for (Line c : circles) {
        const Line s = c & kept;
        const int n = std::popcount(s);
        if (n < 3)
            continue;
        if (n <= kPick) {
            lines.push_back(s);
            continue;
        }
        int pos[kPlanePoints];
        positionsOf(s, pos);
        const int i = static_cast<int>(rng() % 8);
        const int j = (i + 1 + static_cast<int>(rng() % 7)) % 8;
        lines.push_back(s & ~(Line{1} << pos[i]));
        lines.push_back(s & ~(Line{1} << pos[j]));
        ++out.whole;
    }
    std::vector<std::uint8_t> held(static_cast<std::size_t>(kPlanePoints) * kPlanePoints * kPlanePoints, 0);
    auto hold = [&](Line line) { forEachTriple(line, [&](int a, int b, int c) { held[tripleIndex(a, b, c)] = 1; }); };
    for (Line l : lines)
        hold(l);
    int keptPos[kPlanePoints];
    const int v = positionsOf(kept, keptPos);
    std::vector<std::array<int, 3>> bare;
    forEachTriple(kept, [&](int a, int b, int c) {
        if (!held[tripleIndex(a, b, c)])
            bare.push_back({a, b, c});
    });
    auto dropHeld = [&] {
        std::erase_if(bare, [&](const std::array<int, 3> &t) { return held[tripleIndex(t[0], t[1], t[2])] != 0; });
    };
    // Onto lines with room.
    std::vector<std::vector<std::size_t>> roomy(static_cast<std::size_t>(kPlanePoints) * kPlanePoints);
    while (!bare.empty()) {
        // The lines with room, by each pair they hold.
        for (auto &r : roomy)
            r.clear();
        for (std::size_t i = 0; i < lines.size(); ++i) {
            int pos[kPlanePoints];
            const int n = positionsOf(lines[i], pos);
            if (n >= kPick)
                continue;
            for (int a = 0; a < n; ++a)
                for (int b = a + 1; b < n; ++b)
                    roomy[static_cast<std::size_t>(pos[a]) * kPlanePoints + static_cast<std::size_t>(pos[b])].push_back(
                        i);
        }
        std::vector<std::pair<std::size_t, int>> moves; // (line, point), once per bare triple it brings on
        for (const auto &t : bare)
            for (std::size_t lone = 0; lone < 3; ++lone) {
                const int x = t[(lone + 1) % 3];
                const int y = t[(lone + 2) % 3];
                const auto key =
                    static_cast<std::size_t>(std::min(x, y)) * kPlanePoints + static_cast<std::size_t>(std::max(x, y));
                for (std::size_t i : roomy[key])
                    moves.emplace_back(i, t[lone]);
            }
        if (moves.empty())
            break;
        std::sort(moves.begin(), moves.end());
        std::pair<std::size_t, int> best{};
        std::size_t bestCount = 0;
        for (std::size_t i = 0; i < moves.size();) {
            std::size_t j = i;
            while (j < moves.size() && moves[j] == moves[i])
                ++j;
            if (j - i > bestCount || (j - i == bestCount && rng() % 2 == 0)) {
                bestCount = j - i;
                best = moves[i];
            }
            i = j;
        }
        lines[best.first] |= Line{1} << best.second;
        hold(lines[best.first]);
        out.broughtOn += bestCount;
        dropHeld();
    }
    // New lines for what is left.
    while (!bare.empty()) {
        const auto &t = bare.front();
        Line line = (Line{1} << t[0]) | (Line{1} << t[1]) | (Line{1} << t[2]);
        while (std::popcount(line) < kPick) {
            int bestPoint = -1;
            std::size_t bestGain = 0;
            for (int i = 0; i < v; ++i) {
                const int p = keptPos[i];
                if (line & (Line{1} << p))
                    continue;
                std::size_t gain = 0;
                for (const auto &u : bare) {
                    const Line us = (Line{1} << u[0]) | (Line{1} << u[1]) | (Line{1} << u[2]);
                    gain += (us & (Line{1} << p)) && ((us & ~(Line{1} << p)) & ~line) == 0;
                }
                if (bestPoint < 0 || gain > bestGain) {
                    bestPoint = p;
                    bestGain = gain;
                }
            }
            line |= Line{1} << bestPoint;
        }
        lines.push_back(line);
        hold(line);
        ++out.extra;
        dropHeld();
    }
    for (Line &l : lines)
        while (std::popcount(l) < kPick) {
            const int p = keptPos[rng() % static_cast<std::size_t>(v)];
            l |= Line{1} << p;
        }
    return out;
}

} // namespace

Entry puncturedInversiveWheel(int numbers, std::uint64_t seed, int tries)
{
    Entry e;
    const int removedCount = kPlanePoints - numbers;
    if (removedCount < 1 || removedCount > 12)
        return e;
    const auto circles = inversiveCircles(7);
    std::mt19937_64 rng(seed);
    // Which points go out: a descent over swapping one of them for one that stays, each
    // choice judged by the lines it makes.
    std::vector<int> points(kPlanePoints);
    std::iota(points.begin(), points.end(), 0);
    std::shuffle(points.begin(), points.end(), rng);
    Line removed = 0;
    for (int i = 0; i < removedCount; ++i)
        removed |= Line{1} << points[static_cast<std::size_t>(i)];
    Punctured best = puncture(circles, removed, rng);
    Line bestRemoved = removed;
    for (int i = 0; i < tries; ++i) {
        int out[kPlanePoints];
        int in[kPlanePoints];
        const int nOut = positionsOf(bestRemoved, out);
        const int nIn = positionsOf(((Line{1} << kPlanePoints) - 1) & ~bestRemoved, in);
        const Line next = (bestRemoved & ~(Line{1} << out[rng() % static_cast<std::size_t>(nOut)])) |
                          (Line{1} << in[rng() % static_cast<std::size_t>(nIn)]);
        Punctured p = puncture(circles, next, rng);
        if (p.lines.size() <= best.lines.size()) {
            best = std::move(p);
            bestRemoved = next;
        }
    }
    // Number the points that stay 1 to `numbers`.
    int keptPos[kPlanePoints];
    const int v = positionsOf(((Line{1} << kPlanePoints) - 1) & ~bestRemoved, keptPos);
    std::array<int, kPlanePoints> place{};
    for (int i = 0; i < v; ++i)
        place[static_cast<std::size_t>(keptPos[i])] = i;
    e.spec = {kPick, 'a', numbers, 3, 3};
    for (Line l : best.lines) {
        Line m = 0;
        for (; l; l &= l - 1)
            m |= Line{1} << place[static_cast<std::size_t>(std::countr_zero(l))];
        e.lines.push_back(m);
    }
    std::sort(e.lines.begin(), e.lines.end(), lineLess);
    e.note = "constructed from the circles of the inversive plane of order 7 (GF(49) and infinity, the circles "
             "the images of GF(7) and infinity under x->(ax+b)/(cx+d)) with " +
             std::to_string(removedCount) +
             " of its 50 numbers taken out: a line for each circle left with 3 to 7, two for each of the " +
             std::to_string(best.whole) + " left whole, " + std::to_string(best.broughtOn) +
             " triples these leave bare brought onto lines with room, " + std::to_string(best.extra) + " lines more (" +
             std::to_string(best.lines.size()) + " lines)";
    return e;
}

Entry transversalWheel(int k, int n, int extra, const Entry &runWheel)
{
    Entry e;
    const Field f(n);
    const int z = k * n + extra;
    const WheelSpec &run = runWheel.spec;
    const bool runFits = run.pick == k && run.type == 'a' && run.z == n + extra && run.x == 2 && run.y == 2;
    if (!f.valid() || k > n || n > 9 || extra < 0 || z > kMaxPositions || !runFits || runWheel.lines.empty())
        return e;
    e.spec = {k, 'a', z, 2, 2};
    e.note = "constructed from a transversal design over GF(" + std::to_string(n) + "): " + std::to_string(n * n) +
             " lines meeting each of " + std::to_string(k) + " runs of " + std::to_string(n) +
             " numbers once, and each run" +
             (extra > 0 ? " with the " + std::to_string(extra) + " numbers after them" : std::string()) + " in the " +
             std::to_string(runWheel.lines.size()) + " lines of \"2 if 2\" on " + std::to_string(n + extra);
    // Run x holds the numbers x*n to x*n + n - 1; the field element x picks the run.
    for (int a = 0; a < n; ++a)
        for (int b = 0; b < n; ++b) {
            Line line = 0;
            for (int x = 0; x < k; ++x)
                line |= Line{1} << (x * n + f.add(f.mul(a, x), b));
            e.lines.push_back(line);
        }
    for (int x = 0; x < k; ++x)
        for (Line l : runWheel.lines) {
            Line line = 0;
            for (; l; l &= l - 1) {
                const int i = std::countr_zero(l);
                line |= Line{1} << (i < n ? x * n + i : k * n + (i - n));
            }
            e.lines.push_back(line);
        }
    std::sort(e.lines.begin(), e.lines.end(), lineLess);
    e.lines.erase(std::unique(e.lines.begin(), e.lines.end()), e.lines.end());
    return e;
}

namespace {

// Every k-subset of the first `points` positions, as masks.
std::vector<Line> subsetsOf(int points, int k)
{
    std::vector<Line> all;
    const Line top = Line{1} << points;
    for (Line s = (Line{1} << k) - 1; s < top; s = nextOfSameSize(s))
        all.push_back(s);
    return all;
}

} // namespace

Entry quadraticWheel(int k, int n, double seconds)
{
    Entry e;
    const Field f(n);
    const int v = k * n;
    if (!f.valid() || k < 3 || k > n || n > 9 || v > kMaxPositions)
        return e;
    e.spec = {k, 'a', v, 3, 3};
    // Run x holds the numbers x*n to x*n + n - 1; the field element x picks the run.
    for (int a = 0; a < n; ++a)
        for (int b = 0; b < n; ++b)
            for (int c = 0; c < n; ++c) {
                Line line = 0;
                for (int x = 0; x < k; ++x)
                    line |= Line{1} << (x * n + f.add(f.add(f.mul(a, f.mul(x, x)), f.mul(b, x)), c));
                e.lines.push_back(line);
            }
    const std::size_t across = e.lines.size();

    // Two runs side by side (positions 0 to n - 1, n to 2n - 1): the triples meeting both.
    const auto index = [](int i, int j, int l) { return (i * kMaxPositions + j) * kMaxPositions + l; };
    std::vector<std::int32_t> element(static_cast<std::size_t>(index(2 * n, 0, 0)), -1);
    std::uint32_t elements = 0;
    const Line first = (Line{1} << n) - 1;
    forEachTriple((Line{1} << (2 * n)) - 1, [&](int i, int j, int l) {
        const Line t = (Line{1} << i) | (Line{1} << j) | (Line{1} << l);
        if ((t & first) && (t & ~first))
            element[static_cast<std::size_t>(index(i, j, l))] = static_cast<std::int32_t>(elements++);
    });
    std::vector<Line> candidates;
    std::vector<std::vector<std::uint32_t>> holds;
    for (Line s : subsetsOf(2 * n, k)) {
        if (!(s & first) || !(s & ~first))
            continue;
        std::vector<std::uint32_t> h;
        forEachTriple(s, [&](int i, int j, int l) {
            const auto el = element[static_cast<std::size_t>(index(i, j, l))];
            if (el >= 0)
                h.push_back(static_cast<std::uint32_t>(el));
        });
        candidates.push_back(s);
        holds.push_back(std::move(h));
    }
    const auto pairCover = coverEveryElement(elements, holds, seconds, 1);

    std::vector<std::uint16_t> count(static_cast<std::size_t>(index(v, 0, 0)), 0);
    // How many triples within one run no line holds (all of them before any line is
    // tallied), kept up to date by `tally`.
    auto bare = static_cast<long>(static_cast<std::uint64_t>(k) * binomial(n, 3));
    const auto tally = [&](Line line, int by) {
        forEachTriple(line, [&](int a, int b, int c) {
            auto &held = count[static_cast<std::size_t>(index(a, b, c))];
            if (a / n == c / n)
                bare += (by < 0 && held == 1) - (by > 0 && held == 0);
            held = static_cast<std::uint16_t>(held + by);
        });
    };
    const auto tallyAll = [&](const std::vector<Line> &lines, int by) {
        for (Line line : lines)
            tally(line, by);
    };
    tallyAll(e.lines, 1);
    // The same cover laid on every two runs would give each run the same few triples of its
    // own again and again. Any relabelling within the two runs holds the triples across them
    // as well, so each two runs first get the relabelling, of a few drawn, that holds most
    // triples within a run that nothing holds yet; then an annealing over swaps of two labels
    // brings down the triples within runs that no line holds, mostly to none.
    constexpr int kRelabellings = 400;
    constexpr int kSwaps = 300000;
    std::mt19937_64 rng(1);
    struct Relabelled {
        int x, y;
        std::vector<int> labelsX, labelsY;
        std::vector<Line> lines;
    };
    std::vector<Relabelled> pairs;
    const auto lay = [&](Relabelled &r) {
        r.lines.clear();
        for (auto j : pairCover) {
            Line line = 0;
            for (Line s = candidates[j]; s; s &= s - 1) {
                const int i = std::countr_zero(s);
                line |= Line{1} << (i < n ? r.x * n + r.labelsX[static_cast<std::size_t>(i)]
                                          : r.y * n + r.labelsY[static_cast<std::size_t>(i - n)]);
            }
            r.lines.push_back(line);
        }
    };
    for (int x = 0; x < k; ++x)
        for (int y = x + 1; y < k; ++y) {
            Relabelled r{
                x, y, std::vector<int>(static_cast<std::size_t>(n)), std::vector<int>(static_cast<std::size_t>(n)), {}};
            Relabelled best = r;
            long fewest = -1;
            for (int attempt = 0; attempt < kRelabellings; ++attempt) {
                for (int i = 0; i < n; ++i)
                    r.labelsX[static_cast<std::size_t>(i)] = r.labelsY[static_cast<std::size_t>(i)] = i;
                if (attempt > 0) {
                    std::shuffle(r.labelsX.begin(), r.labelsX.end(), rng);
                    std::shuffle(r.labelsY.begin(), r.labelsY.end(), rng);
                }
                lay(r);
                tallyAll(r.lines, 1);
                if (fewest < 0 || bare < fewest) {
                    fewest = bare;
                    best = r;
                }
                tallyAll(r.lines, -1);
            }
            tallyAll(best.lines, 1);
            pairs.push_back(std::move(best));
        }
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int swap = 0; swap < kSwaps && bare > 0; ++swap) {
        Relabelled &r = pairs[rng() % pairs.size()];
        auto &labels = rng() % 2 ? r.labelsX : r.labelsY;
        const auto i = static_cast<std::size_t>(rng() % static_cast<std::uint64_t>(n));
        const auto j = static_cast<std::size_t>(rng() % static_cast<std::uint64_t>(n));
        if (i == j)
            continue;
        const long before = bare;
        const std::vector<Line> old = r.lines;
        tallyAll(old, -1);
        std::swap(labels[i], labels[j]);
        lay(r);
        tallyAll(r.lines, 1);
        const double heat = 0.6 * (1.0 - static_cast<double>(swap) / kSwaps) + 0.05;
        if (bare > before && unit(rng) >= std::exp(static_cast<double>(before - bare) / heat)) {
            tallyAll(r.lines, -1);
            std::swap(labels[i], labels[j]);
            r.lines = old;
            tallyAll(old, 1);
        }
    }
    for (const Relabelled &r : pairs)
        e.lines.insert(e.lines.end(), r.lines.begin(), r.lines.end());

    // What each run still misses, covered greedily by lines within it.
    const auto runSubsets = subsetsOf(n, k);
    std::size_t within = 0;
    for (int x = 0; x < k; ++x)
        for (;;) {
            Line best = 0;
            int bestGain = 0;
            for (Line s : runSubsets) {
                const Line line = s << (x * n);
                int gain = 0;
                forEachTriple(
                    line, [&](int i, int j, int l) { gain += count[static_cast<std::size_t>(index(i, j, l))] == 0; });
                if (gain > bestGain) {
                    bestGain = gain;
                    best = line;
                }
            }
            if (bestGain == 0)
                break;
            e.lines.push_back(best);
            tally(best, 1);
            ++within;
        }
    // A line whose every triple another line holds too is left out, the last laid first.
    std::size_t dropped = 0;
    for (std::size_t i = e.lines.size(); i-- > 0;) {
        bool needed = false;
        forEachTriple(e.lines[i],
                      [&](int a, int b, int c) { needed |= count[static_cast<std::size_t>(index(a, b, c))] == 1; });
        if (!needed) {
            tally(e.lines[i], -1);
            e.lines.erase(e.lines.begin() + static_cast<std::ptrdiff_t>(i));
            ++dropped;
        }
    }
    e.note = "constructed from the quadratics over GF(" + std::to_string(n) + "): " + std::to_string(across) +
             " lines meeting each of " + std::to_string(k) + " runs of " + std::to_string(n) + " numbers once, " +
             std::to_string(pairCover.size()) + " lines on each two runs for the triples across them, " +
             std::to_string(within) + " within runs, " + std::to_string(dropped) + " left out as held by others";
    std::sort(e.lines.begin(), e.lines.end(), lineLess);
    return e;
}

Entry groupDivisibleKeyWheel(int u, std::uint64_t nodeLimit)
{
    Entry e;
    e.spec = {5, 'k', 6 * u + 4, 3, 3};
    if (u < 4 || e.spec.z > kMaxPositions)
        return e;
    // Runs of 2u suit an even u, runs of u an odd one; the other shape is tried after.
    for (int runs : u % 2 == 0 ? std::array{3, 6} : std::array{6, 3}) {
        const ExactPairCover cover = groupDivisibleQuadCover(u, runs, 1, nodeLimit);
        if (cover.blocks.empty())
            continue;
        e.lines = linesFromDesign(e.spec, cover.blocks);
        const int length = 6 * u / runs;
        e.note = "constructed from a group divisible design: the numbers after the key in " + std::to_string(u) +
                 " groups of six, each on three lines of its own, and three more on one line; every pair from two "
                 "groups on one line, found by exact cover under the turns modulo " +
                 std::to_string(length) + " on " + std::to_string(runs) + " copies";
        return e;
    }
    return e;
}

std::vector<Line> tripleCoverOfPairs(int v)
{
    if (v < 8 || (v % 6 != 2 && v % 6 != 4) || v > kMaxPositions)
        return {};
    PairCoverAsk ask;
    ask.v = v - 1;
    ask.k = 3;
    ask.length = v - 1;
    std::vector<Line> blocks = exactPairCover(ask, 1, 1'000'000).blocks;
    if (blocks.empty())
        return blocks;
    const Line last = Line{1} << (v - 1);
    for (int a = 0; a + 1 < v - 1; a += 2)
        blocks.push_back(last | Line{3} << a);
    blocks.push_back(last | Line{1} << (v - 2) | Line{1});
    return blocks;
}

Entry steinerGrownKeyWheel(const Entry &steiner)
{
    Entry e;
    const WheelSpec &s = steiner.spec;
    const int v = s.z - 1;
    const auto triples =
        static_cast<std::size_t>(v) * static_cast<std::size_t>(v - 1) * static_cast<std::size_t>(v - 2);
    if (s.pick != 5 || s.type != 'k' || s.x != 4 || s.y != 4 || s.z + 1 > kMaxPositions ||
        steiner.lines.size() * 24 != triples)
        return e;
    const std::vector<Line> grown = tripleCoverOfPairs(v);
    if (grown.empty())
        return e;
    e.spec = {5, 'k', s.z + 1, 4, 4};
    e.lines = steiner.lines;
    const Line added = Line{1} << (v + 1); // the new number, past the key and the v before it
    for (Line b : linesFromDesign(e.spec, grown))
        e.lines.push_back(b | added);
    std::sort(e.lines.begin(), e.lines.end(), lineLess);
    e.note = "constructed from the Steiner quadruple system of the key wheel on " + std::to_string(s.z) +
             " numbers, and number " + std::to_string(e.spec.z) + " with the key on the " +
             std::to_string(grown.size()) + " lines of a cover of the pairs of the " + std::to_string(v) +
             " other numbers by triples";
    return e;
}

} // namespace wheel
