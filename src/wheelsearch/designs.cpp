// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "designs.h"

#include "groups.h"

#include <algorithm>
#include <bit>
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

Entry inversivePlaneWheel(int q)
{
    Entry e;
    if (q < 3 || q > 5 || q == 4)
        return e;
    const SquareField f(q);
    const int infinity = f.size(); // the point at infinity is the last position
    e.spec = {q + 1, 'a', f.size() + 1, 3, 3};
    e.note = "constructed as the circles of the inversive plane of order " + std::to_string(q);
    // The map with 0 -> a, 1 -> b, infinity -> c sends x to
    // (c(b - a)x + a(c - b)) / ((b - a)x + (c - b)); every circle holds three finite points.
    for (int a = 0; a < f.size(); ++a)
        for (int b = 0; b < f.size(); ++b)
            for (int c = 0; c < f.size(); ++c) {
                if (a == b || b == c || a == c)
                    continue;
                const int ba = f.add(b, f.negate(a));
                const int cb = f.add(c, f.negate(b));
                Line circle = 1u << c;
                for (int x = 0; x < q; ++x) {
                    const int num = f.add(f.multiply(f.multiply(c, ba), x), f.multiply(a, cb));
                    const int den = f.add(f.multiply(ba, x), cb);
                    circle |= 1u << (den == 0 ? infinity : f.multiply(num, f.inverse(den)));
                }
                e.lines.push_back(circle);
            }
    std::sort(e.lines.begin(), e.lines.end(), lineLess);
    e.lines.erase(std::unique(e.lines.begin(), e.lines.end()), e.lines.end());
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

} // namespace wheel
