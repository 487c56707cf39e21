// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

// Exact odds of a wheel: every figure is counted over every possible draw, never sampled.
//
// The player plays Z numbers; the wheel's lines name positions 0..Z-1 of them. A draw takes
// `drawn` numbers from the pool; j of them fall among the player's Z, and every j-subset of
// the Z is equally likely, so the odds split into the chance of j (hypergeometric) and, for
// each j, the share of j-subsets whose best line matches at least b of them.
namespace odds {

// The largest pool (and bonus pool) the odds count.
constexpr int kMaxPool = 99;

// The main pool and what else is drawn. The match table (compute) counts the main numbers only;
// the prize tiers (computeTiers) count the rest too.
struct Lottery {
    int pool = 0;          // N, 2..99
    int drawn = 0;         // D, 1..pool
    int supplementary = 0; // S drawn after them from the rest of the main pool
    int bonusPool = 0;     // M of a separate bonus pool; 0 when there is none
    int bonusDrawn = 0;    // BD drawn from it
};

struct Wheel {
    int numbers = 0;                  // Z, 1..min(pool, 64)
    std::vector<std::uint64_t> lines; // bit p set: position p (0-based) is on the line
};

struct Options {
    // Main-number matches that win the lowest prize; 0 leaves `prize` unset. The figure counts main
    // numbers only: a tier that also needs a bonus or supplementary number, or one the bonus number
    // alone wins, cannot be given here; pass the main matches of the lowest tier that needs main
    // numbers only.
    int lowestPrizeMain = 0;
    // Checked often while counting: set it to drop a computation whose answer is no longer wanted.
    const std::atomic<bool> *cancel = nullptr;
};

struct HaveRow {
    int j = 0;
    // P(exactly j of the drawn numbers are among the player's); in the keyed rows,
    // P(exactly j are among the player's and the key is one of them).
    double probability = 0;
    std::uint64_t subsets = 0;              // j-subsets of the player's numbers considered
    std::vector<std::uint64_t> atLeastSets; // [b]: those where some line matches >= b of them
    std::vector<double> atLeast;            // [b] = atLeastSets[b] / subsets, b = 0..drawn
};

struct Table {
    int pool = 0;
    int drawn = 0;
    int numbers = 0;
    int tickets = 0;
    std::vector<HaveRow> have;      // j = 0..min(drawn, numbers)
    std::vector<HaveRow> keyedHave; // j = 0..min(drawn, numbers): the same given that position 0
                                    // (a key wheel's key) is among the drawn; row 0 is empty
    std::vector<double> atLeast;    // [b]: P(some line matches >= b) over all draws
    std::vector<double> expected;   // [b]: expected number of lines matching exactly b per draw
    double prize = -1;              // P(some line makes the lowest prize's main matches), -1 when not asked
};

enum class Status { Done, Cancelled, Invalid };

Status compute(const Lottery &lottery, const Wheel &wheel, const Options &options, Table &table, std::string &error);

// A prize tier as the matches it needs: exactly `main` main numbers, at least `supplementary` of the
// ticket's main numbers among the supplementary numbers and at least `bonus` of its bonus numbers
// among those drawn from the bonus pool.
struct Tier {
    int main = 0;
    int supplementary = 0;
    int bonus = 0;
};

// A ticket: its places among the player's numbers, and which of the player's bonus numbers it
// carries (bit i: the i-th chosen).
struct Ticket {
    std::uint64_t line = 0;
    std::uint64_t bonus = 0;
};

struct TierQuestion {
    Lottery lottery;
    int numbers = 0;      // Z, the player's main numbers, 1..min(pool, 64)
    int bonusNumbers = 0; // u, the player's bonus numbers, 0..min(bonusPool, 64)
    std::vector<Ticket> tickets;
    std::vector<Tier> tiers; // best first; a ticket counts in the first it meets only
    const std::atomic<bool> *cancel = nullptr;
};

struct TierOdds {
    std::vector<double> anyTicket;       // [tier]: P(at least one ticket wins it)
    std::vector<double> expectedTickets; // [tier]: tickets in it per draw, on average
    double anyPrize = 0;                 // P(at least one ticket wins some tier)
};

// The rule of a ticket's tier, for the count and the draw check alike: the first tier, best first,
// whose main count equals the ticket's main matches and whose supplementary and bonus needs its
// matches meet; -1 when none pays. `asTier` gives an element of `tiers` as a Tier.
template <typename Tiers, typename AsTier>
int firstTierMet(const Tiers &tiers, AsTier asTier, int main, int supplementary, int bonus)
{
    int at = 0;
    for (const auto &each : tiers) {
        const Tier tier = asTier(each);
        if (tier.main == main && tier.supplementary <= supplementary && tier.bonus <= bonus)
            return at;
        ++at;
    }
    return -1;
}

// The first tier (best first) the matches meet, or -1.
int tierOf(const std::vector<Tier> &tiers, int main, int supplementary, int bonus);

// Counts every tier over every draw: the main draw, the supplementary numbers and the bonus draw.
// Only the drawn numbers among the player's matter, so the draws are counted by those and the rest
// is a product of binomials; the bonus draw counts by which of the player's bonus numbers it holds.
Status computeTiers(const TierQuestion &question, TierOdds &odds, std::string &error);

// C(n, r) for n up to 99 as long double; exact while the value fits 64 bits. The engine's
// binomial counts sets of a wheel's at most 49 places in 64 bits; the odds need whole pools
// of 99, whose counts pass 64 bits, so they count in long double.
long double binomial(int n, int r);

} // namespace odds
