// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The counts of the odds walk over every subset of the player's numbers spend much of their time
// counting bits. The package is built for every 64-bit x86 processor, some of which lack the
// instruction that counts them, so the hottest functions are built twice, with and without it, and
// the loader picks one for the processor at hand.
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__)) && !defined(__SANITIZE_ADDRESS__)
#define WHEELWRIGHT_BIT_COUNTING __attribute__((target_clones("popcnt", "default")))
#else
#define WHEELWRIGHT_BIT_COUNTING
#endif

// The positions after p (p may be -1, or the 64th), and the first z positions: the walks' bit sets
// of the player's numbers, where a shift by 64 would be undefined.
inline std::uint64_t positionsAfter(int p)
{
    return p + 1 >= 64 ? 0 : ~std::uint64_t{0} << (p + 1);
}

inline std::uint64_t firstPositions(int z)
{
    return z == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << z) - 1;
}
