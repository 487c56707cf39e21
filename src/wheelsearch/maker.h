// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Making one wheel on demand from the best the program knows: a wheel it holds for the same
// request or a stronger one, a wheel for more numbers with numbers taken out, wheels joined
// from smaller ones, the designs a group keeps; then the local search from the best of them
// on every thread. The window, `wheelwright make` and `wheelgen holes` all make wheels here.
#pragma once

#include "wheelsearch/wheel.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace wheel {

// A wheel the program already holds (a shipped one, or one of the player's own), which the
// maker may start from. Its lines are taken as keeping their guarantee; what the maker hands
// out is proven all the same.
struct KnownWheel {
    WheelSpec spec;
    std::vector<Line> lines;
    std::string source; // how a note names it: "shipped", "own"
};

// Whether a wheel `held` serves the request `wanted` once numbers are taken out of it: the
// same pick and type, at least as many numbers, at least as many matched of at most as many
// drawn.
bool servesRequest(const WheelSpec &held, const WheelSpec &wanted);

// The lines of a wheel on `from.z` numbers with the numbers in `out` taken out (positions; a
// key wheel's key is never among them): every line that held one gets, in its place, a number
// it lacks, of those left the one on fewest lines so far; the numbers left are then numbered
// in order. A drawn set of the numbers left was drawn from the larger wheel too, and the line
// that matched it there matches it here, so the guarantee holds on the fewer numbers.
std::vector<Line> takeNumbersOut(const WheelSpec &from, const std::vector<Line> &lines, Line out);

// Takes out, one at a time, every line whose drawn sets all meet some other line well
// enough (the last lines first); the guarantee stays as it was. Returns how many went; none
// where counting the drawn sets would take too long or too much memory.
std::size_t dropPointlessLines(const WheelSpec &spec, std::vector<Line> &lines);

// A wheel to search from, and the words that tell how it was had.
struct MakerStart {
    std::vector<Line> lines;
    std::string how;
};

// Every start the known wheels give for `spec`: a wheel held for it (or for a stronger
// guarantee on as many numbers), and each held for one to three numbers more with those
// numbers taken out and the lines left pointless dropped; fewest lines first. Not proven here.
std::vector<MakerStart> startsFromKnown(const WheelSpec &spec, const std::vector<KnownWheel> &known);

// The wheels for `spec` joined from smaller known wheels (see joinParts), fewest lines first;
// not proven here.
std::vector<MakerStart> startsJoined(const WheelSpec &spec, const std::vector<KnownWheel> &known);

struct MakeWheelOptions {
    WheelSpec spec;
    std::vector<KnownWheel> known;
    double seconds = 30.0;
    int threads = 1;
    std::uint64_t seed = 1;
    std::size_t mostLines = 2000; // a start of more lines than twice this is given up
    std::size_t lowerBound = 0;   // the search stops once it gets there
    // The share of the time one thread spends on the designs the groups keep (only where
    // every drawn set must lie whole on a line: "x if x" and its key wheels). Where the drawn
    // sets are one or two numbers larger than a hit, one thread instead goes down from the best wheel
    // at fixed counts over them: all the time when there are more threads, else all but this
    // share. 0: neither.
    double groupShare = 0.25;
    const std::atomic<bool> *cancelled = nullptr;
    // About four times a second: the best count so far (0: none), the seconds left and how
    // many runs of the search have begun.
    std::function<void(std::size_t best, double secondsLeft, int runs)> progress;
};

struct MadeWheel {
    std::vector<Line> lines;    // the fewest found, not proven here; empty when none
    std::string note;           // how it was found, as the catalogue's notes tell it
    std::size_t startLines = 0; // the best start before the search; 0 when there was none
    std::size_t heldLines = 0;  // the known wheel for this very request; 0 when none
    int runs = 0;
    double seconds = 0.0;
};

// Makes the wheel: the starts first (the known wheels, the joins), then the designs a group
// keeps on one thread for a share of the time while the others search from the best start;
// each search run goes on from the best wheel of all so far. Ends at the time, at the lower
// bound or when cancelled, with the best wheel found; never with more lines than the best
// start.
MadeWheel makeWheel(const MakeWheelOptions &options);

} // namespace wheel
