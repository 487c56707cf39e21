// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The counts of the odds walk over every subset of the player's numbers spend much of their time
// counting bits. The package is built for every 64-bit x86 processor, some of which lack the
// instruction that counts them, so the hottest functions are built twice, with and without it, and
// the loader picks one for the processor at hand.
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__)) && !defined(__SANITIZE_ADDRESS__)
#define WHEELWRIGHT_BIT_COUNTING __attribute__((target_clones("popcnt", "default")))
#else
#define WHEELWRIGHT_BIT_COUNTING
#endif
