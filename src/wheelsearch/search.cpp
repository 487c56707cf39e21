// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheelsearch/search.h"

#include "wheelsearch/localsearch.h"

#include <algorithm>
#include <array>
#include <bit>
#include <chrono>
#include <cmath>
#include <limits>
#include <random>

namespace wheel {
namespace {

using local::Rng;

constexpr double kStartTemperature = 0.6;
constexpr double kCool = 0.975;
constexpr int kAttempts = 3;

// The m-sets of v points with how many blocks cover each, and the list of the uncovered.
class Cover {
public:
    // Setting up the largest covers takes about a second; a set `stop` cuts it short, and
    // complete() then says false.
    explicit Cover(const Design &d, const std::atomic<bool> *stop = nullptr)
        : d_(d), all_((Line{1} << d.v) - 1), bytes_((d.v + 7) / 8),
          uncovered_(static_cast<std::uint32_t>(binomial(d.v, d.m)))
    {
        for (int byte = 0; byte < bytes_; ++byte)
            for (int b = 0; b < 256; ++b)
                for (int j = 0; j <= d.m; ++j) {
                    std::uint32_t r = 0;
                    int jj = j;
                    for (int p = 0; p < 8; ++p)
                        if (b & (1 << p)) {
                            ++jj;
                            if (jj <= d.m)
                                r += static_cast<std::uint32_t>(binomial(8 * byte + p, jj));
                        }
                    table_[byte * 256 + b][j] = r;
                }
        const auto sets = binomial(d.v, d.m);
        counts_.assign(sets, 0);
        masks_.resize(sets);
        // Remember each set's mask by rank, so an uncovered rank can be turned back into a set.
        int pos[kMaxPositions];
        for (int i = 0; i < d.v; ++i)
            pos[i] = i;
        std::uint32_t recorded = 0;
        auto record = [&](Line s) {
            masks_[rank(s)] = s;
            return (++recorded & 0xffffu) == 0 && stop && stop->load(std::memory_order_relaxed);
        };
        complete_ = !anySubsetOf(pos, d.v, d.m, 0, record);
    }

    bool complete() const { return complete_; }

    std::uint32_t rank(Line s) const
    {
        std::uint32_t r = 0;
        int j = 0;
        for (int byte = 0; byte < bytes_; ++byte) {
            const auto b = static_cast<unsigned>((s >> (8 * byte)) & 0xffu);
            r += table_[byte * 256 + b][j];
            j += std::popcount(b);
        }
        return r;
    }

    std::size_t uncoveredCount() const { return uncovered_.size(); }
    Line uncoveredAt(std::size_t i) const { return masks_[uncovered_.at(i)]; }

    // Every m-set that block b covers.
    template <class F> void forEachCovered(Line b, F &&f) const
    {
        int in[kMaxPositions];
        int out[kMaxPositions];
        const int nin = positionsOf(b, in);
        const int nout = positionsOf(all_ & ~b, out);
        // A set needs at least m - nout points in the block: below that there is no set to
        // visit, and walking the block's subsets anyway costs up to 2^k when k is near v.
        for (int i = std::max(d_.t, d_.m - nout); i <= std::min(d_.k, d_.m); ++i) {
            auto inner = [&](Line a) {
                auto outer = [&](Line c) { f(a | c); };
                forEachSubsetOf(out, nout, d_.m - i, 0, outer);
            };
            forEachSubsetOf(in, nin, i, 0, inner);
        }
    }

    void add(Line b)
    {
        forEachCovered(b, [this](Line s) {
            const auto r = rank(s);
            if (counts_[r]++ == 0)
                uncovered_.drop(r);
        });
    }

    void remove(Line b)
    {
        forEachCovered(b, [this](Line s) {
            const auto r = rank(s);
            if (--counts_[r] == 0)
                uncovered_.add(r);
        });
    }

    // Sets that block b alone covers.
    std::size_t uniqueTo(Line b) const
    {
        std::size_t n = 0;
        forEachCovered(b, [&](Line s) { n += counts_[rank(s)] == 1; });
        return n;
    }

    std::size_t gainOf(Line b) const
    {
        std::size_t n = 0;
        forEachCovered(b, [&](Line s) { n += counts_[rank(s)] == 0; });
        return n;
    }

    // Change in the uncovered count when point p of block b is swapped for q; only the
    // sets that meet b less p in exactly t-1 points and hold just one of p, q can change.
    template <bool Apply> long swap(Line b, int p, int q)
    {
        const Line pb = Line{1} << p;
        const Line qb = Line{1} << q;
        const Line rest = b & ~pb;
        int in[kMaxPositions];
        int out[kMaxPositions];
        const int nin = positionsOf(rest, in);
        const int nout = positionsOf(all_ & ~(b | qb), out);
        long delta = 0;
        auto inner = [&](Line a) {
            auto outer = [&](Line c) {
                const auto lost = rank(a | c | pb);
                const auto gained = rank(a | c | qb);
                if constexpr (Apply) {
                    if (--counts_[lost] == 0)
                        uncovered_.add(lost);
                    if (counts_[gained]++ == 0)
                        uncovered_.drop(gained);
                } else {
                    delta += counts_[lost] == 1;
                    delta -= counts_[gained] == 0;
                }
            };
            forEachSubsetOf(out, nout, d_.m - d_.t, 0, outer);
        };
        forEachSubsetOf(in, nin, d_.t - 1, 0, inner);
        return delta;
    }

private:
    Design d_;
    Line all_;
    int bytes_; // how many bytes of a set hold positions
    std::vector<std::array<std::uint32_t, kMaxPositions + 1>> table_ =
        std::vector<std::array<std::uint32_t, kMaxPositions + 1>>(8 * 256);
    std::vector<std::uint16_t> counts_;
    local::BareList uncovered_;
    std::vector<Line> masks_;
    bool complete_ = false;
};

// Gives up (empty result) past giveUpAbove blocks or once tooLate() says so.
template <class Late>
std::vector<Line> greedy(const Design &d, Cover &cover, Rng &rng, std::size_t giveUpAbove, Late tooLate)
{
    const std::uint64_t perBlock = setsPerBlock(d);
    const int candidates =
        static_cast<int>(std::clamp<std::uint64_t>(4'000'000 / std::max<std::uint64_t>(perBlock, 1), 2, 24));
    std::vector<Line> blocks;
    while (cover.uncoveredCount() > 0) {
        // A block costs up to millions of set look-ups on the larger designs, so the clock is
        // read before every one.
        if ((giveUpAbove && blocks.size() > giveUpAbove) || tooLate())
            return {};
        const Line s = cover.uncoveredAt(rng.below(cover.uncoveredCount()));
        Line best = 0;
        std::size_t bestGain = 0;
        for (int c = 0; c < candidates; ++c) {
            const Line b = local::randomBlockMeeting(s, d, rng);
            const auto gain = cover.gainOf(b);
            if (gain > bestGain) {
                bestGain = gain;
                best = b;
            }
        }
        cover.add(best);
        blocks.push_back(best);
    }
    return blocks;
}

} // namespace

SearchResult searchDesign(const Design &d, const SearchOptions &options)
{
    const local::Stopwatch watch;
    auto elapsed = [&] { return watch.seconds(); };
    auto stopped = [&] { return options.stop && options.stop->load(std::memory_order_relaxed); };

    SearchResult result;
    if (!local::searchable(d))
        return result;
    // The cover keeps a count for every m-set: past this many it would not fit in memory.
    if (binomial(d.v, d.m) > kMostSetsSearched)
        return result;

    Cover cover(d, options.stop);
    if (!cover.complete()) {
        result.seconds = elapsed();
        return result;
    }
    Rng rng(options.seed);

    std::vector<Line> blocks;
    if (!options.start.empty()) {
        blocks = options.start;
        for (Line b : blocks) {
            if (stopped()) {
                result.seconds = elapsed();
                return result;
            }
            cover.add(b);
        }
        // A start that does not cover is completed greedily.
        auto more = greedy(d, cover, rng, 0, stopped);
        if (cover.uncoveredCount() > 0) {
            result.seconds = elapsed();
            return result;
        }
        blocks.insert(blocks.end(), more.begin(), more.end());
    } else {
        blocks = greedy(d, cover, rng, options.giveUpAbove, [&] {
            return stopped() || (options.greedySecondsCap > 0 && elapsed() > options.greedySecondsCap);
        });
        if (blocks.empty()) {
            result.seconds = elapsed();
            return result;
        }
    }
    result.greedyLines = blocks.size();
    std::vector<Line> best = blocks;

    // Each round drops the block that alone covers least, then searches until nothing is
    // left uncovered or the round's moves run out.
    const Line all = (Line{1} << d.v) - 1;
    const std::uint64_t lb = lowerBound(d);
    while (blocks.size() > 1 && blocks.size() > lb) {
        std::size_t drop = 0;
        std::size_t least = std::numeric_limits<std::size_t>::max();
        const std::size_t tries = std::min<std::size_t>(blocks.size(), 8);
        for (std::size_t i = 0; i < tries; ++i) {
            const std::size_t at = rng.below(blocks.size());
            const auto u = cover.uniqueTo(blocks[at]);
            if (u < least) {
                least = u;
                drop = at;
            }
        }
        cover.remove(blocks[drop]);
        blocks[drop] = blocks.back();
        blocks.pop_back();

        std::vector<std::uint64_t> tabuUntil(blocks.size() * kMaxPositions, 0);
        std::uint64_t iteration = 0;
        const std::uint64_t budget = options.movesPerLevel;
        const std::uint64_t step = std::max<std::uint64_t>(budget / 200, 1);
        bool done = cover.uncoveredCount() == 0;
        for (int attempt = 0; attempt < kAttempts && !done && !result.hitTimeCap; ++attempt) {
            double temperature = kStartTemperature;
            for (std::uint64_t move = 0; move < budget && !done; ++move) {
                if ((move & 15) == 0 && (elapsed() > options.secondsCap || stopped())) {
                    result.hitTimeCap = true;
                    break;
                }
                if (move % step == step - 1)
                    temperature *= kCool;
                const Line s = cover.uncoveredAt(rng.below(cover.uncoveredCount()));
                if (options.tabu) {
                    ++iteration;
                    int bestMeet = -1;
                    for (Line b : blocks)
                        bestMeet = std::max(bestMeet, std::popcount(b & s));
                    local::SwapChoice choice(static_cast<long>(cover.uncoveredCount()), tabuUntil, iteration, rng);
                    for (std::size_t i = 0; i < blocks.size(); ++i)
                        if (std::popcount(blocks[i] & s) == bestMeet)
                            choice.offer(i, blocks[i], s & all,
                                         [&](int p, int q) { return cover.swap<false>(blocks[i], p, q); });
                    if (choice.found()) {
                        const std::size_t chosen = choice.block();
                        const Line b = blocks[chosen];
                        cover.swap<true>(b, choice.out(), choice.in());
                        blocks[chosen] = (b & ~(Line{1} << choice.out())) | (Line{1} << choice.in());
                        tabuUntil[chosen * kMaxPositions + static_cast<std::size_t>(choice.out())] =
                            iteration + local::tabuSpell(rng);
                        done = cover.uncoveredCount() == 0;
                    }
                    ++result.moves;
                    continue;
                }
                // A block that one swap turns into a cover of s, or one of the closest.
                int bestMeet = -1;
                std::size_t chosen = 0;
                std::size_t ties = 0;
                for (std::size_t i = 0; i < blocks.size(); ++i) {
                    const int meet = std::popcount(blocks[i] & s);
                    if (meet > bestMeet) {
                        bestMeet = meet;
                        chosen = i;
                        ties = 1;
                    } else if (meet == bestMeet && rng.below(++ties) == 0) {
                        chosen = i;
                    }
                }
                const Line b = blocks[chosen];
                const int p = rng.pick(b & ~s);
                const int q = rng.pick(s & ~b & all);
                const long delta = cover.swap<false>(b, p, q);
                if (delta <= 0 || rng.unit() < std::exp(-static_cast<double>(delta) / temperature)) {
                    cover.swap<true>(b, p, q);
                    blocks[chosen] = (b & ~(Line{1} << p)) | (Line{1} << q);
                    done = cover.uncoveredCount() == 0;
                }
                ++result.moves;
            }
        }
        if (!done)
            break;
        best = blocks;
        if (result.hitTimeCap)
            break;
    }
    std::sort(best.begin(), best.end(), lineLess);
    result.blocks = std::move(best);
    result.seconds = elapsed();
    return result;
}

SearchResult searchWheel(const WheelSpec &spec, const SearchOptions &options)
{
    SearchOptions o = options;
    o.start = designFromLines(spec, options.start);
    SearchResult r = searchDesign(designOf(spec), o);
    r.blocks = linesFromDesign(spec, r.blocks);
    return r;
}

} // namespace wheel
