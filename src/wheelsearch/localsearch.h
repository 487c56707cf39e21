// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The parts the two local searches share (over single lines in search.cpp, over orbits of
// lines in orbits.cpp): their random numbers, the list of what is still bare, and the
// choice of the next swap.
#pragma once

#include "wheelsearch/wheel.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

namespace wheel::local {

// Seconds since it was made.
class Stopwatch {
public:
    double seconds() const { return std::chrono::duration<double>(Clock::now() - started_).count(); }

private:
    using Clock = std::chrono::steady_clock;
    Clock::time_point started_ = Clock::now();
};

// Whether a search can take the design at all: blocks within the points, hits within the
// blocks and the drawn sets, at most kMaxPositions points.
inline bool searchable(const Design &d)
{
    return d.v >= d.k && d.k >= 1 && d.t >= 1 && d.t <= d.m && d.m <= d.v && d.t <= d.k && d.v <= kMaxPositions;
}

class Rng {
public:
    explicit Rng(std::uint64_t seed) : engine_(seed) {}
    std::size_t below(std::size_t n) { return static_cast<std::size_t>(engine_() % n); }
    double unit() { return static_cast<double>(engine_() >> 11) * (1.0 / 9007199254740992.0); }
    int pick(Line set)
    {
        int pos[kMaxPositions];
        const int n = positionsOf(set, pos);
        return pos[below(static_cast<std::size_t>(n))];
    }

private:
    std::mt19937_64 engine_;
};

// A block of k points holding at least t points of s, the rest anywhere.
inline Line randomBlockMeeting(Line s, const Design &d, Rng &rng)
{
    const Line all = (Line{1} << d.v) - 1;
    const auto choices = static_cast<std::size_t>(std::min(d.k, d.m) - d.t) + 1;
    const int fromSet = d.t + static_cast<int>(rng.below(choices));
    Line b = 0;
    for (int i = 0; i < fromSet; ++i)
        b |= Line{1} << rng.pick(s & ~b);
    while (std::popcount(b) < d.k)
        b |= Line{1} << rng.pick(all & ~b);
    return b;
}

// Which of n items (sets, or orbits of sets) are bare, in a list that a random one can be
// drawn from; adding and removing take constant time.
class BareList {
public:
    explicit BareList(std::uint32_t n) : where_(n), bare_(n)
    {
        for (std::uint32_t i = 0; i < n; ++i) {
            where_[i] = i;
            bare_[i] = i;
        }
    }
    std::size_t size() const { return bare_.size(); }
    std::uint32_t at(std::size_t i) const { return bare_[i]; }
    void drop(std::uint32_t item)
    {
        const auto i = where_[item];
        const auto last = bare_.back();
        bare_[i] = last;
        where_[last] = i;
        bare_.pop_back();
        where_[item] = kGone;
    }
    void add(std::uint32_t item)
    {
        where_[item] = static_cast<std::uint32_t>(bare_.size());
        bare_.push_back(item);
    }

private:
    static constexpr std::uint32_t kGone = std::numeric_limits<std::uint32_t>::max();
    std::vector<std::uint32_t> where_;
    std::vector<std::uint32_t> bare_;
};

// How long a point moved out of a block stays out: a short, random spell did best on
// the mid-sized coverings (longer spells slowed the descent).
inline std::uint64_t tabuSpell(Rng &rng)
{
    return 1 + rng.below(3);
}

// The best swap towards a bare set: of the swaps offered, the one that leaves least bare
// (ties drawn at random), passing over a point that may not yet go back into its block
// unless the swap leaves nothing bare.
class SwapChoice {
public:
    SwapChoice(long bare, const std::vector<std::uint64_t> &tabuUntil, std::uint64_t iteration, Rng &rng)
        : bare_(bare), tabuUntil_(tabuUntil), iteration_(iteration), rng_(rng)
    {
    }

    // Every swap of a point of block `b` (number `block`) outside `target` for a point of
    // `target` outside it; `change(p, q)` tells how the bare count would change.
    template <class Change> void offer(std::size_t block, Line b, Line target, Change &&change)
    {
        for (Line outs = b & ~target; outs; outs &= outs - 1)
            for (Line ins = target & ~b; ins; ins &= ins - 1) {
                const int p = std::countr_zero(outs);
                const int q = std::countr_zero(ins);
                const long d = change(p, q);
                if (tabuUntil_[block * kMaxPositions + static_cast<std::size_t>(q)] > iteration_ && bare_ + d > 0)
                    continue;
                if (d < delta_) {
                    delta_ = d;
                    ties_ = 1;
                } else if (d > delta_ || rng_.below(++ties_) != 0) {
                    continue;
                }
                block_ = block;
                out_ = p;
                in_ = q;
            }
    }

    bool found() const { return out_ >= 0; }
    std::size_t block() const { return block_; }
    int out() const { return out_; }
    int in() const { return in_; }

private:
    long bare_;
    const std::vector<std::uint64_t> &tabuUntil_;
    std::uint64_t iteration_;
    Rng &rng_;
    long delta_ = std::numeric_limits<long>::max();
    std::size_t ties_ = 0;
    std::size_t block_ = 0;
    int out_ = -1;
    int in_ = -1;
};

} // namespace wheel::local
